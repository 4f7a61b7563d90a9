#include "shell/MainBar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "MonitorBackend.h"
#include "MonitorSound.h"
#include "editors/CControllersDlg.h"
#include "editors/CDisplayTextDlg.h"
#include "editors/CDrumSetsDlg.h"
#include "editors/CPartDlg.h"
#include "editors/CSystemControlDlg.h"
#include "effects/CChorusDlg.h"
#include "effects/CInsertionDlg.h"
#include "effects/CMultiEqDlg.h"
#include "effects/CReverbDlg.h"
#include "effects/CVariationDlg.h"
#include "files/SysexFile.h"
#include "history/EditHistory.h"
#include "intake/SysexIntake.h"
#include "midi/MidiInDevice.h"
#include "midi/MidiOutDevice.h"
#include "mixer/MixerWindow.h"
#include "model/XgModel.h"
#include "piano/KeyboardPiano.h"
#include "piano/LockKeys.h"
#include "piano/PianoIndicator.h"
#include "piano/PianoKeyFilter.h"
#include "piano/PianoKeyboardWindow.h"
#include "platform/UserPrompts.h"
#include "receive/InstrumentProbe.h"
#include "receive/ReceiveReport.h"
#include "shell/AboutDialog.h"
#include "shell/AppIcons.h"
#include "shell/DelayCalculatorDialog.h"
#include "shell/EditorDialog.h"
#include "shell/FileDropFilter.h"
#include "shell/GeneralOptionsDialog.h"
#include "shell/HelpWindow.h"
#include "shell/MonitorWindow.h"
#include "shell/ProcessingProgress.h"
#include "shell/ReviewWindow.h"
#include "shell/WindowPlacement.h"
#include "uservoice/CUserVoiceDlg.h"
#include "voices/CChannelVoiceDlg.h"
#include "voices/CPartVoiceDlg.h"
#include "widgets/Buttons.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

struct SlotInfo {
  const char* button;      // the main bar button's text, or null
  const char* objectName;  // for tests and the Window menu
  const char* activate;    // the Window menu entry
};

constexpr std::array<SlotInfo, kEditorSlotCount> kSlots{{
    {nullptr, "MainBar", nullptr},
    {"Co&ntrol", "Control", "Activate Co&ntrollers"},
    {"S&ystem", "System", "Activate S&ystem Control"},
    {"Voic&e", "Voice", "Activate Channel Voic&e"},
    {"Rever&b", "Reverb", "Activate Rever&b"},
    {"&Chorus", "Chorus", "Activate &Chorus"},
    {"&Var", "Var", "Activate &Variation"},
    {"&Part", "Part", "Activate &Part"},
    {"&Drums", "Drums", "Activate &Drum Sets"},
    {"&User", "User", "Activate &User Voice"},
    {nullptr, "Mixer", "&Mixer"},
    {nullptr, "Review", "Activate Revie&w"},
    {"Ins F&X", "Insertion", "Activate &Insertion"},
    {"E&Q", "MultiEq", "Activate Multi E&Q"},
    {"Disp&lay", "DisplayText", "Activate Disp&lay Text"},
}};

constexpr const char* kCannotOpenPort = "Cannot open MIDI Out device";
constexpr const char* kCannotOpenInput = "Cannot open MIDI In device";

// Port lists change between runs: where the stored index now names another
// port, the port that still has the stored name is the one meant.
int StoredPort(const std::vector<MidiPort>& ports, int index, const std::string& name) {
  if (name.empty()) return index;
  int byName = -1;
  for (const MidiPort& port : ports) {
    if (port.name != name) continue;
    if (port.index == index) return index;
    if (byName < 0) byName = port.index;
  }
  return byName >= 0 ? byName : index;
}

std::string NameOf(const std::vector<MidiPort>& ports, int index) {
  for (const MidiPort& port : ports) {
    if (port.index == index) return port.name;
  }
  return {};
}

}  // namespace

