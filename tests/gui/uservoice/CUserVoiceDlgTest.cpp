#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "files/FileIo.h"
#include "midi/MidiResult.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "uservoice/CUserVoiceDlg.h"
#include "uservoice/CVoiceListDlg.h"
#include "uservoice/UserVoiceModel.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

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
  EXPECT_EQ(Bank(6).DisplayName(), "KeptABCDEF");
  window.CloseWindow();
  window.OpenWindow();  // what was typed and clicked, as the voice now holds it
  EXPECT_EQ(ShownName(), "KeptABCDEF");
  EXPECT_EQ(Find<EditSpinPair>("Level")->Edit()->text(), "30");
  EXPECT_TRUE(Find<QCheckBox>("Switch2")->isChecked());
  EXPECT_TRUE(Bank(6).ElementOn(1));

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
  EXPECT_EQ(window.ShownElement(1), *Bank(0).Element(0));
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
    EXPECT_EQ(list.List()->item(31)->text(), "32 - ");
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
  EXPECT_EQ(prompts.fileRequests.at(0).filters.at(0).label, "XG Sysex Files(*.syx)");
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
