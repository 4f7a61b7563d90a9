#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <functional>
#include <set>

#include "files/FileIo.h"
#include "midi/MidiResult.h"
#include "shapes/ElementShapes.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "support/RecordingPrompts.h"
#include "uservoice/CElementDlg.h"
#include "uservoice/CUserVoiceDlg.h"
#include "uservoice/CVoiceListDlg.h"
#include "uservoice/UserVoiceElementFields.h"
#include "uservoice/UserVoiceModel.h"
#include "widgets/CurveView.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

// Every field inside its range, away from its ends.
UserVoiceElement MidRangeElement() {
  UserVoiceElement element{};
  for (const ElementField& field : kElementFields)
    WriteField(field, (field.minimum + field.maximum + 1) / 2, element);
  return element;
}

// The fields of each dialog lie in byte order, one field to a byte, each
// inside what its bytes hold; each dialog writes back only its own bytes.
TEST(ElementDlgTest, EveryByteHasOneFieldEachDialogWritesBackItsOwnAndPairsSplit) {
  test::RecordingPrompts prompts;
  const std::array<std::size_t, kElementPageCount> counts{6, 8, 18, 24, 11, 11};
  const UserVoiceElement shown = MidRangeElement();
  std::array<int, kUserVoiceElementSize> owners{};
  std::size_t total = 0;
  for (std::size_t p = 0; p < kElementPageCount; ++p) {
    SCOPED_TRACE(kElementPages[p].caption);
    const auto page = static_cast<ElementPage>(p);
    EXPECT_EQ(FieldsOf(page).size(), counts[p]);
    total += FieldsOf(page).size();
    std::array<bool, kUserVoiceElementSize> own{};
    std::set<std::string_view> names;
    int lastOffset = -1;
    for (const ElementField& field : FieldsOf(page)) {
      SCOPED_TRACE(field.label);
      EXPECT_EQ(field.page, page);
      EXPECT_GT(field.offset, lastOffset);
      lastOffset = field.offset;
      EXPECT_TRUE(names.insert(field.name).second);
      EXPECT_GE(field.minimum, 0);
      EXPECT_LE(field.minimum, field.maximum);
      EXPECT_LE(field.maximum, field.kind == FieldKind::Pair ? 127 * 128 + 127 : 127);
      EXPECT_EQ(field.choices.size(), field.kind == FieldKind::Choice ? field.maximum + 1 : 0u);
      for (int i = 0; i < FieldWidth(field); ++i) {
        const auto at = static_cast<std::size_t>(field.offset + i);
        ASSERT_LT(at, kUserVoiceElementSize);
        own[at] = true;
        ++owners[at];
      }
    }
    CElementDlg dialog(page, prompts);
    dialog.Fill(shown);
    UserVoiceElement target;
    target.fill(0x33);
    dialog.WriteBack(target);
    for (std::size_t at = 0; at < kUserVoiceElementSize; ++at)
      EXPECT_EQ(target[at], own[at] ? shown[at] : 0x33) << "byte " << at;
  }
  EXPECT_EQ(total, kElementFieldCount);
  for (std::size_t at = 0; at < owners.size(); ++at) EXPECT_EQ(owners[at], 1) << "byte " << at;

  // Pairs split into seven-bit halves, and values stay in range.
  UserVoiceElement element = DefaultUserVoiceElement();
  const ElementField& offset = kElementFields[76];  // Address Offset, bytes 77 and 78
  ASSERT_TRUE(WriteField(offset, 129, element));
  EXPECT_EQ(element[77], 1);
  EXPECT_EQ(element[78], 1);
  EXPECT_EQ(ReadField(offset, element), 129);
  EXPECT_FALSE(WriteField(offset, 16257, element));
  EXPECT_FALSE(WriteField(kElementFields[77], 56, element));  // Resonance Sensitivity 57..71
  EXPECT_EQ(ReadField(kElementFields[14], element), 64);      // note shift: the raw default byte
  // A pan byte beyond the slider's end from a foreign dump still shows on it.
  EXPECT_EQ(PanViewOf(100).slider, 14);
}