MainBar::MainBar(const ShellServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setWindowIcon(AppIcons::Application());
  settings_ = AppSettings::Read(services_.settings);
  device_ = std::make_unique<MidiOutDevice>(services_.midi, services_.prompts);
  if (services_.midiIn != nullptr) {
    input_ = std::make_unique<MidiInDevice>(*services_.midiIn, services_.prompts);
  }
  model_ = std::make_unique<XgModel>(*device_, *this, services_.pauser,
                                     UnitNumber::FromValue(settings_.unitNumber));
  initialised_ = model_->Initialise();
  if (!initialised_) return;
  model_->SetResetAdMixer(settings_.resetAdMixer);
  model_->SetInstrument(settings_.instrument);

  progress_ = std::make_unique<ProcessingProgress>();
  intake_ = std::make_unique<SysexIntake>(*model_, services_.prompts, *progress_, *this);
  intake_->SetKeepExtensions(settings_.keepExtensions);
  file_ = std::make_unique<SysexFile>(*model_, *intake_, services_.prompts, services_.settings);
  help_ = std::make_unique<HelpWindow>();
  BuildEditors();
  BuildWindow();
  BuildMenus();
  ShowInstrument();
  openQueue_ = std::make_unique<FileOpenQueue>(
      [this](const QString& path, FileOpenQueue::Way way) { OpenQueued(path, way); });
  dropFilter_ = std::make_unique<FileDropFilter>(
      [this](const QStringList& paths) { OpenDroppedFiles(paths); });
  dropFilter_->Watch(this);
  for (EditorDialog* editor : editors_) {
    if (editor != nullptr) dropFilter_->Watch(editor);
  }
  dropFilter_->Watch(help_.get());
  if (settings_.mixerPos) mixerPlacement_ = WindowPlacement::Parse(ToQString(*settings_.mixerPos));
  if (settings_.windowPos) {
    if (const auto placement =
            WindowPlacement::Parse(QString::fromStdString(*settings_.windowPos))) {
      WindowPlacement::Apply(*this, *placement);
    }
  }
  UpdateTitle();
  // The editor the musician brings forward lies above the others.
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
    if (window == nullptr) return;
    for (const EditorSlot open : stacking_) {
      if (Editor(open)->windowHandle() == window) {
        PutOnTop(open);
        return;
      }
    }
  });
}

MainBar::~MainBar() {
  Shutdown();
}

void MainBar::BuildEditors() {
  // The editor objects live for the whole run; their windows come and go.
  controllers_ = std::make_unique<CControllersDlg>(*model_, *this);
  system_ = std::make_unique<CSystemControlDlg>(*model_, *this);
  channelVoice_ = std::make_unique<CChannelVoiceDlg>(*model_, *this);
  part_ = std::make_unique<CPartDlg>(*model_, *this);
  drums_ = std::make_unique<CDrumSetsDlg>(*model_, *this);
  reverb_ = std::make_unique<CReverbDlg>(*model_, *this);
  chorus_ = std::make_unique<CChorusDlg>(*model_, *this);
  variation_ = std::make_unique<CVariationDlg>(*model_, *this);
  userVoice_ = std::make_unique<CUserVoiceDlg>(*model_, *this, services_.prompts);
  insertion_ = std::make_unique<CInsertionDlg>(*model_, *this);
  multiEq_ = std::make_unique<CMultiEqDlg>(*model_, *this);
  displayText_ = std::make_unique<CDisplayTextDlg>(*model_, *this);
  mixer_ = std::make_unique<MixerWindow>(*model_, *this);
  review_ = std::make_unique<ReviewWindow>(*this);
  userVoice_->SetSaveNameChooser([this]() -> std::optional<std::string> {
    const PianoPause pause(*this);
    if (!file_->ChooseSaveName(CUserVoiceDlg::kSaveTitle, "")) return std::nullopt;
    return file_->CurrentPath();
  });
  // The browser opens at the voice the part has in use.
  const auto chooseVoice = [this](QWidget* parent, PartIndex part) -> std::optional<int> {
    CPartVoiceDlg browser(model_->Instrument(), parent);
    browser.SetSound(services_.sound);
    const int inUse = model_->Parts().PartVoiceName(part).index;
    return browser.Choose(inUse >= 0 ? std::optional<int>(inUse) : std::nullopt);
  };
  part_->SetVoiceChooser([this, chooseVoice] {
    return chooseVoice(part_.get(), PartIndex::FromIndex(part_->ShownPart()));
  });
  mixer_->SetVoiceChooser(
      [this, chooseVoice](PartIndex part) { return chooseVoice(mixer_.get(), part); });
  part_->SetSound(services_.sound);
  mixer_->SetSound(services_.sound);
  channelVoice_->SetSound(services_.sound);
  const auto put = [this](EditorSlot slot, EditorDialog* editor) {
    editors_[static_cast<std::size_t>(slot)] = editor;
  };
  put(EditorSlot::Controllers, controllers_.get());
  put(EditorSlot::SystemControl, system_.get());
  put(EditorSlot::ChannelVoice, channelVoice_.get());
  put(EditorSlot::Part, part_.get());
  put(EditorSlot::DrumSets, drums_.get());
  put(EditorSlot::Reverb, reverb_.get());
  put(EditorSlot::Chorus, chorus_.get());
  put(EditorSlot::Variation, variation_.get());
  put(EditorSlot::UserVoice, userVoice_.get());
  put(EditorSlot::Mixer, mixer_.get());
  put(EditorSlot::Review, review_.get());
  put(EditorSlot::Insertion, insertion_.get());
  put(EditorSlot::MultiEq, multiEq_.get());
  put(EditorSlot::DisplayText, displayText_.get());

  piano_ = std::make_unique<KeyboardPiano>(*device_, services_.pauser);
  piano_->SetListener(this);
  pianoFilter_ = std::make_unique<PianoKeyFilter>(*piano_);
  // It plays over the bar and the editors, their number boxes included.
  pianoFilter_->SetPlaysOver(
      [this](const QWidget& window) { return &window == this || IsEditorWindow(&window); });
}

