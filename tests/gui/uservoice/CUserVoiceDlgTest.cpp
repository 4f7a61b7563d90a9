#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "files/FileIo.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "uservoice/CElementDlg.h"
#include "uservoice/CUserVoiceDlg.h"
#include "uservoice/CVoiceListDlg.h"
#include "uservoice/UserVoiceModel.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using Runner = std::function<int(QDialog&)>;

// The voice numbers of the 392-byte QS300 dumps in a byte stream, in order.
std::vector<int> DumpedVoices(const std::vector<std::uint8_t>& stream) {
  std::vector<int> voices;
  EXPECT_EQ(stream.size() % kUserVoiceDumpSize, 0u);
  for (std::size_t at = 0; at + kUserVoiceDumpSize <= stream.size(); at += kUserVoiceDumpSize) {
    EXPECT_EQ(stream[at], 0xF0);
    EXPECT_EQ(stream[at + 3], 0x4B);
    EXPECT_EQ(stream[at + kUserVoiceDumpSize - 1], 0xF7);
    voices.push_back(stream[at + 7]);
  }
  return voices;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> numbers;
  for (int n = first; n <= last; ++n) numbers.push_back(n);
  return numbers;
}

class UserVoiceDlgTest : public ::testing::Test, public test::ModelRig {
 protected:
  UserVoiceDlgTest() : window(model, host, prompts) {
    window.SetModalRunner([this](QDialog& dialog) {
      ++dialogsRun;
      if (!answer) {
        ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
        return static_cast<int>(QDialog::Rejected);
      }
      return answer(dialog);
    });
  }

  UserVoice& Bank(int slot) { return *model.UserVoices().GetUserVoice(slot, UserBank::Bank); }
  UserVoice& VBank(int slot) { return *model.UserVoices().GetUserVoice(slot, UserBank::VBank); }

