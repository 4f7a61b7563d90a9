#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "channels/ControllerSlots.h"
#include "editors/CPartDlg.h"
#include "editors/CPartRunDlg.h"
#include "editors/PartRunLayouts.h"
#include "midi/MidiResult.h"
#include "parts/PartParameterTable.h"
#include "shapes/PartShapes.h"
#include "support/FakeEditorHost.h"
#include "support/FakeSoundView.h"
#include "support/ModelFixture.h"
#include "support/TypedIndices.h"
#include "voices/VoiceCatalogue.h"
#include "widgets/CurveView.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::PartChange;

constexpr bool kOk = true;
constexpr bool kCancel = false;
constexpr int kReverbSlot = static_cast<int>(ControllerSlot::Reverb);

// The open Part window over the fake backend; its modal dialogs are answered by
// `answer` (Cancel when none is set) and its prompts are recorded.
class PartDlgTest : public ::testing::Test {
 protected:
  PartDlgTest() {
    window.SetModalRunner([this](QDialog& dialog) {
      return answer ? answer(dialog) : static_cast<int>(QDialog::Rejected);
    });
    window.SetMessageShower([this](const QString& text) { prompts.push_back(text); });
    // Open, as a closed window does not redraw on the model's notices.
    window.OpenWindow();
    rig.ClearSent();
  }

  template <typename T = QWidget>
  static T* Child(const QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static void Type(EditSpinPair* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    field->Edit()->setText(text);
    field->Commit();
  }
  void Press(const char* name) { Child<QPushButton>(window, name)->click(); }
  static int Ok(QDialog& dialog) {
    Child<QPushButton>(dialog, "Ok")->click();
    return dialog.result();
  }

  EditSpinPair* Field(const char* name) { return Child<EditSpinPair>(window, name); }
  QPushButton* Button(const char* name) { return Child<QPushButton>(window, name); }
  void Choose(std::optional<int> voice) {
    window.SetVoiceChooser([voice] { return voice; });
    Press("Voice");
  }
  // Opens the button's dialog on the shown part, does `edit` in it, then OK or Cancel.
  void Run(const char* button, bool ok, const std::function<void(QDialog&)>& edit) {
    answer = [&edit, ok](QDialog& dialog) {
      edit(dialog);
      return ok ? Ok(dialog) : static_cast<int>(QDialog::Rejected);
    };
    Press(button);
    answer = nullptr;
  }
  static void TypeIn(QDialog& dialog, const char* field, const QString& text) {
    Type(Child<EditSpinPair>(dialog, field), text);
  }
  template <typename T>
  static bool Enabled(QDialog& dialog, const char* name) {
    return Child<T>(dialog, name)->isEnabled();
  }

  using Sent = std::vector<std::vector<std::uint8_t>>;

  test::ModelRig rig;
  test::FakeEditorHost host;
  CPartDlg window{rig.model, host};
  std::function<int(QDialog&)> answer;
  std::vector<QString> prompts;
};

TEST_F(PartDlgTest, PartNumberSendsNothingButReservedSendsAndMarks) {
  Type(Field("PartNumber"), "10");
  Field("PartNumber")->Step(+1);
  Field("PartNumber")->Step(-1);
  Type(Field("PartNumber"), "17");  // beyond the part count: refused
  EXPECT_TRUE(rig.Pieces().empty());
  EXPECT_EQ(window.windowTitle(), "Part -- StndKit1");
  EXPECT_EQ(host.partChannels, (std::vector<int>{10, 11, 10}));

  window.SelectPart(4);
  Type(Field("Reserved"), "5");
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(4, 0x00, 0x05)}));
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartDlgTest, ChannelAndOffSendAndTheOffPartShowsItsRememberedChannel) {
  window.SelectPart(2);
  rig.backend.sendResult = kMidiError;  // failed sends leave the part as it was
  Button("Off")->click();
  EXPECT_FALSE(window.IsOff());
  rig.backend.sendResult = kMidiOk;

  Type(Field("Channel"), "5");
  Button("Off")->click();
  EXPECT_EQ(Button("Off")->text(), "Off");
  EXPECT_FALSE(Field("Channel")->isEnabled());
  // Away and back: the off part still shows the channel it had.
  window.SelectPart(0);
  EXPECT_TRUE(Field("Channel")->isEnabled());
  window.SelectPart(2);
  EXPECT_EQ(Field("Channel")->Value(), 5);
  Button("Off")->click();
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(2, 0x04, 0x04), PartChange(2, 0x04, 0x7F),
                                PartChange(2, 0x04, 0x04)}));
  EXPECT_EQ(Button("Off")->text(), "On");
  EXPECT_EQ(host.modified, 3);
  EXPECT_EQ(host.partChannels, (std::vector<int>{5, 5, 5}));
}

