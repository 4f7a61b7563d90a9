#include "mixer/MixerWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "model/XgModel.h"
#include "parts/PartMuting.h"
#include "parts/PartParameterTable.h"
#include "parts/PartRecord.h"
#include "sound/SoundView.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

// The extended table holds every field the mixer has, the part EQ too.
const ParameterDescriptor& PartParameterAt(int address) {
  return FindPartParameter(address, InstrumentModel::Extended)->parameter;
}

constexpr int kVolume = 0x0B;
constexpr int kFaderHeight = 140;
constexpr int kVoiceWidth = 84;
// The meters show the last 60 dB and fall back 3 dB a look, 20 looks a second.
constexpr int kMeterFloorDb = 60;
constexpr int kMeterFallDb = 3;
constexpr int kSoundLookMs = 50;
const QString kMutedLook = QStringLiteral("background-color: #b03030; color: white;");
const QString kSoloedLook = QStringLiteral("background-color: #d0a000; color: black;");

// The grid's rows: a strip reads from top to bottom.
enum Row { kNumberRow, kChannelRow, kVoiceRow, kMutingRow, kFaderRow, kFirstFieldRow };

}  // namespace

MixerWindow::MixerWindow(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::Mixer, QStringLiteral("Mixer"), parent), model_(model) {
  Build();
  Follow(model);
}

