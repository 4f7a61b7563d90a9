#include "effects/EffectBlockDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "effects/EffectLookups.h"
#include "effects/EffectModel.h"
#include "effects/EffectTypeList.h"
#include "model/XgModel.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {

EffectBlockDlg::EffectBlockDlg(XgModel& model, EditorHost& host, EffectKind kind, EditorSlot slot,
                               const QString& caption, QWidget* parent)
    : EditorDialog(host, slot, caption, parent), model_(model), kind_(kind), caption_(caption) {
  BuildWindow();
  Follow(model);
}

void EffectBlockDlg::BuildWindow() {
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);

  typeList_ = MakeEffectTypeList(kind_, this);
  grid->addWidget(typeList_, 0, 0);
  connect(typeList_, &QComboBox::currentIndexChanged, this, &EffectBlockDlg::OnTypeChosen);

  default_ = MakeButton(tr("&Default"), QStringLiteral("Default"), this);
  grid->addWidget(default_, 2, 0);
  connect(default_, &QPushButton::clicked, this, &EffectBlockDlg::OnDefault);

  const std::span<const EffectSlot> table = EffectSlots(kind_);
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    if (table[slot].HasField()) slots_.push_back(slot);
  }
  // Two rows of fields, each box with its label below it.
  const std::size_t count = slots_.size();
  const std::size_t perRow = (count + 1) / 2;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t slot = slots_[i];
    const ParameterDescriptor& parameter = table[slot].parameter;
    const int row = static_cast<int>(i / perRow) * 2;
    const int column = 1 + static_cast<int>(i % perRow);
    auto* box = new EditSpinPair(this);
    box->Describe(parameter);
    box->SetGetter([this, slot] { return SlotValue(slot); });
    box->SetSetter([this, slot](int value) { return SendField(slot, value); });
    auto* label = new QLabel(ToQString(parameter.label), this);
    label->setObjectName(box->objectName() + "Label");
    grid->addWidget(box, row, column);
    grid->addWidget(label, row + 1, column, Qt::AlignLeft | Qt::AlignTop);
    boxes_.push_back(box);
    labels_.push_back(label);
  }
  // Room the window has to spare goes to the right of the fields.
  grid->setColumnStretch(grid->columnCount(), 1);
}

int EffectBlockDlg::CurrentType() const {
  return model_.Effects().Type(kind_);
}

int EffectBlockDlg::SlotValue(std::size_t slot) const {
  return model_.Effects().CurrentRow(kind_)[slot];
}

void EffectBlockDlg::ShowAll() {
  const EffectModel& effects = model_.Effects();
  ShowEffectType(*typeList_, effects, kind_);
  SetSelectionCaption(QString::fromStdString(effects.TypeDisplayName(kind_)));
  // Type 0 is "No Effect"; a type the tables lack has what was received.
  default_->setEnabled(!effects.IsKnownType(kind_) || CurrentType() != 0);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const ParameterDescriptor parameter = effects.CurrentSlotParameter(kind_, slots_[i]);
    boxes_[i]->SetRange(parameter.minimum, parameter.maximum);
    boxes_[i]->SetUnit(parameter);
    labels_[i]->setText(ToQString(parameter.label));
    boxes_[i]->setEnabled(effects.SlotInUse(kind_, slots_[i]));
    boxes_[i]->Refresh();
  }
}

void EffectBlockDlg::WindowStart() {
  ShowAll();
}

void EffectBlockDlg::ShowChange(const ModelChange& change) {
  if (change.block == EffectBlock(kind_)) ShowAll();
}

bool EffectBlockDlg::SendField(std::size_t slot, int value) {
  const QString label = ToQString(model_.Effects().CurrentSlotParameter(kind_, slot).label);
  const bool sent = RecordEdit(StepName(label), replay::Values{}, [&] {
    return model_.Effects().SetEffectParameter(kind_, static_cast<int>(slot), value);
  });
  if (!sent) return false;
  Host().MarkModified();
  return true;
}

void EffectBlockDlg::OnTypeChosen(int index) {
  if (index == model_.Effects().ListedType(kind_)) return;
  // The new type goes out with the values last edited for it; what did not
  // go is not shown.
  if (RecordEdit(StepName(QStringLiteral("Type")), replay::EffectBlock{kind_},
                 [&] { return model_.Effects().ChangeToListedType(kind_, index); })) {
    Host().MarkModified();
  } else {
    ShowAll();
  }
}

void EffectBlockDlg::OnDefault() {
  if (RecordEdit(StepName(QStringLiteral("Default")), replay::EffectBlock{kind_},
                 [&] { return model_.Effects().RestoreTypeDefaults(kind_); })) {
    Host().MarkModified();
  }
}

QString EffectBlockDlg::StepName(const QString& what) const {
  return caption_ + QLatin1Char(' ') + what;
}

}  // namespace ravlo
