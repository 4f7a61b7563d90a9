// File > Receive from Synthesizer: the main bar reads a synthesizer back
// through its input port, applies what arrived and says what did.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "history/EditHistory.h"
#include "history/StepReplay.h"
#include "model/XgModel.h"
#include "receive/ReceiveReport.h"
#include "shell/EditorDialog.h"
#include "shell/MainBar.h"
#include "shell/ProcessingProgress.h"
#include "support/Bytes.h"
#include "support/FakeMidiInBackend.h"
#include "support/MemorySettings.h"
#include "support/RecordingPauser.h"
#include "support/RecordingPrompts.h"
#include "support/RespondingBackend.h"
#include "support/TypedIndices.h"

namespace ravlo {
namespace {

using test::Bytes;

// The main bar on a port with a virtual synthesizer behind it, whose answers
// come back on the input port "Synth Out".
class ReceiveCommandTest : public ::testing::Test {
 protected:
  ReceiveCommandTest() {
    settings.ints["MIDIOutPort"] = 0;
    settings.ints["MIDIInPort"] = 0;
    settings.ints["SendReset"] = 0;
    synth.deliver = [this](std::span<const std::uint8_t> message) { inputs.Deliver(message); };
  }

  MainBar& Bar() {
    if (!bar) {
      bar = std::make_unique<MainBar>(
          ShellServices{synth, prompts, settings, pauser, nullptr, &inputs});
      bar->show();
      bar->Start();
    }
    return *bar;
  }
  int PartVolume(int part) { return (*Bar().Model().Parts().Record(test::PartAt(part)))[0x0B]; }
  // An edit of the master volume as a window makes it: one step of the history.
  void EditLocally() {
    XgModel& model = Bar().Model();
    ASSERT_TRUE(Bar().RecordEdit(
        "Master Volume", replay::Values{}, [&model] { return model.System().SetMasterVolume(10); },
        StepJoin::Separate));
    ASSERT_TRUE(Bar().History().CanUndo());
  }

  test::RespondingBackend synth;
  test::FakeMidiInBackend inputs{{"Synth Out"}};
  test::RecordingPrompts prompts;
  test::MemorySettings settings;
  test::RecordingPauser pauser;
  std::unique_ptr<MainBar> bar;
};

TEST_F(ReceiveCommandTest, TheSynthesizersStateReplacesTheImageAndTheHistory) {
  EditLocally();
  synth.received.clear();
  // The synthesizer changed behind Ravlo's back.
  synth.Play(test::PartChange(3, 0x0B, 0x21));
  synth.Play(test::SystemChange(0x04, {0x55}));
  Bar().findChild<QAction*>("ReceiveAction")->trigger();  // File > Receive, Control+R
  EXPECT_EQ(PartVolume(3), 0x21);
  EXPECT_EQ(Bar().Model().System().Value(SystemParameter::Volume), 0x55);
  EXPECT_FALSE(Bar().History().CanUndo()) << "no step leads back past a read-back";
  EXPECT_TRUE(Bar().Modified());
  EXPECT_EQ(Bar().windowTitle(), "Ravlo*");
  EXPECT_TRUE(Bar().FilePath().isEmpty());
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back(), "System, effects, 16 parts, 2 drum setups received.");
  EXPECT_EQ(prompts.icons.back(), MessageIcon::Information);
  EXPECT_EQ(synth.received, synth.Requests()) << "nothing was passed back to the synthesizer";
  EXPECT_TRUE(Bar().Editor(EditorSlot::Part)->IsOpen()) << "as after a file, the windows open";
  EXPECT_FALSE(Bar().Progress().isVisible());
}

TEST_F(ReceiveCommandTest, WithoutAnInputPortTheUserIsToldAndNothingIsAsked) {
  settings.ints.erase("MIDIInPort");
  EditLocally();
  Bar().ReceiveCommand();
  EXPECT_TRUE(synth.Requests().empty());
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back(), NoInputPortText(test::UnitAt(0)));
  EXPECT_TRUE(Bar().History().CanUndo());
}

TEST_F(ReceiveCommandTest, WhenNothingAnswersThePortAndUnitAreNamedAndNothingChanges) {
  settings.ints["ReceiveTimeout"] = 40;
  settings.ints["UnitNumber"] = 6;
  synth.alter = [](test::RespondingBackend::Message) { return std::nullopt; };
  EditLocally();
  const int volume = PartVolume(3);
  Bar().ReceiveCommand();
  EXPECT_EQ(prompts.messages.back(), NoAnswerText("Synth Out", test::UnitAt(6)));
  EXPECT_EQ(synth.Requests().size(), 2u) << "the first request, and once more";
  EXPECT_EQ(pauser.Total(), 80u) << "the General Options timeout each time, in pauses";
  EXPECT_TRUE(Bar().History().CanUndo());
  EXPECT_EQ(PartVolume(3), volume);
}

TEST_F(ReceiveCommandTest, CancelInTheProcessingWindowKeepsWhatCame) {
  synth.Play(test::PartChange(0, 0x0B, 0x11));
  synth.Play(test::PartChange(1, 0x0B, 0x12));
  synth.Play(test::PartChange(2, 0x0B, 0x13));
  QTimer presser;
  presser.setInterval(0);
  QObject::connect(&presser, &QTimer::timeout, [this] {
    if (Bar().Progress().Item() == "Part 2") Bar().Progress().CancelButton()->click();
  });
  presser.start();
  Bar().ReceiveCommand();
  EXPECT_EQ(PartVolume(0), 0x11);
  EXPECT_EQ(PartVolume(1), 0x12);
  EXPECT_NE(PartVolume(2), 0x13) << "asked for nothing after the cancel";
  EXPECT_NE(prompts.messages.back().find("Receiving was cancelled."), std::string::npos);
  EXPECT_EQ(prompts.icons.back(), MessageIcon::Warning);
  EXPECT_TRUE(Bar().Modified());
}

}  // namespace
}  // namespace ravlo
