#include "uservoice/CUserVoiceDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "files/FileIo.h"
#include "files/SysexFile.h"
#include "model/XgModel.h"
#include "uservoice/CElementDlg.h"
#include "uservoice/CVoiceListDlg.h"
#include "uservoice/UserVoiceModel.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"
#include "widgets/WaitCursor.h"

namespace ravlo {

namespace {

constexpr const char* kErrorGettingFileName = "Error getting file name";

// A voice name holds 7-bit characters; anything else becomes a blank.
std::string NameBytes(const QString& text) {
  std::string bytes;
  for (const QChar c : text.left(kUserVoiceNameLength))
    bytes.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : ' ');
  return bytes;
}

}  // namespace

CUserVoiceDlg::CUserVoiceDlg(XgModel& model, EditorHost& host, UserPrompts& prompts,
                             QWidget* parent)
    : EditorDialog(host, EditorSlot::UserVoice, QStringLiteral("User Voice"), parent),
      model_(model),
      prompts_(prompts),
      runner_(RunModally) {
  BuildWindow();
  Follow(model);
  ShowValues();
}

void CUserVoiceDlg::BuildWindow() {
  auto* top = new QGridLayout;

  voiceNumberLabel_ = new QLabel(this);
  voiceNumberLabel_->setObjectName(QStringLiteral("VoiceNumber"));
  voiceNumberLabel_->setMinimumWidth(24);
  QPushButton* back = MakeButton(QStringLiteral("&Back"), QStringLiteral("Back"), this);
  QPushButton* next = MakeButton(QStringLiteral("&Next"), QStringLiteral("Next"), this);
  QPushButton* bank = MakeButton(QStringLiteral("Ban&k"), QStringLiteral("Bank"), this);
  QPushButton* vbank = MakeButton(QStringLiteral("&VBank"), QStringLiteral("VBank"), this);
  connect(back, &QPushButton::clicked, this, &CUserVoiceDlg::Back);
  connect(next, &QPushButton::clicked, this, &CUserVoiceDlg::Next);
  connect(bank, &QPushButton::clicked, this, &CUserVoiceDlg::ChooseFromBank);
  connect(vbank, &QPushButton::clicked, this, &CUserVoiceDlg::ChooseFromVBank);
  top->addWidget(new QLabel(QStringLiteral("Voice"), this), 0, 0);
  top->addWidget(voiceNumberLabel_, 0, 1);
  auto* moves = new QHBoxLayout;
  for (QPushButton* button : {back, next, bank, vbank}) moves->addWidget(button);
  top->addLayout(moves, 0, 2, 1, 3);

  nameEdit_ = new QLineEdit(this);
  nameEdit_->setObjectName(QStringLiteral("Name"));
  nameEdit_->setMaxLength(kUserVoiceNameLength);
  // The name is the voice's as it is typed; it goes out with the voice.
  connect(nameEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    typingName_ = true;
    RecordEdit(
        StepName(QStringLiteral("Name")), replay::Values{},
        [&] { return model_.UserVoices().SetVoiceName(CurrentSlot(), NameBytes(text)); },
        StepJoin::WithSameName);
    typingName_ = false;
  });
  auto* nameLabel = new QLabel(QStringLiteral("Name"), this);
  nameLabel->setBuddy(nameEdit_);
  top->addWidget(nameLabel, 1, 0);
  top->addWidget(nameEdit_, 1, 1, 1, 2);

  // The level is the voice's at once, sent with the voice later; the element
  // number only chooses what the element buttons edit.
  levelSpin_ = new EditSpinPair(this);
  levelSpin_->setObjectName(QStringLiteral("Level"));
  levelSpin_->SetRange(0, 127);
  levelSpin_->SetGetter([this] { return Voice().Level(); });
  levelSpin_->SetSetter([this](int level) {
    return RecordEdit(StepName(QStringLiteral("Level")), replay::Values{},
                      [&] { return model_.UserVoices().SetVoiceLevel(CurrentSlot(), level); });
  });
  elementSpin_ = new EditSpinPair(this);
  elementSpin_->setObjectName(QStringLiteral("ElementNumber"));
  elementSpin_->SetRange(1, kUserVoiceElementCount);
  elementSpin_->SetGetter([this] { return elementNumber_; });
  elementSpin_->SetSetter([this](int value) {
    elementNumber_ = value;
    return true;
  });
  for (EditSpinPair* spin : {levelSpin_, elementSpin_}) {
    connect(spin, &EditSpinPair::Beeped, this, [this, spin] {
      prompts_.ShowMessage(IntegerRangeText(spin->Minimum(), spin->Maximum()).toStdString(),
                           MessageIcon::Warning);
    });
  }
  top->addWidget(new QLabel(QStringLiteral("Level"), this), 1, 3);
  top->addWidget(levelSpin_, 1, 4);

  auto* switchRow = new QHBoxLayout;
  switchRow->addWidget(new QLabel(QStringLiteral("Elements"), this));
  for (int i = 0; i < kUserVoiceElementCount; ++i) {
    auto* box = new QCheckBox(QString::number(i + 1), this);
    box->setObjectName(QStringLiteral("Switch%1").arg(i + 1));
    connect(box, &QCheckBox::clicked, this, [this, i](bool on) {
      const QString what = QStringLiteral("Element %1 %2").arg(i + 1).arg(on ? "On" : "Off");
      RecordEdit(StepName(what), replay::Values{},
                 [&] { return model_.UserVoices().SetVoiceElementOn(CurrentSlot(), i, on); });
    });
    switches_[static_cast<std::size_t>(i)] = box;
    switchRow->addWidget(box);
  }
  switchRow->addStretch();
  top->addLayout(switchRow, 2, 0, 1, 3);
  top->addWidget(new QLabel(QStringLiteral("Element"), this), 2, 3);
  top->addWidget(elementSpin_, 2, 4);

  auto* elementRow = new QHBoxLayout;
  for (std::size_t i = 0; i < kElementPageCount; ++i) {
    const ElementPageInfo& info = kElementPages[i];
    QPushButton* button = MakeButton(ToQString(info.buttonText), ToQString(info.buttonName), this);
    const auto page = static_cast<ElementPage>(i);
    connect(button, &QPushButton::clicked, this, [this, page] { EditElement(page); });
    elementRow->addWidget(button);
  }
  QPushButton* copy = MakeButton(QStringLiteral("&Copy"), QStringLiteral("Copy"), this);
  pasteButton_ = MakeButton(QStringLiteral("Pas&te"), QStringLiteral("Paste"), this);
  connect(copy, &QPushButton::clicked, this, &CUserVoiceDlg::CopyElement);
  connect(pasteButton_, &QPushButton::clicked, this, &CUserVoiceDlg::PasteElement);
  elementRow->addSpacing(12);
  elementRow->addWidget(copy);
  elementRow->addWidget(pasteButton_);

  // The Send panel.
  auto* whatBox = new QGroupBox(QStringLiteral("Send"), this);
  auto* whatColumn = new QVBoxLayout(whatBox);
  sendWhat_ = new QButtonGroup(this);
  const std::array<const char*, 4> whatTexts{"Voice", "Bank", "VBank", "ClipVox"};
  for (std::size_t i = 0; i < whatTexts.size(); ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(whatTexts[i]), whatBox);
    radio->setObjectName(QStringLiteral("Send") + QString::fromLatin1(whatTexts[i]));
    sendWhat_->addButton(radio, static_cast<int>(i));
    whatColumn->addWidget(radio);
  }
  static_assert(whatTexts.size() == static_cast<std::size_t>(SendWhat::kCount));
  sendWhat_->button(static_cast<int>(SendWhat::Voice))->setChecked(true);

  auto* toBox = new QGroupBox(QStringLiteral("To"), this);
  auto* toColumn = new QVBoxLayout(toBox);
  sendTo_ = new QButtonGroup(this);
  const std::array<const char*, 5> toTexts{"Synth", "File", "VBank", "ClipVox", "Current"};
  for (std::size_t i = 0; i < toTexts.size(); ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(toTexts[i]), toBox);
    radio->setObjectName(QStringLiteral("To") + QString::fromLatin1(toTexts[i]));
    sendTo_->addButton(radio, static_cast<int>(i));
    toColumn->addWidget(radio);
  }
  static_assert(toTexts.size() == static_cast<std::size_t>(SendTo::kCount));
  sendTo_->button(static_cast<int>(SendTo::Synth))->setChecked(true);

  auto* blankBox = new QGroupBox(QStringLiteral("When Sending Bank"), this);
  auto* blankColumn = new QVBoxLayout(blankBox);
  ignoreBlank_ = new QCheckBox(QStringLiteral("Ignore Blank Voices"), blankBox);
  ignoreBlank_->setObjectName(QStringLiteral("IgnoreBlank"));
  ignoreBlank_->setChecked(true);
  blankColumn->addWidget(ignoreBlank_);
  QPushButton* send = MakeButton(QStringLiteral("&Send"), QStringLiteral("Send"), this);
  connect(send, &QPushButton::clicked, this, &CUserVoiceDlg::Send);
  blankColumn->addStretch();
  blankColumn->addWidget(send);

  auto* sendRow = new QHBoxLayout;
  sendRow->addWidget(whatBox);
  sendRow->addWidget(toBox);
  sendRow->addWidget(blankBox);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(elementRow);
  layout->addLayout(sendRow);
}