  template <typename T>
  T* Find(const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void Click(const char* name) { Find<QPushButton>(name)->click(); }
  void TypeName(const QString& name) { Find<QLineEdit>("Name")->setText(name); }
  void TypeNumber(const char* field, int value) {
    auto* spin = Find<EditSpinPair>(field);
    spin->Edit()->setText(QString::number(value));
    spin->Commit();
  }
  QString ShownName() { return Find<QLineEdit>("Name")->text(); }

  void SendPanel(const char* what, const char* to) {
    Find<QRadioButton>(what)->setChecked(true);
    Find<QRadioButton>(to)->setChecked(true);
    window.Send();
  }

  // Answers a Voice List with a row and OK, noting which bank it listed.
  Runner ChooseRow(int row) {
    return [this, row](QDialog& dialog) {
      auto* list = qobject_cast<CVoiceListDlg*>(&dialog);
      EXPECT_NE(list, nullptr);
      if (list == nullptr) return static_cast<int>(QDialog::Rejected);
      listed.push_back(list->Bank());
      EXPECT_EQ(list->List()->count(), kUserVoicesPerBank);
      list->List()->setCurrentRow(row);
      dialog.findChild<QPushButton*>("OK")->click();
      return dialog.result();
    };
  }

  // Answers an element dialog: `edit` changes it, then OK.
  Runner ConfirmElement(std::function<void(CElementDlg&)> edit) {
    return [edit](QDialog& dialog) {
      auto* element = qobject_cast<CElementDlg*>(&dialog);
      EXPECT_NE(element, nullptr);
      if (element == nullptr) return static_cast<int>(QDialog::Rejected);
      edit(*element);
      dialog.findChild<QPushButton*>("OK")->click();
      return dialog.result();
    };
  }

  test::FakeEditorHost host;
  CUserVoiceDlg window;
  Runner answer;
  int dialogsRun = 0;
  std::vector<UserBank> listed;
};

TEST_F(UserVoiceDlgTest, OpensOnVoiceOneWithTheVoiceFromTheBank) {
  Bank(0).SetName("Strings");
  Bank(0).SetLevel(99);
  Bank(0).SetElementOn(1, true);
  ASSERT_TRUE(window.OpenWindow());
  EXPECT_EQ(window.windowTitle(), "User Voice");
  EXPECT_EQ(window.VoiceNumber(), 1);
  EXPECT_EQ(Find<QLabel>("VoiceNumber")->text(), "1");
  EXPECT_EQ(ShownName(), "Strings   ");
  EXPECT_EQ(Find<EditSpinPair>("Level")->Value(), 99);
  EXPECT_FALSE(Find<QCheckBox>("Switch1")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("Switch2")->isChecked());
  EXPECT_EQ(Find<EditSpinPair>("ElementNumber")->Value(), 1);
  EXPECT_FALSE(Find<QPushButton>("Paste")->isEnabled());
  EXPECT_TRUE(Find<QRadioButton>("SendVoice")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("ToSynth")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("IgnoreBlank")->isChecked());
  EXPECT_EQ(Find<QCheckBox>("IgnoreBlank")->text(), "Ignore Blank Voices");
}

TEST_F(UserVoiceDlgTest, BackOnVoiceOneAndNextOnVoiceThirtyTwoReloadTheSameVoice) {
  window.OpenWindow();
  TypeName("Lead");
  TypeNumber("Level", 90);
  Find<QCheckBox>("Switch3")->setChecked(true);
  Click("Back");
  EXPECT_EQ(window.VoiceNumber(), 1);
  EXPECT_EQ(Bank(0).DisplayName(), "Lead      ");
  EXPECT_EQ(Bank(0).Level(), 90);
  EXPECT_EQ(Bank(0).Common()[11], 0x04);
  EXPECT_EQ(ShownName(), "Lead      ");
  EXPECT_TRUE(Find<QCheckBox>("Switch3")->isChecked());

  ASSERT_TRUE(window.SelectVoice(32));
  TypeName("Top");
  Click("Next");
  EXPECT_EQ(window.VoiceNumber(), 32);
  EXPECT_EQ(Bank(31).DisplayName(), "Top       ");
  EXPECT_EQ(ShownName(), "Top       ");

  Bank(30).SetName("Second");
  Click("Back");
  EXPECT_EQ(window.VoiceNumber(), 31);
  EXPECT_EQ(ShownName(), "Second    ");
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceDlgTest, WaveThreeHundredGivesTwoAndFortyFourAndTheDumpGoesOutOnOk) {
  window.OpenWindow();
  answer = ConfirmElement([](CElementDlg& dialog) {
    auto* wave = dialog.findChild<EditSpinPair*>("WaveNumber");
    ASSERT_NE(wave, nullptr);
    wave->Edit()->setText("300");
  });
  Click("ElementBasic");
  EXPECT_EQ(dialogsRun, 1);
  EXPECT_EQ(window.WorkingElement(0)[0], 2);
  EXPECT_EQ(window.WorkingElement(0)[1], 44);
  EXPECT_EQ(Bank(0).WaveNumber(0), 300);
  const std::vector<std::uint8_t> sent = Sent();
  ASSERT_EQ(DumpedVoices(sent), std::vector<int>{0});
  EXPECT_EQ(sent[70], 2);
  EXPECT_EQ(sent[71], 44);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{10});
}

TEST_F(UserVoiceDlgTest, AnElementDialogEditsTheElementNumberShownAndCancelChangesNothing) {
  window.OpenWindow();
  TypeNumber("ElementNumber", 3);
  // A typed value outside its range is refused with the range prompt.
  answer = ConfirmElement([](CElementDlg& dialog) {
    dialog.findChild<EditSpinPair*>("Attack")->Edit()->setText("100");
    dialog.findChild<EditSpinPair*>("ResonanceSensitivity")->Edit()->setText("90");
  });
  Click("ElementAmp");
  EXPECT_TRUE(Sent().empty());
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], "Please enter an integer between 57 and 71.");

  // A fresh element's Resonance Sensitivity (0) lies outside 57..71; left
  // untouched it stays as stored and does not block OK.
  answer = ConfirmElement([](CElementDlg& dialog) {
    dialog.findChild<EditSpinPair*>("Attack")->Edit()->setText("100");
  });
  Click("ElementAmp");
  EXPECT_EQ(Bank(0).Element(2)->at(79), 0);
  EXPECT_EQ(Bank(0).Element(2)->at(71), 100);
  EXPECT_EQ(Bank(0).Element(0)->at(71), 0);
  const std::vector<std::uint8_t> sent = Sent();
  ASSERT_EQ(DumpedVoices(sent), std::vector<int>{0});
  EXPECT_EQ(sent[230 + 71], 100);

  ClearSent();
  answer = [](QDialog& dialog) {
    dialog.findChild<EditSpinPair*>("Attack")->Edit()->setText("5");
    dialog.findChild<QPushButton*>("Cancel")->click();
    return dialog.result();
  };
  Click("ElementAmp");
  EXPECT_EQ(Bank(0).Element(2)->at(71), 100);
  EXPECT_EQ(window.WorkingElement(2)[71], 100);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceDlgTest, TheScalingPanRuleHoldsBothWays) {
  UserVoiceElement element = *Bank(0).Element(0);
  element[67] = 15;
  Bank(0).SetElement(0, element);
  window.OpenWindow();

  bool ticked = false;
  int slider = -1;
  answer = ConfirmElement([&](CElementDlg& dialog) {
    ticked = dialog.findChild<QCheckBox*>("Scaling")->isChecked();
    slider = dialog.findChild<QSlider*>("Pan")->value();
    dialog.findChild<QCheckBox*>("Scaling")->setChecked(false);
    dialog.findChild<QSlider*>("Pan")->setValue(11);
  });
  Click("ElementLevel");
  EXPECT_TRUE(ticked);
  EXPECT_EQ(slider, 0);
  EXPECT_EQ(Bank(0).Element(0)->at(67), 11);

  answer = ConfirmElement([&](CElementDlg& dialog) {
    ticked = dialog.findChild<QCheckBox*>("Scaling")->isChecked();
    slider = dialog.findChild<QSlider*>("Pan")->value();
    dialog.findChild<QCheckBox*>("Scaling")->setChecked(true);
  });
  Click("ElementLevel");
  EXPECT_FALSE(ticked);
  EXPECT_EQ(slider, 11);
  EXPECT_EQ(Bank(0).Element(0)->at(67), 15);
  EXPECT_EQ(DumpedVoices(Sent()), (std::vector<int>{0, 0}));
}

