#include "editors/CPartDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/CPartModeDlg.h"
#include "editors/CPartReceiveDlg.h"
#include "editors/CPartRunDlg.h"
#include "model/XgModel.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

constexpr int kChannelCount = 16;
constexpr int kOffChannel = 16;  // a stored channel from here on means off

QString OffCaption(bool off) {
  return off ? QStringLiteral("Off") : QStringLiteral("On");
}

// A small keyboard: the window's own icon.
QIcon PartIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  for (int key = 0; key < 5; ++key) painter.drawRect(2 + key * 6, 6, 5, 20);
  painter.setBrush(Qt::black);
  for (int key : {0, 1, 3}) painter.drawRect(5 + key * 6, 6, 3, 12);
  return QIcon(pixmap);
}

// A value committed from the box shows in it already; a spin click writes
// its number only after the setter has run.
bool IsTyped(const EditSpinPair& field, int value) {
  bool number = false;
  const int shown = field.Edit()->text().trimmed().toInt(&number);
  return number && shown == value;
}

}  // namespace

const std::array<CPartDlg::SubDialogButton, CPartDlg::kSubDialogButtonCount>
    CPartDlg::kSubDialogButtons = {{
        {"Mode", "&Mode", Opens::Mode, PartRunKind::PartControl, 0, false},
        {"Ctrl", "&Ctrl", Opens::Run, PartRunKind::PartControl, 0, false},
        {"FX", "&FX", Opens::Run, PartRunKind::PartFxSend, 0, false},
        {"Tone", "To&ne", Opens::Run, PartRunKind::ToneControl, 0, false},
        {"Mod", "Mo&d", Opens::Run, PartRunKind::Control, 0x1D, false},
        {"Bend", "&Bend", Opens::Run, PartRunKind::Control, 0x23, false},
        {"Rcv", "&Rcv", Opens::Receive, PartRunKind::PartControl, 0, false},
        {"Tune", "T&une", Opens::Run, PartRunKind::ScaleTuning, 0, true},
        {"CAT", "C&AT", Opens::Run, PartRunKind::Control, 0x4D, false},
        {"PAT", "PA&T", Opens::Run, PartRunKind::Control, 0x53, true},
        {"AC1", "AC&1", Opens::Run, PartRunKind::AssignableController, 0x59, false},
        {"AC2", "AC&2", Opens::Run, PartRunKind::AssignableController, 0x60, false},
        {"Pitch", "&Pitch", Opens::Run, PartRunKind::PitchEnvelope, 0, true},
    }};

CPartDlg::CPartDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::Part, QStringLiteral("Part"), parent),
      model_(model),
      partCount_(model.Parts().Count()),
      elementTotal_(XgModel::kElementReserveLimit),
      rememberedChannels_(static_cast<std::size_t>(model.Parts().Count())),
      modalRunner_(RunModally),
      messageShower_([this](const QString& text) { ShowPartPrompt(this, text); }) {
  for (std::size_t part = 0; part < rememberedChannels_.size(); ++part) {
    rememberedChannels_[part] = static_cast<int>(part % kChannelCount) + 1;
  }
  setWindowIcon(PartIcon());
  Build();
  ShowPart(1);
}