TEST(ElementDlgTest, ChoicesShowAndStoreTheirIndexAndEnvelopesAreDrawn) {
  test::RecordingPrompts prompts;
  UserVoiceElement element = MidRangeElement();
  element[19] = 3;  // EG Depth "4 Oct"
  CElementDlg dialog(ElementPage::Pitch, prompts);
  dialog.Fill(element);
  EXPECT_TRUE(dialog.findChild<QRadioButton*>("EgDepth3")->isChecked());
  dialog.findChild<QRadioButton*>("EgDepth0")->setChecked(true);
  dialog.WriteBack(element);
  EXPECT_EQ(element[19], 0);

  // A byte outside the choices shows no button and is kept as it was.
  element[17] = 9;
  dialog.Fill(element);
  for (int i = 0; i < 6; ++i)
    EXPECT_FALSE(dialog.findChild<QRadioButton*>(QString("PitchScaling%1").arg(i))->isChecked());
  dialog.WriteBack(element);
  EXPECT_EQ(element[17], 9);
  EXPECT_EQ(CElementDlg(ElementPage::Lfo, prompts).Picture(), nullptr);

  // The amplitude envelope is drawn beside its fields as they are typed.
  element = MidRangeElement();
  CElementDlg amplitude(ElementPage::Amplitude, prompts);
  amplitude.Fill(element);
  ASSERT_NE(amplitude.Picture(), nullptr);
  EXPECT_EQ(amplitude.Picture()->Points(), element_shapes::Amplitude(element).points);
  amplitude.findChild<EditSpinPair*>("Decay1Level")->Edit()->setText("127");
  element[75] = 127;
  EXPECT_EQ(amplitude.Picture()->Points(), element_shapes::Amplitude(element).points);
}

using Runner = std::function<int(QDialog&)>;
using Voices = std::vector<int>;

// The voice numbers of the user voice dumps in a byte stream, in order.
Voices Dumped(const std::vector<std::uint8_t>& stream) {
  Voices voices;
  EXPECT_EQ(stream.size() % kUserVoiceDumpSize, 0u);
  for (std::size_t at = 0; at + kUserVoiceDumpSize <= stream.size(); at += kUserVoiceDumpSize) {
    EXPECT_EQ(stream[at + 3], 0x4B);
    voices.push_back(stream[at + 7]);
  }
  return voices;
}

class UserVoiceDlgTest : public ::testing::Test, public test::ModelRig {
 protected:
  UserVoiceDlgTest() : window(model, host, prompts) {
    window.SetModalRunner([this](QDialog& dialog) {
      EXPECT_TRUE(answer) << "unexpected dialog " << dialog.windowTitle().toStdString();
      return answer ? answer(dialog) : static_cast<int>(QDialog::Rejected);
    });
  }

  const UserVoice& Bank(int slot) { return *model.UserVoices().GetUserVoice(slot, UserBank::Bank); }
  const UserVoice& VBank(int slot) {
    return *model.UserVoices().GetUserVoice(slot, UserBank::VBank);
  }
  void NameInVBank(int slot, std::string_view name) {
    UserVoice voice(slot);
    voice.SetName(name);
    ASSERT_TRUE(model.UserVoices().CopyVoiceInto(UserBank::VBank, slot, voice));
  }
  template <typename T = QPushButton>
  T* Find(const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  // Typed key by key into the name box, over what it held.
  void TypeName(const QString& name) {
    QLineEdit* box = Find<QLineEdit>("Name");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, name);
  }
  QString ShownName() { return Find<QLineEdit>("Name")->text(); }
  void TypeNumber(const char* field, int value) {
    Find<EditSpinPair>(field)->Edit()->setText(QString::number(value));
    Find<EditSpinPair>(field)->Commit();
  }
  void SendPanel(const char* what, const char* to) {
    Find<QRadioButton>(what)->setChecked(true);
    Find<QRadioButton>(to)->setChecked(true);
    window.Send();
  }
  static void SetText(QDialog& dialog, const char* field, const QString& text) {
    dialog.findChild<EditSpinPair*>(field)->Edit()->setText(text);
  }
  static int Press(QDialog& dialog, const char* button) {
    dialog.findChild<QPushButton*>(button)->click();
    return dialog.result();
  }
  // Answers a Voice List with a row and OK.
  static Runner ChooseRow(int row) {
    return [row](QDialog& dialog) {
      dynamic_cast<CVoiceListDlg&>(dialog).List()->setCurrentRow(row);
      return Press(dialog, "OK");
    };
  }
  // Answers an element dialog: `edit` changes it, then OK.
  static Runner Confirm(std::function<void(QDialog&)> edit) {
    return [edit](QDialog& dialog) {
      edit(dialog);
      return Press(dialog, "OK");
    };
  }

  test::FakeEditorHost host;
  CUserVoiceDlg window;
  Runner answer;
};