bool MainBar::IsEditorWindow(const QWidget* window) const {
  return std::any_of(editors_.begin(), editors_.end(),
                     [window](const EditorDialog* editor) { return editor == window; });
}

void MainBar::BuildWindow() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setSpacing(4);
  int column = 0;
  // The Extended model's buttons follow Send, Review and Reset below.
  int extendedColumn = 3;
  for (int slot = 1; slot < kEditorSlotCount; ++slot) {
    const SlotInfo& info = kSlots[static_cast<std::size_t>(slot)];
    if (info.button == nullptr) continue;
    auto* button = MakeButton(ToQString(info.button), ToQString(info.objectName), central);
    buttons_[static_cast<std::size_t>(slot)] = button;
    if (ServesExtendedModel(static_cast<EditorSlot>(slot))) {
      grid->addWidget(button, 1, extendedColumn++);
    } else {
      grid->addWidget(button, 0, column++);
    }
    connect(button, &QPushButton::clicked, this,
            [this, slot] { OpenEditor(static_cast<EditorSlot>(slot)); });
  }
  auto* send = MakeButton(QStringLiteral("&Send"), QStringLiteral("Send"), central);
  auto* review = MakeButton(QStringLiteral("Revie&w"), QStringLiteral("ReviewButton"), central);
  auto* reset = MakeButton(QStringLiteral("&Reset"), QStringLiteral("Reset"), central);
  grid->addWidget(send, 1, 0);
  grid->addWidget(review, 1, 1);
  grid->addWidget(reset, 1, 2);
  connect(send, &QPushButton::clicked, this, &MainBar::SendCommand);
  connect(review, &QPushButton::clicked, this, &MainBar::ReviewCommand);
  connect(reset, &QPushButton::clicked, this, [this] { ResetCommand(); });
  pianoIndicator_ = new QLabel(central);
  pianoIndicator_->setObjectName(QStringLiteral("PianoIndicator"));
  pianoIndicatorBlink_ = new PianoIndicator(pianoIndicator_, 24, this);
  grid->addWidget(pianoIndicator_, 1, column - 1, Qt::AlignRight);
  setCentralWidget(central);
}

