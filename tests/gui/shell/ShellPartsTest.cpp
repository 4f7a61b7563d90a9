// The shell's pieces on their own: dialogs, settings, file queue, monitor, placement, and
// the claim that keeps one copy of the program running.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocalSocket>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "MonitorBackend.h"
#include "app/SingleInstance.h"
#include "drums/DrumSetups.h"
#include "instance/HandoverReader.h"
#include "messages/XgMessages.h"
#include "model/XgModel.h"
#include "shell/AboutDialog.h"
#include "shell/AppSettings.h"
#include "shell/DelayCalculatorDialog.h"
#include "shell/DevicesDialog.h"
#include "shell/FileOpenQueue.h"
#include "shell/GeneralOptionsDialog.h"
#include "shell/HelpWindow.h"
#include "shell/MonitorWindow.h"
#include "shell/ProcessingProgress.h"
#include "shell/QtPrompts.h"
#include "shell/SendDialog.h"
#include "shell/SoundOptionsDialog.h"
#include "shell/WindowPlacement.h"
#include "support/MemorySettings.h"
#include "support/ModalAnswerer.h"
#include "support/ModelRig.h"
#include "support/QtPrinters.h"
#include "support/RecordingPrompts.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

// OK clicked with a box out of range: the message, the focus stays; a good value goes.
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
  test::ModalAnswerer answerer(
      [](QWidget& box) { static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click(); });
  QTest::keyClick(tempo, Qt::Key_Tab);
  QTest::qWait(100);  // the window comes back from the message box
  ASSERT_EQ(answerer.All().size(), 1u);
  EXPECT_EQ(answerer.All()[0].text, "Please enter a number between 1 and 1000.");
  EXPECT_EQ(dialog.focusWidget(), tempo);
}

TEST(About, ShowsMemoryInMegabytesAndThePackagesVersion) {
  const AboutDialog::Memory memory{64ull << 20, 10ull << 20};
  EXPECT_EQ(AboutDialog::TotalText(memory), "65 Meg Total");
  EXPECT_EQ(AboutDialog::FreeText(memory), "10 Meg Free");
  EXPECT_GT(AboutDialog::PhysicalMemory().totalBytes, 0u);
  AboutDialog dialog;
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                  .match(dialog.findChild<QLabel*>("PackageVersion")->text())
                  .hasMatch());
}

TEST(GeneralOptions, FillsAndStoresTheSwitchesAndKeepsTheReceiveTimeoutInItsRange) {
  AppSettings settings;
  test::RecordingPrompts prompts;
  GeneralOptionsDialog dialog(settings, prompts);
  dialog.findChild<QCheckBox*>("WarnToSave")->setChecked(false);
  dialog.findChild<QCheckBox*>("ResetAdMixer")->setChecked(true);
  dialog.findChild<QCheckBox*>("KeepExtensions")->setChecked(true);
  auto& timeout = *dialog.findChild<EditSpinPair*>("ReceiveTimeout");
  EXPECT_EQ(timeout.Value(), 300);
  ClickOkWithAValueOutOfRange(
      dialog, *dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), timeout, "5",
      "750", prompts, "Please enter an integer between 10 and 10000.");
  dialog.Store(settings);
  EXPECT_FALSE(settings.warnToSave);
  EXPECT_TRUE(settings.resetAdMixer);
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
    EXPECT_TRUE(dialog.Choices().*box.choice);
    dialog.findChild<QPushButton*>("ClearCategories")->click();
    EXPECT_FALSE(dialog.Choices().*box.choice);
    dialog.findChild<QCheckBox*>(box.name)->setChecked(true);
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
  EXPECT_EQ(saving.Choices().delayMs, 0u) << "a save goes at no delay";
  SendDialog dialog(35, false, prompts);
  SendChoices choices = dialog.Choices();
  EXPECT_TRUE(choices.reset && choices.controllers.send && choices.drum2.nonDefaultOnly);
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
TEST(DevicesDialogWindow, ListsThePortsReturnsTheChoiceAndShowsHelpOnF1) {
  test::RecordingPrompts prompts;
  HelpWindow help;
  const std::vector<MidiPort> inputs{{0, "Synth Out"}, {3, "Ravlo Monitor"}};
  DevicesDialog dialog({{0, "Synth"}, {2, "Ravlo Monitor"}}, inputs, {2, 3, true, 3}, prompts,
                       help);
  auto* ports = dialog.findChild<QListWidget*>("Ports");
  ASSERT_EQ(ports->count(), 2);
  EXPECT_EQ(dialog.Chosen().port, 2) << "the remembered port is selected";
  ports->setCurrentRow(0);
  EXPECT_EQ(dialog.Chosen().port, 0);
  auto* list = dialog.findChild<QListWidget*>("InputPorts");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(dialog.Chosen().inPort, 3) << "the remembered input is selected";
  list->setCurrentRow(1);
  EXPECT_EQ(dialog.Chosen().inPort, 0);
  list->setCurrentRow(0);
  EXPECT_EQ(dialog.Chosen().inPort, -1);
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
  // F1 over a control shows that control's help topic.
  QTest::keyClick(none.findChild<EditSpinPair*>("UnitId")->Edit(), Qt::Key_F1);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.CurrentAnchor(), "topic-78250114");
  QTest::keyClick(none.findChild<QListWidget*>("InputPorts"), Qt::Key_F1);
  EXPECT_EQ(help.CurrentAnchor(), "topic-65667202");
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
}

