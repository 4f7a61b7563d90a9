#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <optional>

#include "editors/CPartReceiveDlg.h"
#include "editors/CPartRunDlg.h"
#include "files/FileIo.h"
#include "history/EditHistory.h"
#include "midi/MidiResult.h"
#include "mixer/MixerWindow.h"
#include "model/XgModel.h"
#include "support/Bytes.h"
#include "support/FakeEditorHost.h"
#include "support/FakeSoundView.h"
#include "support/MainBarRig.h"
#include "support/ModelFixture.h"
#include "support/ScratchDirectory.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::PartChange;
using Sent = std::vector<std::vector<std::uint8_t>>;

constexpr int kVolume = 0x0B;
constexpr int kPan = 0x0E;
constexpr int kReverb = 0x13;

void Type(EditSpinPair* field, const QString& text) {
  ASSERT_NE(field, nullptr);
  field->Edit()->setText(text);
  field->Commit();
}

// One notch of the mouse wheel, up or down, over `widget`.
void Wheel(QWidget* widget, int notches) {
  const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(),
                    QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &wheel);
}

class MixerWindowTest : public ::testing::Test {
 protected:
  MixerWindowTest() {
    window.OpenWindow();
    rig.ClearSent();
  }

  EditSpinPair* Field(int part, int address) { return window.Field(part, address); }

  test::ModelRig rig;
  test::FakeEditorHost host;
  MixerWindow window{rig.model, host};
};

TEST_F(MixerWindowTest, SixteenStripsShowTheModelAndWhileTheSoundPlaysTheirLevels) {
  ASSERT_EQ(window.StripCount(), 16);
  EXPECT_EQ(window.focusWidget(), Field(0, kVolume)->Edit());
  EXPECT_EQ(window.ChannelLabel(2)->text(), "Ch 3");
  EXPECT_EQ(window.VoiceButton(9)->toolTip(), "StndKit1");
  EXPECT_EQ(window.ModeList(9)->currentText(), "Drum 1");
  EXPECT_EQ(Field(4, kReverb)->Edit()->text(), "40");
  // Tab goes through a strip, then on to the next.
  QWidget* at = Field(0, kVolume)->Edit();
  std::vector<QWidget*> order;
  for (int i = 0; i < 8; ++i) {
    at = at->nextInFocusChain();
    while (at->focusPolicy() == Qt::NoFocus) at = at->nextInFocusChain();
    order.push_back(at);
  }
  EXPECT_EQ(order, (std::vector<QWidget*>{Field(0, kPan)->Edit(), Field(0, kReverb)->Edit(),
                                          Field(0, 0x12)->Edit(), Field(0, 0x14)->Edit(),
                                          window.ModeList(0), window.VoiceButton(0),
                                          Field(1, kVolume)->Edit(), Field(1, kPan)->Edit()}));

  // While the sound plays, each strip shows its level and the preset heard.
  EXPECT_FALSE(window.Meter(0)->isVisible()) << "no sound, no meters";
  test::FakeSoundView sound;
  sound.peaks[3] = 0.1f;  // -20 dB
  window.SetSound(&sound);
  // The meters look a few times a second; a busy machine may take longer.
  const auto waitFor = [](const std::function<bool()>& done) {
    for (int tries = 0; tries < 500 && !done(); ++tries) QTest::qWait(10);
  };
  waitFor([&] { return window.Meter(3)->value() == 40; });
  EXPECT_TRUE(window.Meter(0)->isVisible());
  EXPECT_EQ(window.Meter(3)->value(), 40) << "60 dB shown, 20 under the top";
  EXPECT_EQ(window.VoiceButton(3)->toolTip(), "GrandPno\nHeard: part 4");
  sound.active = false;
  waitFor([&] { return !window.Meter(3)->isVisible(); });
  EXPECT_FALSE(window.Meter(3)->isVisible());
  EXPECT_EQ(window.VoiceButton(3)->toolTip(), "GrandPno");
}

