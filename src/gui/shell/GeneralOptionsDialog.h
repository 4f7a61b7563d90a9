#pragma once

#include <QDialog>

class QCheckBox;

namespace ravlo {

class EditSpinPair;
class UserPrompts;
struct AppSettings;

// General Options: the behaviour switches and how long File > Receive from
// Synthesizer waits for each answer.
class GeneralOptionsDialog final : public QDialog {
  Q_OBJECT

 public:
  GeneralOptionsDialog(const AppSettings& settings, UserPrompts& prompts,
                       QWidget* parent = nullptr);
  // Writes the boxes back on OK.
  void Store(AppSettings& settings) const;

 public slots:
  // A timeout out of its range tells the range and keeps the dialog open.
  void accept() override;

 private:
  UserPrompts& prompts_;
  QCheckBox* warnToSave_;
  QCheckBox* openWindows_;
  QCheckBox* resetAdMixer_;
  QCheckBox* autoReset_;
  QCheckBox* keepExtensions_;
  EditSpinPair* receiveTimeout_;
};

}  // namespace ravlo
