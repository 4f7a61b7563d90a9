#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "editors/PartDialogHooks.h"
#include "editors/PartRunLayouts.h"
#include "model/Indices.h"

class QPushButton;

namespace ravlo {

class CurveView;
class EditSpinPair;
struct ParameterDescriptor;
class XgModel;

// A modal dialog over one or more runs of a part record whose changes go to
// the synthesizer (and into the model) as soon as a field takes them. Its
// fields come from a layout of part addresses, each field shown as the part
// parameter table says; Cancel sends back the bytes from before. A group
// with a picture (the filter, the envelopes) draws it beside its fields and
// redraws it as a number is typed or shown.
class CPartRunDlg final : public QDialog {
  Q_OBJECT

 public:
  // `base` is the run's first address for the layouts the button places
  // (Control, Assignable Controller); the other layouts ignore it.
  CPartRunDlg(XgModel& model, PartIndex part, PartRunKind kind, int base,
              QWidget* parent = nullptr);

  // Where the range prompt goes; a warning box by default.
  void SetMessageShower(PartMessageShower shower) { shower_ = std::move(shower); }

  // Some change was sent and stored since the dialog opened.
  bool Changed() const { return changed_; }

  // The shown number of a field (by its object name); nothing for an unknown name.
  std::optional<int> DisplayValue(const QString& name) const;
  // The picture of a layout's group; null where the dialog draws none.
  CurveView* Picture(PartPicture picture) const;

  // Cancel after changes: sends the bytes kept at opening back, run by run.
  // False when a send failed.
  bool RestoreKept();

  // OK commits a field still being typed in; a refused value keeps the dialog open.
  void accept() override;

 private:
  struct FieldControl {
    int address;
    const ParameterDescriptor* parameter;
    EditSpinPair* edit;   // null for a switch
    QPushButton* toggle;  // null for a number
  };
  struct KeptSpan {
    int address;
    std::vector<std::uint8_t> bytes;  // empty: not kept
  };
  struct GroupPicture {
    PartPicture picture;
    CurveView* view;
    std::vector<int> addresses;  // the group's fields, in its order
  };

  void Build();
  void Keep();
  int ShownValue(const FieldControl& control) const;
  bool SendField(const FieldControl& control, int shown);
  void OnRefused(const FieldControl& control);
  void OnSwitchClicked(const FieldControl& control, bool pressed);
  void ShowSwitch(const FieldControl& control);
  // The pictures from the fields' values, a number being typed included.
  void ShowPictures();

  XgModel& model_;
  PartIndex part_;
  const PartRunLayout& layout_;
  int base_;
  bool drum_;
  bool changed_ = false;
  bool refused_ = false;
  std::vector<FieldControl> controls_;
  std::vector<KeptSpan> kept_;
  std::vector<GroupPicture> pictures_;
  PartMessageShower shower_;
};

}  // namespace ravlo
