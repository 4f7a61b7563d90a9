#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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
// is remembered per type. Every edit goes out at once.
class CVariationDlg final : public EditorDialog {
  Q_OBJECT

 public:
  // Return, Pan, To Reverb, To Chorus and the five controller depths.
  static constexpr std::size_t kShownSettingCount = 9;
  // The part field's 128 stands for part value 127, no part.
  static constexpr int kPartOffShown = 128;

  CVariationDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  int CurrentType() const { return type_; }
  // Makes `index` current and shows its row and settings (after a file load);
  // false for an index outside the type table.
  bool SetType(int index);
  // "Delay LCR", insertion, no part (after an XG reset).
  void Reset();
  // The shown parameters and settings into the current type's row and
  // settings, with the shown connection and part.
  void SaveDisplayToRow();
  // The current type's row and settings into the shown values, and the caption.
  void LoadRowToDisplay();

  bool SystemConnection() const { return system_; }
  int ShownPart() const { return part_; }

 protected:
  void WindowStart() override;
  // Escape, the close box and (by EditorDialog's default) Close All keep the
  // edits: the row is what reopening shows.
  void StoreOnClose() override { SaveDisplayToRow(); }

 private:
  void BuildWindow();
  void FillTypeList();
  void SelectTypeInList();
  void ApplyLayout();
  void ApplySendLabels();
  void ApplyConnectionControls();
  void ShowValues();
  void RefreshWindow();
  void RelabelAmpType();

  bool SendParameter(std::size_t param, int value);
  bool SendSetting(std::size_t shown, int value);
  bool SendPart(int shownPart);
  void OnSystemClicked();
  void OnPartClicked();
  void OnTypeChosen(int index);
  void OnDefault();

  XgModel& model_;
  int type_;
  std::array<int32_t, kVariationParamCount> params_{};
  std::array<uint8_t, kShownSettingCount> settings_{};
  bool system_ = false;
  int part_ = kPartOffShown;

  QComboBox* typeList_ = nullptr;
  QPushButton* default_ = nullptr;
  std::array<EditSpinPair*, kVariationParamCount> paramBoxes_{};
  std::array<QLabel*, kVariationParamCount> paramLabels_{};
  std::array<EditSpinPair*, kShownSettingCount> settingBoxes_{};
  std::array<QLabel*, kShownSettingCount> settingLabels_{};
  QRadioButton* systemButton_ = nullptr;
  QRadioButton* partButton_ = nullptr;
  EditSpinPair* partBox_ = nullptr;
};

}  // namespace ravlo