TEST(ProcessingProgressWindow, OnlyACancellableRunHasACancelButtonAndItIsHeard) {
  ProcessingProgress progress;
  progress.Show();
  EXPECT_FALSE(progress.CancelButton()->isVisible()) << "a send cannot be cancelled";
  EXPECT_FALSE(progress.CancelRequested());
  progress.Close();

  progress.ShowCancellable();
  EXPECT_TRUE(progress.CancelButton()->isVisible());
  EXPECT_TRUE(progress.isModal());
  progress.CancelButton()->click();
  EXPECT_TRUE(progress.CancelRequested());
  progress.Close();
  EXPECT_FALSE(progress.isModal());

  progress.ShowCancellable();
  EXPECT_FALSE(progress.CancelRequested()) << "each run starts uncancelled";
  QTest::keyClick(&progress, Qt::Key_Escape);
  EXPECT_TRUE(progress.CancelRequested()) << "Escape cancels";
  EXPECT_TRUE(progress.isVisible()) << "and the window stays until the run ends";
  progress.Close();
}

// The other defaults show where the main bar starts on an empty store.
TEST(AppSettings, DefaultsRangesAndSwitchesAreRead) {
  test::MemorySettings store;
  const AppSettings settings = AppSettings::Read(store);
  EXPECT_TRUE(settings.sendReset);
  EXPECT_FALSE(settings.resetAdMixer);
  EXPECT_TRUE(settings.autoSendResetOnFileOpen);
  EXPECT_EQ(settings.receiveTimeout, 300);
  store.ints["ReceiveTimeout"] = 0;
  EXPECT_EQ(AppSettings::Read(store).receiveTimeout, AppSettings::kMinReceiveTimeout);
  store.ints["ReceiveTimeout"] = 99999;
  EXPECT_EQ(AppSettings::Read(store).receiveTimeout, AppSettings::kMaxReceiveTimeout);
  // A switch is on from one up, and written as one or zero.
  for (const auto& [stored, on] : {std::pair{0, false}, {-5, false}, {1, true}, {7, true}}) {
    store.ints["SendReset"] = stored;
    EXPECT_EQ(AppSettings::Read(store).sendReset, on) << stored;
  }
  AppSettings::Read(store).Write(store);
  EXPECT_EQ(store.ints["SendReset"], 1);
}

