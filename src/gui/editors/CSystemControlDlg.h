#pragma once

#include <array>

#include "drums/DrumSetups.h"
#include "shell/EditorDialog.h"
#include "system/SystemParameters.h"

class QPushButton;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The System Control window: master volume, transpose and tune, and the
// reset commands. The fields show the model's system block; each edit is
// sent and stored by the model's setter.
class CSystemControlDlg final : public EditorDialog {
  Q_OBJECT

 public:
  CSystemControlDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  EditSpinPair& VolumeField() { return *volume_; }
  EditSpinPair& TransposeField() { return *transpose_; }
  EditSpinPair& TuneField() { return *tune_; }

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  void BuildControls();
  EditSpinPair* MakeField(SystemParameter parameter);
  void ShowValues();
  void ShowDrumResets();
  // Drum Setup Reset of one setup, as a step the user can take back.
  void ResetDrumSetup(int setup);

  XgModel& model_;
  EditSpinPair* volume_ = nullptr;
  EditSpinPair* transpose_ = nullptr;
  EditSpinPair* tune_ = nullptr;
  std::array<QPushButton*, kExtendedDrumSetupCount> drumResets_{};
};

}  // namespace ravlo