TEST_F(MixerWindowTest, AnEditInAStripSendsThePartChangeAsAStepOfItsOwn) {
  Type(Field(2, kVolume), "90");
  window.Fader(5)->setValue(20);
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(2, kVolume, 90), PartChange(5, kVolume, 20)}));
  EXPECT_EQ(host.steps, (std::vector<std::string>{"Part 3 Volume", "Part 6 Volume"}));
  EXPECT_EQ(host.modified, 2);
  EXPECT_EQ(window.Fader(2)->value(), 90);
  EXPECT_EQ(Field(5, kVolume)->Edit()->text(), "20");
  // The fader hands the wheel to its volume field.
  rig.ClearSent();
  Wheel(window.Fader(0), +1);
  EXPECT_EQ(rig.Pieces(), Sent{PartChange(0, kVolume, 101)});
  // A failed send leaves the strip at what the synthesizer has.
  rig.backend.sendResult = kMidiError;
  window.Fader(1)->setValue(3);
  EXPECT_EQ(window.Fader(1)->value(), 100);
}

TEST_F(MixerWindowTest, EditsElsewhereMoveTheStripAndItsVoiceButtonAndModeListWork) {
  CPartRunDlg control(rig.model, PartIndex::FromIndex(6), PartRunKind::PartControl, 0);
  Type(control.findChild<EditSpinPair*>("Pan"), "127");
  EXPECT_EQ(Field(6, kPan)->UnitText(), "R63");
  rig.ClearSent();
  std::vector<int> askedFor;
  window.SetVoiceChooser([&](PartIndex part) -> std::optional<int> {
    askedFor.push_back(part.Number());
    return std::nullopt;
  });
  window.VoiceButton(3)->click();
  EXPECT_EQ(askedFor, std::vector<int>{4});
  EXPECT_TRUE(rig.Pieces().empty());

  emit window.ModeList(3)->activated(1);  // "Drum", which a normal part may take
  EXPECT_EQ(rig.PartByte(3, 0x07), 1);
  EXPECT_EQ(host.steps.back(), "Part 4 Mode");

  // The extended instrument shows the part EQ and four drum setups.
  EXPECT_FALSE(Field(2, 0x72)->isVisibleTo(&window));
  EXPECT_EQ(window.ModeList(2)->count(), 4);
  rig.model.SetInstrument(InstrumentModel::Extended);
  rig.PutPartByte(2, 0x72, 0x46);  // a notice redraws the strip
  ASSERT_TRUE(Field(2, 0x72)->isVisibleTo(&window));
  EXPECT_EQ(Field(2, 0x72)->UnitText(), "+6 dB");
  EXPECT_EQ(window.ModeList(2)->count(), 6);
}

// The mixer in the whole program.
class MixerInMainBarTest : public ::testing::Test, public test::MainBarRig {
 protected:
  MixerInMainBarTest() {
    settings.ints["SendReset"] = 0;
    settings.ints["AutoSendResetOnFileOpen"] = 0;
  }
  MixerWindow& Mixer() { return *static_cast<MixerWindow*>(Bar().Editor(EditorSlot::Mixer)); }

  test::ScratchDirectory directory{"ravlo-mixer"};
};

TEST_F(MixerInMainBarTest, ControlMOpensTheMixerAndAFileRefreshesEveryStrip) {
  Start();
  ASSERT_TRUE(Bar().OpenEditor(EditorSlot::Part));
  QTest::keyClick(Bar().Editor(EditorSlot::Part), Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(Mixer().IsOpen());
  Bar().CloseAll();
  EXPECT_FALSE(Mixer().IsOpen());
  // The piano, playing, leaves the key to the program.
  Bar().PianoCommand(true);
  QTest::keyClick(&Bar(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(Mixer().IsOpen());

  // A file that changes every part refreshes every strip.
  std::vector<std::uint8_t> song;
  for (int part = 0; part < 16; ++part) {
    const std::vector<std::uint8_t> change = PartChange(part, kVolume, 10 + part);
    song.insert(song.end(), change.begin(), change.end());
  }
  Bar().OpenFiles({QString::fromStdString(directory.Put("song.syx", song))});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Bar().FilesWaiting(); }, 3000));
  for (int part = 0; part < 16; ++part) EXPECT_EQ(Mixer().Fader(part)->value(), 10 + part) << part;
}

