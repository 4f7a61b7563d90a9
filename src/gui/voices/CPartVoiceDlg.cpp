#include "voices/CPartVoiceDlg.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "voices/VoiceTree.h"
#include "widgets/ModalRunner.h"

namespace ravlo {

namespace {

// Template size in dialog units, widened for the bank and program columns.
constexpr int kPartBrowserWidthUnits = 190;
constexpr int kPartBrowserHeightUnits = 183;

// What the dialog ends with when its tree could not be filled.
constexpr int kFillFailedResult = -1;

}  // namespace

CPartVoiceDlg::CPartVoiceDlg(InstrumentModel instrument, QWidget* parent)
    : QDialog(parent), instrument_(instrument) {
  setObjectName("PartVoiceDlg");
  setWindowTitle("Part Voice");
  setModal(true);
  const VoiceBrowserControls controls =
      BuildVoiceBrowser(*this, kPartBrowserWidthUnits, kPartBrowserHeightUnits);
  search_ = controls.search;
  tree_ = controls.tree;
  ok_ = controls.ok;
  cancel_ = controls.cancel;
  audition_ = controls.audition;

  connect(ok_, &QPushButton::clicked, this, &CPartVoiceDlg::OkPressed);
  connect(cancel_, &QPushButton::clicked, this, &CPartVoiceDlg::reject);
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, &CPartVoiceDlg::ItemDoubleClicked);
}

bool CPartVoiceDlg::WindowStart() {
  search_->clear();
  tree_->clear();
  return FillVoiceTree(tree_, instrument_);
}

std::optional<int> CPartVoiceDlg::Choose(std::optional<int> inUse) {
  chosen_ = false;
  chosenIndex_ = -1;
  if (!WindowStart()) {
    done(kFillFailedResult);
    return std::nullopt;
  }
  OpenTreeAtVoice(*tree_, inUse);
  search_->setFocus();
  if (RunModally(*this) != QDialog::Accepted || !chosen_) return std::nullopt;
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

void CPartVoiceDlg::SetSound(SoundView* sound) {
  ConnectAudition(*tree_, *audition_, sound);
}

}  // namespace ravlo