TEST_F(PartDlgTest, TuneNeedsANormalPartAndAChosenKitMakesADrumPart) {
  window.SelectPart(9);
  for (const char* name : {"Tune", "PAT", "Pitch"}) EXPECT_FALSE(Button(name)->isEnabled()) << name;
  window.SelectPart(0);
  EXPECT_TRUE(Button("PAT")->isEnabled());

  Choose(std::nullopt);
  Choose(523);
  EXPECT_TRUE(rig.Pieces().empty());
  Choose(FindVoice(1, 127, 0, rig.model, InstrumentModel::Basic).index);
  EXPECT_TRUE(window.IsDrum());
  EXPECT_FALSE(Button("Tune")->isEnabled());
  EXPECT_EQ(window.windowTitle(), "Part -- StndKit1");
  EXPECT_EQ(rig.Pieces()[0], PartChange(0, 0x01, 0x7F));
  EXPECT_EQ(host.partChannels, std::vector<int>{1});
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartDlgTest, WhileTheSoundPlaysTheWindowNamesThePresetHeard) {
  auto* heard = Child<QLabel>(window, "HeardPreset");
  EXPECT_TRUE(heard->isHidden());
  test::FakeSoundView sound;
  window.SetSound(&sound);
  window.SelectPart(2);
  EXPECT_EQ(heard->text(), "Heard: part 3");
  EXPECT_FALSE(heard->isHidden());
}

TEST_F(PartDlgTest, TheMainBarOperations) {
  EXPECT_TRUE(window.SelectPart(5));
  EXPECT_FALSE(window.SelectPart(16));
  EXPECT_FALSE(window.SelectPart(-1));
  EXPECT_EQ(Field("PartNumber")->Value(), 6);
  EXPECT_TRUE(window.SelectPartByChannel(9));
  EXPECT_EQ(window.ShownPart(), 9);
  rig.PutPartByte(2, 0x04, 5);  // no part on channel 3 now
  EXPECT_FALSE(window.SelectPartByChannel(2));
  EXPECT_TRUE(window.SelectPartByChannel(5));
  EXPECT_EQ(window.ShownPart(), 2);  // the lowest part on channel 6
  window.SelectPart(5);
  EXPECT_TRUE(window.SelectPartByChannel(5));
  EXPECT_EQ(window.ShownPart(), 5) << "the part shown receives on it already: it stays";

  window.ShowFirstPart();
  EXPECT_EQ(window.ShownPart(), 0);
  EXPECT_TRUE(host.partChannels.empty());
  EXPECT_TRUE(rig.Pieces().empty());

  // A kit chosen on the channel elsewhere shows at once.
  rig.model.Parts().ApplyChannelVoice(test::ChannelAt(0), 0, 127, 0);
  EXPECT_TRUE(window.IsDrum());
  EXPECT_FALSE(Button("PAT")->isEnabled());
}

