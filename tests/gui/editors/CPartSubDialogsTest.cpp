#include <QCheckBox>
#include <QRadioButton>
#include <algorithm>

#include "editors/CPartModeDlg.h"
#include "editors/CPartReceiveDlg.h"
#include "editors/CPartRunDlg.h"
#include "editors/PartEditorFixture.h"
#include "editors/PartRunLayouts.h"

namespace ravlo {
namespace {

using test::Bytes;

class PartSubDialogTest : public test::PartEditorFixture {
 protected:
  // Opens the button's dialog on the shown part, does `edit` in it, then OK or Cancel.
  void Run(const char* button, const std::function<void(QDialog&)>& edit, bool ok) {
    answer = [&edit, ok](QDialog& dialog) {
      edit(dialog);
      return ok ? Ok(dialog) : Cancel(dialog);
    };
    Press(button);
    answer = nullptr;
  }

  static void TypeIn(QDialog& dialog, const char* field, const QString& text) {
    Type(Child<EditSpinPair>(dialog, field), text);
  }

  int ControllerSlot(int channel, int slot) const {
    int value = -1;
    EXPECT_TRUE(rig.model.Channels().GetSlot(channel, slot, value));
    return value;
  }
};

TEST_F(PartSubDialogTest, LayoutsAreWellFormed) {
  for (std::size_t k = 0; k < kPartRunKindCount; ++k) {
    const PartRunLayout& layout = GetPartRunLayout(static_cast<PartRunKind>(k));
    EXPECT_FALSE(layout.fields.empty()) << k;
    for (const PartRunField& field : layout.fields) {
      EXPECT_LT(field.minimum, field.maximum) << field.name;
      // Every field lies in a span, so Cancel can bring it back.
      const int last = field.offset + (field.transform == PartFieldTransform::Detune ? 1 : 0);
      const bool covered = std::any_of(layout.spans.begin(), layout.spans.end(), [&](auto& span) {
        return field.offset >= span.offset && last < span.offset + span.count;
      });
      EXPECT_TRUE(covered) << field.name;
      const auto sameName = std::count_if(layout.fields.begin(), layout.fields.end(),
                                          [&](auto& other) { return other.name == field.name; });
      EXPECT_EQ(sameName, 1) << field.name;
    }
  }
  EXPECT_EQ(GetPartRunLayout(PartRunKind::ScaleTuning).fields.size(), 12u);
}

TEST_F(PartSubDialogTest, NoteShiftIsCentred) {
  window.SelectPart(4);
  Run(
      "Ctrl",
      [](QDialog& d) {
        EXPECT_EQ(*dynamic_cast<CPartRunDlg&>(d).DisplayValue("NoteShift"), 0);
        TypeIn(d, "NoteShift", "-24");
        TypeIn(d, "NoteShift", "24");
        TypeIn(d, "NoteShift", "25");
      },
      true);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0], Change(4, 0x08, 0x28));
  EXPECT_EQ(Messages()[1], Change(4, 0x08, 0x58));
  EXPECT_EQ(Byte(4, 0x08), 0x58);
  EXPECT_EQ(host.modified, 1);
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0], "Please enter an integer between -24 and 24.");
}

TEST_F(PartSubDialogTest, DetuneTravelsAsOneNibblePair) {
  Run(
      "Ctrl",
      [](QDialog& d) {
        TypeIn(d, "Detune", "-128");
        TypeIn(d, "Detune", "127");
        TypeIn(d, "Detune", "0");
      },
      true);
  ASSERT_EQ(Messages().size(), 3u);
  EXPECT_EQ(Messages()[0], Pair(0, 0x09, 0x00, 0x00));
  EXPECT_EQ(Messages()[1], Pair(0, 0x09, 0x0F, 0x0F));
  EXPECT_EQ(Messages()[2], Pair(0, 0x09, 0x08, 0x00));
  EXPECT_EQ(Byte(0, 0x09), 0x08);
  EXPECT_EQ(Byte(0, 0x0A), 0x00);
}

