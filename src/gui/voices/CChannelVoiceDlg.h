#pragma once

#include "shell/EditorDialog.h"

class QCheckBox;
class QKeyEvent;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ravlo {

class SoundView;
class XgModel;

// The modeless voice browser of the main bar. A chosen voice goes at once to the channel that
// the Controllers window shows, and the window stays open so voice after voice can be tried.
// The browser itself sends nothing: it hands catalogue indices to the main bar.
class CChannelVoiceDlg final : public EditorDialog {
  Q_OBJECT

 public:
  // The catalogue is fixed data; the model is taken for the editors' common shape only.
  CChannelVoiceDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  // Hands the selected voice to the main bar; false (nothing done) when a category or nothing
  // is selected.
  bool ApplySelection();

  QTreeWidget& Tree() { return *tree_; }
  // Where the sound can be heard, the Audition box plays the voices chosen.
  void SetSound(SoundView* sound);

 protected:
  void WindowStart() override;
  // The catalogue does not change with the model.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void EnterPressed();
  void OkPressed();
  void ItemDoubleClicked(QTreeWidgetItem* item, int column);

  QTreeWidget* tree_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QCheckBox* audition_ = nullptr;
};

}  // namespace ravlo