TEST_F(UserVoiceDlgTest, NameLevelAndSwitchesAreTheVoicesAtOnceAndSurviveClosingTheWindow) {
  // The main bar's SelectVoice shows a voice in the open window.
  ASSERT_TRUE(model.UserVoices().SetVoiceName(6, "Seven"));
  EXPECT_FALSE(window.SelectVoice(7));
  window.OpenWindow();
  EXPECT_FALSE(window.SelectVoice(33));
  ASSERT_TRUE(window.SelectVoice(7));
  EXPECT_EQ(ShownName(), "Seven     ");
  TypeName("KeptABCDEFGH");  // held to ten characters
  TypeNumber("Level", 30);
  Find<QCheckBox>("Switch2")->click();
  window.CloseWindow();
  window.OpenWindow();  // what was typed and clicked, as the voice now holds it
  EXPECT_EQ(ShownName(), "KeptABCDEF");
  EXPECT_EQ(Find<EditSpinPair>("Level")->Edit()->text(), "30");
  EXPECT_TRUE(Find<QCheckBox>("Switch2")->isChecked());

  ASSERT_TRUE(window.SelectVoice(32));
  Find("Next")->click();
  EXPECT_EQ(window.VoiceNumber(), 32);
  window.SelectVoice(2);
  Find("Back")->click();
  EXPECT_EQ(window.VoiceNumber(), 1);
  EXPECT_TRUE(Sent().empty());
  SendPanel("SendVoice", "ToSynth");
  EXPECT_EQ(Dumped(Sent()), Voices{0});
}

TEST_F(UserVoiceDlgTest, AnElementDialogsOkSendsTheVoiceAndPasteStoresWithoutSending) {
  window.OpenWindow();
  TypeName("Named");
  answer = Confirm([](QDialog& dialog) { SetText(dialog, "WaveNumber", "300"); });
  Find("ElementBasic")->click();
  ASSERT_EQ(Dumped(Sent()), Voices{0});
  EXPECT_EQ(Bank(0).WaveNumber(0), 300);

  // Paste puts the element into the voice; it goes out when the voice does.
  ClearSent();
  EXPECT_FALSE(Find("Paste")->isEnabled());
  Find("Copy")->click();
  TypeNumber("ElementNumber", 2);
  Find("Paste")->click();
  EXPECT_EQ(Bank(0).WaveNumber(1), 300);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceDlgTest, OutOfRangeTypedValuesGetTheRangePromptButUntouchedStoredBytesPass) {
  window.OpenWindow();
  TypeNumber("Level", 200);
  TypeNumber("ElementNumber", 3);
  answer = Confirm([](QDialog& dialog) {
    SetText(dialog, "Attack", "5");
    SetText(dialog, "ResonanceSensitivity", "90");
  });
  Find("ElementAmp")->click();  // refused: the dialog ends as if cancelled
  EXPECT_EQ(window.ShownElement(2)[71], 0);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(prompts.messages,
            (std::vector<std::string>{"Please enter an integer between 0 and 127.",
                                      "Please enter an integer between 57 and 71."}));
  // A fresh element's Resonance Sensitivity (0) lies outside 57..71.
  answer = Confirm([](QDialog& dialog) { SetText(dialog, "Attack", "100"); });
  Find("ElementAmp")->click();
  EXPECT_EQ(Bank(0).Element(2)->at(79), 0);
  EXPECT_EQ(Bank(0).Element(2)->at(71), 100);
}

TEST_F(UserVoiceDlgTest, TheScalingPanRuleHoldsBothWays) {
  UserVoiceElement element = *Bank(0).Element(0);
  element[67] = 15;
  ASSERT_TRUE(model.UserVoices().SetVoiceElement(0, 0, element));
  window.OpenWindow();
  for (const bool scaling : {false, true}) {
    answer = Confirm([scaling](QDialog& dialog) {
      auto* box = dialog.findChild<QCheckBox*>("Scaling");
      auto* slider = dialog.findChild<QSlider*>("Pan");
      EXPECT_EQ(box->isChecked(), !scaling);
      EXPECT_EQ(slider->value(), scaling ? 11 : 0);
      box->setChecked(scaling);
      slider->setValue(11);
    });
    Find("ElementLevel")->click();
    EXPECT_EQ(Bank(0).Element(0)->at(67), scaling ? 15 : 11);
  }
}

TEST_F(UserVoiceDlgTest, TheBankGoesOutWithoutBlankVoicesOrWholeAndStopsAtAFailure) {
  ASSERT_TRUE(model.UserVoices().SetVoiceElementOn(3, 0, true));
  ASSERT_TRUE(model.UserVoices().SetVoiceElementOn(10, 3, true));
  window.OpenWindow();
  SendPanel("SendBank", "ToSynth");
  EXPECT_EQ(Dumped(Sent()), (Voices{3, 10}));
  ClearSent();
  Find<QCheckBox>("IgnoreBlank")->setChecked(false);
  window.Send();
  EXPECT_EQ(Dumped(Sent()).size(), 32u);
  pauser.pauses.clear();
  backend.sendResult = kMidiNoMemory;
  window.Send();
  EXPECT_EQ(pauser.pauses.size(), 1u);
}