TEST_F(PartSubDialogTest, DetuneShowsTheStoredNibbles) {
  rig.model.Parts().PutPartByte(0, 0x09, 0x0F);
  rig.model.Parts().PutPartByte(0, 0x0A, 0x0E);
  std::optional<int> shown;
  Run(
      "Ctrl",
      [&shown](QDialog& d) { shown = dynamic_cast<CPartRunDlg&>(d).DisplayValue("Detune"); },
      false);
  EXPECT_EQ(shown, 126);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PartSubDialogTest, CancelSendsTheOldReverbBackAndRestoresTheControllers) {
  window.SelectPart(4);
  const int before = ControllerSlot(4, 4);
  Run(
      "FX",
      [this](QDialog& d) {
        TypeIn(d, "Reverb", "60");
        EXPECT_EQ(Byte(4, 0x13), 60);
        EXPECT_EQ(ControllerSlot(4, 4), 60);
      },
      false);
  ASSERT_EQ(Messages().size(), 5u);
  EXPECT_EQ(Messages()[0], Change(4, 0x13, 60));
  // The whole run goes back, the reverb send with its old value.
  EXPECT_EQ(Messages()[1], Change(4, 0x11, 0x7F));
  EXPECT_EQ(Messages()[3], Change(4, 0x13, 0x28));
  EXPECT_EQ(Byte(4, 0x13), 0x28);
  EXPECT_EQ(ControllerSlot(4, 4), before);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartSubDialogTest, CancelWithoutChangesSendsNothing) {
  Run(
      "FX", [](QDialog& d) { TypeIn(d, "Reverb", "40"); }, false);  // 40 is the stored value
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PartSubDialogTest, AFailedSendLeavesTheRecordAndTheChangedFlag) {
  Run(
      "FX",
      [this](QDialog& d) {
        rig.backend.sendResult = 1;
        TypeIn(d, "Chorus", "90");
        rig.backend.sendResult = 0;
        EXPECT_FALSE(dynamic_cast<CPartRunDlg&>(d).Changed());
      },
      false);
  EXPECT_EQ(Byte(0, 0x12), 0);
  EXPECT_EQ(Messages().size(), 0u);
}

TEST_F(PartSubDialogTest, AnOutOfRangeRateShowsTheRangePromptAndSendsNothing) {
  bool accepted = true;
  answer = [&accepted](QDialog& d) {
    TypeIn(d, "Rate", "-65");
    // OK with the bad value still typed: the prompt again, and the dialog stays.
    Child<EditSpinPair>(d, "Rate")->Edit()->setText("-65");
    accepted = Ok(d) == QDialog::Accepted;
    return Cancel(d);
  };
  Press("Tone");
  EXPECT_FALSE(accepted);
  EXPECT_TRUE(Messages().empty());
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_EQ(prompts[0], "Please enter an integer between -64 and 63.");
}

TEST_F(PartSubDialogTest, TextThatIsNoNumberOnlyBeeps) {
  Run(
      "Tone", [](QDialog& d) { TypeIn(d, "Rate", "-"); }, true);
  EXPECT_TRUE(prompts.empty());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PartSubDialogTest, OkCommitsAValueStillInTheBox) {
  Run(
      "Tone", [](QDialog& d) { Child<EditSpinPair>(d, "Rate")->Edit()->setText("10"); }, true);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], Change(0, 0x15, 0x4A));
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartSubDialogTest, AssignableControllerTwoStartsAtSixty) {
  window.SelectPart(1);
  Run(
      "AC2",
      [](QDialog& d) {
        TypeIn(d, "ControllerNumber", "96");
        TypeIn(d, "ControllerNumber", "95");
      },
      true);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], Change(1, 0x60, 0x5F));
  EXPECT_EQ(prompts, std::vector<QString>{"Please enter an integer between 0 and 95."});
}

