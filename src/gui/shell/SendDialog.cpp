#include "shell/SendDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "drums/DrumSetups.h"
#include "platform/UserPrompts.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {

namespace {

struct Category {
  const char* label;
  CategoryChoice SendChoices::*member;
};

// The dialog's rows, top to bottom; the last two only for the extended
// instrument's drum setups 3 and 4.
constexpr std::size_t kBasicCategoryCount = 8;
constexpr std::array<Category, 10> kCategories{{
    {"System", &SendChoices::system},
    {"Controllers", &SendChoices::controllers},
    {"Reverb", &SendChoices::reverb},
    {"Chorus", &SendChoices::chorus},
    {"Variation", &SendChoices::variation},
    {"Part", &SendChoices::part},
    {"Drum1", &SendChoices::drum1},
    {"Drum2", &SendChoices::drum2},
    {"Drum3", &SendChoices::drum3},
    {"Drum4", &SendChoices::drum4},
}};

}  // namespace

SendDialog::SendDialog(unsigned delayMs, bool savingMode, UserPrompts& prompts, QWidget* parent,
                       bool extensions, int drumSetups, bool userVoices, bool extended)
    : QDialog(parent),
      prompts_(prompts),
      savingMode_(savingMode),
      reset_(new QCheckBox(QStringLiteral("Reset"), this)),
      delay_(new EditSpinPair(this)) {
  setWindowTitle(QStringLiteral("Send"));
  reset_->setObjectName(QStringLiteral("Reset"));
  reset_->setChecked(true);

  auto* grid = new QGridLayout;
  grid->addWidget(reset_, 0, 0);
  const std::size_t shown = std::min(
      kCategories.size(),
      kBasicCategoryCount + static_cast<std::size_t>(std::max(drumSetups - kDrumSetupCount, 0)));
  for (std::size_t i = 0; i < shown; ++i) {
    const QString label = QString::fromUtf8(kCategories[i].label);
    auto* category = new QCheckBox(label, this);
    auto* nonDefault = new QCheckBox(this);
    category->setObjectName(label);
    nonDefault->setObjectName(label + QStringLiteral("NonDefault"));
    category->setChecked(true);
    nonDefault->setChecked(true);
    const int row = static_cast<int>(i) + 1;
    grid->addWidget(category, row, 0);
    grid->addWidget(nonDefault, row, 2);
    rows_.push_back({kCategories[i].member, category, nonDefault});
  }
  auto* explanation = new QLabel(
      QStringLiteral(
          "If the box opposite a category is checked, only non-default parameters will be "
          "sent. If it is NOT checked, then ALL parameters will be sent."),
      this);
  explanation->setWordWrap(true);
  explanation->setMinimumWidth(150);
  grid->addWidget(explanation, 1, 1, static_cast<int>(shown), 1);

  auto* clearCategories =
      MakeButton(QStringLiteral("&Clear"), QStringLiteral("ClearCategories"), this);
  auto* clearNonDefault =
      MakeButton(QStringLiteral("C&lear"), QStringLiteral("ClearNonDefault"), this);
  int buttonRow = static_cast<int>(shown) + 1;
  if (extended) {
    // The later blocks' rows follow the drum setups.
    const std::pair<const char*, CategoryChoice SendChoices::*> later[] = {
        {"Insertion", &SendChoices::insertion}, {"Multi EQ", &SendChoices::multiEq}};
    for (const auto& [text, member] : later) {
      const QString label = QString::fromUtf8(text);
      auto* category = new QCheckBox(label, this);
      auto* nonDefault = new QCheckBox(this);
      category->setObjectName(QString(label).remove(' '));
      nonDefault->setObjectName(category->objectName() + QStringLiteral("NonDefault"));
      category->setChecked(true);
      nonDefault->setChecked(true);
      grid->addWidget(category, buttonRow, 0);
      grid->addWidget(nonDefault, buttonRow++, 2);
      rows_.push_back({member, category, nonDefault});
    }
  }
  const auto addBox = [&](const QString& label, const QString& name) {
    auto* box = new QCheckBox(label, this);
    box->setObjectName(name);
    box->setChecked(true);
    grid->addWidget(box, buttonRow++, 0);
    return box;
  };
  if (extensions)
    extensions_ = addBox(QStringLiteral("XG Extensions"), QStringLiteral("Extensions"));
  if (extended) display_ = addBox(QStringLiteral("Display Text"), QStringLiteral("DisplayText"));
  if (userVoices) userVoices_ = addBox(QStringLiteral("User Voices"), QStringLiteral("UserVoices"));
  grid->addWidget(clearCategories, buttonRow, 0);
  grid->addWidget(clearNonDefault, buttonRow, 2);

  delay_->setObjectName(QStringLiteral("Delay"));
  delay_->SetRange(0, static_cast<int>(SendChoices::kMaxDelayMs));
  delay_->SetAccelerating(true);
  delay_->SetValue(static_cast<int>(savingMode ? 0 : delayMs));
  auto* delayRow = new QHBoxLayout;
  delayRow->addWidget(delay_);
  delayRow->addWidget(new QLabel(QStringLiteral("Delay"), this));
  delayRow->addStretch();

  auto* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("OK"), this);
  auto* cancel = MakeButton(QStringLiteral("Cancel"), QStringLiteral("Cancel"), this);
  ok->setDefault(true);
  // A click on OK must not take the focus: leaving the delay box would settle
  // it before OK could refuse it and keep the dialog open.
  ok->setFocusPolicy(Qt::NoFocus);
  cancel->setFocusPolicy(Qt::NoFocus);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(delayRow);
  layout->addLayout(buttons);

  if (savingMode_) {
    // Channel messages cannot go into a file.
    const Row& controllers = rows_[1];
    controllers.category->setChecked(false);
    controllers.nonDefault->setChecked(false);
    controllers.category->setEnabled(false);
    controllers.nonDefault->setEnabled(false);
  }

  connect(clearCategories, &QPushButton::clicked, this, [this] {
    reset_->setChecked(false);
    for (QCheckBox* box : {extensions_, display_, userVoices_}) {
      if (box != nullptr) box->setChecked(false);
    }
    for (const Row& row : rows_) row.category->setChecked(false);
  });
  connect(clearNonDefault, &QPushButton::clicked, this, [this] {
    for (const Row& row : rows_) row.nonDefault->setChecked(false);
  });
  connect(ok, &QPushButton::clicked, this, &SendDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

SendChoices SendDialog::Choices() const {
  SendChoices choices;
  choices.reset = reset_->isChecked();
  if (extensions_ != nullptr) choices.extensions = extensions_->isChecked();
  if (userVoices_ != nullptr) choices.userVoices = userVoices_->isChecked();
  for (const Row& row : rows_) {
    choices.*row.member = {row.category->isChecked(), row.nonDefault->isChecked()};
  }
  if (display_ != nullptr) choices.display = display_->isChecked();
  choices.delayMs = static_cast<unsigned>(delay_->Value());
  choices.savingMode = savingMode_;
  return choices;
}

void SendDialog::accept() {
  const std::optional<int> delay = ValueForOk(*delay_, prompts_);
  if (!delay) return;
  delay_->SetValue(*delay);
  QDialog::accept();
}

}  // namespace ravlo
