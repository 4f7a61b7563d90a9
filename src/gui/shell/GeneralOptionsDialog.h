#pragma once

#include <QDialog>

class QCheckBox;

namespace ravlo {

struct AppSettings;

// General Options: the behaviour switches.
class GeneralOptionsDialog final : public QDialog {
  Q_OBJECT

 public:
  GeneralOptionsDialog(const AppSettings& settings, QWidget* parent = nullptr);
  // Writes the boxes back on OK.
  void Store(AppSettings& settings) const;

 private:
  QCheckBox* warnToSave_;
  QCheckBox* openWindows_;
  QCheckBox* resetAdMixer_;
  QCheckBox* autoReset_;
  QCheckBox* keepExtensions_;
};

}  // namespace ravlo
