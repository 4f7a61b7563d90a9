#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <optional>

#include "editors/PartDialogHooks.h"
#include "editors/PartEditorFixture.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {
namespace {

using test::Bytes;

class PartDlgTest : public test::PartEditorFixture {
 protected:
  EditSpinPair* PartNumber() { return Child<EditSpinPair>(window, "PartNumber"); }
  EditSpinPair* Channel() { return Child<EditSpinPair>(window, "Channel"); }
  EditSpinPair* Reserved() { return Child<EditSpinPair>(window, "Reserved"); }
  QPushButton* OffButton() { return Child<QPushButton>(window, "Off"); }
  QLabel* VoiceLabel() { return Child<QLabel>(window, "VoiceName"); }

  int CatalogueIndex(int program, int msb, int lsb) {
    return FindVoice(program, msb, lsb, rig.model).index;
  }
};

TEST_F(PartDlgTest, StartsOnPartOneWithItsVoiceInTheCaption) {
  window.OpenWindow();
  EXPECT_EQ(window.ShownPart(), 0);
  EXPECT_EQ(PartNumber()->Value(), 1);
  EXPECT_EQ(Channel()->Value(), 1);
  EXPECT_EQ(Reserved()->Value(), 2);
  EXPECT_EQ(OffButton()->text(), "On");
  EXPECT_EQ(VoiceLabel()->text(), "GrandPno");
  EXPECT_EQ(window.windowTitle(), "Part -- GrandPno");
  window.CloseWindow();
}

TEST_F(PartDlgTest, PartNumberChangesSendNothingAndTheControllersFollow) {
  Type(PartNumber(), "10");
  PartNumber()->Step(+1);
  PartNumber()->Step(-1);
  Type(PartNumber(), "17");  // beyond the part count: refused
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(window.ShownPart(), 9);
  EXPECT_EQ(window.windowTitle(), "Part -- StndKit1");
  EXPECT_EQ(host.partChannels, (std::vector<int>{10, 11, 10}));
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartDlgTest, ReservedSendsAndAlwaysStoresButOnlyATypedValueMarks) {
  window.SelectPart(4);
  Type(Reserved(), "5");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], Change(4, 0x00, 0x05));
  EXPECT_EQ(Byte(4, 0x00), 5);
  EXPECT_EQ(host.modified, 1);

  Reserved()->Step(+1);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1], Change(4, 0x00, 0x06));
  EXPECT_EQ(Byte(4, 0x00), 6);
  EXPECT_EQ(host.modified, 1);

  Type(Reserved(), "33");  // one more than the element total
  EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(PartDlgTest, ChannelSendsStoresMarksAndLetsTheControllersFollow) {
  window.SelectPart(2);
  Type(Channel(), "5");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], Change(2, 0x04, 0x04));
  EXPECT_EQ(Byte(2, 0x04), 4);
  EXPECT_EQ(host.modified, 1);
  EXPECT_EQ(host.partChannels, std::vector<int>{5});

  rig.backend.sendResult = 1;
  Type(Channel(), "6");
  EXPECT_EQ(Byte(2, 0x04), 4);
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartDlgTest, OffSendsSevenFAndOnSendsTheRememberedChannel) {
  window.SelectPart(2);
  Type(Channel(), "5");
  rig.ClearSent();
  host.partChannels.clear();

  OffButton()->click();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], Change(2, 0x04, 0x7F));
  EXPECT_EQ(Byte(2, 0x04), 0x7F);
  EXPECT_EQ(OffButton()->text(), "Off");
  EXPECT_FALSE(Channel()->isEnabled());
  EXPECT_EQ(host.partChannels, std::vector<int>{5});

  // Away and back: the off part still shows the channel it had.
  window.SelectPart(0);
  EXPECT_EQ(OffButton()->text(), "On");
  EXPECT_TRUE(Channel()->isEnabled());
  window.SelectPart(2);
  EXPECT_TRUE(window.IsOff());
  EXPECT_EQ(Channel()->Value(), 5);
  EXPECT_TRUE(OffButton()->isChecked());

  OffButton()->click();
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1], Change(2, 0x04, 0x04));
  EXPECT_EQ(Byte(2, 0x04), 4);
  EXPECT_EQ(OffButton()->text(), "On");
  EXPECT_TRUE(Channel()->isEnabled());
  EXPECT_EQ(host.modified, 3);
}

TEST_F(PartDlgTest, AFailedOffLeavesThePartOn) {
  rig.backend.sendResult = 1;
  OffButton()->click();
  EXPECT_EQ(Byte(0, 0x04), 0);
  EXPECT_FALSE(window.IsOff());
  EXPECT_FALSE(OffButton()->isChecked());
  EXPECT_EQ(OffButton()->text(), "On");
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartDlgTest, APartSwitchedOffElsewhereShowsItsRememberedChannelOff) {
  rig.model.Parts().PutPartByte(6, 0x04, 0x7F);
  window.SelectPart(6);
  EXPECT_TRUE(window.IsOff());
  EXPECT_EQ(Channel()->Value(), 7);  // remembered from the start: the part's own number
  EXPECT_FALSE(Channel()->isEnabled());
}

