#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <set>

#include "channels/ControllerSlots.h"
#include "editors/CPartRunDlg.h"
#include "editors/PartEditorFixture.h"
#include "editors/PartRunLayouts.h"
#include "midi/MidiResult.h"
#include "parts/PartParameterTable.h"
#include "shapes/PartShapes.h"
#include "widgets/CurveView.h"

namespace ravlo {
namespace {

using test::PartChange;

constexpr bool kOk = true;
constexpr bool kCancel = false;
constexpr int kReverbSlot = static_cast<int>(ControllerSlot::Reverb);

class PartSubDialogTest : public test::PartEditorFixture {
 protected:
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
};

// Each title names the part and what the dialog is about, and shows whole:
// the dialog leaves room for it beside the title bar's icon and buttons.
TEST_F(PartSubDialogTest, TitlesNameThePartAndShowWhole) {
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

TEST_F(PartSubDialogTest, LayoutsShowPartParametersAndCancelCanBringEachBack) {
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
        EXPECT_LT(parameter.minimum, parameter.maximum);
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

TEST_F(PartSubDialogTest, PartControlCentresNoteShiftPairsDetuneAndSwitchesPortamento) {
  rig.PutPartByte(4, 0x09, 0x0F);
  rig.PutPartByte(4, 0x0A, 0x0E);
  window.SelectPart(4);
  Run("Ctrl", kOk, [](QDialog& d) {
    EXPECT_EQ(dynamic_cast<CPartRunDlg&>(d).DisplayValue("Detune"), 126);
    TypeIn(d, "NoteShift", "-24");
    TypeIn(d, "NoteShift", "25");
    for (const char* detune : {"-128", "127", "0"}) TypeIn(d, "Detune", detune);
    auto* portamento = Child<QPushButton>(d, "Portamento");
    portamento->click();
    EXPECT_EQ(portamento->text(), "On");
  });
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(4, 0x08, 0x28), PartChange(4, 0x09, {0x00, 0x00}),
                                PartChange(4, 0x09, {0x0F, 0x0F}),
                                PartChange(4, 0x09, {0x08, 0x00}), PartChange(4, 0x67, 0x01)}));
  EXPECT_EQ(rig.PartByte(4, 0x09), 0x08);
  EXPECT_EQ(rig.PartByte(4, 0x0A), 0x00);
  EXPECT_EQ(host.modified, 1);
  EXPECT_EQ(prompts, std::vector<QString>{"Please enter an integer between -24 and 24."});
}

TEST_F(PartSubDialogTest, CancelSendsTheOldReverbBackAndRestoresTheControllers) {
  window.SelectPart(4);
  const int before = rig.ChannelController(4, kReverbSlot);
  Run("FX", kCancel, [this](QDialog& d) {
    TypeIn(d, "Reverb", "40");  // the stored value
    rig.backend.sendResult = kMidiError;
    TypeIn(d, "Chorus", "90");
    rig.backend.sendResult = kMidiOk;
  });
  EXPECT_TRUE(rig.Pieces().empty());  // nothing changed: nothing to restore
  EXPECT_EQ(rig.PartByte(4, 0x12), 0);
  Run("FX", kCancel, [this](QDialog& d) {
    TypeIn(d, "Reverb", "60");
    EXPECT_EQ(rig.PartByte(4, 0x13), 60);
    EXPECT_EQ(rig.ChannelController(4, kReverbSlot), 60);
  });
  // The edit, then the whole run back, the reverb send with its old value.
  ASSERT_EQ(rig.Pieces().size(), 5u);
  EXPECT_EQ(rig.Pieces()[0], PartChange(4, 0x13, 60));
  EXPECT_EQ(rig.Pieces()[1], PartChange(4, 0x11, 0x7F));
  EXPECT_EQ(rig.Pieces()[3], PartChange(4, 0x13, 0x28));
  EXPECT_EQ(rig.PartByte(4, 0x13), 0x28);
  EXPECT_EQ(rig.ChannelController(4, kReverbSlot), before);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartSubDialogTest, AnOutOfRangeRateShowsTheRangePromptAndOkWaitsForAGoodValue) {
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
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartSubDialogTest, ToneControlsPicturesFollowItsFieldsAsTheyAreTyped) {
  answer = [](QDialog& d) {
    auto& dialog = dynamic_cast<CPartRunDlg&>(d);
    CurveView* envelope = dialog.Picture(PartPicture::AmplitudeEnvelope);
    CurveView* filter = dialog.Picture(PartPicture::FilterResponse);
    EXPECT_TRUE(envelope != nullptr && filter != nullptr);
    EXPECT_EQ(dialog.Picture(PartPicture::PitchEnvelope), nullptr);
    if (envelope == nullptr || filter == nullptr) return Ok(d);
    EXPECT_EQ(envelope->Points(), part_shapes::AmplitudeEnvelope(0, 0, 0).points);
    TypeIn(d, "Attack", "16");
    Child<EditSpinPair>(d, "Release")->Edit()->setText("-16");  // not taken yet
    EXPECT_EQ(envelope->Points(), part_shapes::AmplitudeEnvelope(16, 0, -16).points);
    EXPECT_EQ(envelope->Reference(), part_shapes::AmplitudeEnvelope(0, 0, 0).points);
    TypeIn(d, "Resonance", "30");
    EXPECT_EQ(filter->Points(), part_shapes::FilterResponse(0, 30));
    return Ok(d);
  };
  Press("Tone");
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(0, 0x1A, 0x50), PartChange(0, 0x19, 0x5E),
                                PartChange(0, 0x1C, 0x30)}));
}

