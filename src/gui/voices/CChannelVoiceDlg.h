#pragma once

#include <optional>

#include "shell/EditorDialog.h"

class QCheckBox;
class QKeyEvent;
class QLineEdit;
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
  // The model tells which voice the shown channel has in use, and which voices its instrument
  // knows.
  CChannelVoiceDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  // Hands the selected voice to the main bar; false (nothing done) when a category or nothing
  // is selected.
  bool ApplySelection();

  QTreeWidget& Tree() { return *tree_; }
  // Where the sound can be heard, the Audition box plays the voices chosen.
  void SetSound(SoundView* sound);
  QLineEdit& Search() { return *search_; }

 protected:
  // The tree opens at the voice the Controllers window's channel has in use.
  void WindowStart() override;
  // A voice that went out on that channel reads in bold.
  void ShowChange(const ModelChange& change) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void EnterPressed();
  void OkPressed();
  void ItemDoubleClicked(QTreeWidgetItem* item, int column);
  std::optional<int> VoiceInUse();

  XgModel& model_;
  QLineEdit* search_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QCheckBox* audition_ = nullptr;
};

}  // namespace ravlo