void MixerWindow::Build() {
  auto* grid = new QGridLayout(this);
  // Sixteen strips in the width of a screen: tight spacing, short row names
  // with the whole name as their tip.
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setHorizontalSpacing(1);
  grid->setVerticalSpacing(2);
  const int modeRow = kFirstFieldRow + static_cast<int>(kFieldAddresses.size());
  const auto rowName = [this, grid](const QString& shortName, const QString& name, int row) {
    auto* label = new QLabel(shortName, this);
    label->setToolTip(name);
    grid->addWidget(label, row, 0);
  };
  rowName(QStringLiteral("Part"), QStringLiteral("Part"), kNumberRow);
  rowName(QStringLiteral("Ch"), QStringLiteral("Receive channel"), kChannelRow);
  rowName(QStringLiteral("Voice"), QStringLiteral("Voice"), kVoiceRow);
  rowName(QStringLiteral("M/S"), QStringLiteral("Mute and Solo"), kMutingRow);
  for (std::size_t f = 0; f < kFieldAddresses.size(); ++f) {
    const QString name = ToQString(PartParameterAt(kFieldAddresses[f]).label);
    rowName(name.left(3), name, kFirstFieldRow + static_cast<int>(f));
  }
  rowName(QStringLiteral("Mode"), QStringLiteral("Part mode"), modeRow);
  const int firstEqRow = modeRow + 1;
  for (std::size_t e = 0; e < kEqAddresses.size(); ++e) {
    const QString name = ToQString(PartParameterAt(kEqAddresses[e]).label);
    rowName(name.left(3), name, firstEqRow + static_cast<int>(e));
    eqNames_.push_back(grid->itemAtPosition(firstEqRow + static_cast<int>(e), 0)->widget());
  }

  const int count = model_.IsInitialised() ? model_.Parts().Count() : kPartCount;
  QWidget* previous = nullptr;
  const auto chain = [&previous](QWidget* next) {
    if (previous != nullptr) setTabOrder(previous, next);
    previous = next;
  };
  for (int index = 0; index < count; ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    const int column = index + 1;
    const QString suffix = QString::number(part.Number());
    Strip strip;
    auto* number = new QLabel(suffix, this);
    number->setAlignment(Qt::AlignCenter);
    grid->addWidget(number, kNumberRow, column);
    strip.channel = new QLabel(this);
    strip.channel->setObjectName(QStringLiteral("Channel") + suffix);
    strip.channel->setAlignment(Qt::AlignCenter);
    grid->addWidget(strip.channel, kChannelRow, column);

    strip.voice = new QPushButton(this);
    strip.voice->setObjectName(QStringLiteral("Voice") + suffix);
    strip.voice->setFlat(true);
    strip.voice->setMaximumWidth(kVoiceWidth);
    connect(strip.voice, &QPushButton::clicked, this, [this, index] { OnVoiceClicked(index); });
    grid->addWidget(strip.voice, kVoiceRow, column);

    // Checked while the part is muted or soloed, in a colour a glance finds;
    // a click sends, and the model's answer sets the buttons.
    const auto mutingButton = [this, &suffix](const QString& text, const QString& checked) {
      auto* button = new QPushButton(text, this);
      button->setObjectName(text + suffix);
      button->setCheckable(true);
      button->setStyleSheet(QStringLiteral("QPushButton:checked { %1 }").arg(checked));
      button->setFocusPolicy(Qt::NoFocus);
      button->setMaximumWidth(kVoiceWidth / 2);
      return button;
    };
    strip.mute = mutingButton(QStringLiteral("Mute"), kMutedLook);
    strip.solo = mutingButton(QStringLiteral("Solo"), kSoloedLook);
    connect(strip.mute, &QPushButton::clicked, this,
            [this, index](bool on) { OnMutingClicked(index, Muting::Mute, on); });
    connect(strip.solo, &QPushButton::clicked, this,
            [this, index](bool on) { OnMutingClicked(index, Muting::Solo, on); });
    auto* muting = new QHBoxLayout;
    muting->setSpacing(0);
    muting->addWidget(strip.mute);
    muting->addWidget(strip.solo);
    grid->addLayout(muting, kMutingRow, column);

    const ParameterDescriptor& volume = PartParameterAt(kVolume);
    strip.fader = new QSlider(Qt::Vertical, this);
    strip.fader->setObjectName(QStringLiteral("Fader") + suffix);
    strip.fader->setRange(volume.minimum, volume.maximum);
    strip.fader->setPageStep(10);
    strip.fader->setMinimumHeight(kFaderHeight);
    // The keys belong to the Volume field below it, the wheel too.
    strip.fader->setFocusPolicy(Qt::NoFocus);
    strip.fader->installEventFilter(this);
    connect(strip.fader, &QSlider::valueChanged, this,
            [this, index](int value) { OnFaderMoved(index, value); });
    // A new drag starts a step of its own, even right after another.
    connect(strip.fader, &QSlider::sliderPressed, this, [this] { dragStarting_ = true; });
    strip.meter = new QProgressBar(this);
    strip.meter->setObjectName(QStringLiteral("Meter") + suffix);
    strip.meter->setOrientation(Qt::Vertical);
    strip.meter->setRange(0, kMeterFloorDb);
    strip.meter->setTextVisible(false);
    strip.meter->setFixedWidth(6);
    strip.meter->hide();
    auto* faderCell = new QHBoxLayout;
    faderCell->setSpacing(1);
    faderCell->addWidget(strip.fader);
    faderCell->addWidget(strip.meter);
    grid->addLayout(faderCell, kFaderRow, column, Qt::AlignHCenter);

    for (std::size_t f = 0; f < kFieldAddresses.size(); ++f) {
      strip.fields[f] = MakeField(part, kFieldAddresses[f]);
      grid->addWidget(strip.fields[f], kFirstFieldRow + static_cast<int>(f), column);
      chain(strip.fields[f]->Edit());
    }

    strip.mode = new QComboBox(this);
    strip.mode->setObjectName(QStringLiteral("Mode") + suffix);
    connect(strip.mode, &QComboBox::activated, this,
            [this, index](int mode) { OnModeChosen(index, mode); });
    grid->addWidget(strip.mode, modeRow, column);
    chain(strip.mode);
    chain(strip.voice);
    strips_.push_back(strip);
  }
  // The part EQ after all the strips, so that Tab through a strip is the same
  // with it or without.
  for (int index = 0; index < count; ++index) {
    Strip& strip = strips_[static_cast<std::size_t>(index)];
    for (std::size_t e = 0; e < kEqAddresses.size(); ++e) {
      strip.eq[e] = MakeField(PartIndex::FromIndex(index), kEqAddresses[e]);
      grid->addWidget(strip.eq[e], firstEqRow + static_cast<int>(e), index + 1);
      chain(strip.eq[e]->Edit());
    }
  }
}

EditSpinPair* MixerWindow::MakeField(PartIndex part, int address) {
  auto* field = new EditSpinPair(this);
  field->Describe(PartParameterAt(address));
  field->setObjectName(field->objectName() + QString::number(part.Number()));
  // Three digits: sixteen strips fit a screen.
  field->Edit()->setMaximumWidth(field->Edit()->fontMetrics().horizontalAdvance("000") + 6);
  field->SetGetter(
      [this, part, address] { return model_.Parts().PartValue(part, address).value_or(0); });
  field->SetSetter([this, part, address](int shown) {
    return SendValue(part, address, shown, StepJoin::Separate);
  });
  return field;
}

EditSpinPair* MixerWindow::Field(int part, int address) const {
  if (part < 0 || part >= StripCount()) return nullptr;
  const Strip& strip = strips_[static_cast<std::size_t>(part)];
  for (std::size_t f = 0; f < kFieldAddresses.size(); ++f) {
    if (kFieldAddresses[f] == address) return strip.fields[f];
  }
  for (std::size_t e = 0; e < kEqAddresses.size(); ++e) {
    if (kEqAddresses[e] == address) return strip.eq[e];
  }
  return nullptr;
}