void CUserVoiceDlg::SetModalRunner(ModalRunner runner) {
  if (runner) runner_ = std::move(runner);
}

void CUserVoiceDlg::SetSaveNameChooser(SaveNameChooser chooser) {
  saveNameChooser_ = std::move(chooser);
}

const UserVoice& CUserVoiceDlg::Voice() const {
  return *model_.UserVoices().Find(UserBank::Bank, CurrentSlot());
}

const UserVoiceElement& CUserVoiceDlg::ShownElement(int index) const {
  return *Voice().Element(std::clamp(index, 0, kUserVoiceElementCount - 1));
}

void CUserVoiceDlg::WindowStart() {
  ShowValues();
}

void CUserVoiceDlg::ShowChange(const ModelChange& change) {
  if (change.Concerns(ModelBlock::UserVoice, CurrentSlot())) ShowValues();
}

// --- Window state

void CUserVoiceDlg::ShowValues() {
  voiceNumberLabel_->setText(QString::number(voiceNumber_));
  const UserVoice& voice = Voice();
  // Not while the name is being typed: the model pads it with blanks.
  if (!typingName_) {
    const std::string_view name = voice.DisplayName();
    nameEdit_->setText(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  }
  levelSpin_->Refresh();
  elementSpin_->Refresh();
  for (std::size_t i = 0; i < switches_.size(); ++i) {
    switches_[i]->setChecked(voice.ElementOn(static_cast<int>(i)));
  }
  pasteButton_->setEnabled(hasClipboard_);
}

void CUserVoiceDlg::ShowVoice(int voiceNumber) {
  voiceNumber_ = voiceNumber;
  ShowValues();
}

QString CUserVoiceDlg::StepName(const QString& what) const {
  return QStringLiteral("User Voice %1 %2").arg(voiceNumber_).arg(what);
}

void CUserVoiceDlg::ToggleTitle() {
  if (titleShowsFile_) {
    SetSelectionCaption(QStringLiteral("Virtual Bank"));
    titleShowsFile_ = false;
  } else {
    SetSelectionCaption(fileName_);
    titleShowsFile_ = true;
  }
}

// --- Main bar operations

bool CUserVoiceDlg::SelectVoice(int voiceNumber) {
  if (!IsOpen() || voiceNumber < 1 || voiceNumber > kUserVoicesPerBank) return false;
  ShowVoice(voiceNumber);
  return true;
}

void CUserVoiceDlg::SetFileName(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  fileName_ = QString::fromStdString(name);
  SetSelectionCaption(fileName_);
  titleShowsFile_ = true;
}

// --- Modal dialogs

std::optional<int> CUserVoiceDlg::ChooseSlot(UserBank bank) {
  CVoiceListDlg dialog(model_.UserVoices(), bank, this);
  if (!dialog.Fill()) return std::nullopt;
  if (runner_(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Selection();
}

std::optional<std::string> CUserVoiceDlg::ChooseSaveName() {
  if (saveNameChooser_) return saveNameChooser_();
  const FileChoice choice = prompts_.ChooseFileToSave({.title = kSaveTitle,
                                                       .filters = SysexFile::Filters(),
                                                       .initialDirectory = saveDirectory_,
                                                       .defaultExtension = "syx"});
  if (choice.status == FileChoice::Status::Failed) prompts_.ShowMessage(kErrorGettingFileName);
  if (!choice.Chosen()) return std::nullopt;
  saveDirectory_ = DirectoryOf(choice.paths.front());
  return choice.paths.front();
}

// --- Commands

void CUserVoiceDlg::TakeTypedValues() {
  // What is being typed counts, as leaving the box would make it.
  levelSpin_->Commit();
  elementSpin_->Commit();
}

void CUserVoiceDlg::Back() {
  TakeTypedValues();
  ShowVoice(std::max(voiceNumber_ - 1, 1));
}

void CUserVoiceDlg::Next() {
  TakeTypedValues();
  ShowVoice(std::min(voiceNumber_ + 1, kUserVoicesPerBank));
}

bool CUserVoiceDlg::ChooseFromBank() {
  const std::optional<int> chosen = ChooseSlot(UserBank::Bank);
  if (!chosen) return false;
  ShowVoice(*chosen + 1);
  return true;
}

bool CUserVoiceDlg::ExchangeAndReload() {
  // Even a stopped exchange may have moved voices; the model's notice shows
  // what the Bank holds.
  const bool exchanged = RecordEdit(QStringLiteral("Exchange Banks"), replay::UserVoices{},
                                    [this] { return model_.UserVoices().ExchangeBanks(); });
  if (exchanged) ToggleTitle();
  return exchanged;
}

bool CUserVoiceDlg::ChooseFromVBank() {
  const std::optional<int> chosen = ChooseSlot(UserBank::VBank);
  if (!chosen) return false;
  WaitCursor wait;
  if (!ExchangeAndReload()) return false;
  ShowVoice(*chosen + 1);
  return true;
}

bool CUserVoiceDlg::EditElement(ElementPage page) {
  TakeTypedValues();
  const int index = elementNumber_ - 1;
  UserVoiceElement element = ShownElement(index);
  CElementDlg dialog(page, prompts_, this);
  dialog.Fill(element);
  if (runner_(dialog) != QDialog::Accepted) return false;
  dialog.WriteBack(element);
  const QString what = QStringLiteral("Element %1 %2")
                           .arg(elementNumber_)
                           .arg(ToQString(kElementPages[static_cast<std::size_t>(page)].caption));
  return RecordEdit(StepName(what), replay::UserVoices{}, [&] {
    return model_.UserVoices().SendVoiceElement(CurrentSlot(), index, element);
  });
}

void CUserVoiceDlg::CopyElement() {
  TakeTypedValues();
  clipboard_ = ShownElement(elementNumber_ - 1);
  hasClipboard_ = true;
  pasteButton_->setEnabled(true);
}

void CUserVoiceDlg::PasteElement() {
  if (!hasClipboard_) return;
  TakeTypedValues();
  // The voice holds it from now on; it goes out when the voice is sent.
  RecordEdit(
      StepName(QStringLiteral("Paste Element %1").arg(elementNumber_)), replay::Values{}, [this] {
        return model_.UserVoices().SetVoiceElement(CurrentSlot(), elementNumber_ - 1, clipboard_);
      });
}

// --- The Send panel

bool CUserVoiceDlg::Send() {
  WaitCursor wait;
  TakeTypedValues();
  // What changes the banks is one step, named as the panel reads.
  const QString name =
      QStringLiteral("Send %1 to %2")
          .arg(sendWhat_->checkedButton()->text(), sendTo_->checkedButton()->text());
  return RecordEdit(name, replay::UserVoices{}, [this] { return SendChosen(); });
}

bool CUserVoiceDlg::SendChosen() {
  const int what = sendWhat_->checkedId();
  const auto to = static_cast<SendTo>(sendTo_->checkedId());
  switch (static_cast<SendWhat>(what)) {
    case SendWhat::Voice:
      return SendVoice(to);
    case SendWhat::Bank:
      return SendBankTo(to);
    case SendWhat::VBank:
      return SendVBankTo(to);
    case SendWhat::ClipVox:
      return SendClipVoxTo(to);
    case SendWhat::kCount:
      break;
  }
  return false;
}

bool CUserVoiceDlg::SendBank(UserBank bank) {
  UserVoiceModel& voices = model_.UserVoices();
  const bool skipBlank = ignoreBlank_->isChecked();
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    const UserVoice* voice = voices.GetUserVoice(slot, bank);
    if (voice == nullptr) return false;
    if (skipBlank && voice->ElementsOn() == 0) continue;
    if (!voices.SendUserVoice(slot, bank)) return false;
  }
  return true;
}

bool CUserVoiceDlg::WriteToFile(const std::function<bool()>& sendVoices) {
  const std::optional<std::string> path = ChooseSaveName();
  if (!path) return false;
  if (!model_.BeginRecording()) return false;
  bool written = sendVoices();
  if (written) {
    const std::span<const std::uint8_t> recorded = model_.TakeRecording();
    const std::vector<std::uint8_t> bytes(recorded.begin(), recorded.end());
    const FileResult result = WriteWholeFile(*path, bytes);
    if (!result.ok) prompts_.ShowMessage(result.error, MessageIcon::Stop);
    written = result.ok;
  }
  model_.EndRecording();
  return written;
}

bool CUserVoiceDlg::SendVoice(SendTo to) {
  UserVoiceModel& voices = model_.UserVoices();
  const int slot = CurrentSlot();
  switch (to) {
    case SendTo::Synth:
      return voices.SendUserVoice(slot, UserBank::Bank);
    case SendTo::File:
      return WriteToFile([&] { return voices.SendUserVoice(slot, UserBank::Bank); });
    case SendTo::VBank: {
      const std::optional<int> chosen = ChooseSlot(UserBank::VBank);
      return chosen && voices.CopyUserVoice(slot, *chosen, UserVoiceModel::CopyDirection::ToVBank);
    }
    case SendTo::ClipVox: {
      const UserVoice* voice = voices.GetUserVoice(slot, UserBank::Bank);
      return voice != nullptr && clipVox_.CopyFrom(*voice);
    }
    case SendTo::Current:
    case SendTo::kCount:
      break;
  }
  return false;
}

bool CUserVoiceDlg::SendBankTo(SendTo to) {
  UserVoiceModel& voices = model_.UserVoices();
  switch (to) {
    case SendTo::Synth:
      return SendBank(UserBank::Bank);
    case SendTo::File:
      return WriteToFile([this] { return SendBank(UserBank::Bank); });
    case SendTo::VBank:
      return ExchangeAndReload();
    case SendTo::ClipVox: {
      const std::optional<int> chosen = ChooseSlot(UserBank::Bank);
      if (!chosen) return false;
      const UserVoice* voice = voices.GetUserVoice(*chosen, UserBank::Bank);
      return voice != nullptr && clipVox_.CopyFrom(*voice);
    }
    case SendTo::Current: {
      const std::optional<int> chosen = ChooseSlot(UserBank::Bank);
      if (!chosen) return false;
      const int slot = CurrentSlot();
      return voices.MoveUserVoice(slot, *chosen) && voices.SendUserVoice(slot, UserBank::Bank) &&
             voices.SendUserVoice(*chosen, UserBank::Bank);
    }
    case SendTo::kCount:
      break;
  }
  return false;
}

bool CUserVoiceDlg::SendVBankTo(SendTo to) {
  UserVoiceModel& voices = model_.UserVoices();
  switch (to) {
    case SendTo::Synth:
      return ExchangeAndReload();
    case SendTo::File:
      // Each VBank voice goes out addressed to its own slot.
      return WriteToFile([this] { return SendBank(UserBank::VBank); });
    case SendTo::ClipVox: {
      const std::optional<int> chosen = ChooseSlot(UserBank::VBank);
      if (!chosen) return false;
      const UserVoice* voice = voices.GetUserVoice(*chosen, UserBank::VBank);
      return voice != nullptr && clipVox_.CopyFrom(*voice);
    }
    case SendTo::Current: {
      const std::optional<int> chosen = ChooseSlot(UserBank::VBank);
      if (!chosen) return false;
      return voices.CopyUserVoice(CurrentSlot(), *chosen, UserVoiceModel::CopyDirection::ToBank);
    }
    case SendTo::VBank:
    case SendTo::kCount:
      break;
  }
  return false;
}

bool CUserVoiceDlg::SendClipVoxTo(SendTo to) {
  UserVoiceModel& voices = model_.UserVoices();
  switch (to) {
    case SendTo::Synth:
    case SendTo::Current:
      return voices.CopyVoiceInto(UserBank::Bank, CurrentSlot(), clipVox_) &&
             voices.SendUserVoice(CurrentSlot(), UserBank::Bank);
    case SendTo::VBank: {
      const std::optional<int> chosen = ChooseSlot(UserBank::VBank);
      return chosen && voices.CopyVoiceInto(UserBank::VBank, *chosen, clipVox_);
    }
    case SendTo::File:
    case SendTo::ClipVox:
    case SendTo::kCount:
      break;
  }
  return false;
}

}  // namespace ravlo
