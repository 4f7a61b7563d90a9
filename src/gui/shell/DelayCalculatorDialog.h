#pragma once

#include <QDialog>

class QLineEdit;

namespace ravlo {

class UserPrompts;

// "Delay Calculator": the delay of a share of a beat at a tempo, in the
// tenths of a millisecond the effect editors take. Only shown, never sent.
class DelayCalculatorDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit DelayCalculatorDialog(UserPrompts& prompts, QWidget* parent = nullptr);

  // 6000 / tempo * per cent: one beat lasts 600000 / tempo tenths of a ms.
  static double DelayTenths(double tempo, double perCent);

  // Reads both boxes (as leaving one does) and shows the delay; false when
  // a box holds no number in its range.
  bool Recalculate();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Read(QLineEdit* edit, double& value);

  UserPrompts& prompts_;
  QLineEdit* tempo_;
  QLineEdit* perCent_;
  QLineEdit* delay_;
};

}  // namespace ravlo
