#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "effects/EffectKind.h"
#include "shell/EditorDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace ravlo {

class EditSpinPair;
class XgModel;

// One edit box of a Reverb or Chorus window: its label and the row slot it
// edits. A gated field is enabled only while the shown value of its gate slot
// is below 128: the types that do not use a parameter hold 255 there.
struct EffectField {
  const char* label;
  std::size_t slot;
  std::size_t gateSlot;
};
// Slot 0 is the type number, never a parameter, so it can mean "no gate".
inline constexpr std::size_t kNoGate = 0;

// What tells the Reverb window from the Chorus window.
struct EffectEditorTable {
  EffectKind kind;
  EditorSlot editorSlot;
  const char* caption;
  std::span<const EffectField> fields;
};

// The editor of a block with a fixed set of parameters (Reverb, Chorus): a
// type list, "&Default" and one field per table entry. The shown values are
// the working copy of the current type's row; every accepted edit goes out
// at once, a type change or Default sends the whole block.
class EffectBlockDlg : public EditorDialog {
  Q_OBJECT

 public:
  int CurrentType() const { return type_; }
  // Makes `index` current and shows its row (after a file load); false for an
  // index outside the type table.
  bool SetType(int index);
  // Back to the XG default type (after an XG reset).
  void Reset();
  // The shown values into the current type's row; slots without a field
  // become 255.
  void SaveDisplayToRow();
  // The current type's row into the shown values, and the caption.
  void LoadRowToDisplay();

 protected:
  EffectBlockDlg(XgModel& model, EditorHost& host, const EffectEditorTable& table, QWidget* parent);

  void WindowStart() override;
  // Escape, the close box and (by EditorDialog's default) Close All keep the
  // edits: the row is what reopening shows.
  void StoreOnClose() override { SaveDisplayToRow(); }

 private:
  void BuildWindow();
  void FillTypeList();
  void SelectTypeInList();
  void ApplyEnabling();
  void ShowValues();
  void RefreshWindow();
  bool SendField(std::size_t field, int value);
  void OnTypeChosen(int index);
  void OnDefault();
  int ShownSlotValue(std::size_t slot) const;

  XgModel& model_;
  const EffectEditorTable& table_;
  int type_;
  std::vector<int> shown_;
  QComboBox* typeList_ = nullptr;
  QPushButton* default_ = nullptr;
  std::vector<EditSpinPair*> boxes_;
};

}  // namespace ravlo