void MainBar::BuildMenus() {
  BuildFileMenu();
  BuildEditMenu();

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  options->addAction(QStringLiteral("&Devices"), this, &MainBar::DevicesCommand);
  pianoAction_ = options->addAction(QStringLiteral("&Piano"));
  pianoAction_->setObjectName(QStringLiteral("PianoAction"));
  pianoAction_->setToolTip(QStringLiteral("Play notes from Computer Keyboard"));
  pianoAction_->setCheckable(true);
  connect(pianoAction_, &QAction::triggered, this, &MainBar::PianoCommand);
  // Where the lock keys' states cannot be read, the same toggles are here.
  if (!LockKeys::CanReadPlatform()) {
    options->addAction(pianoFilter_->Locks().CapsLockAction());
    options->addAction(pianoFilter_->Locks().ScrollLockAction());
  }
  options->addAction(QStringLiteral("D&elay"), this, &MainBar::DelayCommand);
  options->addAction(QStringLiteral("&General"), this, &MainBar::GeneralCommand);
  if (services_.monitor != nullptr) {
    options->addAction(QStringLiteral("&Monitor"), this, &MainBar::MonitorCommand);
  }
  if (services_.sound != nullptr) {
    options->addAction(QStringLiteral("&Sound"), this, &MainBar::SoundCommand);
  }

  // "Revie&w" has W; the menu gives way.
  windowMenu_ = menuBar()->addMenu(QStringLiteral("W&indow"));
  windowMenu_->setObjectName(QStringLiteral("WindowMenu"));
  windowMenu_->addAction(QStringLiteral("&Activate All"), this, &MainBar::ActivateAll);
  for (int slot = 1; slot < kEditorSlotCount; ++slot) {
    const auto editorSlot = static_cast<EditorSlot>(slot);
    const SlotInfo& info = kSlots[static_cast<std::size_t>(slot)];
    QString text = ToQString(info.activate);
    // Its key is the ProgramKeysFilter's, in every window.
    if (editorSlot == EditorSlot::Mixer) {
      text += '\t' + QKeySequence(Qt::CTRL | Qt::Key_M).toString(QKeySequence::NativeText);
    }
    QAction* entry =
        windowMenu_->addAction(text, this, [this, editorSlot] { ActivateEditor(editorSlot); });
    entry->setObjectName(ToQString(info.objectName) + QStringLiteral("Entry"));
    entry->setCheckable(true);
    windowActions_[static_cast<std::size_t>(slot)] = entry;
  }
  windowMenu_->addAction(QStringLiteral("&Close All"), this, &MainBar::CloseAll);
  connect(windowMenu_, &QMenu::aboutToShow, this, &MainBar::ShowOpenWindows);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&Help Contents"), this, &MainBar::HelpContentsCommand);
  help->addAction(QStringLiteral("&About"), this, &MainBar::AboutCommand);
}

void MainBar::UpdateTitle() {
  QString title = kApplicationTitle;
  if (!fileName_.isEmpty()) title += QStringLiteral(" -- ") + fileName_;
  if (modified_) title += '*';
  setWindowTitle(title);
  if (saveAction_ != nullptr) ShowSaveState();
}

bool MainBar::SaveEnabled() const {
  return modified_ && !filePath_.isEmpty() && savable_;
}

void MainBar::SetFile(const QString& path) {
  filePath_ = path;
  const qsizetype slash = path.lastIndexOf('/');
  fileName_ = slash >= 0 ? path.mid(slash + 1) : path;
}

// --- Start and end ------------------------------------------------------------

void MainBar::Start() {
  OpenInputAtStart();
  if (settings_.midiOutPort < 0) {
    DevicesCommand();
  } else if (OpenPortAtStart()) {
    FollowOutputWithSound();
    if (settings_.sendReset) model_->SendReset();
  } else {
    services_.prompts.ShowMessage(kCannotOpenPort, MessageIcon::Stop);
  }
}

bool MainBar::OpenPortAtStart() {
  const int index = StoredPort(device_->Ports(), settings_.midiOutPort, settings_.midiOutPortName);
  if (!device_->Open(index)) {
    selectedPort_ = -1;
    return false;
  }
  selectedPort_ = index;
  return true;
}

void MainBar::OpenInputAtStart() {
  // No input chosen (or none to be had): everything works as without one.
  if (input_ == nullptr || settings_.midiInPort < 0) return;
  const int index = StoredPort(input_->Ports(), settings_.midiInPort, settings_.midiInPortName);
  if (input_->Open(index)) {
    selectedInPort_ = index;
  } else {
    services_.prompts.ShowMessage(kCannotOpenInput, MessageIcon::Stop);
  }
}

std::string MainBar::InputPortName() {
  const std::string name = input_ ? NameOf(input_->Ports(), selectedInPort_) : std::string();
  return name.empty() ? "(none)" : name;
}

