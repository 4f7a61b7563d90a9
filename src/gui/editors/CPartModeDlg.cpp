#include "editors/CPartModeDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editors/PartDialogHooks.h"
#include "model/XgModel.h"
#include "parts/PartParameterTable.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

constexpr std::size_t kMonoPolyGroup = 0;
constexpr std::size_t kTypeGroup = 2;
constexpr int kPoly = 1;

// An object name from a choice: "Drum 1" -> "Drum1".
QString ButtonName(std::string_view choice) {
  return ToQString(choice).remove(QLatin1Char(' '));
}

int GroupAddress(std::size_t group) {
  return PartModel::kModeFirstAddress + static_cast<int>(group);
}

// As the model's instrument has it: the extended one's modes reach Drum 4.
const ParameterDescriptor& GroupParameter(const XgModel& model, std::size_t group) {
  return model.Parts().Parameter(GroupAddress(group))->parameter;
}

}  // namespace

CPartModeDlg::CPartModeDlg(XgModel& model, PartIndex part, QWidget* parent)
    : QDialog(parent), model_(model), part_(part) {
  setModal(true);
  setWindowTitle(QStringLiteral("Part %1 Mode").arg(part_.Number()));
  kept_.fill(kNoParameter);
  model_.Parts().GetPartBytes(part_, PartModel::kModeFirstAddress, kept_);

  auto* row = new QHBoxLayout;
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    const ParameterDescriptor& parameter = GroupParameter(model_, g);
    auto* box = new QGroupBox(ToQString(parameter.label), this);
    auto* column = new QVBoxLayout(box);
    groups_[g] = new QButtonGroup(this);
    for (std::size_t b = 0; b < parameter.choices.size(); ++b) {
      auto* radio = new QRadioButton(ToQString(parameter.choices[b]), box);
      radio->setObjectName(ButtonName(parameter.choices[b]));
      groups_[g]->addButton(radio, static_cast<int>(b));
      column->addWidget(radio);
    }
    column->addStretch();
    row->addWidget(box);
  }

  // Every group starts with no button; a drum part's mono/poly byte is not shown.
  const bool monoPoly = model_.Parts().HasParameter(part_, GroupAddress(kMonoPolyGroup));
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    if (g == kMonoPolyGroup && !monoPoly) continue;
    if (QAbstractButton* button = groups_[g]->button(kept_[g])) button->setChecked(true);
  }
  if (monoPoly && groups_[kMonoPolyGroup]->checkedId() < 0) {
    groups_[kMonoPolyGroup]->button(kPoly)->setChecked(true);
  }
  ApplyEnabling();

  FinishPartDialog(*this, row);
}

void CPartModeDlg::ApplyEnabling() {
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    for (QAbstractButton* button : groups_[g]->buttons()) {
      button->setEnabled(
          model_.Parts().ModeChoiceAllowed(part_, GroupAddress(g), groups_[g]->id(button)));
    }
  }
}

int CPartModeDlg::Selection(std::size_t group) const {
  return group < kGroupCount ? groups_[group]->checkedId() : -1;
}

void CPartModeDlg::accept() {
  PartModel::ModeBytes bytes = kept_;
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    if (!model_.Parts().HasParameter(part_, GroupAddress(g))) {
      bytes[g] = kNoParameter;  // a drum part has no mono/poly mode
      continue;
    }
    const int selected = groups_[g]->checkedId();
    if (selected >= 0) bytes[g] = static_cast<std::uint8_t>(selected);
  }
  stored_ = model_.Parts().SetPartMode(part_, bytes);
  modeChanged_ = stored_ && bytes[kTypeGroup] != kept_[kTypeGroup];
  QDialog::accept();
}

}  // namespace ravlo
