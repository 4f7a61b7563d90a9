#include "editors/CPartModeDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <span>
#include <string_view>

#include "editors/PartDialogHooks.h"
#include "model/XgModel.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

// Which kind of part may pick a button.
enum class ModeFor { AnyPart, NormalPart, DrumPart };

struct ModeButton {
  std::string_view name;
  std::string_view caption;
  ModeFor enabledFor;
};

struct ModeGroup {
  std::string_view title;
  std::span<const ModeButton> buttons;  // a button's index is the byte's value
};

constexpr std::array kMonoPolyButtons = {
    ModeButton{"Mono", "Mono", ModeFor::NormalPart},
    ModeButton{"Poly", "Poly", ModeFor::NormalPart},
};
constexpr std::array kSameKeyButtons = {
    ModeButton{"Single", "Single", ModeFor::AnyPart},
    ModeButton{"Multi", "Multi", ModeFor::AnyPart},
    ModeButton{"Inst", "Inst", ModeFor::AnyPart},
};
constexpr std::array kTypeButtons = {
    ModeButton{"Normal", "Normal", ModeFor::NormalPart},
    ModeButton{"Drum", "Drum", ModeFor::NormalPart},
    ModeButton{"Drum1", "Drum 1", ModeFor::DrumPart},
    ModeButton{"Drum2", "Drum 2", ModeFor::DrumPart},
};

// In address order from 05.
constexpr std::array<ModeGroup, CPartModeDlg::kGroupCount> kModeGroups = {{
    {"Mode", kMonoPolyButtons},
    {"Same Key", kSameKeyButtons},
    {"Type", kTypeButtons},
}};

constexpr std::size_t kMonoPolyGroup = 0;
constexpr std::size_t kTypeGroup = 2;
constexpr int kPoly = 1;

}  // namespace

CPartModeDlg::CPartModeDlg(XgModel& model, int part, QWidget* parent)
    : QDialog(parent), model_(model), part_(part), drum_(model.Parts().IsDrumPart(part)) {
  setModal(true);
  setWindowTitle(QStringLiteral("Mode"));
  kept_.fill(kNoParameter);
  model_.Parts().GetPartBytes(part_, kFirstAddress, kept_);

  auto* row = new QHBoxLayout;
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    const ModeGroup& group = kModeGroups[g];
    auto* box = new QGroupBox(ToQString(group.title), this);
    auto* column = new QVBoxLayout(box);
    groups_[g] = new QButtonGroup(this);
    for (std::size_t b = 0; b < group.buttons.size(); ++b) {
      auto* radio = new QRadioButton(ToQString(group.buttons[b].caption), box);
      radio->setObjectName(ToQString(group.buttons[b].name));
      groups_[g]->addButton(radio, static_cast<int>(b));
      column->addWidget(radio);
    }
    column->addStretch();
    row->addWidget(box);
  }

  // Every group starts with no button; a drum part's mono/poly byte is not shown.
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    if (g == kMonoPolyGroup && drum_) continue;
    if (QAbstractButton* button = groups_[g]->button(kept_[g])) button->setChecked(true);
  }
  if (!drum_ && groups_[kMonoPolyGroup]->checkedId() < 0) {
    groups_[kMonoPolyGroup]->button(kPoly)->setChecked(true);
  }

  for (int type : {0, 2, 3}) {
    connect(groups_[kTypeGroup]->button(type), &QAbstractButton::clicked, this,
            &CPartModeDlg::ApplyEnabling);
  }
  ApplyEnabling();

  FinishPartDialog(*this, row);
}

void CPartModeDlg::ApplyEnabling() {
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    const ModeGroup& group = kModeGroups[g];
    for (std::size_t b = 0; b < group.buttons.size(); ++b) {
      const ModeFor rule = group.buttons[b].enabledFor;
      const bool enabled = rule == ModeFor::AnyPart || (rule == ModeFor::DrumPart) == drum_;
      groups_[g]->button(static_cast<int>(b))->setEnabled(enabled);
    }
  }
}

int CPartModeDlg::Selection(std::size_t group) const {
  return group < kGroupCount ? groups_[group]->checkedId() : -1;
}

void CPartModeDlg::accept() {
  std::array<std::uint8_t, kGroupCount> bytes = kept_;
  for (std::size_t g = 0; g < kGroupCount; ++g) {
    if (g == kMonoPolyGroup && drum_) {
      bytes[g] = kNoParameter;  // a drum part has no mono/poly mode
      continue;
    }
    const int selected = groups_[g]->checkedId();
    if (selected >= 0) bytes[g] = static_cast<std::uint8_t>(selected);
  }
  PartModel& parts = model_.Parts();
  if (parts.SetPartParameters(part_, kFirstAddress, bytes)) {
    // The voice follows while the record still holds the old mode.
    if (bytes[kTypeGroup] != kept_[kTypeGroup]) {
      parts.AdoptModeVoice(part_, bytes[kTypeGroup]);
      modeChanged_ = true;
    }
    parts.PutPartBytes(part_, kFirstAddress, bytes);
    stored_ = true;
  }
  QDialog::accept();
}

}  // namespace ravlo
