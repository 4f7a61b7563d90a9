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
#include "parts/PartParameterTable.h"
#include "sound/SoundView.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

const ParameterDescriptor& PartParameterAt(int address) {
  return kPartParameters[static_cast<std::size_t>(address)].parameter;
}

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

}  // namespace

const std::array<CPartDlg::SubDialogButton, CPartDlg::kSubDialogButtonCount>
    CPartDlg::kSubDialogButtons = {{
        {"Mode", "&Mode", Opens::Mode, PartRunKind::PartControl, 0, false, false},
        {"Ctrl", "&Ctrl", Opens::Run, PartRunKind::PartControl, 0, false, false},
        {"FX", "&FX", Opens::Run, PartRunKind::PartFxSend, 0, false, false},
        {"Tone", "To&ne", Opens::Run, PartRunKind::ToneControl, 0, false, false},
        {"Mod", "Mo&d", Opens::Run, PartRunKind::Control, 0x1D, false, false},
        {"Bend", "&Bend", Opens::Run, PartRunKind::Control, 0x23, false, false},
        {"Rcv", "&Rcv", Opens::Receive, PartRunKind::PartControl, 0, false, false},
        {"Tune", "T&une", Opens::Run, PartRunKind::ScaleTuning, 0, true, false},
        {"CAT", "C&AT", Opens::Run, PartRunKind::Control, 0x4D, false, false},
        {"PAT", "PA&T", Opens::Run, PartRunKind::Control, 0x53, true, false},
        {"AC1", "AC&1", Opens::Run, PartRunKind::AssignableController, 0x59, false, false},
        {"AC2", "AC&2", Opens::Run, PartRunKind::AssignableController, 0x60, false, false},
        {"Pitch", "&Pitch", Opens::Run, PartRunKind::PitchEnvelope, 0, true, false},
        {"EQ", "&EQ", Opens::Run, PartRunKind::PartEq, 0, false, true},
    }};

CPartDlg::CPartDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::Part, QStringLiteral("Part"), parent),
      model_(model),
      partCount_(model.Parts().Count()),
      modalRunner_(RunModally),
      messageShower_([this](const QString& text) { ShowPartPrompt(this, text); }) {
  setWindowIcon(PartIcon());
  Build();
  Follow(model);
  ShowAll();
}

void CPartDlg::Build() {
  const ParameterDescriptor& channel = PartParameterAt(part_address::kReceiveChannel);
  const ParameterDescriptor& reserve = PartParameterAt(part_address::kElementReserve);
  partField_ = new EditSpinPair(this);
  partField_->setObjectName(QStringLiteral("PartNumber"));
  partField_->SetRange(1, partCount_);
  channelField_ = new EditSpinPair(this);
  channelField_->Describe(channel);
  reserveField_ = new EditSpinPair(this);
  reserveField_->Describe(reserve);
  partField_->SetSetter([this](int value) { return TakePartNumber(value); });
  channelField_->SetSetter([this](int value) { return TakeChannel(value); });
  reserveField_->SetSetter([this](int value) { return TakeReserve(value); });
  partField_->SetGetter([this] { return part_.Number(); });
  channelField_->SetGetter([this] { return ShownChannel(); });
  reserveField_->SetGetter([this] {
    return model_.Parts().PartValue(part_, part_address::kElementReserve).value_or(0);
  });

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
  auto addLabelled = [this, top](const QString& label, EditSpinPair* field) {
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field->Edit());
    top->addWidget(caption);
    top->addWidget(field);
  };
  addLabelled(QStringLiteral("Part #"), partField_);
  addLabelled(ToQString(channel.label), channelField_);
  top->addWidget(offButton_);
  addLabelled(ToQString(reserve.label), reserveField_);
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

  heardLabel_ = new QLabel(this);
  heardLabel_->setObjectName(QStringLiteral("HeardPreset"));
  heardLabel_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom);
  layout->addWidget(heardLabel_);
}

// --- Showing a part ----------------------------------------------------------

int CPartDlg::ShownChannel() const {
  return model_.Parts().ShownChannel(part_).Number();
}

bool CPartDlg::IsOff() const {
  return model_.Parts().IsOff(part_);
}

bool CPartDlg::IsDrum() const {
  return model_.Parts().IsDrumPart(part_);
}

QString CPartDlg::VoiceName() const {
  return ToQString(model_.Parts().PartVoiceName(part_).name);
}

QString CPartDlg::HeardText() const {
  return sound_ != nullptr ? ToQString(sound_->HeardText(part_)) : QString();
}

void CPartDlg::ShowPart(PartIndex part) {
  part_ = part;
  ShowAll();
}

void CPartDlg::ShowAll() {
  if (!model_.IsInitialised()) return;
  for (EditSpinPair* field : {partField_, channelField_, reserveField_}) field->Refresh();
  // An off part shows the channel it goes back to, ready to be switched on.
  const bool off = IsOff();
  channelField_->setEnabled(!off);
  offButton_->setChecked(off);
  offButton_->setText(OffCaption(off));
  const QString voice = VoiceName();
  voiceLabel_->setText(voice);
  SetSelectionCaption(voice);
  heardLabel_->setText(HeardText());
  heardLabel_->setVisible(!heardLabel_->text().isEmpty());
  const bool drum = IsDrum();
  const bool extended = model_.Instrument() == InstrumentModel::Extended;
  for (std::size_t i = 0; i < kSubDialogButtons.size(); ++i) {
    if (kSubDialogButtons[i].normalOnly) subButtons_[i]->setEnabled(!drum);
    if (kSubDialogButtons[i].extendedOnly) subButtons_[i]->setVisible(extended);
  }
}