TEST_F(UserVoiceDlgTest, AnElementDialogSendsOnlyWhatWasStoredOfNameAndSwitches) {
  window.OpenWindow();
  TypeName("Unstored");
  answer = ConfirmElement([](CElementDlg&) {});
  Click("ElementLfo");
  const std::vector<std::uint8_t> sent = Sent();
  ASSERT_EQ(sent.size(), kUserVoiceDumpSize);
  EXPECT_EQ(sent[9], 0);  // the name is still the stored (empty) one
  EXPECT_EQ(ShownName(), "Unstored");
}

TEST_F(UserVoiceDlgTest, PasteChangesTheWindowOnly) {
  UserVoiceElement first = *Bank(0).Element(0);
  first[2] = 10;
  Bank(0).SetElement(0, first);
  window.OpenWindow();
  EXPECT_FALSE(Find<QPushButton>("Paste")->isEnabled());
  Click("Copy");
  EXPECT_TRUE(Find<QPushButton>("Paste")->isEnabled());
  TypeNumber("ElementNumber", 2);
  Click("Paste");
  EXPECT_EQ(window.WorkingElement(1), first);
  EXPECT_EQ(*Bank(0).Element(1), DefaultUserVoiceElement());
  EXPECT_TRUE(Sent().empty());

  // The next store takes it into the voice, still without sending.
  Click("Next");
  EXPECT_EQ(*Bank(0).Element(1), first);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceDlgTest, BankToSynthWithIgnoreBlankVoicesSendsOnlyVoicesWithAnElementOn) {
  Bank(3).SetElementOn(0, true);
  Bank(10).SetElementOn(3, true);
  window.OpenWindow();
  SendPanel("SendBank", "ToSynth");
  EXPECT_EQ(DumpedVoices(Sent()), (std::vector<int>{3, 10}));

  ClearSent();
  Find<QCheckBox>("IgnoreBlank")->setChecked(false);
  window.Send();
  EXPECT_EQ(DumpedVoices(Sent()), Range(0, 31));
}

TEST_F(UserVoiceDlgTest, BankToSynthStopsAtTheFirstFailure) {
  window.OpenWindow();
  Find<QCheckBox>("IgnoreBlank")->setChecked(false);
  backend.sendResult = 7;
  SendPanel("SendBank", "ToSynth");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(pauser.pauses.size(), 1u);
}

TEST_F(UserVoiceDlgTest, ChoosingFromTheVBankListExchangesTheBanksAndSendsAllVoices) {
  Bank(0).SetName("Real");
  VBank(5).SetName("Virtual");
  window.OpenWindow();
  answer = ChooseRow(5);
  Click("VBank");
  EXPECT_EQ(listed, std::vector<UserBank>{UserBank::VBank});
  EXPECT_EQ(DumpedVoices(Sent()), Range(0, 31));
  EXPECT_EQ(window.VoiceNumber(), 6);
  EXPECT_EQ(ShownName(), "Virtual   ");
  EXPECT_EQ(Bank(5).DisplayName(), "Virtual   ");
  EXPECT_EQ(VBank(0).DisplayName(), "Real      ");
  EXPECT_EQ(window.windowTitle(), "User Voice -- Virtual Bank");
  EXPECT_FALSE(window.TitleShowsFile());
}

