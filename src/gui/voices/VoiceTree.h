#pragma once

#include <QSize>
#include <optional>

class QCheckBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace ravlo {

class SoundView;

// The two voice browsers share one tree: the categories at the top level in their fixed order,
// each holding its voices in the catalogue's alphabetical order. A voice item has no children and
// carries its catalogue index as item data (Qt::UserRole); a category carries one past the last
// index, so its data can never be taken for a voice.

// Gives the tree the browsers' look: no header, expand buttons and lines at the root, one item
// selected at a time, no sorting by the tree itself.
void SetUpVoiceTree(QTreeWidget& tree);

// Appends the categories and all voices to an empty tree; false without a tree.
bool FillVoiceTree(QTreeWidget* tree);

// The catalogue index of a voice item; nothing for a category, a missing item or bad data.
std::optional<int> VoiceOfItem(const QTreeWidgetItem* item);

// The one selected item, or null.
QTreeWidgetItem* SelectedVoiceTreeItem(const QTreeWidget& tree);

// Window sizes are given in dialog units (a quarter of an average character wide, an eighth of
// a line high), so the browsers keep their proportions with any font.
QSize DialogUnitsToPixels(const QWidget& widget, int width, int height);

// A browser window's controls: the tree filling it and OK and Cancel centred
// below, with the Audition box on their left (hidden until there is sound).
struct VoiceBrowserControls {
  QTreeWidget* tree;
  QPushButton* ok;
  QPushButton* cancel;
  QCheckBox* audition;
};
// Lays them out in `window`, sized in dialog units.
VoiceBrowserControls BuildVoiceBrowser(QWidget& window, int widthUnits, int heightUnits);

// Shows the Audition box where the sound can be heard: while it is ticked,
// a voice chosen in the tree plays a short note.
void ConnectAudition(QTreeWidget& tree, QCheckBox& box, SoundView* sound);

}  // namespace ravlo