// Each title names the part and what the dialog is about, and shows whole:
// the dialog leaves room for it beside the title bar's icon and buttons.
TEST_F(PartDlgTest, TitlesNameThePartAndShowWhole) {
  const std::pair<const char*, const char*> titles[] = {
      {"Mode", "Part 1 Mode"},
      {"Ctrl", "Part 1 Part Control"},
      {"Mod", "Part 1 Modulation Wheel Control"},
      {"Bend", "Part 1 Pitch Bend Control"},
      {"CAT", "Part 1 Channel Aftertouch Control"},
      {"PAT", "Part 1 Poly Aftertouch Control"},
      {"AC2", "Part 1 Assignable Controller 2"},
      {"Rcv", "Part 1 Receive"},
      {"Pitch", "Part 1 Pitch Envelope"}};
  for (const auto& [button, title] : titles) {
    Run(button, kCancel, [title = QString(title)](QDialog& dialog) {
      EXPECT_EQ(dialog.windowTitle(), title);
      const int bar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight);
      EXPECT_GE(dialog.minimumWidth(), dialog.fontMetrics().horizontalAdvance(title) + 4 * bar)
          << title.toStdString();
    });
  }
}

TEST_F(PartDlgTest, LayoutsShowPartParametersAndCancelCanBringEachBack) {
  const std::pair<PartRunKind, int> kinds[] = {
      {PartRunKind::PartControl, 0}, {PartRunKind::PartFxSend, 0},
      {PartRunKind::ToneControl, 0}, {PartRunKind::Control, 0x1D},
      {PartRunKind::Control, 0x53},  {PartRunKind::AssignableController, 0x60},
      {PartRunKind::ScaleTuning, 0}, {PartRunKind::PitchEnvelope, 0}};
  for (const auto& [kind, buttonBase] : kinds) {
    const PartRunLayout& layout = GetPartRunLayout(kind);
    const int base = layout.baseFromButton ? buttonBase : 0;
    const std::vector<PartRunSpan> spans = PartRunSpans(layout, base);
    std::set<std::string_view> names;
    for (const PartRunGroup& group : layout.groups) {
      for (std::uint8_t offset : group.offsets) {
        const int address = base + offset;
        const ParameterDescriptor& parameter =
            kPartParameters[static_cast<std::size_t>(address)].parameter;
        SCOPED_TRACE(parameter.reviewName);
        EXPECT_TRUE(names.insert(parameter.name).second) << "one object name per field";
        // Every field lies in a span, so Cancel can bring it back.
        const int last = address + parameter.ByteCount() - 1;
        EXPECT_TRUE(std::any_of(spans.begin(), spans.end(), [&](const PartRunSpan& span) {
          return address >= span.address && last < span.address + span.count;
        }));
      }
    }
  }
}

TEST_F(PartDlgTest, OkSendsEachFieldToTheRunOfItsButton) {
  struct Case {
    const char* button;
    const char* field;
    const char* text;
    std::vector<std::uint8_t> sent;
  };
  const Case cases[] = {{"Mod", "PitchControl", "-24", PartChange(0, 0x1D, 0x28)},
                        {"Bend", "PitchControl", "-24", PartChange(0, 0x23, 0x28)},
                        {"CAT", "PitchControl", "-24", PartChange(0, 0x4D, 0x28)},
                        {"PAT", "AmplitudeLfo", "7", PartChange(0, 0x58, 7)},
                        {"AC1", "PitchControl", "-24", PartChange(0, 0x5A, 0x28)},
                        {"AC2", "ControllerNumber", "95", PartChange(0, 0x60, 0x5F)},
                        {"Tune", "B", "-64", PartChange(0, 0x4C, 0x00)},
                        {"Pitch", "ReleaseTime", "63", PartChange(0, 0x6C, 0x7F)},
                        {"Ctrl", "Detune", "-128", PartChange(0, 0x09, {0x00, 0x00})}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    rig.ClearSent();
    Run(c.button, kOk, [&c](QDialog& d) { TypeIn(d, c.field, c.text); });
    EXPECT_EQ(rig.Pieces(), Sent{c.sent});
  }
  Run("Ctrl", kOk, [](QDialog& d) {
    auto* portamento = Child<QPushButton>(d, "Portamento");
    portamento->click();
    EXPECT_EQ(portamento->text(), "On");
  });
  EXPECT_EQ(rig.Pieces().back(), PartChange(0, 0x67, 0x01));
  EXPECT_EQ(host.modified, 10);
}

