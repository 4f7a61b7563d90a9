#pragma once

#include <QDialog>
#include <optional>

#include "model/InstrumentModel.h"

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ravlo {

class SoundView;
// The Part window's modal voice browser. It only picks a catalogue index; the Part window
// applies it to its part.
class CPartVoiceDlg final : public QDialog {
  Q_OBJECT

 public:
  // The tree holds the voices `instrument` knows.
  explicit CPartVoiceDlg(InstrumentModel instrument, QWidget* parent = nullptr);

  // Fills the tree, opens it at the part's voice in use (a catalogue index, or none) and runs
  // the dialog modally. The chosen catalogue index after OK on a voice (or a double click on
  // one); nothing after Cancel or Escape, after OK with a category or nothing selected, or when
  // the tree could not be filled (the dialog then ends at once with the result -1).
  std::optional<int> Choose(std::optional<int> inUse = std::nullopt);

  // Rebuilds the tree; false when it could not be filled.
  bool WindowStart();

  bool Chosen() const { return chosen_; }
  int ChosenIndex() const { return chosenIndex_; }
  QTreeWidget& Tree() { return *tree_; }
  // Where the sound can be heard, the Audition box plays the voices chosen.
  void SetSound(SoundView* sound);
  QLineEdit& Search() { return *search_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Takes the selected item's voice if it is one; false otherwise.
  bool TakeSelection();
  void OkPressed();
  void ItemDoubleClicked(QTreeWidgetItem* item, int column);

  InstrumentModel instrument_;
  QLineEdit* search_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QCheckBox* audition_ = nullptr;
  int chosenIndex_ = -1;
  bool chosen_ = false;
};

}  // namespace ravlo
