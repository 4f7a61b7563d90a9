#include "editors/CPartRunDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "editors/PartDialogHooks.h"
#include "model/XgModel.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

constexpr int kCentre = 64;
constexpr int kDetuneCentre = 128;
constexpr int kRowsPerColumn = 6;

QString SwitchCaption(bool pressed) {
  return pressed ? QStringLiteral("On") : QStringLiteral("Off");
}

bool IsSigned(const PartRunField& field) {
  return field.minimum < 0;
}

// The record byte (or, for detune, the first of two) a shown value becomes.
std::uint8_t ByteFor(const PartRunField& field, int value) {
  switch (field.transform) {
    case PartFieldTransform::Centred:
      return static_cast<std::uint8_t>(value + kCentre);
    case PartFieldTransform::Detune:
      return static_cast<std::uint8_t>((value + kDetuneCentre) >> 4);
    case PartFieldTransform::Raw:
    case PartFieldTransform::Switch:
      break;
  }
  return static_cast<std::uint8_t>(value);
}

}  // namespace

CPartRunDlg::CPartRunDlg(XgModel& model, int part, PartRunKind kind, int base, QWidget* parent)
    : QDialog(parent),
      model_(model),
      part_(part),
      kind_(kind),
      layout_(GetPartRunLayout(kind)),
      base_(GetPartRunLayout(kind).baseFromButton ? base : 0),
      drum_(model.Parts().IsDrumPart(part)),
      shower_([this](const QString& text) { ShowPartPrompt(this, text); }) {
  setModal(true);
  setWindowTitle(ToQString(layout_.title));
  Build();
  Load();
}

void CPartRunDlg::Build() {
  // Fields of one group share a box; the groups stand side by side.
  std::vector<std::string_view> groups;
  for (const PartRunField& field : layout_.fields) {
    if (std::find(groups.begin(), groups.end(), field.group) == groups.end()) {
      groups.push_back(field.group);
    }
  }

  auto* sections = new QHBoxLayout;
  controls_.reserve(layout_.fields.size());
  for (std::string_view group : groups) {
    QWidget* section = group.empty() ? new QWidget(this) : new QGroupBox(ToQString(group), this);
    auto* grid = new QGridLayout(section);
    if (group.empty()) grid->setContentsMargins(0, 0, 0, 0);
    int count = 0;
    for (const PartRunField& field : layout_.fields) count += field.group == group ? 1 : 0;
    const int columns = (count + kRowsPerColumn - 1) / kRowsPerColumn;
    const int rows = (count + columns - 1) / columns;

    int index = 0;
    for (const PartRunField& field : layout_.fields) {
      if (field.group != group) continue;
      const int row = index % rows;
      const int column = (index / rows) * 2;
      ++index;
      FieldControl control{&field, nullptr, nullptr};
      QWidget* widget = nullptr;
      if (field.transform == PartFieldTransform::Switch) {
        control.toggle = MakeButton(SwitchCaption(false), ToQString(field.name), section);
        control.toggle->setCheckable(true);
        widget = control.toggle;
      } else {
        control.edit = new EditSpinPair(section);
        control.edit->setObjectName(ToQString(field.name));
        control.edit->SetRange(field.minimum, field.maximum);
        control.edit->SetSigned(IsSigned(field));
        widget = control.edit;
      }
      if (!field.label.empty()) {
        auto* label = new QLabel(ToQString(field.label), section);
        label->setBuddy(control.edit != nullptr ? control.edit->Edit() : widget);
        grid->addWidget(label, row, column);
      }
      grid->addWidget(widget, row, column + 1);
      controls_.push_back(control);
    }
    sections->addWidget(section, 0, Qt::AlignTop);
  }

  FinishPartDialog(*this, sections);

  // The controls are in place: only now may their handlers run.
  for (const FieldControl& control : controls_) {
    const PartRunField& field = *control.field;
    const bool enabled = !(drum_ && field.drumless);
    if (control.toggle != nullptr) {
      control.toggle->setEnabled(enabled);
      connect(control.toggle, &QPushButton::clicked, this,
              [this, control](bool pressed) { OnSwitchClicked(control, pressed); });
      continue;
    }
    control.edit->setEnabled(enabled);
    control.edit->SetSetter([this, &field](int value) { return SendField(field, value); });
    connect(control.edit, &EditSpinPair::Beeped, this, [this, control] { OnRefused(control); });
  }
}