TEST_F(PartSubDialogTest, TheControlButtonsPickTheirRuns) {
  const std::pair<const char*, int> runs[] = {
      {"Mod", 0x1D}, {"Bend", 0x23}, {"CAT", 0x4D}, {"PAT", 0x53}, {"AC1", 0x5A}};
  for (const auto& [button, pitch] : runs) {
    rig.ClearSent();
    Run(button, kOk, [](QDialog& d) {
      TypeIn(d, "PitchControl", "-24");
      TypeIn(d, "AmplitudeLfo", "7");
    });
    EXPECT_EQ(rig.Pieces(), (Sent{PartChange(0, pitch, 0x28), PartChange(0, pitch + 5, 7)}))
        << button;
  }
  rig.ClearSent();
  Run("AC2", kOk, [](QDialog& d) {
    TypeIn(d, "ControllerNumber", "96");
    TypeIn(d, "ControllerNumber", "95");
  });
  Run("Tune", kOk, [](QDialog& d) { TypeIn(d, "B", "-64"); });
  Run("Pitch", kOk, [](QDialog& d) { TypeIn(d, "ReleaseTime", "63"); });
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(0, 0x60, 0x5F), PartChange(0, 0x4C, 0x00),
                                PartChange(0, 0x6C, 0x7F)}));
  EXPECT_EQ(prompts, std::vector<QString>{"Please enter an integer between 0 and 95."});
}