TEST_F(UserVoiceDlgTest, TheVBankListExchangesTheBanksAndTheBankListOnlyShows) {
  ASSERT_TRUE(model.UserVoices().SetVoiceName(8, "Nine"));
  NameInVBank(5, "Virtual");
  window.OpenWindow();
  window.SetFileName("C:\\Songs\\strings.syx");
  answer = [](QDialog& dialog) {
    auto& list = dynamic_cast<CVoiceListDlg&>(dialog);
    EXPECT_EQ(list.List()->item(8)->text(), "9 - Nine      ");
    EXPECT_FALSE(list.Selection().has_value());
    return ChooseRow(8)(dialog);
  };
  Find("Bank")->click();
  EXPECT_EQ(window.VoiceNumber(), 9);
  EXPECT_EQ(ShownName(), "Nine      ");
  EXPECT_TRUE(Sent().empty());

  answer = ChooseRow(5);
  Find("VBank")->click();
  EXPECT_EQ(Dumped(Sent()).size(), 32u);
  EXPECT_EQ(ShownName(), "Virtual   ");
  EXPECT_EQ(window.windowTitle(), "User Voice -- Virtual Bank");
  SendPanel("SendBank", "ToVBank");  // exchanges back
  EXPECT_EQ(window.windowTitle(), "User Voice -- strings.syx");
  EXPECT_EQ(ShownName(), "");  // reloaded from the Bank
}

TEST_F(UserVoiceDlgTest, BankAndVBankToFileWriteTheRecordedDumps) {
  QTemporaryDir directory;
  const std::string paths[] = {directory.filePath("b.syx").toStdString(),
                               directory.filePath("v.syx").toStdString()};
  for (const std::string& path : paths)
    prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
  prompts.fileChoices.push_back({FileChoice::Status::Failed, {}});
  ASSERT_TRUE(model.UserVoices().SetVoiceElementOn(2, 0, true));
  window.OpenWindow();
  SendPanel("SendBank", "ToFile");
  Find<QCheckBox>("IgnoreBlank")->setChecked(false);
  SendPanel("SendVBank", "ToFile");
  window.Send();  // failed
  window.Send();  // cancelled
  EXPECT_EQ(prompts.messages, std::vector<std::string>{"Error getting file name"});
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(model.IsRecording());
  std::vector<std::uint8_t> bank, vbank;
  ASSERT_TRUE(ReadWholeFile(paths[0], bank).ok && ReadWholeFile(paths[1], vbank).ok);
  EXPECT_EQ(Dumped(bank), Voices{2});
  EXPECT_EQ(Dumped(vbank).size(), 32u);
}

TEST_F(UserVoiceDlgTest, VoicesMoveThroughTheClipVoxAndTheVBankAndToTheCurrentVoice) {
  ASSERT_TRUE(model.UserVoices().SetVoiceName(4, "FromBank"));
  NameInVBank(2, "Virtual2");
  window.OpenWindow();
  // Combinations that do nothing send nothing and ask for no file.
  const std::pair<const char*, const char*> idle[] = {{"SendVoice", "ToCurrent"},
                                                      {"SendVBank", "ToVBank"},
                                                      {"SendClipVox", "ToFile"},
                                                      {"SendClipVox", "ToClipVox"}};
  for (const auto& [what, to] : idle) SendPanel(what, to);
  EXPECT_TRUE(prompts.fileRequests.empty());
  TypeName("Clip");
  SendPanel("SendVoice", "ToClipVox");
  EXPECT_EQ(window.ClipVox().DisplayName(), "Clip      ");
  answer = ChooseRow(12);
  SendPanel("SendVoice", "ToVBank");
  answer = ChooseRow(4);
  SendPanel("SendBank", "ToClipVox");
  answer = ChooseRow(9);
  SendPanel("SendClipVox", "ToVBank");
  EXPECT_EQ(VBank(9).DisplayName(), "FromBank  ");
  answer = ChooseRow(12);
  SendPanel("SendVBank", "ToClipVox");
  EXPECT_EQ(window.ClipVox().DisplayName(), "Clip      ");
  EXPECT_TRUE(Sent().empty());

  Find("Next")->click();
  SendPanel("SendClipVox", "ToSynth");
  EXPECT_EQ(ShownName(), "Clip      ");
  EXPECT_EQ(Dumped(Sent()), Voices{1});

  // Bank and VBank to Current bring the chosen voice here and send it.
  ClearSent();
  answer = ChooseRow(4);
  SendPanel("SendBank", "ToCurrent");
  EXPECT_EQ(ShownName(), "FromBank  ");
  EXPECT_EQ(Bank(4).DisplayName(), "Clip      ");
  EXPECT_EQ(Dumped(Sent()), (Voices{1, 4}));
  ClearSent();
  answer = ChooseRow(2);
  SendPanel("SendVBank", "ToCurrent");
  EXPECT_EQ(ShownName(), "Virtual2  ");
  EXPECT_EQ(Dumped(Sent()), Voices{1});
}

}  // namespace
}  // namespace ravlo
