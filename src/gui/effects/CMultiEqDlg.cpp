#include "effects/CMultiEqDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "effects/MultiEqParameters.h"
#include "model/XgModel.h"
#include "shapes/EqResponse.h"
#include "widgets/CurveView.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {

CMultiEqDlg::CMultiEqDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::MultiEq, QStringLiteral("Multi EQ"), parent), model_(model) {
  BuildWindow();
  Follow(model);
}

void CMultiEqDlg::BuildWindow() {
  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  outer->addLayout(grid);
  // The type alone on the first row, then one column per band: gain,
  // frequency, Q and shape downwards.
  const auto place = [&](const ParameterDescriptor& parameter, int row, int column) {
    auto* field = new EditSpinPair(this);
    field->Describe(parameter);
    const std::uint8_t low = parameter.address;
    field->SetGetter([this, low] { return model_.MultiEq().Value(low); });
    field->SetSetter([this, low](int value) {
      const QString step =
          QStringLiteral("Multi EQ ") + ToQString(model_.MultiEq().Parameter(low)->label);
      if (!RecordEdit(step, replay::Values{},
                      [&] { return model_.MultiEq().SetParameter(low, value); })) {
        return false;
      }
      Host().MarkModified();
      return true;
    });
    grid->addWidget(new QLabel(ToQString(parameter.label), this), row, column);
    grid->addWidget(field, row + 1, column);
    fields_.push_back(field);
  };
  place(kMultiEqParameters[0], 0, 0);
  for (std::size_t band = 0; band < kMultiEqBandCount; ++band) {
    const MultiEqBandAddresses& at = kMultiEqBands[band];
    const auto column = static_cast<int>(band);
    int row = 2;
    for (std::uint8_t low : {at.gain, at.frequency, at.q}) {
      place(kMultiEqParameters[low], row, column);
      row += 2;
    }
    if (at.shape) place(kMultiEqParameters[*at.shape], row, column);
  }
  // The response across the audible range, the gains' range high and low.
  constexpr double kTopDb = 15.0;
  response_ = new CurveView(this);
  response_->setObjectName(QStringLiteral("Response"));
  response_->SetAxes({20.0, 20000.0, true}, {-kTopDb, kTopDb, false});
  response_->SetGuides({0.0});
  response_->setMinimumHeight(140);
  outer->addWidget(response_);
}

void CMultiEqDlg::ShowAll() {
  for (EditSpinPair* field : fields_) field->Refresh();
  response_->SetCurve(EqResponse(MultiEqBands(model_.MultiEq().Bytes())));
}

void CMultiEqDlg::WindowStart() {
  ShowAll();
}

void CMultiEqDlg::ShowChange(const ModelChange& change) {
  if (change.block == ModelBlock::MultiEq) ShowAll();
}

}  // namespace ravlo
