#include "shell/DevicesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/UserPrompts.h"
#include "shell/HelpWindow.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {

namespace {

// A list under its title, whose Alt key leads to it.
QWidget* Titled(const QString& title, QWidget* list, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(title, box);
  label->setBuddy(list);
  layout->addWidget(label);
  layout->addWidget(list);
  return box;
}

}  // namespace

DevicesDialog::DevicesDialog(const std::vector<MidiPort>& ports,
                             const std::vector<MidiPort>& inputs, const Choice& current,
                             UserPrompts& prompts, HelpWindow& help, QWidget* parent,
                             ModelAsker askModel)
    : QDialog(parent),
      ports_(ports),
      inputs_(inputs),
      prompts_(prompts),
      help_(help),
      list_(new QListWidget(this)),
      inputList_(new QListWidget(this)),
      unit_(new EditSpinPair(this)),
      sendReset_(new QCheckBox(QStringLiteral("Send Reset when opening new device"), this)),
      basic_(new QRadioButton(QStringLiteral("&Basic"), this)),
      extended_(new QRadioButton(QStringLiteral("E&xtended"), this)) {
  setWindowTitle(QStringLiteral("MIDI Output Port"));
  list_->setObjectName(QStringLiteral("Ports"));
  inputList_->setObjectName(QStringLiteral("InputPorts"));
  unit_->setObjectName(QStringLiteral("UnitId"));
  sendReset_->setObjectName(QStringLiteral("SendReset"));
  for (std::size_t i = 0; i < ports_.size(); ++i) {
    list_->addItem(QString::fromStdString(ports_[i].name));
    if (ports_[i].index == current.port) list_->setCurrentRow(static_cast<int>(i));
  }
  // With no input nothing is read back, and the program works as without one.
  inputList_->addItem(QStringLiteral("(none)"));
  inputList_->setCurrentRow(0);
  for (std::size_t i = 0; i < inputs_.size(); ++i) {
    inputList_->addItem(QString::fromStdString(inputs_[i].name));
    if (inputs_[i].index == current.inPort) inputList_->setCurrentRow(static_cast<int>(i) + 1);
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
  auto* lists = new QHBoxLayout;
  lists->addWidget(Titled(QStringLiteral("MIDI &Output Port"), list_, this));
  lists->addWidget(Titled(QStringLiteral("MIDI &Input Port"), inputList_, this));
  layout->addLayout(lists);
  layout->addLayout(unitRow);
  layout->addWidget(sendReset_);
  layout->addWidget(BuildModelChoice(current.instrument, std::move(askModel)));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &DevicesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &DevicesDialog::accept);
  connect(inputList_, &QListWidget::itemDoubleClicked, this, &DevicesDialog::accept);
  for (QWidget* control :
       {static_cast<QWidget*>(list_), static_cast<QWidget*>(inputList_),
        static_cast<QWidget*>(unit_->Edit()), static_cast<QWidget*>(sendReset_)}) {
    control->installEventFilter(this);
  }
}

QWidget* DevicesDialog::BuildModelChoice(InstrumentModel current, ModelAsker askModel) {
  auto* box = new QGroupBox(QStringLiteral("Instrument"), this);
  auto* layout = new QVBoxLayout(box);
  basic_->setObjectName(QStringLiteral("Basic"));
  extended_->setObjectName(QStringLiteral("Extended"));
  const auto described = [&](QRadioButton* button, const QString& text) {
    auto* description = new QLabel(text, box);
    description->setWordWrap(true);
    description->setIndent(20);
    layout->addWidget(button);
    layout->addWidget(description);
  };
  described(basic_, QStringLiteral("The first XG level: Reverb, Chorus and Variation, 16 parts "
                                   "and two drum setups."));
  described(extended_,
            QStringLiteral("The later XG instruments besides: four insertion effects, the "
                           "multi EQ, the display text, their further effect types and the "
                           "wider published value ranges."));
  (current == InstrumentModel::Extended ? extended_ : basic_)->setChecked(true);
  if (askModel) {
    QPushButton* ask =
        MakeButton(QStringLiteral("&Ask the Synthesizer"), QStringLiteral("AskModel"), box);
    layout->addWidget(ask, 0, Qt::AlignLeft);
    connect(ask, &QPushButton::clicked, this, [this, askModel] {
      if (const std::optional<InstrumentModel> model = askModel(Chosen())) {
        (*model == InstrumentModel::Extended ? extended_ : basic_)->setChecked(true);
      }
    });
  }
  return box;
}

DevicesDialog::Choice DevicesDialog::Chosen() const {
  Choice choice;
  const int row = list_->currentRow();
  choice.port = row >= 0 && row < static_cast<int>(ports_.size())
                    ? ports_[static_cast<std::size_t>(row)].index
                    : -1;
  const int inputRow = inputList_->currentRow() - 1;  // row 0 is "(none)"
  choice.inPort = inputRow >= 0 && inputRow < static_cast<int>(inputs_.size())
                      ? inputs_[static_cast<std::size_t>(inputRow)].index
                      : -1;
  choice.unitNumber = unit_->Value();
  choice.sendReset = sendReset_->isChecked();
  choice.instrument = extended_->isChecked() ? InstrumentModel::Extended : InstrumentModel::Basic;
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
    const int id = watched == list_        ? kPortListId
                   : watched == inputList_ ? kInPortListId
                   : watched == sendReset_ ? kSendResetId
                                           : kUnitId;
    help_.ShowTopic(HelpTopic(id));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ravlo