TEST_F(UserVoiceDlgTest, TheBankListShowsAVoiceWithoutStoringOrSending) {
  Bank(8).SetName("Nine");
  window.OpenWindow();
  TypeName("Dropped");
  answer = ChooseRow(8);
  Click("Bank");
  EXPECT_EQ(listed, std::vector<UserBank>{UserBank::Bank});
  EXPECT_EQ(window.VoiceNumber(), 9);
  EXPECT_EQ(ShownName(), "Nine      ");
  EXPECT_EQ(Bank(0).DisplayName(), "");
  EXPECT_TRUE(Sent().empty());

  answer = [](QDialog& dialog) {
    dialog.findChild<QPushButton*>("Cancel")->click();
    return dialog.result();
  };
  Click("VBank");
  EXPECT_EQ(window.VoiceNumber(), 9);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceDlgTest, TheVoiceListNamesEverySlotFromOne) {
  VBank(0).SetName("Pad");
  CVoiceListDlg dialog(model.UserVoices(), UserBank::VBank);
  ASSERT_TRUE(dialog.Fill());
  ASSERT_EQ(dialog.List()->count(), 32);
  EXPECT_EQ(dialog.List()->item(0)->text(), "1 - Pad       ");
  EXPECT_EQ(dialog.List()->item(31)->text(), "32 - ");
  EXPECT_FALSE(dialog.Selection().has_value());
  dialog.List()->setCurrentRow(31);
  EXPECT_EQ(dialog.Selection(), 31);
}

TEST_F(UserVoiceDlgTest, TheTitleTogglesBetweenTheFileAndTheVirtualBank) {
  VBank(0).SetName("Other");
  window.OpenWindow();
  TypeName("Mine");
  window.SetFileName("C:\\Songs\\strings.syx");
  EXPECT_EQ(window.FileName(), "strings.syx");
  EXPECT_EQ(window.windowTitle(), "User Voice -- strings.syx");
  EXPECT_TRUE(window.TitleShowsFile());
  SendPanel("SendBank", "ToVBank");
  EXPECT_EQ(window.windowTitle(), "User Voice -- Virtual Bank");
  EXPECT_FALSE(window.TitleShowsFile());
  EXPECT_EQ(ShownName(), "Other     ");  // reloaded after the exchange
  EXPECT_EQ(VBank(0).DisplayName(), "Mine      ");
  SendPanel("SendVBank", "ToSynth");
  EXPECT_EQ(window.windowTitle(), "User Voice -- strings.syx");
  EXPECT_TRUE(window.TitleShowsFile());
  EXPECT_EQ(DumpedVoices(Sent()).size(), 64u);
}

TEST_F(UserVoiceDlgTest, WithoutAFileTheTitleTogglesBetweenPlainAndVirtualBank) {
  window.OpenWindow();
  SendPanel("SendBank", "ToVBank");
  EXPECT_EQ(window.windowTitle(), "User Voice -- Virtual Bank");
  SendPanel("SendBank", "ToVBank");
  EXPECT_EQ(window.windowTitle(), "User Voice");
}

TEST_F(UserVoiceDlgTest, SelectVoiceWorksOnlyWhileTheWindowIsOpenAndDoesNotStore) {
  Bank(6).SetName("Seven");
  EXPECT_FALSE(window.SelectVoice(7));
  EXPECT_EQ(window.VoiceNumber(), 1);
  window.OpenWindow();
  TypeName("Typed");
  EXPECT_FALSE(window.SelectVoice(0));
  EXPECT_FALSE(window.SelectVoice(33));
  ASSERT_TRUE(window.SelectVoice(7));
  EXPECT_EQ(window.VoiceNumber(), 7);
  EXPECT_EQ(Find<QLabel>("VoiceNumber")->text(), "7");
  EXPECT_EQ(ShownName(), "Seven     ");
  EXPECT_EQ(Bank(0).DisplayName(), "");
}