// Every value differs from its default, so a key not both written and read shows.
TEST(AppSettings, EveryKeyRoundTrips) {
  test::MemorySettings store;
  AppSettings written;
  written.midiOutPort = 3;
  written.midiOutPortName = "Synth";
  written.unitNumber = 9;
  written.delay = 250;
  written.sendReset = false;
  written.resetAdMixer = true;
  written.warnToSave = false;
  written.openWindowsOnFileOpen = false;
  written.autoSendResetOnFileOpen = false;
  written.midiInPort = 2;
  written.midiInPortName = "Synth Out";
  written.receiveTimeout = 750;
  written.recentFiles.Add("/songs/a.syx");
  written.recentFiles.Add("/songs/b.mid");
  written.Write(store);
  AppSettings::WriteWindowPos(store, "0,1,-1,-1,-1,-1,10,20,110,70");
  const AppSettings read = AppSettings::Read(store);
  test::MemorySettings again;
  read.Write(again);
  AppSettings::WriteWindowPos(again, *read.windowPos);
  EXPECT_EQ(again.ints, store.ints);
  EXPECT_EQ(again.strings, store.strings);
  EXPECT_EQ(store.strings["RecentFiles"], "/songs/b.mid\n/songs/a.syx");
  for (const char* key :
       {"MIDIOutPort", "UnitNumber", "Delay", "SendReset", "Reset A/D Mixer", "WarnToSave",
        "OpenWindowsOnFileOpen", "AutoSendResetOnFileOpen", "MIDIInPort", "ReceiveTimeout"}) {
    EXPECT_TRUE(store.ints.count(key)) << key;
  }
}

using Way = FileOpenQueue::Way;

TEST(FileOpenQueue, FilesWaitWhileAModalWindowIsUpThenOpenInOrder) {
  QStringList opened;
  FileOpenQueue queue([&](const QString& path, Way) { opened << path; });
  QDialog modal;
  qsizetype openedWhileModal = -1;
  QTimer::singleShot(0, &modal, [&] { queue.Add({"/a.syx", "/b.syx"}, Way::AsFileOpen); });
  QTimer::singleShot(400, &modal, [&] {
    openedWhileModal = opened.size();
    modal.accept();
  });
  modal.exec();
  EXPECT_EQ(openedWhileModal, 0) << "nothing opens under a modal window";
  ASSERT_TRUE(QTest::qWaitFor([&] { return queue.Empty(); }, 2000));
  EXPECT_EQ(opened, QStringList({"/a.syx", "/b.syx"}));
}

TEST(FileOpenQueue, FilesThatComeWhileOneOpensJoinTheEndOfTheLine) {
  QStringList opened;
  int depth = 0;
  int deepest = 0;
  std::vector<Way> ways;
  FileOpenQueue* queue = nullptr;
  FileOpenQueue line([&](const QString& path, Way way) {
    deepest = std::max(deepest, ++depth);
    opened << path;
    ways.push_back(way);
    if (path == "/a.syx") {
      queue->Add({"/dropped.q3v"}, Way::Dropped);
      QTest::qWait(20);  // as a message box would run the loop
    }
    --depth;
  });
  queue = &line;
  line.Add({"/a.syx", "/b.syx"}, Way::AsFileOpen);
  EXPECT_TRUE(opened.isEmpty()) << "never inside the caller";
  ASSERT_TRUE(QTest::qWaitFor([&] { return line.Empty(); }, 2000));
  EXPECT_EQ(opened, QStringList({"/a.syx", "/b.syx", "/dropped.q3v"}));
  EXPECT_EQ(ways, (std::vector<Way>{Way::AsFileOpen, Way::AsFileOpen, Way::Dropped}));
  EXPECT_EQ(deepest, 1) << "one at a time";
}

TEST(MonitorWindow, ListsWhatTheMonitorPortSentAndReceivedWithItsMeaning) {
  test::BasicModelRig<MonitorBackend> rig;
  XgModel& model = rig.model;
  MonitorWindow window(rig.backend, model);

  model.SetResetAdMixer(false);
  model.SendReset();
  model.Channels().SetController(MidiChannel::FromIndex(2), 5, 64);
  window.Refresh();
  const QString text = window.Text();
  EXPECT_TRUE(text.contains("F0 43 10 4C 00 00 7E 00 F7  System XG_System_On"));
  EXPECT_TRUE(text.contains("B2 5D 40  Control Change ch 3 93 64"));

  window.Refresh();
  EXPECT_EQ(window.Text(), text) << "what was shown is not listed twice";
  window.findChild<QPushButton*>("Clear")->click();
  EXPECT_TRUE(window.Text().isEmpty());
  EXPECT_TRUE(rig.backend.Messages().empty());

  // A request sent, and what the monitor answered.
  ASSERT_TRUE(model.Emit(BuildBulkDumpRequest(UnitNumber::FromValue(0), {0, 0, 0}).Bytes()));
  window.Refresh();
  const QString asked = window.Text();
  EXPECT_TRUE(asked.contains("-> F0 43 20 4C 00 00 00 F7  Dump Request 00 00 00"));
  EXPECT_TRUE(asked.contains("<- F0 43 00 4C 00 07 00 00 00 00 04 00 00 7F 00 40 36 F7  "));
}