void MainBar::Shutdown() {
  if (shutDown_ || !initialised_) return;
  shutDown_ = true;
  settings_.midiOutPort = selectedPort_;
  settings_.unitNumber = model_->Unit().Value();
  settings_.resetAdMixer = model_->ResetAdMixer();
  settings_.instrument = model_->Instrument();
  if (mixer_->IsOpen()) mixerPlacement_ = WindowPlacement::Read(*mixer_);
  if (mixerPlacement_) {
    settings_.mixerPos = WindowPlacement::Format(*mixerPlacement_).toStdString();
  }
  settings_.midiOutPortName = NameOf(device_->Ports(), selectedPort_);
  settings_.midiInPort = selectedInPort_;
  settings_.midiInPortName = input_ ? NameOf(input_->Ports(), selectedInPort_) : std::string();
  settings_.Write(services_.settings);
  // The windows go while they are whole: an editor destroyed while shown
  // hides itself after its own part is gone, and a box of it losing the
  // focus then would commit into a destroyed window.
  for (EditorDialog* editor : editors_) {
    if (editor != nullptr) editor->hide();
  }
  // The step player must not outlive the port it plays on.
  pianoFilter_->Remove();
  if (keyboard_) keyboard_->hide();
  piano_->Stop();
  if (services_.sound != nullptr) services_.sound->Stop();
  device_->Close();
  if (input_) input_->Close();
  AppSettings::WriteWindowPos(services_.settings,
                              WindowPlacement::Format(WindowPlacement::Read(*this)).toStdString());
}

void MainBar::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    CommitOpenEditors();
    if (!SavePrompt(true)) {
      event->ignore();
      return;
    }
  }
  // The mixer's place is kept for the next run before the windows go.
  if (mixer_->IsOpen()) mixerPlacement_ = WindowPlacement::Read(*mixer_);
  for (EditorDialog* editor : editors_) {
    if (editor != nullptr) editor->hide();
  }
  if (monitor_) monitor_->hide();
  help_->hide();
  progress_->hide();
  Shutdown();
  event->accept();
}

void MainBar::ExitCommand() {
  CommitOpenEditors();
  if (!SavePrompt(false)) return;
  closing_ = true;
  close();
  closing_ = false;
}

// --- Keys ---------------------------------------------------------------------

void MainBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;  // the main bar never closes on Escape
  QMainWindow::keyPressEvent(event);
}

// --- Window table -------------------------------------------------------------

EditorDialog* MainBar::Editor(EditorSlot slot) const {
  return editors_[static_cast<std::size_t>(slot)];
}

QPushButton* MainBar::Button(EditorSlot slot) const {
  return buttons_[static_cast<std::size_t>(slot)];
}

bool MainBar::ServesExtendedModel(EditorSlot slot) {
  return slot == EditorSlot::Insertion || slot == EditorSlot::MultiEq ||
         slot == EditorSlot::DisplayText;
}

bool MainBar::Available(EditorSlot slot) const {
  return Editor(slot) != nullptr && (!ServesExtendedModel(slot) || model_->IsExtended());
}

void MainBar::ShowInstrument() {
  const bool extended = model_->IsExtended();
  // The synthesizer behind the built-in port stands for the same instrument.
  if (services_.monitor != nullptr) services_.monitor->SetInstrument(model_->Instrument());
  for (int slot = 1; slot < kEditorSlotCount; ++slot) {
    const auto editorSlot = static_cast<EditorSlot>(slot);
    if (!ServesExtendedModel(editorSlot)) continue;
    if (QPushButton* button = Button(editorSlot)) button->setVisible(extended);
    if (QAction* action = windowActions_[static_cast<std::size_t>(slot)]) {
      action->setVisible(extended);
    }
    if (!extended) Editor(editorSlot)->CloseWindow();
  }
}

