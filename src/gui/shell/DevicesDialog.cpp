#include "shell/DevicesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/UserPrompts.h"
#include "shell/HelpWindow.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {

DevicesDialog::DevicesDialog(const std::vector<MidiPort>& ports, const Choice& current,
                             UserPrompts& prompts, HelpWindow& help, QWidget* parent)
    : QDialog(parent),
      ports_(ports),
      prompts_(prompts),
      help_(help),
      list_(new QListWidget(this)),
      unit_(new EditSpinPair(this)),
      sendReset_(new QCheckBox(QStringLiteral("Send Reset when opening new device"), this)) {
  setWindowTitle(QStringLiteral("MIDI Output Port"));
  list_->setObjectName(QStringLiteral("Ports"));
  unit_->setObjectName(QStringLiteral("UnitId"));
  sendReset_->setObjectName(QStringLiteral("SendReset"));
  for (std::size_t i = 0; i < ports_.size(); ++i) {
    list_->addItem(QString::fromStdString(ports_[i].name));
    if (ports_[i].index == current.port) list_->setCurrentRow(static_cast<int>(i));
  }
  unit_->SetRange(0, 15);
  unit_->SetValue(current.unitNumber);
  sendReset_->setChecked(current.sendReset);

  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(unit_);
  unitRow->addWidget(new QLabel(QStringLiteral("Unit ID"), this));
  unitRow->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  // A click on OK must not take the focus: leaving the unit box would settle
  // it before OK could refuse it and keep the dialog open.
  for (QAbstractButton* button : buttons->buttons()) button->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(unitRow);
  layout->addWidget(sendReset_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &DevicesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &DevicesDialog::accept);
  for (QWidget* control : {static_cast<QWidget*>(list_), static_cast<QWidget*>(unit_->Edit()),
                           static_cast<QWidget*>(sendReset_)}) {
    control->installEventFilter(this);
  }
}

DevicesDialog::Choice DevicesDialog::Chosen() const {
  Choice choice;
  const int row = list_->currentRow();
  choice.port = row >= 0 && row < static_cast<int>(ports_.size())
                    ? ports_[static_cast<std::size_t>(row)].index
                    : -1;
  choice.unitNumber = unit_->Value();
  choice.sendReset = sendReset_->isChecked();
  return choice;
}

void DevicesDialog::accept() {
  const std::optional<int> unit = ValueForOk(*unit_, prompts_);
  if (!unit) return;
  unit_->SetValue(*unit);
  QDialog::accept();
}

bool DevicesDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    const int id = watched == list_ ? kPortListId : watched == sendReset_ ? kSendResetId : kUnitId;
    help_.ShowTopic(HelpTopic(id));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ravlo
