#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "model/ModelChange.h"
#include "shell/EditorHost.h"

namespace ravlo {

class XgModel;

// What every editor window shares: modeless, closed by Escape or the close
// box through the main bar, Enter ignored, Control+Tab to the next open
// window, a caption of the window's kind and its selection after " -- ".
//
// An editor shows the model and keeps no values of its own: it follows the
// model's change notices and redraws what they touch. The editor object
// outlives its window: closing hides it, and opening shows the model again.
class EditorDialog : public QDialog, public ModelObserver {
  Q_OBJECT

 public:
  EditorDialog(EditorHost& host, EditorSlot slot, const QString& kind, QWidget* parent = nullptr);
  ~EditorDialog() override;

  // The window start, then `place` moves the window, then it shows; false
  // if it could not be made.
  bool OpenWindow(const std::function<void()>& place = {});
  bool IsOpen() const { return isVisible(); }
  // Closes as Escape does (what is being typed is taken first); the main
  // bar is told.
  void CloseWindow();
  // Takes what is being typed in the focused field, as leaving it would.
  void CommitPendingEdit();

  EditorSlot Slot() const { return slot_; }

  // ModelObserver: a notice while the window is open redraws it.
  void ModelChanged(const ModelChange& change) override;

 protected:
  // Shows the model each time the window opens.
  virtual void WindowStart() = 0;
  // Redraws what a notice touched (only while the window is open); a window
  // that follows no model has nothing to redraw.
  virtual void ShowChange(const ModelChange&) {}
  // Hears the model's notices from now on.
  void Follow(XgModel& model);

  // "Kind" alone, or "Kind -- selection".
  void SetSelectionCaption(const QString& selection);
  EditorHost& Host() { return host_; }
  // An edit the user can take back (a field's setter, a button, a dialog's OK).
  bool RecordEdit(const QString& name, const StepReplay& replay, const std::function<bool()>& edit,
                  StepJoin join = StepJoin::Separate) {
    return host_.RecordEdit(name.toStdString(), replay, edit, join);
  }

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  void accept() override {}

 private:
  void HideAndReport();

  EditorHost& host_;
  XgModel* followed_ = nullptr;
  EditorSlot slot_;
  QString kind_;
  bool closing_ = false;
};

}  // namespace ravlo