TEST_F(PartSubDialogTest, ADrumPartLacksPortamentoAndVibratoAndCancelLeavesThemAlone) {
  window.SelectPart(9);
  Run("Tone", kOk, [](QDialog& d) {
    EXPECT_FALSE(Enabled<EditSpinPair>(d, "Depth"));
    EXPECT_FALSE(Enabled<EditSpinPair>(d, "Delay"));
  });
  EXPECT_TRUE(rig.Pieces().empty());
  Run("Ctrl", kCancel, [](QDialog& d) {
    EXPECT_FALSE(Enabled<QPushButton>(d, "Portamento"));
    EXPECT_FALSE(Enabled<EditSpinPair>(d, "PortamentoTime"));
    TypeIn(d, "Volume", "90");
  });
  // The edit, then the runs a drum part has: 08..10 (detune as a pair) and 6D..6E.
  EXPECT_EQ(rig.Pieces().size(), 1u + 8u + 2u);
  for (const auto& message : rig.Pieces()) EXPECT_TRUE(message[6] < 0x67 || message[6] > 0x68);
  EXPECT_EQ(rig.PartByte(9, 0x0B), 0x64);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartSubDialogTest, TheDrumPartsReceiveRunSendsFourteenMessagesOnOk) {
  Run("Rcv", kCancel, [](QDialog& d) { Child<QCheckBox>(d, "Note")->click(); });
  Run("Rcv", kOk, [](QDialog&) {});  // unchanged
  EXPECT_TRUE(rig.Pieces().empty());
  EXPECT_EQ(rig.PartByte(0, 0x35), 1);
  EXPECT_EQ(host.modified, 0);
  window.SelectPart(9);
  Run("Rcv", kOk, [this](QDialog& d) {
    for (auto* box : d.findChildren<QCheckBox*>()) {
      if (box->isEnabled()) box->click();
    }
    EXPECT_TRUE(rig.Pieces().empty());  // nothing while the dialog is open
    EXPECT_FALSE(Enabled<QCheckBox>(d, "PolyAftertouch"));
  });
  ASSERT_EQ(rig.Pieces().size(), 14u);
  for (const auto& message : rig.Pieces()) {
    EXPECT_TRUE(message[6] != 0x34 && message[6] != 0x3D && message[6] != 0x3F) << message[6];
    EXPECT_EQ(message[7], 0);
  }
  EXPECT_EQ(rig.PartByte(9, 0x3D), 0xFF);
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartSubDialogTest, TheModeDialogOffersWhatThePartCanBe) {
  Run("Mode", kCancel, [](QDialog& d) {
    EXPECT_TRUE(Enabled<QRadioButton>(d, "Normal"));
    EXPECT_TRUE(Enabled<QRadioButton>(d, "Drum"));
    EXPECT_FALSE(Enabled<QRadioButton>(d, "Drum1"));
    EXPECT_FALSE(Enabled<QRadioButton>(d, "Drum2"));
    EXPECT_TRUE(Child<QRadioButton>(d, "Poly")->isChecked());
  });
  EXPECT_EQ(host.modified, 0);
  window.SelectPart(9);
  Run("Mode", kOk, [](QDialog& d) {
    EXPECT_FALSE(Enabled<QRadioButton>(d, "Mono"));
    EXPECT_FALSE(Enabled<QRadioButton>(d, "Drum"));
    EXPECT_TRUE(Child<QRadioButton>(d, "Drum1")->isChecked());
  });
  // Unchanged OK: 06 and 07 go out again (05 is not the drum part's), and the document is marked.
  ASSERT_EQ(rig.Pieces().size(), 2u);
  EXPECT_EQ(rig.Pieces()[0], PartChange(9, 0x06, 0x02));
  EXPECT_EQ(host.modified, 1);

  // Choosing "Drum" sends the run and adopts the voice of a part already in drum mode.
  rig.ClearSent();
  rig.PutPartByte(3, 0x07, 1);
  rig.PutPartByte(3, 0x03, 24);
  window.SelectPart(1);
  Run("Mode", kOk, [](QDialog& d) { Child<QRadioButton>(d, "Drum")->click(); });
  // The part takes that voice, and so does the synthesizer: the window never
  // shows a voice that is not playing.
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(1, 0x05, 0x01), PartChange(1, 0x06, 0x01),
                                PartChange(1, 0x07, 0x01), PartChange(1, 0x03, 24)}));
  EXPECT_EQ(rig.PartByte(1, 0x03), 24);
  EXPECT_EQ(window.VoiceName(),
            QString::fromUtf8(rig.model.Parts().PartVoiceName(test::PartAt(3)).name.data()));
  EXPECT_EQ(host.partChannels, std::vector<int>{2});
  EXPECT_FALSE(Child<QPushButton>(window, "Tune")->isEnabled()) << "mode 1 is a drum part";

  // A failed send stores nothing but still marks.
  rig.backend.sendResult = kMidiError;
  window.SelectPart(0);
  Run("Mode", kOk, [](QDialog& d) { Child<QRadioButton>(d, "Drum")->click(); });
  EXPECT_EQ(rig.PartByte(0, 0x07), 0);
  EXPECT_EQ(host.modified, 3);
}

TEST_F(PartSubDialogTest, TheExtendedInstrumentsPartEqAndDrumSetups) {
  EXPECT_FALSE(Child<QPushButton>(window, "EQ")->isVisibleTo(&window));
  rig.model.SetInstrument(InstrumentModel::Extended);
  window.SelectPart(9);
  ASSERT_TRUE(Child<QPushButton>(window, "EQ")->isVisibleTo(&window));
  Run("EQ", kOk, [](QDialog& d) {
    TypeIn(d, "BassGain", "70");
    TypeIn(d, "TrebleFrequency", "40");
  });
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(9, 0x72, 70), PartChange(9, 0x77, 40)}));
  Run("Mode", kCancel, [](QDialog& d) {
    EXPECT_TRUE(Enabled<QRadioButton>(d, "Drum4"));
    EXPECT_FALSE(Enabled<QRadioButton>(d, "Drum"));
  });
}

}  // namespace
}  // namespace ravlo
