#include "widgets/EditSpinPair.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "parameters/ParameterDisplay.h"
#include "platform/UserPrompts.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setAutoRepeatDelay(400);
  button->setAutoRepeatInterval(60);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(16, 11);
  return button;
}

}  // namespace

EditSpinPair::EditSpinPair(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      up_(MakeArrow(Qt::UpArrow, this)),
      down_(MakeArrow(Qt::DownArrow, this)),
      unit_(new QLabel(this)),
      clock_([] {
        return static_cast<qint64>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                       std::chrono::steady_clock::now().time_since_epoch())
                                       .count());
      }) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(edit_);
  auto* arrows = new QVBoxLayout;
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  layout->addLayout(arrows);
  unit_->setObjectName(QStringLiteral("Unit"));
  unit_->setContentsMargins(2, 0, 0, 0);
  unit_->hide();
  layout->addWidget(unit_);
  // The field never takes more width than the box and its arrows: a wider
  // column would open a gap between them.
  setSizePolicy(QSizePolicy::Maximum, sizePolicy().verticalPolicy());
  edit_->setAlignment(Qt::AlignRight);
  edit_->setMaximumWidth(56);
  edit_->installEventFilter(this);
  SetSigned(false);

  for (QToolButton* button : {up_, down_}) {
    // The clock starts on the mouse press itself: auto-repeat emits pressed()
    // again at every repeat. It stops when the arrow is let go (or left),
    // which is the one released() that finds the arrow up.
    button->installEventFilter(this);
    connect(button, &QToolButton::released, this, [this, button] {
      if (!button->isDown()) heldSince_.reset();
    });
  }
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  ShowValue();
}

void EditSpinPair::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void EditSpinPair::Describe(const ParameterDescriptor& parameter) {
  setObjectName(ToQString(parameter.name));
  SetRange(parameter.minimum, parameter.maximum);
  SetSigned(parameter.minimum < 0);
  SetUnit(parameter);
}

void EditSpinPair::SetUnit(const ParameterDescriptor& parameter) {
  // The width is measured once for each way of reading.
  const bool sameReading = parameter.unit == unitRule_.unit &&
                           parameter.minimum == unitRule_.minimum &&
                           parameter.maximum == unitRule_.maximum &&
                           parameter.choices.data() == unitRule_.choices.data();
  unitRule_ = parameter;
  const bool hasUnit = parameter.unit != Unit::Number || !parameter.choices.empty();
  if (hasUnit && !sameReading) {
    // As wide as the widest reading, so that a changing value moves nothing
    // beside it (a sample of a long range is enough).
    const int step = std::max(1, (parameter.maximum - parameter.minimum) / 256);
    int width = 0;
    for (int shown = parameter.minimum; shown <= parameter.maximum; shown += step) {
      width = std::max(width, unit_->fontMetrics().horizontalAdvance(
                                  ToQString(ravlo::UnitText(parameter, shown))));
    }
    unit_->setMinimumWidth(width + unit_->contentsMargins().left());
  }
  unit_->setVisible(hasUnit);
  ShowValue();
}

QString EditSpinPair::UnitText() const {
  return unit_->text();
}

void EditSpinPair::SetSigned(bool isSigned) {
  signed_ = isSigned;
  // Typing stays free (a wrong value is refused on commit); only characters
  // that can never make a number are kept out, as a digits-only box does.
  const QString pattern = isSigned ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*");
  edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit_));
}

void EditSpinPair::SetValue(int value) {
  value_ = value;
  ShowValue();
}

void EditSpinPair::SetGetter(Getter getter) {
  getter_ = std::move(getter);
  Refresh();
}

void EditSpinPair::Detach() {
  setter_ = nullptr;
  getter_ = nullptr;
  blockSignals(true);
}

void EditSpinPair::Refresh() {
  if (!edit_->isModified()) ShowValue();
}

int EditSpinPair::Value() const {
  return getter_ ? getter_() : value_;
}

void EditSpinPair::ShowValue() {
  // A disabled field stands for a parameter not in use: no stale number.
  if (!isEnabled()) {
    edit_->setText(QString());
    unit_->clear();
    return;
  }
  const int value = Value();
  edit_->setText(QString::number(value));
  unit_->setText(ToQString(ravlo::UnitText(unitRule_, value)));
}

