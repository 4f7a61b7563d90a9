#pragma once

#include <QDialog>
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
// them too; where a save would carry changed Bank voices, another box does.
// With the Extended model the insertion effects and the multi EQ have rows
// of their own after the drum setups, and the display text a box.
class SendDialog final : public QDialog {
  Q_OBJECT

 public:
  // `drumSetups`: the model's drum setups, each with a row of its own.
  SendDialog(unsigned delayMs, bool savingMode, UserPrompts& prompts, QWidget* parent = nullptr,
             bool extensions = false, int drumSetups = 2, bool userVoices = false,
             bool extended = false);

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
  QCheckBox* userVoices_ = nullptr;
  QCheckBox* display_ = nullptr;
  std::vector<Row> rows_;
  EditSpinPair* delay_;
};

}  // namespace ravlo
