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

struct ControllerFieldText {
  const char* name;
  const char* label;
};

// Indexed by controller slot.
constexpr std::array<ControllerFieldText, kControllerSlotCount> kControllerFields{{
    {"Volume", "Volume"},
    {"Expression", "Expression"},
    {"Pan", "Pan"},
    {"Modulation", "Modulation"},
    {"Reverb", "Reverb"},
    {"Chorus", "Chorus"},
    {"Variation", "Variation"},
    {"Harmonic", "Harmonic (resonance)"},
    {"Release", "Release"},
    {"Attack", "Attack"},
    {"Brightness", "Brightn. (Cutoff)"},
}};
static_assert(kControllerFields.size() == kControllerSlotCount);

constexpr int kMaxDataByte = 127;
constexpr int kFirstProgram = 1;
constexpr int kLastProgram = 128;

bool IsSlot(int slot) {
  return slot >= 0 && slot < static_cast<int>(kControllerSlotCount);
}

bool IsShownChannelNumber(int channel) {
  return channel >= 1 && channel <= kMidiChannelCount;
}

// Slots without a part parameter change nothing the document keeps in a part.
bool MarksModified(int slot) {
  return slot != static_cast<int>(ControllerSlot::Expression) &&
         slot != static_cast<int>(ControllerSlot::Modulation);
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
  const ControllerRow defaults = DefaultControllerRow();
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    controllers_[slot] = defaults[slot];
  }
  BuildControls();
  ShowAll();
}

void CControllersDlg::BuildControls() {
  using Ends = EditSpinPair::Ends;
  bankMsb_ = MakeField(this, QStringLiteral("BankMsb"), 0, kMaxDataByte, Ends::Wrap);
  bankMsb_->SetSetter([this](int value) { return TakeVoiceValue(bankMsbValue_, value); });
  bankLsb_ = MakeField(this, QStringLiteral("BankLsb"), 0, kMaxDataByte, Ends::Wrap);
  bankLsb_->SetSetter([this](int value) { return TakeVoiceValue(bankLsbValue_, value); });
  voice_ = MakeField(this, QStringLiteral("Voice"), kFirstProgram, kLastProgram, Ends::Wrap);
  voice_->SetSetter([this](int value) { return TakeVoiceValue(voiceNumber_, value); });
  channelField_ = MakeField(this, QStringLiteral("Channel"), 1, kMidiChannelCount, Ends::Clamp);
  channelField_->SetSetter([this](int channel) { return TakeChannel(channel); });

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
    const ControllerFieldText& text = kControllerFields[static_cast<std::size_t>(slot)];
    auto* field = MakeField(this, QString::fromLatin1(text.name), 0, kMaxDataByte,
                            Clamps(slot) ? Ends::Clamp : Ends::Wrap);
    field->SetSetter([this, slot](int value) { return TakeController(slot, value); });
    controllerFields_[static_cast<std::size_t>(slot)] = field;
    const int column = (slot / kRows) * 2;
    controllerGrid->addWidget(new QLabel(QString::fromLatin1(text.label), this), slot % kRows,
                              column);
    controllerGrid->addWidget(field, slot % kRows, column + 1);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(voiceGrid);
  layout->addLayout(controllerGrid);
}

std::span<const PartRecord> CControllersDlg::Parts() const {
  const PartModel& parts = model_.Parts();
  if (parts.Count() == 0) return {};
  return {parts.Record(0), static_cast<std::size_t>(parts.Count())};
}

ChannelVoice CControllersDlg::ShownVoice() const {
  return {static_cast<std::uint8_t>(bankMsbValue_), static_cast<std::uint8_t>(voiceNumber_),
          static_cast<std::uint8_t>(bankLsbValue_)};
}

int CControllersDlg::ControllerValue(int slot) const {
  return IsSlot(slot) ? controllers_[static_cast<std::size_t>(slot)] : -1;
}

EditSpinPair* CControllersDlg::ControllerField(int slot) {
  return IsSlot(slot) ? controllerFields_[static_cast<std::size_t>(slot)] : nullptr;
}

// --- Field handlers ---------------------------------------------------------

bool CControllersDlg::TakeVoiceValue(int& target, int value) {
  target = value;
  const int channel = channel_ - 1;
  ChannelModel& channels = model_.Channels();
  channels.SetChannelVoice(channel, ShownVoice());
  // A failed send has been reported; the channel and its parts take the
  // voice all the same, so the image says what was meant.
  channels.SendVoiceMessages(channel, bankMsbValue_, bankLsbValue_, voiceNumber_ - 1);
  Host().VoiceChosenForChannel(channel_, bankMsbValue_, bankLsbValue_, voiceNumber_);
  ShowStatics();
  return true;
}

bool CControllersDlg::TakeController(int slot, int value) {
  const int channel = channel_ - 1;
  ChannelModel& channels = model_.Channels();
  if (!channels.SendControlChange(channel, slot, value)) return false;
  controllers_[static_cast<std::size_t>(slot)] = value;
  // The parts follow at once; the controller table only when the row is
  // stored.
  channels.ApplyControllerToParts(channel, slot, value);
  if (MarksModified(slot)) Host().MarkModified();
  if (slot == static_cast<int>(ControllerSlot::Modulation)) Host().ModulationSet(value);
  return true;
}

bool CControllersDlg::TakeChannel(int channel) {
  StoreRows();
  channel_ = channel;
  LoadRows();
  TellChannelChosen();
  ShowAll();
  return true;
}

void CControllersDlg::TellChannelChosen() {
  const int modulation = model_.Channels().GetControllerSlot(
      channel_ - 1, static_cast<int>(ControllerSlot::Modulation));
  if (modulation >= 0) Host().ChannelChosenInControllers(channel_, modulation);
}