TEST_F(PartSubDialogTest, TheControlButtonsPickTheirRuns) {
  struct Case {
    const char* button;
    int pitchAddress;
  };
  for (const Case& c : {Case{"Mod", 0x1D}, Case{"Bend", 0x23}, Case{"CAT", 0x4D}, Case{"PAT", 0x53},
                        Case{"AC1", 0x5A}}) {
    rig.ClearSent();
    Run(
        c.button,
        [](QDialog& d) {
          TypeIn(d, "PitchControl", "-24");
          TypeIn(d, "AmplitudeLfo", "7");
        },
        true);
    ASSERT_EQ(Messages().size(), 2u) << c.button;
    EXPECT_EQ(Messages()[0], Change(0, c.pitchAddress, 0x28)) << c.button;
    EXPECT_EQ(Messages()[1], Change(0, c.pitchAddress + 5, 7)) << c.button;
  }
}

TEST_F(PartSubDialogTest, ScaleTuningAndPitchEnvelopeAreCentred) {
  Run(
      "Tune", [](QDialog& d) { TypeIn(d, "B", "-64"); }, true);
  Run(
      "Pitch", [](QDialog& d) { TypeIn(d, "ReleaseTime", "63"); }, true);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0], Change(0, 0x4C, 0x00));
  EXPECT_EQ(Messages()[1], Change(0, 0x6C, 0x7F));
}

TEST_F(PartSubDialogTest, PortamentoSwitchSendsAndShowsItsState) {
  Run(
      "Ctrl",
      [](QDialog& d) {
        auto* toggle = Child<QPushButton>(d, "Portamento");
        EXPECT_EQ(toggle->text(), "Off");
        toggle->click();
        EXPECT_EQ(toggle->text(), "On");
      },
      true);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], Change(0, 0x67, 0x01));
  EXPECT_EQ(Byte(0, 0x67), 1);
}

TEST_F(PartSubDialogTest, ADrumPartHasNoPortamentoAndCancelLeavesItsRunAlone) {
  window.SelectPart(9);
  Run(
      "Ctrl",
      [](QDialog& d) {
        EXPECT_FALSE(Child<QPushButton>(d, "Portamento")->isEnabled());
        EXPECT_FALSE(Child<EditSpinPair>(d, "PortamentoTime")->isEnabled());
        TypeIn(d, "Volume", "90");
      },
      false);
  // The edit, then the two runs a drum part has: 08..10 (detune as a pair) and 6D..6E.
  for (const auto& message : Messages()) {
    EXPECT_NE(message[6], 0x67);
    EXPECT_NE(message[6], 0x68);
  }
  EXPECT_EQ(Messages().size(), 1u + 8u + 2u);
  EXPECT_EQ(Byte(9, 0x0B), 0x64);
  EXPECT_EQ(Byte(9, 0x67), 0xFF);
}