TEST_F(PartDlgTest, CancelSendsTheOldValuesBackAndRestoresTheControllers) {
  window.SelectPart(4);
  const int before = rig.ChannelController(4, kReverbSlot);
  Run("FX", kCancel, [this](QDialog& d) {
    TypeIn(d, "Reverb", "40");  // the stored value
    rig.backend.sendResult = kMidiError;
    TypeIn(d, "Chorus", "90");
    rig.backend.sendResult = kMidiOk;
  });
  EXPECT_TRUE(rig.Pieces().empty());  // nothing changed: nothing to restore
  Run("FX", kCancel, [this](QDialog& d) {
    TypeIn(d, "Reverb", "60");
    EXPECT_EQ(rig.ChannelController(4, kReverbSlot), 60);
  });
  // The edit, then the whole run back, the reverb send with its old value.
  ASSERT_EQ(rig.Pieces().size(), 5u);
  EXPECT_EQ(rig.Pieces()[3], PartChange(4, 0x13, 0x28));
  EXPECT_EQ(rig.ChannelController(4, kReverbSlot), before);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartDlgTest, AnOutOfRangeRateShowsTheRangePromptAndOkWaitsForAGoodValue) {
  answer = [](QDialog& d) {
    TypeIn(d, "Rate", "-");  // no number: a beep only
    TypeIn(d, "Rate", "-65");
    EditSpinPair* rate = Child<EditSpinPair>(d, "Rate");
    rate->Edit()->setText("-65");
    EXPECT_NE(Ok(d), QDialog::Accepted);
    rate->Edit()->setText("10");  // OK commits a value still in the box
    return Ok(d);
  };
  Press("Tone");
  EXPECT_EQ(prompts, std::vector<QString>(2, "Please enter an integer between -64 and 63."));
  EXPECT_EQ(rig.Pieces(), Sent{PartChange(0, 0x15, 0x4A)});
}

TEST_F(PartDlgTest, ToneControlsPicturesFollowItsFieldsAsTheyAreTyped) {
  answer = [](QDialog& d) {
    auto& dialog = dynamic_cast<CPartRunDlg&>(d);
    CurveView* envelope = dialog.Picture(PartPicture::AmplitudeEnvelope);
    CurveView* filter = dialog.Picture(PartPicture::FilterResponse);
    EXPECT_TRUE(envelope != nullptr && filter != nullptr);
    EXPECT_EQ(dialog.Picture(PartPicture::PitchEnvelope), nullptr);
    if (envelope == nullptr || filter == nullptr) return Ok(d);
    TypeIn(d, "Attack", "16");
    Child<EditSpinPair>(d, "Release")->Edit()->setText("-16");  // not taken yet
    EXPECT_EQ(envelope->Points(), part_shapes::AmplitudeEnvelope(16, 0, -16).points);
    EXPECT_EQ(envelope->Reference(), part_shapes::AmplitudeEnvelope(0, 0, 0).points);
    TypeIn(d, "Resonance", "30");
    EXPECT_EQ(filter->Points(), part_shapes::FilterResponse(0, 30));
    return Ok(d);
  };
  Press("Tone");
  EXPECT_EQ(rig.Pieces().size(), 3u);
}