// --- Operations of the main bar --------------------------------------------

void CControllersDlg::RefreshFromModel(bool afterLoad) {
  if (!model_.IsInitialised()) return;
  if (afterLoad) model_.Channels().SyncAllChannelsFromParts();
  const bool otherChannelShown = channel_ != 1;
  channel_ = 1;
  if (!afterLoad || otherChannelShown) TellChannelChosen();
  LoadRows();
  ShowAll();
}

void CControllersDlg::StoreToModel() {
  if (!model_.IsInitialised()) return;
  StoreRows();
}

bool CControllersDlg::SelectChannel(int channel) {
  if (!IsShownChannelNumber(channel) || !model_.IsInitialised()) return false;
  if (channel == channel_) return true;
  StoreRows();
  channel_ = channel;
  LoadRows();
  ShowAll();
  // The piano changed channel itself: it only needs the channel's modulation.
  if (IsOpen()) Host().ModulationSet(Controller(ControllerSlot::Modulation));
  return true;
}

bool CControllersDlg::FollowPartChannel(int channel) {
  if (!IsShownChannelNumber(channel) || !model_.IsInitialised()) return false;
  // The parts changed under the shown channel: they, not the working
  // values, say what it now holds.
  model_.Channels().SyncChannelFromParts(channel_ - 1);
  if (channel != channel_) {
    channel_ = channel;
    TellChannelChosen();
  }
  LoadRows();
  ShowAll();
  return true;
}

bool CControllersDlg::OnPartControllerChanged(int channel, int slot, int value) {
  if (channel != channel_ - 1 || !IsSlot(slot) || value < 0 || value > kMaxDataByte) {
    return false;
  }
  // Only the slots a part parameter mirrors can come from a part.
  if (!kControllerSlots[static_cast<std::size_t>(slot)].partAddress) return false;
  controllers_[static_cast<std::size_t>(slot)] = value;
  controllerFields_[static_cast<std::size_t>(slot)]->SetValue(value);
  return true;
}

bool CControllersDlg::SelectChannelVoice(int voiceIndex) {
  const std::optional<VoiceBank> bank = GetVoiceBank(voiceIndex);
  if (!bank || !model_.IsInitialised()) return false;
  bankMsbValue_ = bank->bankMsb;
  bankLsbValue_ = bank->bankLsb;
  voiceNumber_ = bank->program;
  const int channel = channel_ - 1;
  ChannelModel& channels = model_.Channels();
  channels.SetChannelVoice(channel, ShownVoice());
  channels.SendVoiceMessages(channel, bankMsbValue_, bankLsbValue_, voiceNumber_ - 1);
  Host().VoiceChosenForChannel(channel_, bankMsbValue_, bankLsbValue_, voiceNumber_);
  ShowAll();
  return true;
}

bool CControllersDlg::SendVariation() {
  if (!model_.IsInitialised()) return false;
  const auto slot = static_cast<int>(ControllerSlot::Variation);
  return model_.Channels().SendControlChange(channel_ - 1, slot,
                                             Controller(ControllerSlot::Variation));
}

bool CControllersDlg::SetModulation(int value) {
  if (value < 0 || value > kMaxDataByte || !model_.IsInitialised()) return false;
  const auto slot = static_cast<int>(ControllerSlot::Modulation);
  controllers_[static_cast<std::size_t>(slot)] = value;
  model_.Channels().SetControllerSlot(channel_ - 1, slot, value);
  controllerFields_[static_cast<std::size_t>(slot)]->SetValue(value);
  return true;
}

// --- Working values ---------------------------------------------------------

void CControllersDlg::LoadRows() {
  const int channel = channel_ - 1;
  const ChannelModel& channels = model_.Channels();
  ChannelVoice voice;
  if (channels.GetChannelVoice(channel, voice)) {
    bankMsbValue_ = voice.bankMsb;
    bankLsbValue_ = voice.bankLsb;
    voiceNumber_ = voice.program;
  }
  ControllerRow row{};
  if (channels.GetChannelControllers(channel, row)) {
    for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) controllers_[slot] = row[slot];
  }
}

void CControllersDlg::StoreRows() {
  const int channel = channel_ - 1;
  ChannelModel& channels = model_.Channels();
  channels.SetChannelVoice(channel, ShownVoice());
  ControllerRow row{};
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    row[slot] = static_cast<std::uint8_t>(controllers_[slot]);
  }
  channels.StoreChannelControllers(channel, row);
}

void CControllersDlg::WindowStart() {
  if (model_.IsInitialised()) LoadRows();
  ShowAll();
}

void CControllersDlg::ShowAll() {
  SetSelectionCaption(QStringLiteral("Channel %1").arg(channel_));
  bankMsb_->SetValue(bankMsbValue_);
  bankLsb_->SetValue(bankLsbValue_);
  voice_->SetValue(voiceNumber_);
  channelField_->SetValue(channel_);
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    controllerFields_[slot]->SetValue(controllers_[slot]);
  }
  ShowStatics();
}

void CControllersDlg::ShowStatics() {
  if (!model_.IsInitialised()) return;
  const std::span<const PartRecord> parts = Parts();
  const int channel = channel_ - 1;
  bankType_->setText(ToQString(ChannelBankTypeName(parts, channel)));
  const VoiceLookup voice = ChannelVoiceName(parts, channel, model_);
  voiceName_->setText(ToQString(voice.name));
  // Voices the catalogue cannot count (none, several, unknown) show a dash.
  elements_->setText(voice.elements > 0 ? QStringLiteral("Elements: %1").arg(voice.elements)
                                        : QStringLiteral("-"));
}

void CControllersDlg::StoreOnClose() {
  StoreToModel();
}

}  // namespace ravlo