TEST_F(PartDlgTest, TunePatAndPitchAreDisabledForADrumPart) {
  window.SelectPart(9);
  for (const char* name : {"Tune", "PAT", "Pitch"}) {
    EXPECT_FALSE(Child<QPushButton>(window, name)->isEnabled()) << name;
  }
  for (const char* name :
       {"Mode", "Ctrl", "FX", "Tone", "Mod", "Bend", "Rcv", "CAT", "AC1", "AC2"}) {
    EXPECT_TRUE(Child<QPushButton>(window, name)->isEnabled()) << name;
  }
  window.SelectPart(0);
  for (const char* name : {"Tune", "PAT", "Pitch"}) {
    EXPECT_TRUE(Child<QPushButton>(window, name)->isEnabled()) << name;
  }
}

TEST_F(PartDlgTest, ChoosingADrumKitMakesADrumPart) {
  const int kit = CatalogueIndex(1, 127, 0);
  ASSERT_GE(kit, 0);
  window.SetVoiceChooser([kit] { return std::optional<int>(kit); });
  Press("Voice");
  EXPECT_TRUE(window.IsDrum());
  EXPECT_FALSE(Child<QPushButton>(window, "Tune")->isEnabled());
  EXPECT_EQ(window.windowTitle(), "Part -- StndKit1");
  EXPECT_EQ(host.partValueChanges, std::vector<bool>{true});
  EXPECT_EQ(host.partChannels, std::vector<int>{1});
  ASSERT_GE(Messages().size(), 3u);
  EXPECT_EQ(Messages()[0], Change(0, 0x01, 0x7F));

  // Back to a normal voice: the buttons come back.
  const int piano = CatalogueIndex(1, 0, 0);
  window.SetVoiceChooser([piano] { return std::optional<int>(piano); });
  Press("Voice");
  EXPECT_FALSE(window.IsDrum());
  EXPECT_TRUE(Child<QPushButton>(window, "Tune")->isEnabled());
  EXPECT_EQ(host.partValueChanges, (std::vector<bool>{true, false}));
}

TEST_F(PartDlgTest, NoChosenVoiceOrAFailedSendChangesNothing) {
  window.SetVoiceChooser([] { return std::optional<int>(); });
  Press("Voice");
  EXPECT_TRUE(Messages().empty());
  window.SetVoiceChooser([] { return std::optional<int>(523); });
  Press("Voice");
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(host.partValueChanges.empty());
  EXPECT_EQ(window.windowTitle(), "Part -- GrandPno");
}

TEST_F(PartDlgTest, TheMainBarOperations) {
  EXPECT_TRUE(window.SelectPart(5));
  EXPECT_EQ(PartNumber()->Value(), 6);
  EXPECT_FALSE(window.SelectPart(16));
  EXPECT_FALSE(window.SelectPart(-1));
  EXPECT_EQ(window.ShownPart(), 5);

  // Channel 10 is part 10's; no part is on channel 3 once part 3 moved.
  EXPECT_TRUE(window.SelectPartByChannel(9));
  EXPECT_EQ(window.ShownPart(), 9);
  rig.model.Parts().PutPartByte(2, 0x04, 5);
  EXPECT_FALSE(window.SelectPartByChannel(2));
  EXPECT_FALSE(window.SelectPartByChannel(16));
  EXPECT_TRUE(window.SelectPartByChannel(5));
  EXPECT_EQ(window.ShownPart(), 2);  // the lowest part on channel 6

  window.RefreshFromModel();
  EXPECT_EQ(window.ShownPart(), 0);
  EXPECT_TRUE(host.partChannels.empty());  // the main bar asked: nothing goes back
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PartDlgTest, AChannelVoiceChangeReloadsTheShownChannelOnly) {
  rig.model.Parts().ApplyChannelVoice(0, 0, 127, 0);
  window.OnChannelVoiceChanged(2);
  EXPECT_EQ(window.windowTitle(), "Part -- GrandPno");
  window.OnChannelVoiceChanged(1);
  EXPECT_TRUE(window.IsDrum());
  EXPECT_EQ(window.windowTitle(), "Part -- StndKit1");
  EXPECT_FALSE(Child<QPushButton>(window, "PAT")->isEnabled());
}

TEST_F(PartDlgTest, EveryButtonOpensItsDialogOnTheShownPart) {
  std::vector<QString> titles;
  answer = [&titles](QDialog& dialog) {
    titles.push_back(dialog.windowTitle());
    return static_cast<int>(QDialog::Rejected);
  };
  for (const char* name : {"Mode", "Ctrl", "FX", "Tone", "Mod", "Bend", "Rcv", "Tune", "CAT", "PAT",
                           "AC1", "AC2", "Pitch"}) {
    Press(name);
  }
  EXPECT_EQ(titles, (std::vector<QString>{
                        "Mode", "Part Control", "Part FX Send", "Tone Control", "Control",
                        "Control", "Receive", "Scale Tuning - +/- Cents", "Control", "Control",
                        "Assignable Controller", "Assignable Controller", "Pitch Envelope"}));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartDlgTest, TheOrdinaryRunnerRunsTheDialogModally) {
  window.SetModalRunner(RunPartDialogModally);
  QString shown;
  QTimer::singleShot(0, [&shown] {
    // Whatever dialog is up is cancelled, so the test can never block.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(widget);
      if (dialog != nullptr && dialog->isModal() && dialog->isVisible()) {
        shown = dialog->windowTitle();
        dialog->reject();
      }
    }
  });
  Press("FX");
  EXPECT_EQ(shown, "Part FX Send");
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace ravlo
