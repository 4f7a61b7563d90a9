#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "drums/DrumSetups.h"
#include "shell/AboutDialog.h"
#include "shell/AppSettings.h"
#include "shell/DelayCalculatorDialog.h"
#include "shell/DevicesDialog.h"
#include "shell/GeneralOptionsDialog.h"
#include "shell/HelpWindow.h"
#include "shell/ProcessingProgress.h"
#include "shell/QtPrompts.h"
#include "shell/SendDialog.h"
#include "shell/SoundOptionsDialog.h"
#include "support/MemorySettings.h"
#include "support/ModalAnswerer.h"
#include "support/QtPrinters.h"
#include "support/RecordingPrompts.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

// A mouse click on OK with a box out of its range: the range message, and the
// dialog stays with the focus in the box; a good value then goes through.
void ClickOkWithAValueOutOfRange(QDialog& dialog, QPushButton& ok, EditSpinPair& field,
                                 const QString& bad, const QString& good,
                                 const test::RecordingPrompts& prompts,
                                 const std::string& message) {
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  field.Edit()->setFocus();
  field.Edit()->setText(bad);
  QTest::mouseClick(&ok, Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.back(), message);
  EXPECT_EQ(dialog.focusWidget(), field.Edit());
  field.Edit()->setText(good);
  QTest::mouseClick(&ok, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(field.Value(), good.toInt());
}

// Tenths of a millisecond; a bad tempo is reported once and keeps the focus.
TEST(DelayCalculator, ComputesTheDelayAndReportsABadTempoOnce) {
  EXPECT_DOUBLE_EQ(DelayCalculatorDialog::DelayTenths(120, 100), 5000);
  QtPrompts prompts;
  DelayCalculatorDialog dialog(prompts);
  prompts.SetOwner(&dialog);
  auto* tempo = dialog.findChild<QLineEdit*>("Tempo");
  tempo->setText("90");
  dialog.findChild<QLineEdit*>("PerCent")->setText("50");
  ASSERT_TRUE(dialog.Recalculate());
  EXPECT_EQ(dialog.findChild<QLineEdit*>("Delay")->text(), "3333.33");
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  tempo->setFocus();
  tempo->setText("1001");
  test::ModalAnswerer answerer(test::ModalAnswerer::Press(QMessageBox::Ok));
  QTest::keyClick(tempo, Qt::Key_Tab);
  QTest::qWait(100);  // the window comes back from the message box
  ASSERT_EQ(answerer.All().size(), 1u);
  EXPECT_EQ(answerer.All()[0].text, "Please enter a number between 1 and 1000.");
  EXPECT_EQ(dialog.focusWidget(), tempo);
}

TEST(About, ShowsMemoryInMegabytes) {
  const AboutDialog::Memory memory{64ull << 20, 10ull << 20};
  EXPECT_EQ(AboutDialog::TotalText(memory), "65 Meg Total");
  EXPECT_EQ(AboutDialog::FreeText(memory), "10 Meg Free");
  EXPECT_GT(AboutDialog::PhysicalMemory().totalBytes, 0u);
  AboutDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "About Ravlo");
  // The box's own first line, and the package's version beside it.
  auto* package = dialog.findChild<QLabel*>("PackageVersion");
  ASSERT_NE(package, nullptr);
  EXPECT_TRUE(
      QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(package->text()).hasMatch());
}

TEST(GeneralOptions, FillsAndStoresTheSwitchesAndKeepsTheReceiveTimeoutInItsRange) {
  AppSettings settings;
  test::RecordingPrompts prompts;
  GeneralOptionsDialog dialog(settings, prompts);
  auto* keep = dialog.findChild<QCheckBox*>("KeepExtensions");
  EXPECT_EQ(keep->text(), "Keep XG extension parameters");
  EXPECT_FALSE(keep->isChecked()) << "off unless chosen";
  dialog.findChild<QCheckBox*>("WarnToSave")->setChecked(false);
  dialog.findChild<QCheckBox*>("ResetAdMixer")->setChecked(true);
  keep->setChecked(true);
  auto& timeout = *dialog.findChild<EditSpinPair*>("ReceiveTimeout");
  EXPECT_EQ(timeout.Value(), 300);
  ClickOkWithAValueOutOfRange(
      dialog, *dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), timeout, "5",
      "750", prompts, "Please enter an integer between 10 and 10000.");
  dialog.Store(settings);
  EXPECT_FALSE(settings.warnToSave);
  EXPECT_TRUE(settings.resetAdMixer);
  EXPECT_TRUE(settings.openWindowsOnFileOpen);
  EXPECT_TRUE(settings.keepExtensions);
  EXPECT_EQ(settings.receiveTimeout, 750);
}

