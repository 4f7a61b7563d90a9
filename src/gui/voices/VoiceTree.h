#pragma once

#include <QSize>
#include <optional>

#include "model/InstrumentModel.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QString;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace ravlo {

class SoundView;

// The two voice browsers share one tree: the categories at the top level in their fixed order,
// each holding its voices in the catalogue's alphabetical order. A voice item has no children and
// carries its catalogue index as item data (Qt::UserRole); a category carries data that no voice
// has, so it can never be taken for one. Beside its name a voice shows its bank MSB,
// bank LSB and program number.

// The tree's columns.
enum VoiceTreeColumn { kVoiceNameColumn, kBankMsbColumn, kBankLsbColumn, kProgramColumn };

// Gives the tree the browsers' look: a header over the columns, expand buttons and lines at the
// root, one item selected at a time, no sorting by the tree itself.
void SetUpVoiceTree(QTreeWidget& tree);

// Appends the categories and all voices `instrument` knows to an empty tree; false without a
// tree.
bool FillVoiceTree(QTreeWidget* tree, InstrumentModel instrument);

// The catalogue index of a voice item; nothing for a category, a missing item or bad data.
std::optional<int> VoiceOfItem(const QTreeWidgetItem* item);

// The one selected item, or null.
QTreeWidgetItem* SelectedVoiceTreeItem(const QTreeWidget& tree);

// Shows only the voices the search finds, with their categories open; an empty query shows every
// voice again. The first voice found is selected, so that Enter takes it; a selection that is
// hidden is cleared.
void FilterVoiceTree(QTreeWidget& tree, const QString& query);

// The voice in use (a catalogue index, or none) reads in bold.
void MarkVoiceInUse(QTreeWidget& tree, std::optional<int> voice);
// Opens the tree at the voice in use: marked, its category open, scrolled into view and the
// keyboard's place, but not selected (OK with nothing selected chooses nothing).
void OpenTreeAtVoice(QTreeWidget& tree, std::optional<int> voice);

// Window sizes are given in dialog units (a quarter of an average character wide, an eighth of
// a line high), so the browsers keep their proportions with any font.
QSize DialogUnitsToPixels(const QWidget& widget, int width, int height);

// A browser window's controls: the search box above the tree filling it, OK
// and Cancel centred below, with the Audition box on their left (hidden until
// there is sound). Typing in the search box filters the tree; the arrow keys
// there move in the tree.
struct VoiceBrowserControls {
  QLineEdit* search;
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