void CPartDlg::Build() {
  auto makeField = [this](const char* name, int minimum, int maximum) {
    auto* field = new EditSpinPair(this);
    field->setObjectName(QLatin1String(name));
    field->SetRange(minimum, maximum);
    field->SetSigned(false);
    return field;
  };
  partField_ = makeField("PartNumber", 1, partCount_);
  channelField_ = makeField("Channel", 1, kChannelCount);
  reserveField_ = makeField("Reserved", 0, elementTotal_);
  partField_->SetSetter([this](int value) { return TakePartNumber(value); });
  channelField_->SetSetter([this](int value) { return TakeChannel(value); });
  reserveField_->SetSetter([this](int value) { return TakeReserve(value); });

  offButton_ = MakeButton(QStringLiteral("&Off"), QStringLiteral("Off"), this);
  offButton_->setCheckable(true);
  connect(offButton_, &QPushButton::clicked, this, &CPartDlg::OnOffClicked);

  voiceLabel_ = new QLabel(QStringLiteral("--- Voice ---"), this);
  voiceLabel_->setObjectName(QStringLiteral("VoiceName"));
  voiceLabel_->setAlignment(Qt::AlignCenter);
  voiceLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  voiceLabel_->setMinimumWidth(90);

  auto* voiceButton = MakeButton(QStringLiteral("&Voice"), QStringLiteral("Voice"), this);
  connect(voiceButton, &QPushButton::clicked, this, &CPartDlg::OnVoiceClicked);

  auto* top = new QHBoxLayout;
  auto addLabelled = [this, top](const char* label, EditSpinPair* field) {
    auto* caption = new QLabel(QLatin1String(label), this);
    caption->setBuddy(field->Edit());
    top->addWidget(caption);
    top->addWidget(field);
  };
  addLabelled("Part #", partField_);
  addLabelled("Chan. #", channelField_);
  top->addWidget(offButton_);
  addLabelled("Reserved", reserveField_);
  top->addWidget(voiceLabel_, 1);
  top->addWidget(voiceButton);

  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(2);
  for (std::size_t i = 0; i < kSubDialogButtons.size(); ++i) {
    const SubDialogButton& entry = kSubDialogButtons[i];
    QPushButton* button = MakeButton(ToQString(entry.caption), ToQString(entry.name), this);
    connect(button, &QPushButton::clicked, this, [this, &entry] { OpenSubDialog(entry); });
    bottom->addWidget(button);
    subButtons_[i] = button;
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom);
}

// --- Showing a part ----------------------------------------------------------

void CPartDlg::LoadVoice() {
  const int part = ShownPart();
  drum_ = model_.Parts().IsDrumPart(part);
  const VoiceLookup voice = model_.Parts().PartVoiceName(part);
  voiceName_ = ToQString(voice.name);
}

void CPartDlg::LoadPart() {
  const int part = ShownPart();
  std::uint8_t reserve = 0;
  std::uint8_t channel = 0;
  model_.Parts().GetPartByte(part, part_address::kElementReserve, reserve);
  model_.Parts().GetPartByte(part, part_address::kReceiveChannel, channel);
  reserve_ = reserve;
  // An off part shows the channel it had before, ready to be switched on again.
  off_ = channel >= kOffChannel;
  channel_ = off_ ? rememberedChannels_[static_cast<std::size_t>(part)] : channel + 1;
  LoadVoice();
}

void CPartDlg::ShowPart(int partNumber) {
  partNumber_ = partNumber;
  LoadPart();
  UpdateControls();
}

void CPartDlg::UpdateControls() {
  partField_->SetValue(partNumber_);
  channelField_->SetValue(channel_);
  reserveField_->SetValue(reserve_);
  channelField_->setEnabled(!off_);
  offButton_->setChecked(off_);
  offButton_->setText(OffCaption(off_));
  voiceLabel_->setText(voiceName_);
  SetSelectionCaption(voiceName_);
  UpdateDrumButtons();
}

void CPartDlg::UpdateDrumButtons() {
  for (std::size_t i = 0; i < kSubDialogButtons.size(); ++i) {
    if (kSubDialogButtons[i].normalOnly) subButtons_[i]->setEnabled(!drum_);
  }
}

void CPartDlg::WindowStart() {
  LoadPart();
  UpdateControls();
}

void CPartDlg::RefreshFromModel() {
  ShowPart(1);
}

bool CPartDlg::SelectPart(int index0) {
  if (index0 < 0 || index0 >= partCount_) return false;
  ShowPart(index0 + 1);
  return true;
}

bool CPartDlg::SelectPartByChannel(int channel0) {
  int part = -1;
  if (!model_.Parts().FindPartByChannel(channel0, part)) return false;
  if (part != ShownPart()) ShowPart(part + 1);
  return true;
}

void CPartDlg::OnChannelVoiceChanged(int channel1to16) {
  if (channel1to16 != channel_) return;
  LoadVoice();
  voiceLabel_->setText(voiceName_);
  SetSelectionCaption(voiceName_);
  UpdateDrumButtons();
}

// --- Fields ----------------------------------------------------------------------

bool CPartDlg::TakePartNumber(int value) {
  if (value < 1 || value > partCount_) return false;
  ShowPart(value);
  Host().ChannelChosenInPart(channel_);
  return true;
}

