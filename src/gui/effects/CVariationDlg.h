#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "effects/EffectTypeTables.h"
#include "shell/EditorDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The Variation block's editor: 46 types whose sixteen parameters change
// label, range and use with the type, the return, pan, sends and controller
// depths, and the connection (system, or insertion on one part). The
// connection and part are one setting shared by all types; everything else
// is remembered per type. The window shows the type the model runs; every
// edit goes out at once.
class CVariationDlg final : public EditorDialog {
  Q_OBJECT

 public:
  CVariationDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  // The type the block runs; the type count while it runs an unknown one.
  int CurrentType() const;
  bool SystemConnection() const;
  int ShownPart() const;

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  void BuildWindow();
  void ShowAll();
  void ApplyLayout();
  std::uint8_t Setting(VariationSetting setting) const;

  bool SendParameter(std::size_t param, int value);
  bool SendSetting(VariationSetting setting, int value);
  bool SendPart(int shownPart);
  // A field's value, as the step "Variation <label>".
  bool Send(const QString& label, const std::function<bool()>& send);
  // The System and Part buttons: the connection, as a step of its own.
  void SwitchConnection(bool system);
  void OnTypeChosen(int index);
  void OnDefault();

  XgModel& model_;
  QComboBox* typeList_ = nullptr;
  QPushButton* default_ = nullptr;
  std::array<EditSpinPair*, kVariationParamCount> paramBoxes_{};
  std::array<QLabel*, kVariationParamCount> paramLabels_{};
  // The settings that have a field, with the setting each edits.
  std::vector<VariationSetting> shownSettings_;
  std::vector<EditSpinPair*> settingBoxes_;
  std::vector<QLabel*> settingLabels_;
  QRadioButton* systemButton_ = nullptr;
  QRadioButton* partButton_ = nullptr;
  EditSpinPair* partBox_ = nullptr;
};

}  // namespace ravlo