bool EditSpinPair::TryTake(int value, bool stepping) {
  if (value == Value()) {
    // Nothing to send; the box shows the value as it stands.
    ShowValue();
    return true;
  }
  committing_ = true;
  stepping_ = stepping;
  const bool taken = !setter_ || setter_(value);
  committing_ = false;
  stepping_ = false;
  if (!taken) {
    // The synthesizer did not get it: the box shows what it has.
    ShowValue();
    return false;
  }
  if (!getter_) value_ = value;
  ShowValue();
  emit ValueCommitted(value);
  return true;
}

void EditSpinPair::Refuse() {
  QApplication::beep();
  emit Beeped();
  ShowValue();
  edit_->setFocus();
}

std::optional<int> EditSpinPair::TypedValue() const {
  bool number = false;
  const QString text = edit_->text().trimmed();
  const int value = text.toInt(&number);
  const bool shapeOk = number && (signed_ || !text.startsWith('-'));
  if (!shapeOk || value < minimum_ || value > maximum_) return std::nullopt;
  return value;
}

void EditSpinPair::Commit() {
  if (committing_) return;
  const std::optional<int> value = TypedValue();
  if (!value) {
    Refuse();
    return;
  }
  TryTake(*value, false);
}

int EditSpinPair::StepSize() const {
  if (!accelerating_ || !heldSince_) return 1;
  const qint64 held = clock_() - *heldSince_;
  if (held >= 3000) return 100;
  if (held >= 2000) return 10;
  return 1;
}

void EditSpinPair::Step(int direction) {
  if (!isEnabled()) return;
  // A number being typed is where the musician means to start from.
  int value = TypedValue().value_or(Value()) + direction * StepSize();
  if (value > maximum_) value = ends_ == Ends::Wrap ? minimum_ : maximum_;
  if (value < minimum_) value = ends_ == Ends::Wrap ? maximum_ : minimum_;
  TryTake(value, true);
}

bool EditSpinPair::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == up_ || watched == down_) && event->type() == QEvent::MouseButtonPress) {
    heldSince_ = clock_();
  }
  if (watched == edit_) {
    if (event->type() == QEvent::FocusOut) {
      // Leaving the box commits, and so does leaving its window (a click on
      // the main bar's Send must send what the box shows); a popup of the
      // box itself (its context menu) does not.
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason) Commit();
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Up || key == Qt::Key_Down) {
        heldSince_.reset();
        Step(key == Qt::Key_Up ? +1 : -1);
        return true;
      }
      if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        heldSince_.reset();
        Step(key == Qt::Key_PageUp ? +10 : -10);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void EditSpinPair::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    up_->setEnabled(isEnabled());
    down_->setEnabled(isEnabled());
    ShowValue();
  }
  QWidget::changeEvent(event);
}

void EditSpinPair::wheelEvent(QWheelEvent* event) {
  if (!isEnabled()) {
    event->ignore();
    return;
  }
  // One notch (120 eighths of a degree) is one spin click.
  constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / kNotch;
  wheelRest_ -= notches * kNotch;
  heldSince_.reset();
  for (int notch = 0; notch < std::abs(notches); ++notch) {
    const qint64 now = clock_();
    const bool goesOn = wheelField_ == this && now - wheelAt_ < kWheelTurnPauseMs;
    turning_ = goesOn ? WheelTurn::GoesOn : WheelTurn::Starts;
    Step(notches > 0 ? +1 : -1);
    turning_ = WheelTurn::None;
    wheelField_ = this;
    wheelAt_ = now;
  }
  event->accept();
}

QString IntegerRangeText(int minimum, int maximum) {
  return QStringLiteral("Please enter an integer between %1 and %2.").arg(minimum).arg(maximum);
}

std::optional<int> ValueForOk(EditSpinPair& field, UserPrompts& prompts) {
  const std::optional<int> value = field.TypedValue();
  if (value) return value;
  prompts.ShowMessage(IntegerRangeText(field.Minimum(), field.Maximum()).toStdString(),
                      MessageIcon::Warning);
  field.Edit()->setFocus();
  field.Edit()->selectAll();
  return std::nullopt;
}

}  // namespace ravlo