QSlider* MixerWindow::Fader(int part) const {
  return part >= 0 && part < StripCount() ? strips_[static_cast<std::size_t>(part)].fader : nullptr;
}

QComboBox* MixerWindow::ModeList(int part) const {
  return part >= 0 && part < StripCount() ? strips_[static_cast<std::size_t>(part)].mode : nullptr;
}

QPushButton* MixerWindow::VoiceButton(int part) const {
  return part >= 0 && part < StripCount() ? strips_[static_cast<std::size_t>(part)].voice : nullptr;
}

QProgressBar* MixerWindow::Meter(int part) const {
  return part >= 0 && part < StripCount() ? strips_[static_cast<std::size_t>(part)].meter : nullptr;
}

QLabel* MixerWindow::ChannelLabel(int part) const {
  return part >= 0 && part < StripCount() ? strips_[static_cast<std::size_t>(part)].channel
                                          : nullptr;
}

QPushButton* MixerWindow::MuteButton(int part) const {
  return part >= 0 && part < StripCount() ? strips_[static_cast<std::size_t>(part)].mute : nullptr;
}

QPushButton* MixerWindow::SoloButton(int part) const {
  return part >= 0 && part < StripCount() ? strips_[static_cast<std::size_t>(part)].solo : nullptr;
}

// --- Showing -------------------------------------------------------------------

void MixerWindow::ShowStrip(int index) {
  const Strip& strip = strips_[static_cast<std::size_t>(index)];
  const PartIndex part = PartIndex::FromIndex(index);
  const PartModel& parts = model_.Parts();
  strip.channel->setText(parts.IsOff(part)
                             ? QStringLiteral("Off")
                             : QStringLiteral("Ch %1").arg(parts.ShownChannel(part).Number()));
  const QString voice = ToQString(parts.PartVoiceName(part).name);
  strip.voice->setText(
      strip.voice->fontMetrics().elidedText(voice, Qt::ElideRight, kVoiceWidth - 8));
  strip.voice->setToolTip(VoiceTip(index));
  {
    const QSignalBlocker quiet(strip.fader);
    strip.fader->setValue(parts.PartValue(part, kVolume).value_or(0));
  }
  for (EditSpinPair* field : strip.fields) field->Refresh();
  // The part EQ where the instrument has it; the modes it has.
  const bool extended = model_.Instrument() == InstrumentModel::Extended;
  for (EditSpinPair* field : strip.eq) {
    field->setVisible(extended);
    if (extended) field->Refresh();
  }
  const std::span<const std::string_view> choices =
      parts.Parameter(part_address::kPartMode)->parameter.choices;
  if (strip.mode->count() != static_cast<int>(choices.size())) {
    const QSignalBlocker quiet(strip.mode);
    strip.mode->clear();
    for (std::string_view choice : choices) strip.mode->addItem(ToQString(choice));
  }
  const int mode = parts.PartValue(part, part_address::kPartMode).value_or(0);
  auto* items = qobject_cast<QStandardItemModel*>(strip.mode->model());
  for (int choice = 0; choice < strip.mode->count(); ++choice) {
    const bool allowed = parts.ModeChoiceAllowed(part, part_address::kPartMode, choice);
    if (items != nullptr) items->item(choice)->setEnabled(allowed);
  }
  const QSignalBlocker quiet(strip.mode);
  strip.mode->setCurrentIndex(mode);
}

void MixerWindow::ShowAll() {
  if (!model_.IsInitialised()) return;
  for (QWidget* name : eqNames_) name->setVisible(model_.Instrument() == InstrumentModel::Extended);
  for (int index = 0; index < StripCount(); ++index) ShowStrip(index);
  ShowMuting();
}

void MixerWindow::ShowMuting() {
  const PartModel& parts = model_.Parts();
  for (int index = 0; index < StripCount(); ++index) {
    const Strip& strip = strips_[static_cast<std::size_t>(index)];
    const PartIndex part = PartIndex::FromIndex(index);
    strip.mute->setChecked(part_muting::IsMuted(parts, part));
    strip.solo->setChecked(part_muting::IsSoloed(parts, part));
  }
}

void MixerWindow::WindowStart() {
  ShowAll();
  // Part 1's Volume is where the keys start.
  if (!strips_.empty()) strips_.front().fields.front()->Edit()->setFocus();
}

void MixerWindow::ShowChange(const ModelChange& change) {
  if (change.block == ModelBlock::Part && change.index >= 0 && change.index < StripCount()) {
    ShowStrip(change.index);
    ShowMuting();
  } else if (change.block == ModelBlock::Part || change.block == ModelBlock::UserVoice ||
             change.block == ModelBlock::Drum) {
    // A whole part block, or the names of user voices and drum kits.
    ShowAll();
  }
}