TEST_F(UserVoiceDlgTest, TheWorkingCopySurvivesCloseButReopeningLoadsTheVoice) {
  window.OpenWindow();
  window.SelectVoice(4);
  TypeName("Lost");
  window.CloseWindow();
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::UserVoice});
  window.OpenWindow();
  EXPECT_EQ(window.VoiceNumber(), 4);
  EXPECT_EQ(ShownName(), "");
}

TEST_F(UserVoiceDlgTest, VoiceToFileRecordsTheDumpAndWritesASyxFile) {
  QTemporaryDir directory;
  const std::string path = directory.filePath("voice.syx").toStdString();
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
  Bank(0).SetName("Saved");
  window.OpenWindow();
  SendPanel("SendVoice", "ToFile");
  ASSERT_EQ(prompts.fileRequests.size(), 1u);
  ASSERT_FALSE(prompts.fileRequests[0].filters.empty());
  EXPECT_EQ(prompts.fileRequests[0].filters[0].label, "XG Sysex Files(*.syx)");
  EXPECT_EQ(prompts.fileRequests[0].defaultExtension, "syx");
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(model.IsRecording());
  std::vector<std::uint8_t> contents;
  ASSERT_TRUE(ReadWholeFile(path, contents).ok);
  EXPECT_EQ(DumpedVoices(contents), std::vector<int>{0});
  EXPECT_EQ(contents[9], 'S');
}

TEST_F(UserVoiceDlgTest, ACancelledFileNameWritesNothing) {
  window.OpenWindow();
  SendPanel("SendBank", "ToFile");
  EXPECT_EQ(prompts.fileRequests.size(), 1u);
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(model.IsRecording());

  prompts.fileChoices.push_back({FileChoice::Status::Failed, {}});
  window.Send();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], "Error getting file name");
}

TEST_F(UserVoiceDlgTest, BankAndVBankToFileFollowTheBlankRule) {
  QTemporaryDir directory;
  const std::string bankPath = directory.filePath("bank.syx").toStdString();
  const std::string vbankPath = directory.filePath("vbank.syx").toStdString();
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {bankPath}});
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {vbankPath}});
  Bank(2).SetElementOn(0, true);
  window.OpenWindow();
  SendPanel("SendBank", "ToFile");
  Find<QCheckBox>("IgnoreBlank")->setChecked(false);
  SendPanel("SendVBank", "ToFile");
  EXPECT_TRUE(Sent().empty());

  std::vector<std::uint8_t> bank;
  std::vector<std::uint8_t> vbank;
  ASSERT_TRUE(ReadWholeFile(bankPath, bank).ok);
  ASSERT_TRUE(ReadWholeFile(vbankPath, vbank).ok);
  EXPECT_EQ(DumpedVoices(bank), std::vector<int>{2});
  EXPECT_EQ(DumpedVoices(vbank), Range(0, 31));
}

TEST_F(UserVoiceDlgTest, VoiceAndClipVoxMoveAVoiceThroughTheClipboard) {
  Bank(0).SetName("Clip");
  Bank(0).SetElementOn(0, true);
  window.OpenWindow();
  SendPanel("SendVoice", "ToClipVox");
  EXPECT_EQ(window.ClipVox().DisplayName(), "Clip      ");
  EXPECT_EQ(window.ClipVox().VoiceNumber(), 0);
  EXPECT_TRUE(Sent().empty());

  Click("Next");
  SendPanel("SendClipVox", "ToSynth");
  EXPECT_EQ(Bank(1).DisplayName(), "Clip      ");
  EXPECT_EQ(Bank(1).VoiceNumber(), 1);
  EXPECT_EQ(ShownName(), "Clip      ");
  EXPECT_TRUE(Find<QCheckBox>("Switch1")->isChecked());
  EXPECT_EQ(DumpedVoices(Sent()), std::vector<int>{1});

  ClearSent();
  answer = ChooseRow(9);
  SendPanel("SendClipVox", "ToVBank");
  EXPECT_EQ(VBank(9).DisplayName(), "Clip      ");
  EXPECT_EQ(VBank(9).VoiceNumber(), 9);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceDlgTest, BankAndVBankGiveTheChosenVoiceToTheClipVox) {
  Bank(4).SetName("FromBank");
  VBank(6).SetName("FromV");
  window.OpenWindow();
  answer = ChooseRow(4);
  SendPanel("SendBank", "ToClipVox");
  EXPECT_EQ(window.ClipVox().DisplayName(), "FromBank  ");
  answer = ChooseRow(6);
  SendPanel("SendVBank", "ToClipVox");
  EXPECT_EQ(window.ClipVox().DisplayName(), "FromV     ");
  EXPECT_EQ(listed, (std::vector<UserBank>{UserBank::Bank, UserBank::VBank}));
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceDlgTest, VoiceToVBankCopiesTheStoredVoiceWithoutSending) {
  window.OpenWindow();
  TypeName("Keep");
  answer = ChooseRow(12);
  SendPanel("SendVoice", "ToVBank");
  EXPECT_EQ(VBank(12).DisplayName(), "Keep      ");
  EXPECT_EQ(VBank(12).VoiceNumber(), 12);
  EXPECT_EQ(Bank(0).DisplayName(), "Keep      ");
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceDlgTest, BankToCurrentMovesTheChosenVoiceHereAndSendsBoth) {
  Bank(0).SetName("Zero");
  Bank(4).SetName("Four");
  window.OpenWindow();
  answer = ChooseRow(4);
  SendPanel("SendBank", "ToCurrent");
  EXPECT_EQ(Bank(0).DisplayName(), "Four      ");
  EXPECT_EQ(Bank(4).DisplayName(), "Zero      ");
  EXPECT_EQ(Bank(0).VoiceNumber(), 0);
  EXPECT_EQ(Bank(4).VoiceNumber(), 4);
  EXPECT_EQ(DumpedVoices(Sent()), (std::vector<int>{0, 4}));
  EXPECT_EQ(ShownName(), "Four      ");
}