const QRect kScreen(0, 0, 1920, 1080);

WindowPlacement::Surroundings Around(const QRect& bar, std::vector<QRect> open = {}) {
  return {bar, kScreen, std::move(open), 24};
}

// Beside the bar by the slot, pulled on screen, where it hides least of other title bars.
TEST(WindowPlacement, AnEditorGoesBesideTheMainBarInSightAndClearOfTitleBars) {
  using Slot = EditorSlot;
  const QRect bar(600, 500, 400, 80);
  const QRect top(0, 0, 400, 80);
  const QRect low(20, 500, 400, 80), corner(1700, 1000, 200, 60), high(600, 0, 400, 80);
  const QRect square(0, 0, 400, 400), lower(0, 80, 400, 320);
  const QRect flat(0, 0, 400, 300), rest(0, 80, 400, 220);
  const QSize size(300, 200);
  struct Case {
    const char* why;
    EditorSlot slot;
    QSize size;
    WindowPlacement::Surroundings around;
    QPoint at;
  };
  const auto within = [&](const QRect& screen, const QRect& open) {
    return WindowPlacement::Surroundings{top, screen, {open}, 24};
  };
  const Case cases[] = {
      {"above by its slot", Slot::Controllers, size, Around(bar), {600, 300}},
      {"below by its slot", Slot::Reverb, size, Around(bar), {700, 580}},
      {"left edge, below the bar", Slot::ChannelVoice, {300, 400}, Around(low), {0, 580}},
      {"in from the right and bottom", Slot::DrumSets, size, Around(corner), {1600, 800}},
      {"a bar at the top: below it", Slot::Controllers, size, Around(high), {600, 80}},
      {"too wide: its title bar on it", Slot::Part, {2000, 100}, Around(top), {0, 140}},
      {"cascade, title seen", Slot::Chorus, size, Around(bar, {{700, 580, 300, 200}}), {700, 600}},
      {"the other's place", Slot::Review, size, Around(bar, {{300, 500, 300, 200}}), {300, 300}},
      {"beside the one below", Slot::UserVoice, size, Around(top, {{0, 80, 300, 200}}), {300, 80}},
      {"over the other, title shown", Slot::Reverb, {400, 300}, within(square, lower), {0, 100}},
      {"no room: the bar uncovered", Slot::Controllers, {400, 220}, within(flat, rest), {0, 80}}};
  for (const Case& placing : cases) {
    SCOPED_TRACE(placing.why);
    EXPECT_EQ(WindowPlacement::PlaceEditor(placing.slot, placing.size, placing.around), placing.at);
  }
}

TEST(WindowPlacement, AnEditorKeepsOffTheMixerWhereThereIsRoom) {
  const QRect bar(600, 500, 400, 80);
  const QRect mixer(0, 0, 1920, 480);
  const QRect controllers(WindowPlacement::PlaceEditor(EditorSlot::Controllers, QSize(300, 200),
                                                       Around(bar, {mixer}), mixer),
                          QSize(300, 200));
  EXPECT_FALSE(controllers.intersects(mixer)) << testing::PrintToString(controllers);
  EXPECT_FALSE(controllers.intersects(bar));
}

TEST(WindowPlacement, WindowsALoadOpensAreTiledInTheFreeArea) {
  WindowPlacement::Surroundings around = Around(QRect(0, 0, 400, 80));
  const QSize size(700, 300);
  for (int window = 0; window < 6; ++window) {
    const std::optional<QPoint> at = WindowPlacement::TileEditor(size, around);
    ASSERT_TRUE(at) << window;
    const QRect frame(*at, size);
    EXPECT_TRUE(kScreen.contains(frame));
    EXPECT_FALSE(frame.intersects(around.mainBar));
    for (const QRect& open : around.open) EXPECT_FALSE(frame.intersects(open)) << window;
    around.open.push_back(frame);
  }
  EXPECT_EQ(around.open.front().topLeft(), QPoint(400, 0)) << "the first beside the bar";
  EXPECT_FALSE(WindowPlacement::TileEditor(size, around)) << "no free place left";
}

