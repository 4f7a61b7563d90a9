#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ravlo {

class UserPrompts;
struct SoundSettings;

// Options > Sound: whether "Ravlo Monitor" is heard, through which audio
// driver and device, at which sample rate and buffer size, on which
// SoundFont; with a line that says how it sounds now.
class SoundOptionsDialog final : public QDialog {
  Q_OBJECT

 public:
  SoundOptionsDialog(const SoundSettings& settings, const QString& status, UserPrompts& prompts,
                     QWidget* parent = nullptr);
  // Writes the choices back on OK.
  void Store(SoundSettings& settings) const;

 private:
  void Browse();

  UserPrompts& prompts_;
  QCheckBox* on_;
  QComboBox* driver_;
  QLineEdit* device_;
  QComboBox* rate_;
  QComboBox* buffer_;
  QLineEdit* soundFont_;
};

}  // namespace ravlo
