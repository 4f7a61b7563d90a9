#include "editors/CControllersDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>
#include <string_view>

#include "model/XgModel.h"
#include "shell/ColorScheme.h"
#include "voices/VoiceCatalogue.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

constexpr int kMaxDataByte = 127;

bool IsSlot(int slot) {
  return slot >= 0 && slot < static_cast<int>(kControllerSlotCount);
}

// Slots without a part parameter change nothing the document keeps in a part.
bool MarksModified(int slot) {
  return kControllerSlots[static_cast<std::size_t>(slot)].partAddress.has_value();
}

// Channel, volume and expression stop at their ends; the others go round.
bool Clamps(int slot) {
  return slot == static_cast<int>(ControllerSlot::Volume) ||
         slot == static_cast<int>(ControllerSlot::Expression);
}

EditSpinPair* MakeField(QWidget* parent, const QString& name, int minimum, int maximum,
                        EditSpinPair::Ends ends) {
  auto* field = new EditSpinPair(parent);
  field->setObjectName(name);
  field->SetRange(minimum, maximum);
  field->SetEnds(ends);
  return field;
}

}  // namespace

CControllersDlg::CControllersDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::Controllers, QStringLiteral("Controllers"), parent),
      model_(model) {
  BuildControls();
  Follow(model);
  ShowAll();
}

EditSpinPair* CControllersDlg::MakeVoiceField(const char* name, int minimum, int maximum,
                                              std::uint8_t ChannelVoice::*byte) {
  EditSpinPair* field =
      MakeField(this, QLatin1String(name), minimum, maximum, EditSpinPair::Ends::Wrap);
  field->SetGetter([this, byte] { return ShownVoice().*byte; });
  field->SetSetter([this, byte](int value) {
    ChannelVoice voice = ShownVoice();
    voice.*byte = static_cast<std::uint8_t>(value);
    return TakeVoice(voice);
  });
  return field;
}

void CControllersDlg::BuildControls() {
  bankMsb_ = MakeVoiceField("BankMsb", 0, kMaxDataByte, &ChannelVoice::bankMsb);
  bankLsb_ = MakeVoiceField("BankLsb", 0, kMaxDataByte, &ChannelVoice::bankLsb);
  voice_ = MakeVoiceField("Voice", ChannelVoice::kFirstProgram, ChannelVoice::kLastProgram,
                          &ChannelVoice::program);
  channelField_ =
      MakeField(this, QStringLiteral("Channel"), 1, MidiChannel::kCount, EditSpinPair::Ends::Clamp);
  channelField_->SetGetter([this] { return channel_.Number(); });
  channelField_->SetSetter([this](int channel) {
    ShowChannel(MidiChannel::FromNumber(channel));
    TellChannelChosen();
    return true;
  });

  bankType_ = new QLabel(this);
  bankType_->setObjectName(QStringLiteral("BankType"));
  voiceName_ = new QLabel(this);
  voiceName_->setObjectName(QStringLiteral("VoiceName"));
  elements_ = new QLabel(this);
  elements_->setObjectName(QStringLiteral("Elements"));
  // The bank type and voice name read as values, in the edit boxes' colour.
  for (QLabel* label : {bankType_, voiceName_}) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorScheme::kEditText);
    label->setPalette(palette);
    label->setMinimumWidth(120);
  }

  auto* voiceGrid = new QGridLayout;
  const std::pair<EditSpinPair*, const char*> voiceFields[] = {
      {bankMsb_, "Bank MSB"}, {bankLsb_, "LSB"}, {voice_, "Voice #"}, {channelField_, "Channel"}};
  int row = 0;
  for (const auto& [field, label] : voiceFields) {
    voiceGrid->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
    voiceGrid->addWidget(field, row, 1);
    ++row;
  }
  voiceGrid->addWidget(bankType_, 0, 2);
  voiceGrid->addWidget(voiceName_, 1, 2);
  voiceGrid->addWidget(elements_, 2, 2);

  auto* controllerGrid = new QGridLayout;
  constexpr int kRows = 6;
  for (int slot = 0; slot < static_cast<int>(kControllerSlotCount); ++slot) {
    const ParameterDescriptor& info = kControllerSlots[static_cast<std::size_t>(slot)].parameter;
    auto* field = new EditSpinPair(this);
    field->Describe(info);
    field->SetEnds(Clamps(slot) ? EditSpinPair::Ends::Clamp : EditSpinPair::Ends::Wrap);
    field->SetGetter([this, slot] { return ControllerValue(slot); });
    field->SetSetter([this, slot](int value) { return TakeController(slot, value); });
    controllerFields_[static_cast<std::size_t>(slot)] = field;
    const int column = (slot / kRows) * 2;
    controllerGrid->addWidget(new QLabel(ToQString(info.label), this), slot % kRows, column);
    controllerGrid->addWidget(field, slot % kRows, column + 1);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(voiceGrid);
  layout->addLayout(controllerGrid);
}

ChannelVoice CControllersDlg::ShownVoice() const {
  return model_.IsInitialised() ? model_.Channels().Voice(channel_) : ChannelVoice{};
}

int CControllersDlg::ControllerValue(int slot) const {
  if (!IsSlot(slot) || !model_.IsInitialised()) return -1;
  return model_.Channels().Controller(channel_, slot);
}

