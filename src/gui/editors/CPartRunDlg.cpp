#include "editors/CPartRunDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/PartDialogHooks.h"
#include "model/XgModel.h"
#include "parts/PartParameterTable.h"
#include "shapes/PartShapes.h"
#include "widgets/Buttons.h"
#include "widgets/CurveView.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"
#include "widgets/ShapePictures.h"

namespace ravlo {

namespace {

constexpr int kRowsPerColumn = 6;

QString SwitchCaption(bool pressed) {
  return pressed ? QStringLiteral("On") : QStringLiteral("Off");
}

// The loudest resonance peak stays inside the filter's picture.
constexpr double kHighestDecibels = 18.0;
constexpr double kLevelTop = 1.05;
constexpr double kPitchSteps = 64.0;

void DrawPicture(CurveView& view, PartPicture picture, const std::vector<int>& values) {
  const auto value = [&values](std::size_t i) { return i < values.size() ? values[i] : 0; };
  switch (picture) {
    case PartPicture::FilterResponse:
      ShowFrequencyResponse(view, part_shapes::FilterResponse(value(0), value(1)),
                            part_shapes::kFloorDecibels, kHighestDecibels);
      break;
    case PartPicture::AmplitudeEnvelope: {
      // The voice as it is, faint, under the voice the offsets make of it.
      const EnvelopeShape typical = part_shapes::AmplitudeEnvelope(0, 0, 0);
      ShowEnvelope(view, part_shapes::AmplitudeEnvelope(value(0), value(1), value(2)),
                   {0.0, kLevelTop, false}, &typical);
      break;
    }
    case PartPicture::PitchEnvelope:
      ShowEnvelope(view, part_shapes::PitchEnvelope(value(0), value(1), value(2), value(3)),
                   {-kPitchSteps, kPitchSteps, false});
      break;
    case PartPicture::None:
      break;
  }
}

}  // namespace

CPartRunDlg::CPartRunDlg(XgModel& model, PartIndex part, PartRunKind kind, int base,
                         QWidget* parent)
    : QDialog(parent),
      model_(model),
      part_(part),
      layout_(GetPartRunLayout(kind)),
      base_(GetPartRunLayout(kind).baseFromButton ? base : 0),
      drum_(model.Parts().IsDrumPart(part)),
      shower_([this](const QString& text) { ShowPartPrompt(this, text); }) {
  setModal(true);
  setWindowTitle(QStringLiteral("Part %1 %2")
                     .arg(part_.Number())
                     .arg(ToQString(PartRunTitle(layout_, base_))));
  Keep();
  Build();
}

void CPartRunDlg::Keep() {
  for (const PartRunSpan& span : PartRunSpans(layout_, base_)) {
    KeptSpan kept{span.address, {}};
    // A drum part has none of these bytes: they are neither kept nor restored.
    if (!(drum_ && span.drumless)) {
      kept.bytes.resize(static_cast<std::size_t>(span.count));
      if (!model_.Parts().GetPartBytes(part_, kept.address, kept.bytes)) kept.bytes.clear();
    }
    kept_.push_back(std::move(kept));
  }
}

void CPartRunDlg::Build() {
  // Fields of one group share a box; the groups stand side by side.
  auto* sections = new QHBoxLayout;
  for (const PartRunGroup& group : layout_.groups) {
    QWidget* section =
        group.title.empty() ? new QWidget(this) : new QGroupBox(ToQString(group.title), this);
    auto* grid = new QGridLayout(section);
    if (group.title.empty()) grid->setContentsMargins(0, 0, 0, 0);
    const int count = static_cast<int>(group.offsets.size());
    const int columns = (count + kRowsPerColumn - 1) / kRowsPerColumn;
    const int rows = (count + columns - 1) / columns;

    GroupPicture picture{group.picture, nullptr, {}};
    int index = 0;
    for (std::uint8_t offset : group.offsets) {
      const int address = base_ + offset;
      const PartParameter* entry = model_.Parts().Parameter(address);
      if (entry == nullptr) continue;
      picture.addresses.push_back(address);
      const ParameterDescriptor& parameter = entry->parameter;
      const int row = index % rows;
      const int column = (index / rows) * 2;
      ++index;
      FieldControl control{address, &parameter, nullptr, nullptr};
      QWidget* widget = nullptr;
      if (parameter.shownAs == ShownAs::Switch) {
        control.toggle = MakeButton(SwitchCaption(false), ToQString(parameter.name), section);
        control.toggle->setCheckable(true);
        widget = control.toggle;
      } else {
        control.edit = new EditSpinPair(section);
        control.edit->Describe(parameter);
        widget = control.edit;
      }
      if (!parameter.label.empty()) {
        auto* label = new QLabel(ToQString(parameter.label), section);
        label->setBuddy(control.edit != nullptr ? control.edit->Edit() : widget);
        grid->addWidget(label, row, column);
      }
      grid->addWidget(widget, row, column + 1);
      controls_.push_back(control);
    }
    if (group.picture != PartPicture::None) {
      picture.view = new CurveView(section);
      grid->addWidget(picture.view, 0, columns * 2, rows, 1);
      pictures_.push_back(std::move(picture));
    }
    sections->addWidget(section, 0, Qt::AlignTop);
  }

  FinishPartDialog(*this, sections);

  // The controls are in place: only now may their handlers run.
  for (const FieldControl& control : controls_) {
    const bool enabled = model_.Parts().HasParameter(part_, control.address);
    if (control.toggle != nullptr) {
      control.toggle->setEnabled(enabled);
      ShowSwitch(control);
      connect(control.toggle, &QPushButton::clicked, this,
              [this, control](bool pressed) { OnSwitchClicked(control, pressed); });
      continue;
    }
    control.edit->setEnabled(enabled);
    control.edit->SetGetter([this, control] { return ShownValue(control); });
    control.edit->SetSetter([this, control](int value) { return SendField(control, value); });
    connect(control.edit, &EditSpinPair::Beeped, this, [this, control] { OnRefused(control); });
    connect(control.edit->Edit(), &QLineEdit::textChanged, this, &CPartRunDlg::ShowPictures);
  }
  ShowPictures();
}

CurveView* CPartRunDlg::Picture(PartPicture picture) const {
  for (const GroupPicture& shown : pictures_) {
    if (shown.picture == picture) return shown.view;
  }
  return nullptr;
}

void CPartRunDlg::ShowPictures() {
  for (const GroupPicture& picture : pictures_) {
    std::vector<int> values;
    for (int address : picture.addresses) {
      for (const FieldControl& control : controls_) {
        if (control.address != address || control.edit == nullptr) continue;
        values.push_back(control.edit->TypedValue().value_or(ShownValue(control)));
      }
    }
    DrawPicture(*picture.view, picture.picture, values);
  }
}

int CPartRunDlg::ShownValue(const FieldControl& control) const {
  return model_.Parts().PartValue(part_, control.address).value_or(0);
}

std::optional<int> CPartRunDlg::DisplayValue(const QString& name) const {
  for (const FieldControl& control : controls_) {
    if (ToQString(control.parameter->name) != name) continue;
    if (control.toggle != nullptr) return control.toggle->isChecked() ? 1 : 0;
    return control.edit->Value();
  }
  return std::nullopt;
}

bool CPartRunDlg::SendField(const FieldControl& control, int shown) {
  // A parameter the part lacks is refused there, never sent.
  if (!model_.Parts().SetPartValue(part_, control.address, shown)) return false;
  changed_ = true;
  return true;
}

void CPartRunDlg::OnRefused(const FieldControl& control) {
  refused_ = true;
  // Text that is no number only beeps; a number out of range is told its range.
  bool number = false;
  control.edit->Edit()->text().trimmed().toInt(&number);
  if (!number || !shower_) return;
  shower_(IntegerRangeText(control.parameter->minimum, control.parameter->maximum));
}

void CPartRunDlg::ShowSwitch(const FieldControl& control) {
  const bool on = ShownValue(control) == 1;
  control.toggle->setChecked(on);
  control.toggle->setText(SwitchCaption(on));
}

void CPartRunDlg::OnSwitchClicked(const FieldControl& control, bool pressed) {
  SendField(control, pressed ? 1 : 0);
  // The part keeps its old state when the send failed, and so does the button.
  ShowSwitch(control);
}

bool CPartRunDlg::RestoreKept() {
  PartModel& parts = model_.Parts();
  for (const KeptSpan& span : kept_) {
    if (span.bytes.empty()) continue;
    // The failure has been reported once; what went stays in the model.
    if (!parts.SetPartParameters(part_, span.address, span.bytes)) return false;
  }
  return true;
}

void CPartRunDlg::accept() {
  refused_ = false;
  for (const FieldControl& control : controls_) {
    if (control.edit == nullptr || !control.edit->isEnabled()) continue;
    control.edit->Commit();
    if (refused_) return;
  }
  QDialog::accept();
}

}  // namespace ravlo
