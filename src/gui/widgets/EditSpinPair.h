#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "parameters/ParameterDescriptor.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace ravlo {

class UserPrompts;

// A numeric edit box with a spin bound to it: the one field every editor
// uses. A value is committed when the box loses the focus (its window losing
// activation included) or the spin is clicked; Up and Down, Page Up and Page
// Down (ten clicks) and each notch of the mouse wheel over the field click it
// too. Beside the box the value reads in its parameter's unit ("L63", "2.6 s");
// a disabled field shows no value at all. Bad text, or a number outside
// the range, beeps and brings the last good value back (with the focus); an
// unchanged value sends nothing; a new value takes effect only if the setter
// succeeds, and a failed one shows the value that is in force again.
//
// A field bound to the model reads its value through a getter, so it never
// holds a value of its own: Refresh shows the model's value again.
class EditSpinPair final : public QWidget {
  Q_OBJECT

 public:
  // At the ends of the range a spin click either stops (clamps) or wraps
  // around to the other end.
  enum class Ends { Clamp, Wrap };
  // Sends the new value; true when it went, and only then is it taken.
  using Setter = std::function<bool(int value)>;
  // The value in force, read where it lives.
  using Getter = std::function<int()>;
  // Milliseconds on a steady clock, for how long a spin arrow is held.
  using Clock = std::function<qint64()>;

  explicit EditSpinPair(QWidget* parent = nullptr);

  void SetRange(int minimum, int maximum);
  // The object name, range, sign and unit of a parameter's field.
  void Describe(const ParameterDescriptor& parameter);
  // The unit the value reads in beside the box, for a field whose parameter
  // changes (the Variation parameters follow the type).
  void SetUnit(const ParameterDescriptor& parameter);
  // What reads beside the box now; empty where the number says it all.
  QString UnitText() const;
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  // Signed fields read a leading minus sign; unsigned fields take digits only.
  void SetSigned(bool isSigned);
  void SetEnds(Ends ends) { ends_ = ends; }
  // A held arrow speeds up: step 1, then 10 from 2 s and 100 from 3 s after
  // it was pressed.
  void SetAccelerating(bool accelerating) { accelerating_ = accelerating; }
  void SetSetter(Setter setter) { setter_ = std::move(setter); }
  // Binds the field to where its value lives, and shows it.
  void SetGetter(Getter getter);
  // Shows the value in force again, unless the musician is typing in the box.
  void Refresh();
  // Tests hold the arrows on a clock of their own.
  void SetClock(Clock clock) { clock_ = std::move(clock); }
  // Lets go of the window's setter and getter, and tells nobody of a value
  // any more: a window going away may still move the focus out of the box.
  void Detach();

  // The shown value (nothing is sent); for fields without a getter, which
  // keep it themselves.
  void SetValue(int value);
  int Value() const;
  // The text shown for a value that has no number (a disabled field's 255
  // shows as is; this is for fields that show a word instead).
  QLineEdit* Edit() const { return edit_; }

  // The number in the box when it is one in the range (a sign only where
  // the field is signed); nothing otherwise.
  std::optional<int> TypedValue() const;
  // Reads the box as the focus leaving it would.
  void Commit();
  // Spin clicks up (a positive count) or down, from the number being typed
  // when the box holds one in the range, else from the value.
  void Step(int direction);
  // True while the setter runs for a spin click (arrow or Up/Down key), false
  // for a typed value.
  bool Stepping() const { return stepping_; }

  // While the setter runs for a notch of the mouse wheel: whether the notch
  // goes on turning the field the one before it turned less than a second
  // ago (so that the edit history makes one step of the turn), or starts a
  // turn. None outside a wheel notch.
  enum class WheelTurn { None, Starts, GoesOn };
  static WheelTurn Turning() { return turning_; }
  static constexpr qint64 kWheelTurnPauseMs = 1000;

 signals:
  // A new value went out through the setter and was taken.
  void ValueCommitted(int value);
  // Bad input was refused with a beep.
  void Beeped();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  bool TryTake(int value, bool stepping);
  void Refuse();
  int StepSize() const;
  void ShowValue();

  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
  QLabel* unit_;
  ParameterDescriptor unitRule_;
  // Wheel turn not yet a whole notch (touchpads send fractions of one).
  int wheelRest_ = 0;
  Setter setter_;
  Getter getter_;
  // A commit under way: a message box it raises takes the focus, which must
  // not commit again.
  bool committing_ = false;
  bool stepping_ = false;
  int minimum_ = 0;
  int maximum_ = 127;
  int value_ = 0;
  bool signed_ = false;
  bool accelerating_ = false;
  Ends ends_ = Ends::Clamp;
  Clock clock_;
  std::optional<qint64> heldSince_;

  // The field the last wheel notch turned, when, and the notch under way.
  static inline QPointer<EditSpinPair> wheelField_;
  static inline qint64 wheelAt_ = 0;
  static inline WheelTurn turning_ = WheelTurn::None;
};

// "Please enter an integer between %1 and %2." with the range filled in.
QString IntegerRangeText(int minimum, int maximum);

// What OK takes from a field of a dialog: the typed value when it is in the
// range; otherwise nothing, after the range message, with the focus (and
// the text selected) back in the box.
std::optional<int> ValueForOk(EditSpinPair& field, UserPrompts& prompts);

}  // namespace ravlo