int CControllersDlg::ShownModulation() const {
  return ControllerValue(static_cast<int>(ControllerSlot::Modulation));
}

EditSpinPair* CControllersDlg::ControllerField(int slot) {
  return IsSlot(slot) ? controllerFields_[static_cast<std::size_t>(slot)] : nullptr;
}

// --- Field handlers ---------------------------------------------------------

bool CControllersDlg::TakeVoice(const ChannelVoice& voice) {
  // The parts on the channel take the voice with it, kits and all.
  const bool sent = RecordEdit(StepName(QStringLiteral("Voice")), replay::ChannelVoice{channel_},
                               [&] { return model_.Channels().SetChannelVoice(channel_, voice); });
  if (!sent) return false;
  Host().MarkModified();
  Host().VoiceChosenForChannel(voice.bankMsb, voice.bankLsb, voice.program);
  return true;
}

bool CControllersDlg::TakeController(int slot, int value) {
  const QString label = ToQString(kControllerSlots[static_cast<std::size_t>(slot)].parameter.label);
  const bool sent = RecordEdit(StepName(label), replay::Controller{channel_, slot}, [&] {
    return model_.Channels().SetController(channel_, slot, value);
  });
  if (!sent) return false;
  if (MarksModified(slot)) Host().MarkModified();
  if (slot == static_cast<int>(ControllerSlot::Modulation)) Host().ModulationSet(value);
  return true;
}

QString CControllersDlg::StepName(const QString& what) const {
  return QStringLiteral("Channel %1 %2").arg(channel_.Number()).arg(what);
}

void CControllersDlg::TellChannelChosen() {
  const int modulation = ShownModulation();
  if (modulation >= 0) Host().ChannelChosenInControllers(channel_.Number(), modulation);
}

void CControllersDlg::ShowChannel(MidiChannel channel) {
  channel_ = channel;
  ShowAll();
}

// --- Operations of the main bar --------------------------------------------

void CControllersDlg::ShowFirstChannel(bool afterLoad) {
  if (!model_.IsInitialised()) return;
  const bool otherChannelShown = channel_.Index() != 0;
  channel_ = MidiChannel::FromIndex(0);
  if (!afterLoad || otherChannelShown) TellChannelChosen();
  ShowAll();
}

bool CControllersDlg::SelectChannel(int channel) {
  const MidiChannel chosen = MidiChannel::FromNumber(channel);
  if (!chosen.IsValid() || !model_.IsInitialised()) return false;
  if (chosen == channel_) return true;
  ShowChannel(chosen);
  // The piano changed channel itself: it only needs the channel's modulation.
  if (IsOpen()) Host().ModulationSet(ShownModulation());
  return true;
}

bool CControllersDlg::FollowPartChannel(int channel) {
  const MidiChannel chosen = MidiChannel::FromNumber(channel);
  if (!chosen.IsValid() || !model_.IsInitialised()) return false;
  if (chosen == channel_) return true;
  ShowChannel(chosen);
  TellChannelChosen();
  return true;
}

bool CControllersDlg::SelectChannelVoice(int voiceIndex) {
  if (!model_.IsInitialised()) return false;
  const bool sent =
      RecordEdit(StepName(QStringLiteral("Voice")), replay::ChannelVoice{channel_},
                 [&] { return model_.Channels().SelectChannelVoice(channel_, voiceIndex); });
  if (!sent) return false;
  const ChannelVoice voice = ShownVoice();
  Host().MarkModified();
  Host().VoiceChosenForChannel(voice.bankMsb, voice.bankLsb, voice.program);
  return true;
}

bool CControllersDlg::SetModulation(int value) {
  return model_.IsInitialised() && model_.Channels().StoreModulation(channel_, value);
}

// --- Showing the model -------------------------------------------------------

void CControllersDlg::WindowStart() {
  ShowAll();
}

void CControllersDlg::ShowChange(const ModelChange& change) {
  // The row is the channel's; the parts on it and their voices (a user voice
  // among them) only name the voice. What a part mirrors comes as the
  // channel's own notice.
  if (change.Concerns(ModelBlock::Channel, channel_.Index())) {
    ShowAll();
  } else if (change.block == ModelBlock::Part || change.block == ModelBlock::UserVoice) {
    ShowStatics();
  }
}

void CControllersDlg::ShowAll() {
  SetSelectionCaption(QStringLiteral("Channel %1").arg(channel_.Number()));
  for (EditSpinPair* field : {bankMsb_, bankLsb_, voice_, channelField_}) field->Refresh();
  for (EditSpinPair* field : controllerFields_) field->Refresh();
  ShowStatics();
}

void CControllersDlg::ShowStatics() {
  if (!model_.IsInitialised()) return;
  const std::span<const PartRecord> parts = model_.Parts().Records();
  bankType_->setText(ToQString(ChannelBankTypeName(parts, channel_.Index())));
  const VoiceLookup voice = ChannelVoiceName(parts, channel_.Index(), model_, model_.Instrument());
  voiceName_->setText(ToQString(voice.name));
  // Voices the catalogue cannot count (none, several, unknown) show a dash.
  elements_->setText(voice.elements > 0 ? QStringLiteral("Elements: %1").arg(voice.elements)
                                        : QStringLiteral("-"));
}

}  // namespace ravlo