void CPartRunDlg::Load() {
  for (const PartRunSpan& span : layout_.spans) {
    KeptSpan kept{base_ + span.offset, {}};
    // A drum part has none of these bytes: they are neither shown nor restored.
    if (!(drum_ && span.drumless)) {
      kept.bytes.resize(static_cast<std::size_t>(span.count));
      if (!model_.Parts().GetPartBytes(part_, kept.address, kept.bytes)) kept.bytes.clear();
    }
    kept_.push_back(std::move(kept));
  }
  for (const FieldControl& control : controls_) {
    const int value = DisplayFromKept(*control.field);
    if (control.toggle != nullptr) {
      control.toggle->setChecked(value == 1);
      control.toggle->setText(SwitchCaption(value == 1));
    } else {
      control.edit->SetValue(value);
    }
  }
}

std::optional<std::uint8_t> CPartRunDlg::KeptByte(int address) const {
  for (const KeptSpan& span : kept_) {
    const int index = address - span.address;
    if (index >= 0 && index < static_cast<int>(span.bytes.size())) {
      return span.bytes[static_cast<std::size_t>(index)];
    }
  }
  return std::nullopt;
}

int CPartRunDlg::DisplayFromKept(const PartRunField& field) const {
  const int address = Address(field);
  const std::optional<std::uint8_t> byte = KeptByte(address);
  if (!byte) return 0;
  switch (field.transform) {
    case PartFieldTransform::Centred:
      return *byte - kCentre;
    case PartFieldTransform::Detune: {
      const std::optional<std::uint8_t> low = KeptByte(address + 1);
      return (((*byte & 0x0F) << 4) | (low.value_or(0) & 0x0F)) - kDetuneCentre;
    }
    case PartFieldTransform::Raw:
    case PartFieldTransform::Switch:
      break;
  }
  return *byte;
}

std::optional<int> CPartRunDlg::DisplayValue(const QString& name) const {
  for (const FieldControl& control : controls_) {
    if (ToQString(control.field->name) != name) continue;
    if (control.toggle != nullptr) return control.toggle->isChecked() ? 1 : 0;
    return control.edit->Value();
  }
  return std::nullopt;
}

bool CPartRunDlg::SendField(const PartRunField& field, int displayValue) {
  if ((drum_ && field.drumless) || displayValue < field.minimum || displayValue > field.maximum) {
    return false;
  }
  PartModel& parts = model_.Parts();
  const int address = Address(field);
  if (field.transform == PartFieldTransform::Detune) {
    const int value = displayValue + kDetuneCentre;
    const auto high = static_cast<std::uint8_t>(value >> 4);
    const auto low = static_cast<std::uint8_t>(value & 0x0F);
    if (!parts.SetPartParameterPair(part_, address, high, low)) return false;
    parts.PutPartByte(part_, address, high);
    parts.PutPartByte(part_, address + 1, low);
  } else {
    const std::array<std::uint8_t, 1> byte{ByteFor(field, displayValue)};
    if (!parts.SetPartParameters(part_, address, byte)) return false;
    parts.PutPartByte(part_, address, byte[0]);
  }
  changed_ = true;
  return true;
}

void CPartRunDlg::OnRefused(const FieldControl& control) {
  refused_ = true;
  // Text that is no number only beeps; a number out of range is told its range.
  bool number = false;
  control.edit->Edit()->text().trimmed().toInt(&number);
  if (!number || !shower_) return;
  shower_(IntegerRangeText(control.field->minimum, control.field->maximum));
}

void CPartRunDlg::OnSwitchClicked(const FieldControl& control, bool pressed) {
  control.toggle->setText(SwitchCaption(pressed));
  if (!SendField(*control.field, pressed ? 1 : 0)) {
    // The part keeps its old state, and so does the button.
    control.toggle->setChecked(!pressed);
    control.toggle->setText(SwitchCaption(!pressed));
  }
}

bool CPartRunDlg::RestoreKept() {
  PartModel& parts = model_.Parts();
  for (const KeptSpan& span : kept_) {
    if (span.bytes.empty()) continue;
    // The failure has been reported once; the rest keeps its edited values too.
    if (!parts.SetPartParameters(part_, span.address, span.bytes)) return false;
    parts.PutPartBytes(part_, span.address, span.bytes);
  }
  return true;
}

void CPartRunDlg::accept() {
  refused_ = false;
  for (const FieldControl& control : controls_) {
    if (control.edit == nullptr || !control.edit->isEnabled()) continue;
    if (control.edit->Edit()->text() == QString::number(control.edit->Value())) continue;
    control.edit->Commit();
    if (refused_) return;
  }
  QDialog::accept();
}

}  // namespace ravlo
