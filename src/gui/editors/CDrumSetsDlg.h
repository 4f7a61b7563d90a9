#pragma once

#include <QString>
#include <array>

#include "drums/DrumParameterTable.h"
#include "model/Indices.h"
#include "shell/EditorDialog.h"

class QLabel;
class QPushButton;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The Drum Sets window: one note of one drum setup at a time, its sixteen
// parameters, the instrument name of the note in the setup's kit, and a
// button that puts the note back to the kit's defaults. The fields show the
// model's drum setups; each edit is sent and stored by the model.
class CDrumSetsDlg final : public EditorDialog {
  Q_OBJECT

 public:
  CDrumSetsDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  // The shown value of the parameter at an XG address (byte - 64 where the
  // parameter is shown that way); 0 for an address outside 0x00..0x0F.
  int ShownParameter(int address) const;
  QString KitName() const;

  EditSpinPair& SetField() { return *setField_; }
  EditSpinPair& NoteField() { return *noteField_; }
  // Null for an address outside 0x00..0x0F.
  EditSpinPair* ParameterField(int address);
  QLabel& NoteNameLabel() { return *noteName_; }
  QPushButton& DefaultButton() { return *default_; }

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  void BuildControls();
  DrumNote Note() const { return DrumNote::FromMidiNote(note_); }
  // The shown note's parameters, its name and the kit name from the model.
  void ShowNote();
  // "Drum Setup 1 Note 38 Level": what the Edit menu calls an edit here.
  QString StepName(const QString& what) const;

  XgModel& model_;
  int setup_ = 1;
  int note_ = 13;
  EditSpinPair* setField_ = nullptr;
  EditSpinPair* noteField_ = nullptr;
  QLabel* noteName_ = nullptr;
  QPushButton* default_ = nullptr;
  std::array<EditSpinPair*, kDrumParameterCount> fields_{};
};

}  // namespace ravlo