void CPartDlg::WindowStart() {
  ShowAll();
}

void CPartDlg::ShowChange(const ModelChange& change) {
  // A voice name can change with a user voice or a drum kit too.
  if (change.Concerns(ModelBlock::Part, part_.Index()) || change.block == ModelBlock::UserVoice ||
      change.block == ModelBlock::Drum) {
    ShowAll();
  }
}

void CPartDlg::ShowFirstPart() {
  ShowPart(PartIndex::FromIndex(0));
}

bool CPartDlg::SelectPart(int index0) {
  if (index0 < 0 || index0 >= partCount_) return false;
  ShowPart(PartIndex::FromIndex(index0));
  return true;
}

bool CPartDlg::SelectPartByChannel(int channel0) {
  const MidiChannel channel = MidiChannel::FromIndex(channel0);
  const std::optional<PartIndex> lowest = model_.Parts().FindPartByChannel(channel);
  if (!lowest) return false;
  // The part shown already plays on the channel, or, switched off, goes back
  // to it: it stays.
  if (ShownChannel() == channel.Number()) return true;
  ShowPart(*lowest);
  return true;
}

// --- Fields ----------------------------------------------------------------------

bool CPartDlg::TakePartNumber(int value) {
  if (value < 1 || value > partCount_) return false;
  ShowPart(PartIndex::FromNumber(value));
  Host().ChannelChosenInPart(ShownChannel());
  return true;
}

bool CPartDlg::TakeChannel(int value) {
  if (!RecordEdit(StepName(QStringLiteral("Channel")), replay::Values{}, [&] {
        return model_.Parts().SetReceiveChannel(part_, MidiChannel::FromNumber(value));
      })) {
    return false;
  }
  Host().MarkModified();
  Host().ChannelChosenInPart(value);
  return true;
}

bool CPartDlg::TakeReserve(int value) {
  if (!RecordEdit(StepName(QStringLiteral("Element Reserve")), replay::Values{}, [&] {
        return model_.Parts().SetPartValue(part_, part_address::kElementReserve, value);
      })) {
    return false;
  }
  // Only a typed reserve marks the document; a spin click does not.
  if (!reserveField_->Stepping()) Host().MarkModified();
  return true;
}

void CPartDlg::OnOffClicked(bool pressed) {
  const bool switched = RecordEdit(StepName(OffCaption(pressed)), replay::Values{}, [&] {
    return pressed ? model_.Parts().SwitchPartOff(part_) : model_.Parts().SwitchPartOn(part_);
  });
  if (switched) {
    Host().MarkModified();
    Host().ChannelChosenInPart(ShownChannel());
    return;
  }
  // A failed send leaves the part as it was; the button shows that again.
  ShowAll();
}

void CPartDlg::OnVoiceClicked() {
  if (!voiceChooser_) return;
  const std::optional<int> chosen = voiceChooser_();
  if (!chosen) return;
  if (!RecordEdit(StepName(QStringLiteral("Voice")), replay::PartVoice{part_},
                  [&] { return model_.Parts().SelectPartVoice(part_, *chosen); })) {
    return;
  }
  Host().MarkModified();
  Host().ChannelChosenInPart(ShownChannel());
}

// --- Sub-dialogs ---------------------------------------------------------------

int CPartDlg::RunModal(QDialog& dialog) {
  return modalRunner_ ? modalRunner_(dialog) : RunModally(dialog);
}

void CPartDlg::OpenSubDialog(const SubDialogButton& button) {
  if (button.normalOnly && IsDrum()) return;
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
  CPartRunDlg dialog(model_, part_, kind, base, this);
  dialog.SetMessageShower(messageShower_);
  // Its fields go out as they are edited: what OK keeps is one step, named
  // as the dialog's title names it ("Part 3 Pitch Envelope").
  RecordEdit(dialog.windowTitle(), replay::Values{}, [&] {
    if (RunModal(dialog) == QDialog::Accepted) {
      if (dialog.Changed()) Host().MarkModified();
    } else if (dialog.Changed()) {
      // Cancel takes the live changes back; that is no edit of the document.
      dialog.RestoreKept();
    }
    return true;
  });
}

void CPartDlg::OpenReceive() {
  CPartReceiveDlg dialog(model_, part_, this);
  const replay::PartRun run{part_, CPartReceiveDlg::kFirstAddress,
                            static_cast<int>(CPartReceiveDlg::kBoxCount)};
  RecordEdit(dialog.windowTitle(), run, [&] {
    RunModal(dialog);
    return dialog.Stored();
  });
  if (dialog.Stored()) Host().MarkModified();
}

void CPartDlg::OpenMode() {
  CPartModeDlg dialog(model_, part_, this);
  bool accepted = false;
  RecordEdit(dialog.windowTitle(), replay::PartMode{part_}, [&] {
    accepted = RunModal(dialog) == QDialog::Accepted;
    return accepted;
  });
  if (!accepted) return;
  if (dialog.ModeChanged()) Host().ChannelChosenInPart(ShownChannel());
  // OK marks the document whether or not anything went out.
  Host().MarkModified();
}

QString CPartDlg::StepName(const QString& what) const {
  return QStringLiteral("Part %1 %2").arg(part_.Number()).arg(what);
}

}  // namespace ravlo
