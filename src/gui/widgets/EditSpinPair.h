#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

namespace ravlo {

// A numeric edit box with a spin bound to it: the one field every editor
// uses. A value is committed when the box loses the focus or the spin is
// clicked. Bad text, or a number outside the range, beeps and brings the
// last good value back (with the focus); an unchanged value sends nothing;
// a new value takes effect only if the setter succeeds.
class EditSpinPair final : public QWidget {
  Q_OBJECT

 public:
  // At the ends of the range a spin click either stops (clamps) or wraps
  // around to the other end.
  enum class Ends { Clamp, Wrap };
  // Sends the new value; true when it went, and only then is it taken.
  using Setter = std::function<bool(int value)>;

  explicit EditSpinPair(QWidget* parent = nullptr);

  void SetRange(int minimum, int maximum);
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  // Signed fields read a leading minus sign; unsigned fields take digits only.
  void SetSigned(bool isSigned);
  void SetEnds(Ends ends) { ends_ = ends; }
  // The spin speeds up while held: step 1, then 10 after 2 s, 100 after 3 s.
  void SetAccelerating(bool accelerating) { accelerating_ = accelerating; }
  void SetSetter(Setter setter) { setter_ = std::move(setter); }

  // The shown value (nothing is sent).
  void SetValue(int value);
  int Value() const { return value_; }
  // The text shown for a value that has no number (a disabled field's 255
  // shows as is; this is for fields that show a word instead).
  QLineEdit* Edit() const { return edit_; }

  // Reads the box as the focus leaving it would.
  void Commit();
  // A spin click up (+1 step) or down.
  void Step(int direction);

 signals:
  // A new value went out through the setter and was taken.
  void ValueCommitted(int value);
  // Bad input was refused with a beep.
  void Beeped();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool TryTake(int value);
  void Refuse();
  int StepSize() const;
  void ShowValue();

  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
  Setter setter_;
  int minimum_ = 0;
  int maximum_ = 127;
  int value_ = 0;
  bool signed_ = false;
  bool accelerating_ = false;
  Ends ends_ = Ends::Clamp;
  QElapsedTimer held_;
};

}  // namespace ravlo