TEST(SendDialogWindow, TheOptionalBoxesAreThereOnlyWhenTheyCarrySomething) {
  test::RecordingPrompts prompts;
  const struct {
    const char* name;
    bool SendChoices::*choice;
    bool extensions, userVoices;
  } boxes[] = {{"Extensions", &SendChoices::extensions, true, false},
               {"UserVoices", &SendChoices::userVoices, false, true}};
  for (const auto& box : boxes) {
    SCOPED_TRACE(box.name);
    EXPECT_EQ(SendDialog(0, true, prompts).findChild<QCheckBox*>(box.name), nullptr);
    SendDialog dialog(0, true, prompts, nullptr, box.extensions, kDrumSetupCount, box.userVoices);
    auto* check = dialog.findChild<QCheckBox*>(box.name);
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(dialog.Choices().*box.choice);
    dialog.findChild<QPushButton*>("ClearCategories")->click();
    EXPECT_FALSE(dialog.Choices().*box.choice);
    check->setChecked(true);
    EXPECT_TRUE(dialog.Choices().*box.choice);
  }
}

// All on at first but for the controllers when saving; each column clears.
TEST(SendDialogWindow, StartsAllOnAndClearsEachColumn) {
  test::RecordingPrompts prompts;
  SendDialog saving(35, true, prompts);
  auto* controllers = saving.findChild<QCheckBox*>("Controllers");
  EXPECT_FALSE(controllers->isEnabled());
  EXPECT_FALSE(controllers->isChecked());
  EXPECT_FALSE(saving.findChild<QCheckBox*>("ControllersNonDefault")->isEnabled());
  EXPECT_EQ(saving.Choices().delayMs, 0u) << "a save goes at no delay";
  EXPECT_TRUE(saving.Choices().savingMode);
  SendDialog dialog(35, false, prompts);
  SendChoices choices = dialog.Choices();
  EXPECT_TRUE(choices.reset && choices.controllers.send && choices.drum2.nonDefaultOnly);
  EXPECT_EQ(choices.delayMs, 35u);
  dialog.findChild<QPushButton*>("ClearCategories")->click();
  dialog.findChild<QCheckBox*>("Drum2")->setChecked(true);
  dialog.findChild<QPushButton*>("ClearNonDefault")->click();
  choices = dialog.Choices();
  EXPECT_FALSE(choices.reset);
  EXPECT_FALSE(choices.system.send);
  EXPECT_TRUE(choices.drum2.send);
  EXPECT_FALSE(choices.drum2.nonDefaultOnly);
}

// Each dialog's own range; the refusal itself is one helper's, checked in General Options.
TEST(SendAndDevicesDialogs, OkClickedWithAValueOutOfRangeTellsTheRangeAndStays) {
  test::RecordingPrompts prompts;
  SendDialog send(20, false, prompts);
  ClickOkWithAValueOutOfRange(send, *send.findChild<QPushButton*>("OK"),
                              *send.findChild<EditSpinPair*>("Delay"), "1001", "35", prompts,
                              "Please enter an integer between 0 and 1000.");
  EXPECT_EQ(send.Choices().delayMs, 35u);
  test::RecordingPrompts devicesPrompts;
  HelpWindow help;
  DevicesDialog devices({{0, "Synth"}}, {}, {0, 3, true}, devicesPrompts, help);
  ClickOkWithAValueOutOfRange(devices,
                              *devices.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              *devices.findChild<EditSpinPair*>("UnitId"), "16", "5",
                              devicesPrompts, "Please enter an integer between 0 and 15.");
  EXPECT_EQ(devices.Chosen().unitNumber, 5);
}

