#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "sendpass/SendChoices.h"

class QCheckBox;

namespace ravlo {

class EditSpinPair;
class UserPrompts;

// "Send": which categories the pass sends, and for each whether only the
// parameters that differ from their defaults go. In saving mode (Save, Save
// As, Review) the Controllers category is off and cannot be ticked. Where
// the model keeps XG extension parameters, a box below the categories sends
// them too. With the Extended model the insertion effects, the multi EQ and
// the display text have rows of their own below.
class SendDialog final : public QDialog {
  Q_OBJECT

 public:
  SendDialog(unsigned delayMs, bool savingMode, UserPrompts& prompts, QWidget* parent = nullptr,
             bool extensions = false, bool extended = false);

  SendChoices Choices() const;

 public slots:
  void accept() override;

 private:
  struct Row {
    CategoryChoice SendChoices::*member;
    QCheckBox* category;
    QCheckBox* nonDefault;
  };

  UserPrompts& prompts_;
  bool savingMode_;
  QCheckBox* reset_;
  QCheckBox* extensions_ = nullptr;
  std::array<Row, 8> rows_{};
  // Insertion and Multi EQ, with the Extended model.
  std::vector<Row> extendedRows_;
  QCheckBox* display_ = nullptr;
  EditSpinPair* delay_;
};

}  // namespace ravlo
