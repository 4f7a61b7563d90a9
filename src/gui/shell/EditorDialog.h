#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "shell/ControlTabFilter.h"
#include "shell/EditorHost.h"

namespace ravlo {

// What every editor window shares: modeless, closed by Escape or the close
// box through the main bar (after the editor has stored what it must), Enter
// ignored, Control+Tab to the next open window, a caption of the window's
// kind and its selection after " -- ".
//
// The editor object outlives its window: closing hides it, and opening runs
// the window start again from the model.
class EditorDialog : public QDialog {
  Q_OBJECT

 public:
  EditorDialog(EditorHost& host, EditorSlot slot, const QString& kind, QWidget* parent = nullptr);

  // The window start, then `place` moves the window, then it shows; false
  // if it could not be made.
  bool OpenWindow(const std::function<void()>& place = {});
  bool IsOpen() const { return isVisible(); }
  // Closes as Escape does: the editor stores, the main bar is told.
  void CloseWindow();
  // Close All: what the editor keeps is its own decision (see StoreOnCloseAll).
  void CloseForCloseAll();

  EditorSlot Slot() const { return slot_; }

 protected:
  // Builds the window's contents from the model each time it opens.
  virtual void WindowStart() = 0;
  // Stores the working copy into the model when the window closes.
  virtual void StoreOnClose() {}
  // Close All stores as a close does, unless an editor says otherwise.
  virtual void StoreOnCloseAll() { StoreOnClose(); }

  // "Kind" alone, or "Kind -- selection".
  void SetSelectionCaption(const QString& selection);
  EditorHost& Host() { return host_; }

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  void accept() override {}

 private:
  void HideAndReport();
  void CommitPendingEdit();

  EditorHost& host_;
  EditorSlot slot_;
  QString kind_;
  bool closing_ = false;
  ControlTabFilter controlTab_;
};

}  // namespace ravlo