TEST(WindowPlacement, TheSavedPlacementIsTenNumbers) {
  const WindowPlacement::Saved saved{1, QRect(QPoint(10, 20), QPoint(109, 69))};
  const QString text = WindowPlacement::Format(saved);
  EXPECT_EQ(text, "0,1,-1,-1,-1,-1,10,20,110,70");
  const auto parsed = WindowPlacement::Parse(text);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->normal, saved.normal);
  for (const char* broken : {"1,2,3", "0,1,-1,-1,-1,-1,10,20,110,x", ""}) {
    EXPECT_FALSE(WindowPlacement::Parse(broken)) << broken;
  }
}

QString UniquePath(const QString& tag = {}) {
  return QDir::tempPath() +
         QStringLiteral("/RavloTest-%1%2").arg(QCoreApplication::applicationPid()).arg(tag);
}

TEST(SingleInstance, ASecondStartAsksTheFirstToComeForwardAndEnds) {
  SingleInstance first(UniquePath());
  ASSERT_TRUE(first.Claim());
  QSignalSpy activated(&first, &SingleInstance::ActivationRequested);
  QSignalSpy opened(&first, &SingleInstance::OpenRequested);

  SingleInstance second(UniquePath());
  EXPECT_FALSE(second.Claim()) << "only one copy runs";
  EXPECT_TRUE(QTest::qWaitFor([&] { return activated.count() == 1; }, 3000));
  QCoreApplication::processEvents();
  EXPECT_EQ(opened.count(), 0) << "no files, no open";

  // A start after the first ended is a first start again.
  {
    SingleInstance ended(UniquePath("-b"));
    ASSERT_TRUE(ended.Claim());
  }
  SingleInstance again(UniquePath("-b"));
  EXPECT_TRUE(again.Claim());
}

TEST(SingleInstance, AConnectionThatBreaksABoundOrTakesTooLongOpensNothing) {
  SingleInstance running(UniquePath("-c"), nullptr, 300);
  ASSERT_TRUE(running.Claim());
  QSignalSpy opened(&running, &SingleInstance::OpenRequested);
  const std::string tooLong = "open " + std::string(HandoverReader::kMaxLineBytes, 'x') + "\n";
  for (const std::string& bytes : {tooLong + "activate\n", std::string("open /a\n")}) {
    QLocalSocket client;
    client.connectToServer(UniquePath("-c"));
    ASSERT_TRUE(client.waitForConnected(1000));
    client.write(bytes.data(), static_cast<qint64>(bytes.size()));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }, 3000))
        << "dropped";
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(opened.count(), 0);
}

TEST(SingleInstance, TheSocketLivesWhereOnlyTheUserCanEnter) {
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  const QString title = QStringLiteral("RavloTest%1").arg(QCoreApplication::applicationPid());
  const QString runtime = UniquePath("-runtime");
  QDir().mkpath(runtime);
  ::chmod(QFile::encodeName(runtime).constData(), 0700);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
  const QString name = QStringLiteral("/%1-%2.socket").arg(title).arg(::getuid());
  EXPECT_EQ(SingleInstance::SocketPath(title), runtime + name);
  // A runtime directory others may enter is not used; a private one of its own is made.
  ::chmod(QFile::encodeName(runtime).constData(), 0777);
  const QString own = QDir::tempPath() + QStringLiteral("/%1-%2").arg(title).arg(::getuid());
  EXPECT_EQ(SingleInstance::SocketPath(title), own + name);
  struct stat status {};
  ASSERT_EQ(::lstat(QFile::encodeName(own).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
  // Where that one was opened to others, no copy meets another.
  ::chmod(QFile::encodeName(own).constData(), 0755);
  EXPECT_EQ(SingleInstance::SocketPath(title), QString());
  qputenv("XDG_RUNTIME_DIR", saved);
  QDir(runtime).removeRecursively();
  QDir(own).removeRecursively();
}

}  // namespace
}  // namespace ravlo
