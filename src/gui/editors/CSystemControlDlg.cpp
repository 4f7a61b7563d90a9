#include "editors/CSystemControlDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/XgModel.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {

CSystemControlDlg::CSystemControlDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::SystemControl, QStringLiteral("System Control"), parent),
      model_(model) {
  BuildControls();
  ShowValues();
}

void CSystemControlDlg::BuildControls() {
  auto* fields = new QGridLayout;
  // Each value is sent when it changes, and kept here only once it went.
  struct FieldPlan {
    EditSpinPair*& field;
    const char* name;
    const char* label;
    int minimum;
    int maximum;
    bool isSigned;
    int SystemValues::*value;
    bool (SystemModel::*setter)(int);
  };
  const FieldPlan plans[] = {
      {volume_, "Volume", "Volume", 0, 127, false, &SystemValues::volume,
       &SystemModel::SetMasterVolume},
      {transpose_, "Transpose", "Transpose", SystemBlock::kTransposeMin, SystemBlock::kTransposeMax,
       true, &SystemValues::transpose, &SystemModel::SetTranspose},
      {tune_, "Tune", "Tune", SystemBlock::kTuneMin, SystemBlock::kTuneMax, true,
       &SystemValues::tune, &SystemModel::SetMasterTune},
  };
  int row = 0;
  for (const FieldPlan& plan : plans) {
    auto* field = new EditSpinPair(this);
    field->setObjectName(QString::fromLatin1(plan.name));
    field->SetRange(plan.minimum, plan.maximum);
    field->SetSigned(plan.isSigned);
    field->SetSetter([this, value = plan.value, setter = plan.setter](int newValue) {
      if (!(model_.System().*setter)(newValue)) return false;
      values_.*value = newValue;
      Host().MarkModified();
      return true;
    });
    plan.field = field;
    fields->addWidget(new QLabel(QString::fromLatin1(plan.label), this), row, 0);
    fields->addWidget(field, row, 1);
    ++row;
  }

  auto* resetBox = new QGroupBox(QStringLiteral("Reset"), this);
  auto* resetLayout = new QHBoxLayout(resetBox);
  resetAll_ = MakeButton(QStringLiteral("&All"), QStringLiteral("All"), resetBox);
  resetDrum1_ = MakeButton(QStringLiteral("Drum &1"), QStringLiteral("Drum1"), resetBox);
  resetDrum2_ = MakeButton(QStringLiteral("Drum &2"), QStringLiteral("Drum2"), resetBox);
  resetLayout->addWidget(resetAll_);
  resetLayout->addWidget(resetDrum1_);
  resetLayout->addWidget(resetDrum2_);
  // The resets go at once, without a question; the model tells the main
  // window, which resets or refreshes what depends on them.
  connect(resetAll_, &QPushButton::clicked, this, [this] { model_.System().AllParameterReset(); });
  connect(resetDrum1_, &QPushButton::clicked, this, [this] { model_.System().DrumSetupReset(0); });
  connect(resetDrum2_, &QPushButton::clicked, this, [this] { model_.System().DrumSetupReset(1); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(resetBox);
}

void CSystemControlDlg::ShowValues() {
  volume_->SetValue(values_.volume);
  transpose_->SetValue(values_.transpose);
  tune_->SetValue(values_.tune);
}

void CSystemControlDlg::WindowStart() {
  RefreshFromModel();
}

void CSystemControlDlg::RefreshFromModel() {
  values_ = model_.System().ReadSystemBlock();
  ShowValues();
}

void CSystemControlDlg::StoreToModel() {
  model_.System().WriteSystemBlock(values_);
}

void CSystemControlDlg::StoreOnClose() {
  StoreToModel();
}

}  // namespace ravlo