TEST_F(PartDlgTest, ADrumPartsDialogsDisableWhatItLacksAndLeaveItAlone) {
  window.SelectPart(9);
  Run("Tone", kCancel, [](QDialog& d) { EXPECT_FALSE(Enabled<EditSpinPair>(d, "Depth")); });
  Run("Ctrl", kCancel, [](QDialog& d) {
    EXPECT_FALSE(Enabled<QPushButton>(d, "Portamento"));
    TypeIn(d, "Volume", "90");
  });
  // The edit, then the runs a drum part has: 08..10 (detune as a pair) and 6D..6E.
  EXPECT_EQ(rig.Pieces().size(), 1u + 8u + 2u);
  for (const auto& message : rig.Pieces()) EXPECT_TRUE(message[6] < 0x67 || message[6] > 0x68);

  rig.ClearSent();
  Run("Rcv", kOk, [](QDialog&) {});  // unchanged: nothing goes
  EXPECT_TRUE(rig.Pieces().empty());
  Run("Rcv", kOk, [this](QDialog& d) {
    EXPECT_FALSE(Enabled<QCheckBox>(d, "PolyAftertouch"));
    Child<QCheckBox>(d, "Note")->click();
    EXPECT_TRUE(rig.Pieces().empty());  // nothing while the dialog is open
  });
  EXPECT_EQ(rig.Pieces().size(), 14u);
  EXPECT_EQ(rig.PartByte(9, 0x35), 0);
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartDlgTest, TheModeDialogOffersWhatThePartCanBeAndTheWindowShowsTheResult) {
  Run("Mode", kCancel, [](QDialog& d) {
    EXPECT_TRUE(Enabled<QRadioButton>(d, "Drum"));
    EXPECT_FALSE(Enabled<QRadioButton>(d, "Drum1"));
    EXPECT_TRUE(Child<QRadioButton>(d, "Poly")->isChecked());
  });
  EXPECT_EQ(host.modified, 0);
  window.SelectPart(9);
  Run("Mode", kOk, [](QDialog& d) {
    EXPECT_FALSE(Enabled<QRadioButton>(d, "Mono"));
    EXPECT_TRUE(Child<QRadioButton>(d, "Drum1")->isChecked());
  });
  // Unchanged OK: 06 and 07 go out again (05 is not the drum part's), and the document is marked.
  EXPECT_EQ(rig.Pieces().size(), 2u);
  EXPECT_EQ(host.modified, 1);

  rig.PutPartByte(3, 0x07, 1);
  rig.PutPartByte(3, 0x03, 24);
  window.SelectPart(1);
  Run("Mode", kOk, [](QDialog& d) { Child<QRadioButton>(d, "Drum")->click(); });
  // The window never shows a voice that is not playing.
  EXPECT_EQ(window.VoiceName(),
            QString::fromUtf8(rig.model.Parts().PartVoiceName(test::PartAt(3)).name.data()));
  EXPECT_EQ(host.partChannels, std::vector<int>{2});
  EXPECT_FALSE(Child<QPushButton>(window, "Tune")->isEnabled()) << "mode 1 is a drum part";

  // A failed send stores nothing but still marks.
  rig.backend.sendResult = kMidiError;
  window.SelectPart(0);
  Run("Mode", kOk, [](QDialog& d) { Child<QRadioButton>(d, "Drum")->click(); });
  EXPECT_EQ(host.modified, 3);
}

TEST_F(PartDlgTest, TheExtendedInstrumentsPartEqAndDrumSetups) {
  EXPECT_FALSE(Child<QPushButton>(window, "EQ")->isVisibleTo(&window));
  rig.model.SetInstrument(InstrumentModel::Extended);
  window.SelectPart(9);
  ASSERT_TRUE(Child<QPushButton>(window, "EQ")->isVisibleTo(&window));
  Run("EQ", kOk, [](QDialog& d) { TypeIn(d, "BassGain", "70"); });
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(9, 0x72, 70)}));
  Run("Mode", kCancel, [](QDialog& d) { EXPECT_TRUE(Enabled<QRadioButton>(d, "Drum4")); });
}

}  // namespace
}  // namespace ravlo