std::optional<InstrumentModel> MainBar::AskInstrument(int outPort, int inPort) {
  // The question goes through the ports the Devices dialog shows chosen; the ports in use come
  // back after it, as the dialog may yet be cancelled.
  const int outInUse = device_->CurrentIndex();
  const int inInUse = input_ ? input_->CurrentIndex() : -1;
  const bool otherOut = outPort >= 0 && outPort != outInUse;
  const bool otherIn = input_ && inPort != inInUse;
  if (otherOut) device_->Open(outPort);
  if (otherIn) input_->Open(inPort);
  const std::optional<InstrumentModel> model = AskInstrumentInUse();
  if (otherOut) {
    if (outInUse >= 0) {
      device_->Open(outInUse);
    } else {
      device_->Close();
    }
  }
  if (otherIn) input_->Open(inInUse);
  return model;
}

std::optional<InstrumentModel> MainBar::AskInstrumentInUse() {
  if (input_ == nullptr || !input_->IsOpen()) {
    services_.prompts.ShowMessage(NoInputPortText(model_->Unit()), MessageIcon::Information);
    return std::nullopt;
  }
  const InstrumentAnswer answer = ravlo::AskInstrument(
      *model_, input_->Queue(), services_.pauser, static_cast<unsigned>(settings_.receiveTimeout));
  if (!answer.identity) {
    services_.prompts.ShowMessage(NoAnswerText(InputPortName(), model_->Unit()),
                                  MessageIcon::Warning);
    return std::nullopt;
  }
  std::string text = "The synthesizer answers: ";
  text += DescribeIdentity(*answer.identity);
  text += ".";
  if (answer.model == InstrumentModel::Extended) {
    text += "\nIt holds the later instruments' blocks: the Extended model suits it.";
  } else if (answer.model == InstrumentModel::Basic) {
    text += "\nIt does not hold the later instruments' blocks: the Basic model suits it.";
  }
  services_.prompts.ShowMessage(text, MessageIcon::Information);
  return answer.model;
}

bool MainBar::OpenEditor(EditorSlot slot) {
  return OpenEditorPlaced(slot, Placing::Beside);
}

bool MainBar::OpenEditorPlaced(EditorSlot slot, Placing placing) {
  EditorDialog* editor = Editor(slot);
  if (editor == nullptr || !Available(slot)) return false;
  if (editor->IsOpen()) {
    WindowPlacement::BringForward(*editor);
    return true;
  }
  return editor->OpenWindow([this, editor, slot, placing] { PlaceEditor(*editor, slot, placing); });
}

void MainBar::PlaceEditor(EditorDialog& editor, EditorSlot slot, Placing placing) {
  if (slot == EditorSlot::Mixer && mixerPlacement_) {
    WindowPlacement::Apply(editor, *mixerPlacement_);
    PutOnTop(slot);
    return;
  }
  editor.adjustSize();
  // A window shown for the first time has no frame yet; the window manager
  // will give it the main bar's, where it was moved to.
  const QMargins barFrame = WindowPlacement::FrameMargins(*this);
  const auto frameOf = [&barFrame](const QWidget& window) {
    if (window.frameGeometry() != window.geometry()) return window.frameGeometry();
    return QRect(window.geometry().topLeft(), window.size().grownBy(barFrame));
  };
  WindowPlacement::Surroundings around;
  around.mainBar = frameGeometry();
  around.available = screen() != nullptr ? screen()->availableGeometry() : QRect();
  for (const EditorSlot open : stacking_) {
    if (open != slot) around.open.push_back(frameOf(*Editor(open)));
  }
  // The mixer's strips are all controls: no editor covers them where there is room.
  std::optional<QRect> keepClear;
  if (mixer_->IsOpen() && slot != EditorSlot::Mixer) keepClear = frameOf(*mixer_);
  around.titleBar = std::max(barFrame.top(), style()->pixelMetric(QStyle::PM_TitleBarHeight));
  const QSize size = frameOf(editor).size();
  std::optional<QPoint> at;
  if (placing == Placing::Tiled) at = WindowPlacement::TileEditor(size, around);
  // The frame goes where asked: the window itself lies inside it.
  editor.move(at.value_or(WindowPlacement::PlaceEditor(slot, size, around, keepClear)));
  PutOnTop(slot);
}

void MainBar::PutOnTop(EditorSlot slot) {
  std::erase(stacking_, slot);
  stacking_.push_back(slot);
}

void MainBar::ActivateEditor(EditorSlot slot) {
  OpenEditor(slot);
}

