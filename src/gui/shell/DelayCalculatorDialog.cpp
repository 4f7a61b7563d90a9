#include "shell/DelayCalculatorDialog.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/UserPrompts.h"
#include "widgets/Buttons.h"

namespace ravlo {

namespace {

constexpr double kMinimum = 1;
constexpr double kMaximum = 1000;

// Six significant digits, as single-precision numbers are shown: 5000, 3333.33.
QString Number(double value) {
  return QString::number(value, 'g', 6);
}

}  // namespace

DelayCalculatorDialog::DelayCalculatorDialog(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      tempo_(new QLineEdit(Number(120), this)),
      perCent_(new QLineEdit(Number(100), this)),
      delay_(new QLineEdit(Number(5000), this)) {
  setWindowTitle(QStringLiteral("Delay Calculator"));
  tempo_->setObjectName(QStringLiteral("Tempo"));
  perCent_->setObjectName(QStringLiteral("PerCent"));
  delay_->setObjectName(QStringLiteral("Delay"));
  delay_->setReadOnly(true);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Tempo"), tempo_);
  form->addRow(QStringLiteral("Per Cent of beat"), perCent_);
  form->addRow(QStringLiteral("Delay in tenths of ms."), delay_);
  auto* note = new QLabel(
      QStringLiteral(
          "NOTE: Delay times in the dialogs are in tenths of ms. Max Delay is 7150 (715 ms)"),
      this);
  note->setWordWrap(true);
  auto* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("OK"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  tempo_->installEventFilter(this);
  perCent_->installEventFilter(this);
}

double DelayCalculatorDialog::DelayTenths(double tempo, double perCent) {
  return 6000.0 / tempo * perCent;
}

bool DelayCalculatorDialog::Read(QLineEdit* edit, double& value) {
  bool number = false;
  value = edit->text().trimmed().toDouble(&number);
  if (number && value >= kMinimum && value <= kMaximum) return true;
  prompts_.ShowMessage(QStringLiteral("Please enter a number between %1 and %2.")
                           .arg(kMinimum)
                           .arg(kMaximum)
                           .toStdString(),
                       MessageIcon::Warning);
  edit->setFocus();
  return false;
}

bool DelayCalculatorDialog::Recalculate() {
  double tempo = 0;
  double perCent = 0;
  if (!Read(tempo_, tempo) || !Read(perCent_, perCent)) return false;
  delay_->setText(Number(DelayTenths(tempo, perCent)));
  return true;
}

bool DelayCalculatorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && (watched == tempo_ || watched == perCent_)) {
    // The message box takes the focus from the window, not from the box.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Recalculate();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ravlo