bool CPartDlg::TakeChannel(int value) {
  if (value < 1 || value > kChannelCount) return false;
  const auto byte = static_cast<std::uint8_t>(value - 1);
  if (!model_.Parts().SetPartParameter(ShownPart(), part_address::kReceiveChannel, byte)) {
    return false;
  }
  model_.Parts().PutPartByte(ShownPart(), part_address::kReceiveChannel, byte);
  channel_ = value;
  Host().MarkModified();
  Host().ChannelChosenInPart(channel_);
  return true;
}

bool CPartDlg::TakeReserve(int value) {
  if (value < 0 || value > elementTotal_) return false;
  const auto byte = static_cast<std::uint8_t>(value);
  if (!model_.Parts().SetPartParameter(ShownPart(), part_address::kElementReserve, byte)) {
    return false;
  }
  model_.Parts().PutPartByte(ShownPart(), part_address::kElementReserve, byte);
  reserve_ = value;
  // Only a typed reserve marks the document; a spin click does not.
  if (IsTyped(*reserveField_, value)) Host().MarkModified();
  return true;
}

void CPartDlg::OnOffClicked(bool pressed) {
  const int part = ShownPart();
  if (pressed && !off_) {
    if (model_.Parts().SetPartParameter(part, part_address::kReceiveChannel, kPartOff)) {
      model_.Parts().PutPartByte(part, part_address::kReceiveChannel, kPartOff);
      off_ = true;
      rememberedChannels_[static_cast<std::size_t>(part)] = channel_;
      Host().MarkModified();
      Host().ChannelChosenInPart(channel_);
    }
  } else if (!pressed && off_) {
    const auto byte = static_cast<std::uint8_t>(channel_ - 1);
    if (model_.Parts().SetPartParameter(part, part_address::kReceiveChannel, byte)) {
      model_.Parts().PutPartByte(part, part_address::kReceiveChannel, byte);
      off_ = false;
      Host().MarkModified();
      Host().ChannelChosenInPart(channel_);
    }
  }
  // A failed send leaves the part as it was; the button shows that again.
  channelField_->setEnabled(!off_);
  offButton_->setChecked(off_);
  offButton_->setText(OffCaption(off_));
}

void CPartDlg::OnVoiceClicked() {
  if (!voiceChooser_) return;
  const std::optional<int> chosen = voiceChooser_();
  if (!chosen) return;
  if (!model_.Parts().SelectPartVoice(ShownPart(), *chosen)) return;
  LoadVoice();
  UpdateControls();
  // A drum kit also changed a drum setup: the Drum Sets window shows it.
  Host().PartValueChanged(drum_);
  Host().ChannelChosenInPart(channel_);
}

// --- Sub-dialogs ---------------------------------------------------------------

int CPartDlg::RunModal(QDialog& dialog) {
  return modalRunner_ ? modalRunner_(dialog) : RunModally(dialog);
}

void CPartDlg::OpenSubDialog(const SubDialogButton& button) {
  if (button.normalOnly && drum_) return;
  switch (button.opens) {
    case Opens::Mode:
      OpenMode();
      return;
    case Opens::Receive:
      OpenReceive();
      return;
    case Opens::Run:
      OpenRun(button.kind, button.base);
      return;
  }
}

void CPartDlg::OpenRun(PartRunKind kind, int base) {
  CPartRunDlg dialog(model_, ShownPart(), kind, base, this);
  dialog.SetMessageShower(messageShower_);
  if (RunModal(dialog) == QDialog::Accepted) {
    if (dialog.Changed()) Host().MarkModified();
  } else if (dialog.Changed()) {
    // Cancel takes the live changes back; that is no edit of the document.
    dialog.RestoreKept();
  }
}

void CPartDlg::OpenReceive() {
  CPartReceiveDlg dialog(model_, ShownPart(), this);
  RunModal(dialog);
  if (dialog.Stored()) Host().MarkModified();
}

void CPartDlg::OpenMode() {
  CPartModeDlg dialog(model_, ShownPart(), this);
  if (RunModal(dialog) != QDialog::Accepted) return;
  if (dialog.ModeChanged()) {
    // The voice followed the mode; the drum buttons stay as they were.
    const bool drum = drum_;
    LoadVoice();
    drum_ = drum;
    voiceLabel_->setText(voiceName_);
    SetSelectionCaption(voiceName_);
    Host().ChannelChosenInPart(channel_);
  }
  // OK marks the document whether or not anything went out.
  Host().MarkModified();
}

}  // namespace ravlo
