#pragma once

#include <array>
#include <cstddef>

#include "effects/InsertionEffectModel.h"
#include "shell/EditorDialog.h"

class QComboBox;
class QLabel;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The Insertion window (Extended model): one of the four insertion effects
// at a time, chosen above: its type from the insertion type list, the sixteen
// parameters labelled, ranged and read by the type, the part it is inserted
// in and the five controller depths. The fields show the model; every edit
// goes out at once, a type as one change that brings the type's defaults.
class CInsertionDlg final : public EditorDialog {
  Q_OBJECT

 public:
  CInsertionDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  // The insertion shown, 0..3.
  int ShownBlock() const { return block_; }
  void ShowBlock(int block);

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  void BuildWindow();
  void ShowAll();
  void OnTypeChosen(int index);
  // A field's value, as the step "Insertion 2 <label>".
  bool Send(const QString& label, const std::function<bool()>& send);

  XgModel& model_;
  int block_ = 0;
  QComboBox* blockList_ = nullptr;
  QComboBox* typeList_ = nullptr;
  std::array<EditSpinPair*, InsertionEffectModel::kParamCount> params_{};
  std::array<QLabel*, InsertionEffectModel::kParamCount> labels_{};
  EditSpinPair* part_ = nullptr;
  std::array<EditSpinPair*, InsertionEffectModel::kDepthCount> depths_{};
};

}  // namespace ravlo