void MainBar::ShowOpenWindows() {
  for (int slot = 1; slot < kEditorSlotCount; ++slot) {
    const EditorDialog* editor = Editor(static_cast<EditorSlot>(slot));
    windowActions_[static_cast<std::size_t>(slot)]->setChecked(editor != nullptr &&
                                                               editor->IsOpen());
  }
  for (QAction* entry : otherWindowActions_) delete entry;
  otherWindowActions_.clear();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = window->windowType();
    if (window == this || !window->isVisible() || window->isModal() || IsEditorWindow(window) ||
        (type != Qt::Window && type != Qt::Dialog)) {
      continue;
    }
    if (otherWindowActions_.empty()) otherWindowActions_.push_back(windowMenu_->addSeparator());
    QString title = window->windowTitle();
    QAction* entry = windowMenu_->addAction(title.replace('&', QStringLiteral("&&")));
    entry->setCheckable(true);
    entry->setChecked(true);
    const QPointer<QWidget> shown(window);
    connect(entry, &QAction::triggered, this, [shown] {
      if (shown) WindowPlacement::BringForward(*shown);
    });
    otherWindowActions_.push_back(entry);
  }
}

void MainBar::ActivateAll() {
  // The block editors; the mixer, as wide as a screen, would bury them.
  for (int slot = 1; slot < kEditorSlotCount; ++slot) {
    const auto editorSlot = static_cast<EditorSlot>(slot);
    if (editorSlot != EditorSlot::Mixer && Available(editorSlot)) ActivateEditor(editorSlot);
  }
}

void MainBar::CloseAll() {
  for (int slot = 1; slot < kEditorSlotCount; ++slot) {
    if (EditorDialog* editor = Editor(static_cast<EditorSlot>(slot))) editor->CloseWindow();
  }
}

void MainBar::EditorClosed(EditorSlot slot) {
  if (slot == EditorSlot::Mixer) mixerPlacement_ = WindowPlacement::Read(*mixer_);
  std::erase(stacking_, slot);
}

bool MainBar::ActivateNext(QWidget* window) {
  int from = 0;
  for (int slot = 1; slot < kEditorSlotCount; ++slot) {
    if (Editor(static_cast<EditorSlot>(slot)) == window) from = slot;
  }
  if (from == 0 && window != this) return false;  // a dialog, the help
  for (int step = 1; step < kEditorSlotCount; ++step) {
    const int slot = (from + step) % kEditorSlotCount;
    QWidget* next = slot == 0 ? static_cast<QWidget*>(this) : Editor(static_cast<EditorSlot>(slot));
    if (next == nullptr || !next->isVisible()) continue;
    WindowPlacement::BringForward(*next);
    return true;
  }
  return false;
}

void MainBar::MarkModified() {
  if (modified_) return;
  modified_ = true;
  UpdateTitle();
}

// --- Small dialogs --------------------------------------------------------------

void MainBar::DevicesCommand() {
  const DevicesDialog::Choice current{selectedPort_, model_->Unit().Value(), settings_.sendReset,
                                      selectedInPort_, model_->Instrument()};
  const std::vector<MidiPort> ports = device_->Ports();
  const std::vector<MidiPort> inputs = input_ ? input_->Ports() : std::vector<MidiPort>();
  std::optional<DevicesDialog::Choice> chosen;
  if (runDevicesDialog_) {
    chosen = runDevicesDialog_(ports, inputs, current);
  } else {
    DevicesDialog dialog(ports, inputs, current, services_.prompts, *help_, this,
                         [this](const DevicesDialog::Choice& selected) {
                           return AskInstrument(selected.port, selected.inPort);
                         });
    if (RunModally(dialog) == QDialog::Accepted) chosen = dialog.Chosen();
  }
  if (!chosen) return;
  // A new port with Send Reset on resets the synthesizer there: the question
  // comes before anything changes, so that Cancel keeps the old port in use
  // and the synthesizer and Ravlo holding the same.
  const bool resetsThere = chosen->port != selectedPort_ && chosen->sendReset;
  if (resetsThere) {
    CommitOpenEditors();
    if (!SavePrompt(false, kSaveBeforePortReset)) return;
  }
  if (chosen->unitNumber != model_->Unit().Value())
    model_->SetUnitNumber(UnitNumber::FromValue(chosen->unitNumber));
  settings_.sendReset = chosen->sendReset;
  if (chosen->instrument != model_->Instrument()) {
    // The blocks the image holds change: no step leads back across that.
    model_->SetInstrument(chosen->instrument);
    settings_.instrument = chosen->instrument;
    ForgetHistory();
    ShowInstrument();
  }
  if (input_ && chosen->inPort != selectedInPort_) {
    // Remembered even when it will not open, as the output is.
    selectedInPort_ = chosen->inPort;
    if (!input_->Open(chosen->inPort)) {
      services_.prompts.ShowMessage(kCannotOpenInput, MessageIcon::Stop);
    }
  }
  if (chosen->port == selectedPort_) return;
  // The new index is remembered even when the port will not open.
  selectedPort_ = chosen->port;
  const bool opened = device_->Open(chosen->port);
  FollowOutputWithSound();
  if (!opened) {
    services_.prompts.ShowMessage(kCannotOpenPort, MessageIcon::Stop);
    return;
  }
  if (resetsThere) SendResetAndClear();
}

