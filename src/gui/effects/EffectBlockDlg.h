#pragma once

#include <cstddef>
#include <vector>

#include "effects/EffectKind.h"
#include "shell/EditorDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The editor of a block with a fixed set of parameters (Reverb, Chorus): a
// type list, "&Default" and one field per row slot that has one in the
// block's slot table. The fields show the type the model runs; every
// accepted edit goes out at once, a type change or Default sends the whole
// block. A field whose gate slot holds 255 (the type does not use it) is
// disabled. While the block runs a type the tables lack, its parameter
// fields read "Parameter 1".. with their raw values, and Default brings back
// what was received for it.
class EffectBlockDlg : public EditorDialog {
  Q_OBJECT

 public:
  // The type the block runs; the type count while it runs an unknown one.
  int CurrentType() const;

 protected:
  EffectBlockDlg(XgModel& model, EditorHost& host, EffectKind kind, EditorSlot slot,
                 const QString& caption, QWidget* parent);

  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  void BuildWindow();
  void ShowAll();
  int SlotValue(std::size_t slot) const;
  bool SendField(std::size_t slot, int value);
  void OnTypeChosen(int index);
  void OnDefault();
  // "Reverb Time": what the Edit menu calls an edit in this window.
  QString StepName(const QString& what) const;

  XgModel& model_;
  EffectKind kind_;
  QString caption_;
  std::vector<std::size_t> slots_;  // the slot each box edits
  QComboBox* typeList_ = nullptr;
  QPushButton* default_ = nullptr;
  std::vector<EditSpinPair*> boxes_;
  std::vector<QLabel*> labels_;
};

}  // namespace ravlo
