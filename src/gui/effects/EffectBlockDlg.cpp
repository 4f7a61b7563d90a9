#include "effects/EffectBlockDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "effects/EffectLookups.h"
#include "effects/EffectModel.h"
#include "model/XgModel.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {
namespace {

// A value above this is the 255 of a parameter the type does not use.
constexpr int kMaxUsedValue = 127;

// "H Cutoff" -> "HCutoff", "Dry-Wet" -> "DryWet": names tests can find.
QString ObjectNameFor(const char* label) {
  QString name;
  for (const QChar c : QString::fromLatin1(label)) {
    if (c.isLetterOrNumber()) name += c;
  }
  return name;
}

}  // namespace

EffectBlockDlg::EffectBlockDlg(XgModel& model, EditorHost& host, const EffectEditorTable& table,
                               QWidget* parent)
    : EditorDialog(host, table.editorSlot, QString::fromLatin1(table.caption), parent),
      model_(model),
      table_(table),
      type_(static_cast<int>(XgDefaultEffectType(table.kind))),
      shown_(table.fields.size(), 0) {
  BuildWindow();
  LoadRowToDisplay();
}

void EffectBlockDlg::BuildWindow() {
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);

  typeList_ = new QComboBox(this);
  typeList_->setObjectName("TypeList");
  grid->addWidget(typeList_, 0, 0);
  connect(typeList_, &QComboBox::currentIndexChanged, this, &EffectBlockDlg::OnTypeChosen);

  default_ = MakeButton(tr("&Default"), QStringLiteral("Default"), this);
  grid->addWidget(default_, 2, 0);
  connect(default_, &QPushButton::clicked, this, &EffectBlockDlg::OnDefault);

  // Two rows of fields, each box with its label below it.
  const std::size_t count = table_.fields.size();
  const std::size_t perRow = (count + 1) / 2;
  for (std::size_t i = 0; i < count; ++i) {
    const EffectField& field = table_.fields[i];
    const int row = static_cast<int>(i / perRow) * 2;
    const int column = 1 + static_cast<int>(i % perRow);
    auto* box = new EditSpinPair(this);
    box->setObjectName(ObjectNameFor(field.label));
    box->SetSetter([this, i](int value) { return SendField(i, value); });
    auto* label = new QLabel(QString::fromLatin1(field.label), this);
    label->setObjectName(box->objectName() + "Label");
    grid->addWidget(box, row, column);
    grid->addWidget(label, row + 1, column, Qt::AlignLeft | Qt::AlignTop);
    boxes_.push_back(box);
  }
}

void EffectBlockDlg::WindowStart() {
  FillTypeList();
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (const auto range = EffectParamRange(table_.kind, table_.fields[i].slot)) {
      boxes_[i]->SetRange(range->minimum, range->maximum);
    }
  }
  LoadRowToDisplay();
  ApplyEnabling();
  ShowValues();
}

void EffectBlockDlg::FillTypeList() {
  const QSignalBlocker blocker(typeList_);
  typeList_->clear();
  const std::size_t count = EffectTypeCount(table_.kind);
  for (std::size_t type = 0; type < count; ++type) {
    typeList_->addItem(ToQString(EffectTypeName(table_.kind, type)));
  }
  if (static_cast<std::size_t>(typeList_->count()) == count) {
    SelectTypeInList();
  } else {
    typeList_->setCurrentIndex(-1);
  }
}

void EffectBlockDlg::SelectTypeInList() {
  const QSignalBlocker blocker(typeList_);
  typeList_->setCurrentIndex(type_);
}

bool EffectBlockDlg::SetType(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= EffectTypeCount(table_.kind)) return false;
  type_ = index;
  LoadRowToDisplay();
  if (IsOpen()) RefreshWindow();
  return true;
}

void EffectBlockDlg::Reset() {
  SetType(static_cast<int>(XgDefaultEffectType(table_.kind)));
}

void EffectBlockDlg::SaveDisplayToRow() {
  EffectRows& rows = model_.Effects();
  auto row = rows.GetEffectRow(table_.kind, static_cast<std::size_t>(type_));
  if (!row) return;
  auto values = row->Values();
  for (std::size_t slot = kFirstEffectParamSlot; slot < values.size(); ++slot) {
    values[slot] = kEffectParamUnused;
  }
  for (std::size_t i = 0; i < table_.fields.size(); ++i) {
    const std::size_t slot = table_.fields[i].slot;
    if (slot < values.size()) values[slot] = shown_[i];
  }
  rows.PutEffectRow(table_.kind, static_cast<std::size_t>(type_), *row);
}

void EffectBlockDlg::LoadRowToDisplay() {
  const auto type = static_cast<std::size_t>(type_);
  if (const auto row = model_.Effects().GetEffectRow(table_.kind, type)) {
    for (std::size_t i = 0; i < table_.fields.size(); ++i) {
      shown_[i] = (*row)[table_.fields[i].slot];
    }
  }
  SetSelectionCaption(ToQString(EffectTypeName(table_.kind, type)));
}

int EffectBlockDlg::ShownSlotValue(std::size_t slot) const {
  for (std::size_t i = 0; i < table_.fields.size(); ++i) {
    if (table_.fields[i].slot == slot) return shown_[i];
  }
  return kEffectParamUnused;
}

void EffectBlockDlg::ApplyEnabling() {
  const bool hasType = type_ != 0;
  default_->setEnabled(hasType);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const std::size_t gate = table_.fields[i].gateSlot;
    const bool gateOpen = gate == kNoGate || ShownSlotValue(gate) <= kMaxUsedValue;
    boxes_[i]->setEnabled(hasType && gateOpen);
  }
}

void EffectBlockDlg::ShowValues() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->SetValue(shown_[i]);
}

void EffectBlockDlg::RefreshWindow() {
  SelectTypeInList();
  ApplyEnabling();
  ShowValues();
}

bool EffectBlockDlg::SendField(std::size_t field, int value) {
  if (!model_.Effects().SetEffectParameter(table_.kind, static_cast<int>(table_.fields[field].slot),
                                           value)) {
    return false;
  }
  shown_[field] = value;
  Host().MarkModified();
  return true;
}

void EffectBlockDlg::OnTypeChosen(int index) {
  if (index < 0 || index == type_) return;
  SaveDisplayToRow();  // the old type's row keeps its edits
  type_ = index;
  LoadRowToDisplay();
  ApplyEnabling();
  ShowValues();
  model_.Effects().SendEffectBlock(table_.kind, type_, false, EffectModel::kEditorBlockPauseMs);
  // The new type is shown whether or not the block went out.
  Host().MarkModified();
}

void EffectBlockDlg::OnDefault() {
  model_.Effects().ResetEffectRow(table_.kind, static_cast<std::size_t>(type_));
  LoadRowToDisplay();
  ApplyEnabling();
  ShowValues();
  model_.Effects().SendEffectBlock(table_.kind, type_, false, EffectModel::kEditorBlockPauseMs);
  Host().MarkModified();
}

}  // namespace ravlo