TEST_F(UserVoiceDlgTest, VBankToCurrentCopiesTheChosenVoiceIntoTheCurrentOneAndSendsIt) {
  VBank(2).SetName("Virtual2");
  window.OpenWindow();
  window.SelectVoice(3);
  answer = ChooseRow(2);
  SendPanel("SendVBank", "ToCurrent");
  EXPECT_EQ(Bank(2).DisplayName(), "Virtual2  ");
  EXPECT_EQ(ShownName(), "Virtual2  ");
  const std::vector<std::uint8_t> sent = Sent();
  EXPECT_EQ(DumpedVoices(sent), std::vector<int>{2});
  EXPECT_EQ(sent[9], 'V');
}

TEST_F(UserVoiceDlgTest, VoiceToSynthStoresTheWindowAndSendsIt) {
  window.OpenWindow();
  TypeName("Sent");
  TypeNumber("Level", 77);
  Find<QCheckBox>("Switch1")->setChecked(true);
  Find<QCheckBox>("Switch4")->setChecked(true);
  SendPanel("SendVoice", "ToSynth");
  const std::vector<std::uint8_t> sent = Sent();
  ASSERT_EQ(DumpedVoices(sent), std::vector<int>{0});
  EXPECT_EQ(std::string(sent.begin() + 9, sent.begin() + 19), "Sent      ");
  EXPECT_EQ(sent[9 + 11], 0x09);
  EXPECT_EQ(sent[9 + 12], 77);
}

TEST_F(UserVoiceDlgTest, CombinationsThatDoNothingSendNothing) {
  window.OpenWindow();
  const std::vector<std::pair<const char*, const char*>> idle{{"SendVoice", "ToCurrent"},
                                                              {"SendVBank", "ToVBank"},
                                                              {"SendClipVox", "ToFile"},
                                                              {"SendClipVox", "ToClipVox"}};
  for (const auto& [what, to] : idle) SendPanel(what, to);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(dialogsRun, 0);
  EXPECT_TRUE(prompts.fileRequests.empty());
}

TEST_F(UserVoiceDlgTest, AnOutOfRangeLevelIsRefusedWithTheStandardMessage) {
  window.OpenWindow();
  TypeNumber("Level", 200);
  EXPECT_EQ(Find<EditSpinPair>("Level")->Value(), 0);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], "Please enter an integer between 0 and 127.");
  TypeNumber("ElementNumber", 5);
  EXPECT_EQ(window.ElementNumber(), 1);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1], "Please enter an integer between 1 and 4.");
}

TEST_F(UserVoiceDlgTest, ANameIsHeldToTenCharacters) {
  window.OpenWindow();
  TypeName("ABCDEFGHIJKL");
  EXPECT_EQ(ShownName(), "ABCDEFGHIJ");
  Click("Back");
  EXPECT_EQ(Bank(0).DisplayName(), "ABCDEFGHIJ");
}

}  // namespace
}  // namespace ravlo
