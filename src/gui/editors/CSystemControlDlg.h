#pragma once

#include "shell/EditorDialog.h"
#include "system/SystemBlock.h"

class QPushButton;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The System Control window: master volume, transpose and tune, and the
// reset commands. Its setters send without storing, so the window keeps a
// working copy of the three values; the model's block takes it on close and
// before a send pass, and gives it back after anything that replaced the
// model's contents.
class CSystemControlDlg final : public EditorDialog {
  Q_OBJECT

 public:
  CSystemControlDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  // The block into the working copy, and into the fields.
  void RefreshFromModel();
  // The working copy into the block.
  void StoreToModel();

  int Transpose() const { return values_.transpose; }
  int Tune() const { return values_.tune; }
  int Volume() const { return values_.volume; }

  EditSpinPair& VolumeField() { return *volume_; }
  EditSpinPair& TransposeField() { return *transpose_; }
  EditSpinPair& TuneField() { return *tune_; }

 protected:
  void WindowStart() override;
  void StoreOnClose() override;

 private:
  void BuildControls();
  void ShowValues();

  XgModel& model_;
  // Until the first read, the XG defaults.
  SystemValues values_{0, 127, 0};
  EditSpinPair* volume_ = nullptr;
  EditSpinPair* transpose_ = nullptr;
  EditSpinPair* tune_ = nullptr;
  QPushButton* resetAll_ = nullptr;
  QPushButton* resetDrum1_ = nullptr;
  QPushButton* resetDrum2_ = nullptr;
};

}  // namespace ravlo