// Each drag of a fader is one step; an undone edit moves the fader back.
TEST_F(MixerInMainBarTest, EachDragOfAFaderIsOneStepAndTheMixerKeepsItsPlace) {
  Start();
  ASSERT_TRUE(Bar().OpenEditor(EditorSlot::Mixer));
  QSlider& fader = *Mixer().Fader(0);
  for (const std::vector<int>& drag : {std::vector<int>{90, 80}, std::vector<int>{70, 60}}) {
    fader.setSliderDown(true);
    for (int value : drag) fader.setValue(value);
    fader.setSliderDown(false);
  }
  EXPECT_EQ(Bar().History().StepCount(), 2u);
  ASSERT_TRUE(Bar().UndoCommand());
  EXPECT_EQ(fader.value(), 80) << "the second drag, whole";
  ASSERT_TRUE(Bar().UndoCommand());
  EXPECT_EQ(fader.value(), 100);

  // Moved down (a mixer wider than the test screen stays at its left edge).
  Mixer().move(Mixer().pos() + QPoint(0, 23));
  const int moved = Mixer().pos().y();
  Mixer().CloseWindow();
  ASSERT_TRUE(Bar().OpenEditor(EditorSlot::Mixer));
  EXPECT_EQ(Mixer().pos().y(), moved);
  Bar().close();
  EXPECT_TRUE(settings.strings.count("MixerPos"));
}

TEST_F(MixerInMainBarTest, MuteAndSoloAreStepsOfTheNoteSwitchAndASaveAsksAboutThem) {
  Start();
  ASSERT_TRUE(Bar().OpenEditor(EditorSlot::Mixer));
  Mixer().MuteButton(1)->click();
  EXPECT_EQ(backend.pieces.back(), PartChange(1, 0x35, 0));
  Mixer().SoloButton(4)->click();
  EXPECT_TRUE(Mixer().SoloButton(4)->isChecked() && Mixer().MuteButton(15)->isChecked());
  EXPECT_EQ(Bar().History().UndoName(), "Part 5 Solo");
  ASSERT_TRUE(Bar().UndoCommand());
  EXPECT_FALSE(Mixer().SoloButton(4)->isChecked() || Mixer().MuteButton(15)->isChecked());
  EXPECT_TRUE(Mixer().MuteButton(1)->isChecked());
  CPartReceiveDlg receive(Bar().Model(), PartIndex::FromIndex(1));
  EXPECT_FALSE(receive.findChild<QCheckBox*>("Note")->isChecked());

  // No saves every part playing; the part stays muted. Cancel saves nothing.
  const std::string path = directory.File("mix.syx");
  prompts.answers = {Answer::No, Answer::Cancel};
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
  ASSERT_TRUE(Bar().SaveAsCommand());
  EXPECT_EQ(prompts.questions.back(), MainBar::kSaveMutedQuestion.toStdString());
  std::vector<std::uint8_t> saved;
  ASSERT_TRUE(ReadWholeFile(path, saved).ok);
  const std::vector<std::uint8_t> mute = PartChange(1, 0x35, 0);
  EXPECT_EQ(std::search(saved.begin(), saved.end(), mute.begin(), mute.end()), saved.end());
  EXPECT_TRUE(Mixer().MuteButton(1)->isChecked());
  Bar().MarkModified();
  EXPECT_FALSE(Bar().SaveCommand());
  EXPECT_TRUE(prompts.answers.empty()) << "asked again, and cancelled";
}

}  // namespace
}  // namespace ravlo
