#include "voices/CPartVoiceDlg.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "voices/VoiceTree.h"

namespace ravlo {

namespace {

// Template size and spacing in dialog units.
constexpr int kWidthUnits = 130;
constexpr int kHeightUnits = 183;
constexpr int kMarginUnits = 7;
constexpr int kButtonWidthUnits = 40;

// What the dialog ends with when its tree could not be filled.
constexpr int kFillFailedResult = -1;

QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CPartVoiceDlg::CPartVoiceDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("PartVoiceDlg");
  setWindowTitle("Part Voice");
  setModal(true);
  tree_ = new QTreeWidget(this);
  tree_->setObjectName("VoiceTree");
  SetUpVoiceTree(*tree_);
  ok_ = MakeButton("OK", "OK", this);
  cancel_ = MakeButton("Cancel", "Cancel", this);

  const QSize margin = DialogUnitsToPixels(*this, kMarginUnits, kMarginUnits);
  const int buttonWidth = DialogUnitsToPixels(*this, kButtonWidthUnits, 0).width();
  ok_->setMinimumWidth(buttonWidth);
  cancel_->setMinimumWidth(buttonWidth);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
  layout->addWidget(tree_, 1);
  layout->addLayout(buttons);
  resize(DialogUnitsToPixels(*this, kWidthUnits, kHeightUnits));

  connect(ok_, &QPushButton::clicked, this, &CPartVoiceDlg::OkPressed);
  connect(cancel_, &QPushButton::clicked, this, &CPartVoiceDlg::reject);
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, &CPartVoiceDlg::ItemDoubleClicked);
}

bool CPartVoiceDlg::WindowStart() {
  tree_->clear();
  return FillVoiceTree(tree_);
}

std::optional<int> CPartVoiceDlg::Choose() {
  chosen_ = false;
  chosenIndex_ = -1;
  if (!WindowStart()) {
    done(kFillFailedResult);
    return std::nullopt;
  }
  if (exec() != QDialog::Accepted || !chosen_) return std::nullopt;
  return chosenIndex_;
}

bool CPartVoiceDlg::TakeSelection() {
  const std::optional<int> voice = VoiceOfItem(SelectedVoiceTreeItem(*tree_));
  if (!voice) return false;
  chosenIndex_ = *voice;
  chosen_ = true;
  return true;
}

void CPartVoiceDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    OkPressed();
    return;
  }
  QDialog::keyPressEvent(event);  // Escape cancels
}

void CPartVoiceDlg::OkPressed() {
  // A category or no selection still ends with OK; the caller sees no choice.
  TakeSelection();
  accept();
}

void CPartVoiceDlg::ItemDoubleClicked(QTreeWidgetItem* item, int /*column*/) {
  // On a category the tree's own opening or closing is all that happens.
  const std::optional<int> voice = VoiceOfItem(item);
  if (!voice) return;
  chosenIndex_ = *voice;
  chosen_ = true;
  accept();
}

}  // namespace ravlo
