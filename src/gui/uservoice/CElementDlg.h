#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "platform/UserPrompts.h"
#include "uservoice/UserVoiceElementFields.h"

class QButtonGroup;
class QCheckBox;
class QSlider;

namespace ravlo {

class CurveView;
class EditSpinPair;

// One of the six modal element dialogs (Basic, LFO, Pitch, Filter, Level,
// Amplitude), built from the element field table. It edits a copy: Fill
// shows an element, WriteBack puts this dialog's bytes (and only those) back.
// The Pitch, Filter and Amplitude dialogs draw their envelope beside the
// fields, as the values stand while they are typed.
class CElementDlg final : public QDialog {
  Q_OBJECT

 public:
  CElementDlg(ElementPage page, UserPrompts& prompts, QWidget* parent = nullptr);

  ElementPage Page() const { return page_; }
  void Fill(const UserVoiceElement& element);
  void WriteBack(UserVoiceElement& element) const;
  // The envelope's picture; null in the dialogs without one.
  CurveView* Picture() const { return picture_; }

  // OK: every edit is checked first; a value outside its range is refused
  // with a message and the dialog stays open.
  void TryAccept();

 private:
  struct Control {
    const ElementField* field = nullptr;
    EditSpinPair* spin = nullptr;   // Number, Pair
    QButtonGroup* group = nullptr;  // Choice
    QCheckBox* check = nullptr;     // Check, and "Scaling" of Pan
    QSlider* slider = nullptr;      // Pan
    int filled = 0;                 // the value the dialog opened with
  };

  // `typed`: a number being typed counts where it is one in the range.
  void WriteValues(UserVoiceElement& element, bool typed) const;
  void ShowPicture();
  bool CheckEdits();
  // The box still shows what it opened with: a stored byte outside the
  // range (a fresh element's Resonance Sensitivity is 0) stays as it was.
  static bool Untouched(const Control& control);

  ElementPage page_;
  UserPrompts& prompts_;
  std::vector<Control> controls_;
  CurveView* picture_ = nullptr;
  // What Fill showed: the bytes of the other dialogs, for the picture.
  UserVoiceElement filled_{};
};

}  // namespace ravlo
