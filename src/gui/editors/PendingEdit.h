#pragma once

class QWidget;

namespace ravlo {

// Commits the edit-and-spin field of `window` that holds the focus, as its
// losing the focus would. A window that stores its working copy on close
// calls it first, so a value typed just before Escape is not stored late.
void CommitPendingEdit(QWidget& window);

}  // namespace ravlo
