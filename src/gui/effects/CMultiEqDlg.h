#pragma once

#include <vector>

#include "shell/EditorDialog.h"

namespace ravlo {

class CurveView;
class EditSpinPair;
class XgModel;

// The Multi EQ window (Extended model): the EQ type, and for each of the five
// bands its gain, frequency and Q (the first and last band also their shape),
// above the response the bands make together. The fields show the model;
// every edit goes out at once.
class CMultiEqDlg final : public EditorDialog {
  Q_OBJECT

 public:
  CMultiEqDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  const CurveView& Response() const { return *response_; }

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  void BuildWindow();
  void ShowAll();

  XgModel& model_;
  std::vector<EditSpinPair*> fields_;
  CurveView* response_ = nullptr;
};

}  // namespace ravlo