// The outputs, and the inputs after "(none)", with the remembered ones selected.
TEST(DevicesDialogWindow, ListsThePortsAndReturnsTheChoice) {
  test::RecordingPrompts prompts;
  HelpWindow help;
  const std::vector<MidiPort> inputs{{0, "Synth Out"}, {3, "Ravlo Monitor"}};
  DevicesDialog dialog({{0, "Synth"}, {2, "Ravlo Monitor"}}, inputs, {2, 3, true, 3}, prompts,
                       help);
  EXPECT_EQ(dialog.windowTitle(), "MIDI Output Port");
  auto* ports = dialog.findChild<QListWidget*>("Ports");
  ASSERT_EQ(ports->count(), 2);
  EXPECT_EQ(ports->item(1)->text(), "Ravlo Monitor");
  EXPECT_EQ(dialog.Chosen().port, 2) << "the remembered port is selected";
  ports->setCurrentRow(0);
  EXPECT_EQ(dialog.Chosen().port, 0);
  EXPECT_EQ(dialog.Chosen().unitNumber, 3);
  auto* list = dialog.findChild<QListWidget*>("InputPorts");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "(none)");
  EXPECT_EQ(list->item(2)->text(), "Ravlo Monitor");
  EXPECT_EQ(dialog.Chosen().inPort, 3) << "the remembered input is selected";
  list->setCurrentRow(1);
  EXPECT_EQ(dialog.Chosen().inPort, 0);
  list->setCurrentRow(0);
  EXPECT_EQ(dialog.Chosen().inPort, -1);
  EXPECT_EQ(dialog.Chosen().port, 0);
  // "Ask the Synthesizer" asks on the ports selected so far and checks the model it hears of.
  std::vector<std::pair<int, int>> asked;
  DevicesDialog asking({{0, "Synth"}, {2, "Ravlo Monitor"}}, inputs, {0, 3, true, 0}, prompts, help,
                       nullptr, [&asked](const DevicesDialog::Choice& selected) {
                         asked.emplace_back(selected.port, selected.inPort);
                         return std::optional(InstrumentModel::Extended);
                       });
  asking.findChild<QListWidget*>("Ports")->setCurrentRow(1);
  asking.findChild<QListWidget*>("InputPorts")->setCurrentRow(2);
  asking.findChild<QPushButton*>("AskModel")->click();
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 3}}));
  EXPECT_EQ(asking.Chosen().instrument, InstrumentModel::Extended);

  DevicesDialog none({{0, "Synth"}}, inputs, {0, 0, true, -1}, prompts, help);
  EXPECT_EQ(none.findChild<QListWidget*>("InputPorts")->currentRow(), 0);
  // Its help topics are HelpWindowTest's: F1 over its controls.
}

TEST(SoundOptions, ShowsTheSettingsAndKeepsWhatIsChosen) {
  test::MemorySettings store;
  store.strings["SoundDriver"] = "alsa";
  store.ints["SoundBufferSize"] = 1;
  SoundSettings settings = SoundSettings::Read(store);
  EXPECT_EQ(settings.bufferFrames, SoundSettings::kMinBuffer);
  test::RecordingPrompts prompts;
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {"/fonts/big.sf2"}});
  SoundOptionsDialog dialog(settings, "Playing through alsa.", prompts);
  EXPECT_EQ(dialog.findChild<QComboBox*>("SoundDriver")->currentText(), "ALSA");
  EXPECT_EQ(dialog.findChild<QLabel*>("SoundStatus")->text(), "Playing through alsa.");
  dialog.findChild<QCheckBox*>("SoundOn")->setChecked(false);
  dialog.findChild<QComboBox*>("SampleRate")->setCurrentText("48000");
  dialog.findChild<QPushButton*>("Browse")->click();
  dialog.Store(settings);
  settings.Write(store);
  const SoundSettings stored = SoundSettings::Read(store);
  EXPECT_FALSE(stored.on);
  EXPECT_EQ(stored.driver, "alsa");
  EXPECT_EQ(stored.sampleRate, 48000);
  EXPECT_EQ(stored.soundFont, "/fonts/big.sf2");
  EXPECT_EQ(prompts.fileRequests.back().title, "SoundFont");
}

TEST(ProcessingProgressWindow, ShowsTheItemAndACancellableRunHasACancelButtonThatIsHeard) {
  ProcessingProgress progress;
  EXPECT_EQ(progress.Item(), "---");
  progress.Show();
  progress.SetItem("Drum 2");
  EXPECT_EQ(progress.Item(), "Drum 2");
  EXPECT_FALSE(progress.CancelButton()->isVisible()) << "a send cannot be cancelled";
  EXPECT_FALSE(progress.CancelRequested());
  progress.Close();

  progress.ShowCancellable();
  EXPECT_TRUE(progress.CancelButton()->isVisible());
  EXPECT_TRUE(progress.isModal());
  EXPECT_FALSE(progress.CancelRequested());
  progress.CancelButton()->click();
  EXPECT_TRUE(progress.CancelRequested());
  progress.Close();
  EXPECT_FALSE(progress.isVisible());
  EXPECT_FALSE(progress.isModal());

  progress.ShowCancellable();
  EXPECT_FALSE(progress.CancelRequested()) << "each run starts uncancelled";
  QTest::keyClick(&progress, Qt::Key_Escape);
  EXPECT_TRUE(progress.CancelRequested()) << "Escape cancels";
  EXPECT_TRUE(progress.isVisible()) << "and the window stays until the run ends";
  progress.Close();
}

}  // namespace
}  // namespace ravlo