TEST_F(PartSubDialogTest, ToneControlDisablesTheVibratoDepthAndDelayOfADrumPart) {
  window.SelectPart(9);
  Run(
      "Tone",
      [](QDialog& d) {
        EXPECT_TRUE(Child<EditSpinPair>(d, "Rate")->isEnabled());
        EXPECT_FALSE(Child<EditSpinPair>(d, "Depth")->isEnabled());
        EXPECT_FALSE(Child<EditSpinPair>(d, "Delay")->isEnabled());
      },
      true);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartSubDialogTest, TheDrumPartsReceiveRunSendsFourteenMessagesOnOk) {
  window.SelectPart(9);
  Run(
      "Rcv",
      [this](QDialog& d) {
        for (auto* box : d.findChildren<QCheckBox*>()) {
          if (box->isEnabled()) box->click();
        }
        EXPECT_TRUE(Messages().empty());  // nothing while the dialog is open
        EXPECT_FALSE(Child<QCheckBox>(d, "PolyAftertouch")->isEnabled());
      },
      true);
  ASSERT_EQ(Messages().size(), 14u);
  for (const auto& message : Messages()) {
    EXPECT_NE(message[6], 0x34);
    EXPECT_NE(message[6], 0x3D);
    EXPECT_NE(message[6], 0x3F);
    EXPECT_EQ(message[7], 0);
  }
  EXPECT_EQ(Byte(9, 0x30), 0);
  EXPECT_EQ(Byte(9, 0x3D), 0xFF);
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartSubDialogTest, ReceiveSendsNothingOnCancelOrUnchangedOk) {
  Run(
      "Rcv", [](QDialog& d) { Child<QCheckBox>(d, "Note")->click(); }, false);
  Run(
      "Rcv", [](QDialog&) {}, true);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Byte(0, 0x35), 1);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartSubDialogTest, TheModeDialogOfANormalPartOffersNormalAndDrum) {
  Run(
      "Mode",
      [](QDialog& d) {
        EXPECT_TRUE(Child<QRadioButton>(d, "Normal")->isEnabled());
        EXPECT_TRUE(Child<QRadioButton>(d, "Drum")->isEnabled());
        EXPECT_FALSE(Child<QRadioButton>(d, "Drum1")->isEnabled());
        EXPECT_FALSE(Child<QRadioButton>(d, "Drum2")->isEnabled());
        EXPECT_TRUE(Child<QRadioButton>(d, "Poly")->isChecked());
        EXPECT_TRUE(Child<QRadioButton>(d, "Normal")->isChecked());
      },
      false);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartSubDialogTest, TheModeDialogOfADrumPartOffersTheDrumSetups) {
  window.SelectPart(9);
  Run(
      "Mode",
      [](QDialog& d) {
        EXPECT_FALSE(Child<QRadioButton>(d, "Mono")->isEnabled());
        EXPECT_FALSE(Child<QRadioButton>(d, "Poly")->isChecked());
        EXPECT_FALSE(Child<QRadioButton>(d, "Drum")->isEnabled());
        EXPECT_TRUE(Child<QRadioButton>(d, "Drum2")->isEnabled());
        EXPECT_TRUE(Child<QRadioButton>(d, "Drum1")->isChecked());
        EXPECT_TRUE(Child<QRadioButton>(d, "Inst")->isChecked());
      },
      true);
  // Unchanged OK: 06 and 07 go out again (05 is not the drum part's), and the document is marked.
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0], Change(9, 0x06, 0x02));
  EXPECT_EQ(host.modified, 1);
  EXPECT_TRUE(host.partChannels.empty());
}

TEST_F(PartSubDialogTest, ChoosingDrumSendsTheRunAndAdoptsTheVoiceOfADrumModePart) {
  // Part 4 already plays in "Drum" mode with its own voice.
  rig.model.Parts().PutPartByte(3, 0x07, 1);
  rig.model.Parts().PutPartByte(3, 0x03, 24);
  window.SelectPart(1);
  Run(
      "Mode", [](QDialog& d) { Child<QRadioButton>(d, "Drum")->click(); }, true);
  ASSERT_EQ(Messages().size(), 3u);
  EXPECT_EQ(Messages()[0], Change(1, 0x05, 0x01));
  EXPECT_EQ(Messages()[2], Change(1, 0x07, 0x01));
  EXPECT_EQ(Byte(1, 0x07), 1);
  EXPECT_EQ(Byte(1, 0x03), 24);
  EXPECT_EQ(host.partChannels, std::vector<int>{2});
  EXPECT_EQ(host.modified, 1);
  EXPECT_NE(window.windowTitle(), "Part -- GrandPno");
  EXPECT_TRUE(Child<QPushButton>(window, "Tune")->isEnabled());
}

TEST_F(PartSubDialogTest, AFailedModeSendStoresNothingButStillMarks) {
  rig.backend.sendResult = 1;
  Run(
      "Mode", [](QDialog& d) { Child<QRadioButton>(d, "Drum")->click(); }, true);
  EXPECT_EQ(Byte(0, 0x07), 0);
  EXPECT_EQ(host.modified, 1);
  EXPECT_TRUE(host.partChannels.empty());
}

}  // namespace
}  // namespace ravlo