void MainBar::GeneralCommand() {
  GeneralOptionsDialog dialog(settings_, services_.prompts, this);
  if (RunModally(dialog) != QDialog::Accepted) return;
  dialog.Store(settings_);
  model_->SetResetAdMixer(settings_.resetAdMixer);
  intake_->SetKeepExtensions(settings_.keepExtensions);
}

void MainBar::DelayCommand() {
  DelayCalculatorDialog dialog(services_.prompts, this);
  RunModally(dialog);
}

void MainBar::AboutCommand() {
  AboutDialog dialog(this);
  RunModally(dialog);
}

void MainBar::HelpContentsCommand() {
  help_->ShowContents();
}

bool MainBar::PianoOn() const {
  return pianoFilter_->IsInstalled();
}

void MainBar::PianoCommand(bool on) {
  if (on && !pianoFilter_->IsInstalled() && !pianoFilter_->Install()) {
    services_.prompts.ShowMessage(PianoKeyFilter::kHookFailedText.toStdString());
  } else if (!on) {
    pianoFilter_->Remove();
  }
  const bool installed = pianoFilter_->IsInstalled();
  pianoAction_->setChecked(installed);
  pianoIndicatorBlink_->SetOn(installed);
  // The keys on screen come and go with the piano.
  if (installed) {
    if (!keyboard_) {
      keyboard_ = std::make_unique<PianoKeyboardWindow>(*piano_);
      dropFilter_->Watch(keyboard_.get());
      // First under the main bar; the keys play wherever the focus is.
      keyboard_->setAttribute(Qt::WA_ShowWithoutActivating);
      keyboard_->move(frameGeometry().bottomLeft() + QPoint(0, 8));
    }
    keyboard_->Refresh();
    keyboard_->show();
    keyboard_->raise();
  } else if (keyboard_) {
    keyboard_->hide();
  }
}

void MainBar::PianoKeysChanged() {
  if (keyboard_) keyboard_->Refresh();
}

MainBar::PianoPause::PianoPause(MainBar& bar) : bar_(bar), wasOn_(bar.PianoOn()) {
  if (wasOn_) bar_.pianoFilter_->Remove();
}

MainBar::PianoPause::~PianoPause() {
  if (wasOn_) bar_.pianoFilter_->Install();
}

void MainBar::PianoChannelChanged(int channel) {
  // Posted, as the piano tells from inside its key handling.
  QMetaObject::invokeMethod(
      this,
      [this, channel] {
        controllers_->SelectChannel(channel + 1);
        part_->SelectPartByChannel(channel);
      },
      Qt::QueuedConnection);
}

void MainBar::PianoModulationChanged(int value) {
  QMetaObject::invokeMethod(
      this, [this, value] { controllers_->SetModulation(value); }, Qt::QueuedConnection);
}

void MainBar::MonitorCommand() {
  if (services_.monitor == nullptr) return;
  if (!monitor_) {
    monitor_ = std::make_unique<MonitorWindow>(*services_.monitor, *model_);
    dropFilter_->Watch(monitor_.get());
  }
  monitor_->Refresh();
  monitor_->show();
  monitor_->raise();
  monitor_->activateWindow();
}

}  // namespace ravlo
