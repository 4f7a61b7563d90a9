#include "effects/CInsertionDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "effects/EffectLookups.h"
#include "effects/ExtendedEffectTypes.h"
#include "model/XgModel.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {

CInsertionDlg::CInsertionDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::Insertion, QStringLiteral("Insertion"), parent),
      model_(model) {
  BuildWindow();
  Follow(model);
}

void CInsertionDlg::BuildWindow() {
  auto* outer = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  outer->addLayout(top);
  blockList_ = new QComboBox(this);
  blockList_->setObjectName(QStringLiteral("InsertionList"));
  for (int block = 0; block < InsertionEffectModel::kBlockCount; ++block) {
    blockList_->addItem(QStringLiteral("Insertion %1").arg(block + 1));
  }
  connect(blockList_, &QComboBox::currentIndexChanged, this, &CInsertionDlg::ShowBlock);
  typeList_ = new QComboBox(this);
  typeList_->setObjectName(QStringLiteral("TypeList"));
  for (std::size_t type = 0; type < InsertionTypeCount(); ++type) {
    typeList_->addItem(ToQString(InsertionTypeName(type)));
  }
  connect(typeList_, &QComboBox::currentIndexChanged, this, &CInsertionDlg::OnTypeChosen);
  top->addWidget(blockList_);
  top->addWidget(typeList_);
  top->addStretch();

  // Params 1..8 above 9..16, each box with its label below it.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  outer->addLayout(grid);
  constexpr std::size_t kPerRow = InsertionEffectModel::kParamCount / 2;
  for (std::size_t p = 0; p < InsertionEffectModel::kParamCount; ++p) {
    const QString name = QStringLiteral("Param%1").arg(p + 1);
    auto* box = new EditSpinPair(this);
    box->setObjectName(name);
    box->SetGetter([this, p] { return model_.Insertions().Value(block_, p); });
    box->SetSetter([this, p](int value) {
      const QString label = ToQString(model_.Insertions().Parameter(block_, p).label);
      return Send(label, [&] { return model_.Insertions().SetParameter(block_, p, value); });
    });
    auto* label = new QLabel(name, this);
    label->setObjectName(name + "Label");
    const int row = static_cast<int>(p / kPerRow) * 2;
    const int column = static_cast<int>(p % kPerRow);
    grid->addWidget(box, row, column);
    grid->addWidget(label, row + 1, column, Qt::AlignLeft | Qt::AlignTop);
    params_[p] = box;
    labels_[p] = label;
  }

  auto* bottom = new QGridLayout;
  outer->addLayout(bottom);
  const ParameterDescriptor& part = InsertionEffectModel::PartParameter();
  part_ = new EditSpinPair(this);
  part_->Describe(part);
  part_->SetEnds(EditSpinPair::Ends::Wrap);
  part_->SetGetter([this] {
    return InsertionEffectModel::PartParameter().Shown(model_.Insertions().Part(block_));
  });
  part_->SetSetter([this](int value) {
    return Send(QStringLiteral("Part"), [&] {
      return model_.Insertions().SetPart(block_,
                                         InsertionEffectModel::PartParameter().Stored(value));
    });
  });
  bottom->addWidget(part_, 0, 0);
  bottom->addWidget(new QLabel(ToQString(part.label), this), 1, 0, Qt::AlignLeft | Qt::AlignTop);
  for (std::size_t d = 0; d < InsertionEffectModel::kDepthCount; ++d) {
    const ParameterDescriptor& depth = InsertionEffectModel::DepthParameter(d);
    auto* box = new EditSpinPair(this);
    box->Describe(depth);
    box->SetGetter([this, d] { return model_.Insertions().Depth(block_, d); });
    box->SetSetter([this, d](int value) {
      return Send(ToQString(InsertionEffectModel::DepthParameter(d).label),
                  [&] { return model_.Insertions().SetDepth(block_, d, value); });
    });
    const int column = 1 + static_cast<int>(d);
    bottom->addWidget(box, 0, column);
    bottom->addWidget(new QLabel(ToQString(depth.label), this), 1, column,
                      Qt::AlignLeft | Qt::AlignTop);
    depths_[d] = box;
  }
}

void CInsertionDlg::ShowBlock(int block) {
  if (!InsertionEffectModel::IsBlock(block)) return;
  block_ = block;
  if (IsOpen()) ShowAll();
}

void CInsertionDlg::ShowAll() {
  const InsertionEffectModel& insertions = model_.Insertions();
  {
    const QSignalBlocker blockers[] = {QSignalBlocker(blockList_), QSignalBlocker(typeList_)};
    blockList_->setCurrentIndex(block_);
    const auto listed = static_cast<int>(InsertionTypeCount());
    while (typeList_->count() > listed) typeList_->removeItem(listed);
    const std::optional<std::size_t> type = insertions.TypeIndex(block_);
    if (!type) typeList_->addItem(QString::fromStdString(insertions.TypeName(block_)));
    typeList_->setCurrentIndex(type ? static_cast<int>(*type) : listed);
  }
  SetSelectionCaption(QStringLiteral("%1: %2")
                          .arg(block_ + 1)
                          .arg(QString::fromStdString(insertions.TypeName(block_))));
  const auto number = insertions.TypeNumber(block_);
  const std::optional<std::size_t> table =
      FindEffectType(EffectKind::Variation, number[0], number[1]);
  // "None" and "Through" have nothing to set.
  const bool settable = !table || VariationHasParams(*table);
  for (std::size_t p = 0; p < InsertionEffectModel::kParamCount; ++p) {
    const ParameterDescriptor parameter = insertions.Parameter(block_, p);
    const bool used = settable && !parameter.label.empty();
    if (used) {
      params_[p]->SetRange(parameter.minimum, parameter.maximum);
      params_[p]->SetUnit(parameter);
    }
    params_[p]->setEnabled(used);
    labels_[p]->setText(used ? ToQString(parameter.label) : QString());
    params_[p]->Refresh();
  }
  part_->Refresh();
  for (EditSpinPair* depth : depths_) depth->Refresh();
}

void CInsertionDlg::WindowStart() {
  ShowAll();
}

void CInsertionDlg::ShowChange(const ModelChange& change) {
  if (change.Concerns(ModelBlock::Insertion, block_)) ShowAll();
}

bool CInsertionDlg::Send(const QString& label, const std::function<bool()>& send) {
  const QString step = QStringLiteral("Insertion %1 ").arg(block_ + 1) + label;
  if (!RecordEdit(step, replay::Values{}, send)) return false;
  Host().MarkModified();
  return true;
}

void CInsertionDlg::OnTypeChosen(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= InsertionTypeCount()) return;
  const auto number = InsertionTypeNumber(static_cast<std::size_t>(index));
  if (number == model_.Insertions().TypeNumber(block_)) return;
  // What did not go is not shown.
  if (!Send(QStringLiteral("Type"), [&] { return model_.Insertions().SetType(block_, number); })) {
    ShowAll();
  }
}

}  // namespace ravlo
