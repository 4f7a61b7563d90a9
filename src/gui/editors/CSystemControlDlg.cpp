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
#include "widgets/QtText.h"

namespace ravlo {

CSystemControlDlg::CSystemControlDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::SystemControl, QStringLiteral("System Control"), parent),
      model_(model) {
  BuildControls();
  ShowDrumResets();
  Follow(model);
}

EditSpinPair* CSystemControlDlg::MakeField(SystemParameter parameter) {
  const ParameterDescriptor& info = SystemParameterInfo(parameter);
  auto* field = new EditSpinPair(this);
  field->Describe(info);
  const QString step = QStringLiteral("System ") + ToQString(info.label);
  field->SetSetter([this, parameter, step](int value) {
    return RecordEdit(step, replay::Values{}, [&] {
      if (!model_.System().SetSystemParameter(parameter, value)) return false;
      Host().MarkModified();
      return true;
    });
  });
  field->SetGetter([this, parameter] { return model_.System().Value(parameter); });
  return field;
}

void CSystemControlDlg::BuildControls() {
  auto* fields = new QGridLayout;
  const std::pair<EditSpinPair*&, SystemParameter> plans[] = {
      {volume_, SystemParameter::Volume},
      {transpose_, SystemParameter::Transpose},
      {tune_, SystemParameter::Tune},
  };
  int row = 0;
  for (const auto& [field, parameter] : plans) {
    field = MakeField(parameter);
    fields->addWidget(new QLabel(ToQString(SystemParameterInfo(parameter).label), this), row, 0);
    fields->addWidget(field, row, 1);
    ++row;
  }

  auto* resetBox = new QGroupBox(QStringLiteral("Reset"), this);
  auto* resetLayout = new QHBoxLayout(resetBox);
  QPushButton* resetAll = MakeButton(QStringLiteral("&All"), QStringLiteral("All"), resetBox);
  resetLayout->addWidget(resetAll);
  // The resets go at once, without a question; the model tells the main
  // window, which resets or refreshes what depends on them.
  connect(resetAll, &QPushButton::clicked, this, [this] { model_.System().AllParameterReset(); });
  for (int setup = 0; setup < kExtendedDrumSetupCount; ++setup) {
    QPushButton* reset = MakeButton(QStringLiteral("Drum &%1").arg(setup + 1),
                                    QStringLiteral("Drum%1").arg(setup + 1), resetBox);
    resetLayout->addWidget(reset);
    connect(reset, &QPushButton::clicked, this, [this, setup] { ResetDrumSetup(setup); });
    drumResets_[static_cast<std::size_t>(setup)] = reset;
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(resetBox);
}

void CSystemControlDlg::ResetDrumSetup(int setup) {
  RecordEdit(QStringLiteral("Drum Setup %1 Reset").arg(setup + 1), replay::DrumSetupReset{setup},
             [this, setup] { return model_.System().DrumSetupReset(setup); });
}

void CSystemControlDlg::ShowValues() {
  for (EditSpinPair* field : {volume_, transpose_, tune_}) field->Refresh();
  ShowDrumResets();
}

void CSystemControlDlg::ShowDrumResets() {
  // A reset button for each setup the instrument has.
  const int setups = model_.IsInitialised() ? model_.Drums().Count() : kDrumSetupCount;
  for (std::size_t setup = 0; setup < drumResets_.size(); ++setup) {
    drumResets_[setup]->setVisible(static_cast<int>(setup) < setups);
  }
}

void CSystemControlDlg::WindowStart() {
  ShowValues();
}

void CSystemControlDlg::ShowChange(const ModelChange& change) {
  if (change.block == ModelBlock::System) ShowValues();
}

}  // namespace ravlo