bool MixerWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    for (const Strip& strip : strips_) {
      if (watched != strip.fader) continue;
      QWidget* volume = strip.fields.front();
      return QCoreApplication::sendEvent(volume, event);
    }
  }
  return EditorDialog::eventFilter(watched, event);
}

QString MixerWindow::VoiceTip(int index) const {
  const QString voice = ToQString(model_.Parts().PartVoiceName(PartIndex::FromIndex(index)).name);
  if (sound_ == nullptr || !sound_->Active()) return voice;
  return voice + '\n' + ToQString(sound_->HeardText(PartIndex::FromIndex(index)));
}

void MixerWindow::SetSound(SoundView* sound) {
  sound_ = sound;
  if (sound_ == nullptr || soundTimer_ != nullptr) return;
  soundTimer_ = new QTimer(this);
  connect(soundTimer_, &QTimer::timeout, this, &MixerWindow::ShowSound);
  soundTimer_->start(kSoundLookMs);
}

void MixerWindow::ShowSound() {
  if (!isVisible() || !model_.IsInitialised()) return;
  const bool active = sound_->Active();
  for (int index = 0; index < StripCount(); ++index) {
    const Strip& strip = strips_[static_cast<std::size_t>(index)];
    strip.meter->setVisible(active);
    const QString tip = VoiceTip(index);
    if (strip.voice->toolTip() != tip) strip.voice->setToolTip(tip);
    if (!active) continue;
    const float peak = sound_->TakePeak(PartIndex::FromIndex(index));
    const int level =
        peak > 0 ? static_cast<int>(std::lround(20 * std::log10(peak))) + kMeterFloorDb : 0;
    strip.meter->setValue(
        std::clamp(std::max(level, strip.meter->value() - kMeterFallDb), 0, kMeterFloorDb));
  }
}

// --- Edits ---------------------------------------------------------------------

QString MixerWindow::StepName(PartIndex part, const QString& what) {
  return QStringLiteral("Part %1 %2").arg(part.Number()).arg(what);
}

bool MixerWindow::SendValue(PartIndex part, int address, int shown, StepJoin join) {
  const QString label = ToQString(PartParameterAt(address).label);
  if (!RecordEdit(
          StepName(part, label), replay::Values{},
          [&] { return model_.Parts().SetPartValue(part, address, shown); }, join)) {
    return false;
  }
  Host().MarkModified();
  return true;
}

void MixerWindow::OnFaderMoved(int index, int value) {
  const Strip& strip = strips_[static_cast<std::size_t>(index)];
  // A drag is one step of the history, however far it goes.
  StepJoin join = StepJoin::Separate;
  if (strip.fader->isSliderDown()) join = dragStarting_ ? StepJoin::Opens : StepJoin::WithSameName;
  dragStarting_ = false;
  if (!SendValue(PartIndex::FromIndex(index), kVolume, value, join)) ShowStrip(index);
}

void MixerWindow::OnVoiceClicked(int index) {
  if (!voiceChooser_) return;
  const PartIndex part = PartIndex::FromIndex(index);
  const std::optional<int> chosen = voiceChooser_(part);
  if (!chosen) return;
  if (RecordEdit(StepName(part, QStringLiteral("Voice")), replay::PartVoice{part},
                 [&] { return model_.Parts().SelectPartVoice(part, *chosen); })) {
    Host().MarkModified();
  }
}

void MixerWindow::OnModeChosen(int index, int mode) {
  const PartIndex part = PartIndex::FromIndex(index);
  if (model_.Parts().PartValue(part, part_address::kPartMode) == mode) return;
  const PartModel::ModeBytes bytes = {kNoParameter, kNoParameter, static_cast<std::uint8_t>(mode)};
  const bool sent = RecordEdit(StepName(part, QStringLiteral("Mode")), replay::PartMode{part},
                               [&] { return model_.Parts().SetPartMode(part, bytes); });
  if (sent) {
    Host().MarkModified();
  } else {
    ShowStrip(index);
  }
}

void MixerWindow::OnMutingClicked(int index, Muting button, bool on) {
  const PartIndex part = PartIndex::FromIndex(index);
  const bool solo = button == Muting::Solo;
  const QString what = solo ? (on ? QStringLiteral("Solo") : QStringLiteral("Solo Off"))
                            : (on ? QStringLiteral("Mute") : QStringLiteral("Unmute"));
  if (RecordEdit(StepName(part, what), replay::Values{}, [&] {
        return solo ? part_muting::SetSoloed(model_.Parts(), part, on)
                    : part_muting::SetMuted(model_.Parts(), part, on);
      })) {
    Host().MarkModified();
  }
  // A refused send leaves the parts as they were, and the buttons show that.
  ShowMuting();
}

}  // namespace ravlo
