#include "uservoice/CElementDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "shapes/ElementShapes.h"
#include "widgets/CurveView.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"
#include "widgets/ShapePictures.h"

namespace ravlo {

namespace {

// Long dialogs flow their numeric fields into several columns.
constexpr int kRowsPerColumn = 8;

constexpr double kLevelTop = 1.05;
constexpr double kSemitonesStep = 12.0;
constexpr double kFilterSteps = 64.0;

bool HasEnvelope(ElementPage page) {
  return page == ElementPage::Pitch || page == ElementPage::Filter ||
         page == ElementPage::Amplitude;
}

}  // namespace

CElementDlg::CElementDlg(ElementPage page, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), page_(page), prompts_(prompts) {
  setWindowTitle(ToQString(kElementPages[static_cast<std::size_t>(page)].caption));
  setModal(true);

  auto* numbers = new QGridLayout;
  auto* others = new QHBoxLayout;
  int numberIndex = 0;
  for (const ElementField& field : FieldsOf(page)) {
    Control control;
    control.field = &field;
    const QString name = ToQString(field.name);
    switch (field.kind) {
      case FieldKind::Number:
      case FieldKind::Pair: {
        control.spin = new EditSpinPair(this);
        control.spin->setObjectName(name);
        control.spin->SetRange(field.minimum, field.maximum);
        // A refused value gets the same message the OK check gives.
        connect(control.spin, &EditSpinPair::Beeped, this, [this, &field] {
          prompts_.ShowMessage(IntegerRangeText(field.minimum, field.maximum).toStdString(),
                               MessageIcon::Warning);
        });
        connect(control.spin->Edit(), &QLineEdit::textChanged, this, &CElementDlg::ShowPicture);
        auto* label = new QLabel(ToQString(field.label), this);
        label->setBuddy(control.spin->Edit());
        const int column = (numberIndex / kRowsPerColumn) * 2;
        const int row = numberIndex % kRowsPerColumn;
        numbers->addWidget(label, row, column);
        numbers->addWidget(control.spin, row, column + 1);
        ++numberIndex;
        break;
      }
      case FieldKind::Choice: {
        auto* box = new QGroupBox(ToQString(field.label), this);
        box->setObjectName(name);
        auto* column = new QVBoxLayout(box);
        control.group = new QButtonGroup(box);
        for (std::size_t i = 0; i < field.choices.size(); ++i) {
          auto* radio = new QRadioButton(ToQString(field.choices[i]), box);
          radio->setObjectName(name + QString::number(i));
          control.group->addButton(radio, static_cast<int>(i));
          column->addWidget(radio);
        }
        connect(control.group, &QButtonGroup::idClicked, this, &CElementDlg::ShowPicture);
        column->addStretch();
        others->addWidget(box);
        break;
      }
      case FieldKind::Check:
        control.check = new QCheckBox(ToQString(field.label), this);
        control.check->setObjectName(name);
        others->addWidget(control.check, 0, Qt::AlignTop);
        break;
      case FieldKind::Pan: {
        auto* box = new QGroupBox(ToQString(field.label), this);
        auto* column = new QVBoxLayout(box);
        control.slider = new QSlider(Qt::Horizontal, box);
        control.slider->setObjectName(name);
        control.slider->setRange(0, kPanSliderMaximum);
        control.slider->setTickPosition(QSlider::TicksBelow);
        control.check = new QCheckBox(QStringLiteral("Scaling"), box);
        control.check->setObjectName(QStringLiteral("Scaling"));
        column->addWidget(control.slider);
        column->addWidget(control.check);
        column->addStretch();
        others->addWidget(box);
        break;
      }
    }
    controls_.push_back(control);
  }
  others->addStretch();

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  ok->setObjectName(QStringLiteral("OK"));
  cancel->setObjectName(QStringLiteral("Cancel"));
  for (QPushButton* button : {ok, cancel}) {
    button->setAutoDefault(false);
    // A click must not take the focus: leaving an edit would settle its value
    // before OK could refuse it and keep the dialog open.
    button->setFocusPolicy(Qt::NoFocus);
  }
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CElementDlg::TryAccept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  if (HasEnvelope(page_)) {
    picture_ = new CurveView(this);
    picture_->setObjectName(QStringLiteral("Envelope"));
    picture_->setMinimumWidth(picture_->sizeHint().width());
    auto* beside = new QHBoxLayout;
    beside->addLayout(numbers);
    beside->addWidget(picture_, 1);
    layout->addLayout(beside);
  } else if (numberIndex > 0) {
    layout->addLayout(numbers);
  }
  layout->addLayout(others);
  layout->addWidget(buttons);
}

void CElementDlg::Fill(const UserVoiceElement& element) {
  filled_ = element;
  for (Control& control : controls_) {
    const int value = ReadField(*control.field, element);
    control.filled = value;
    switch (control.field->kind) {
      case FieldKind::Number:
      case FieldKind::Pair:
        control.spin->SetValue(value);
        break;
      case FieldKind::Choice: {
        // A byte outside the choices leaves every button clear.
        control.group->setExclusive(false);
        for (QAbstractButton* button : control.group->buttons())
          button->setChecked(control.group->id(button) == value);
        control.group->setExclusive(true);
        break;
      }
      case FieldKind::Check:
        control.check->setChecked(value != 0);
        break;
      case FieldKind::Pan: {
        const PanView view = PanViewOf(value);
        control.check->setChecked(view.scaling);
        control.slider->setValue(view.slider);
        break;
      }
    }
  }
  ShowPicture();
}

void CElementDlg::ShowPicture() {
  if (picture_ == nullptr) return;
  UserVoiceElement element = filled_;
  WriteValues(element, true);
  switch (page_) {
    case ElementPage::Pitch: {
      const EnvelopeShape pitch = element_shapes::Pitch(element);
      ShowEnvelope(*picture_, pitch, CentredLevels(pitch, kSemitonesStep));
      break;
    }
    case ElementPage::Filter:
      ShowEnvelope(*picture_, element_shapes::Filter(element),
                   {-kFilterSteps, kFilterSteps, false});
      break;
    case ElementPage::Amplitude:
      ShowEnvelope(*picture_, element_shapes::Amplitude(element), {0.0, kLevelTop, false});
      break;
    default:
      break;
  }
}

void CElementDlg::WriteBack(UserVoiceElement& element) const {
  WriteValues(element, false);
}

void CElementDlg::WriteValues(UserVoiceElement& element, bool typed) const {
  for (const Control& control : controls_) {
    const ElementField& field = *control.field;
    switch (field.kind) {
      case FieldKind::Number:
      case FieldKind::Pair:
        WriteField(field,
                   typed ? control.spin->TypedValue().value_or(control.spin->Value())
                         : control.spin->Value(),
                   element);
        break;
      case FieldKind::Choice:
        if (control.group->checkedId() >= 0) WriteField(field, control.group->checkedId(), element);
        break;
      case FieldKind::Check:
        WriteField(field, control.check->isChecked() ? 1 : 0, element);
        break;
      case FieldKind::Pan:
        WriteField(field, PanByteOf({control.check->isChecked(), control.slider->value()}),
                   element);
        break;
    }
  }
}

bool CElementDlg::Untouched(const Control& control) {
  return control.spin->Edit()->text().trimmed() == QString::number(control.filled);
}

bool CElementDlg::CheckEdits() {
  for (const Control& control : controls_) {
    if (control.spin == nullptr || Untouched(control)) continue;
    if (!ValueForOk(*control.spin, prompts_)) return false;
  }
  return true;
}

void CElementDlg::TryAccept() {
  if (!CheckEdits()) return;
  // Every box holds a good value now; settle them so WriteBack sees them.
  for (const Control& control : controls_) {
    if (control.spin != nullptr && !Untouched(control)) control.spin->Commit();
  }
  accept();
}

}  // namespace ravlo
