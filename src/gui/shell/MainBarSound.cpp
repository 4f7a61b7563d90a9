// The main bar's part in the built-in sound: Options > Sound, and the sound
// following the output port.
#include "MonitorBackend.h"
#include "MonitorSound.h"
#include "editors/CPartDlg.h"
#include "midi/MidiOutDevice.h"
#include "platform/UserPrompts.h"
#include "shell/MainBar.h"
#include "shell/SoundOptionsDialog.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace ravlo {

void MainBar::SoundCommand() {
  if (services_.sound == nullptr) return;
  SoundOptionsDialog dialog(settings_.sound, SoundStatus(), services_.prompts, this);
  if (RunModally(dialog) != QDialog::Accepted) return;
  dialog.Store(settings_.sound);
  // Asked for, so told again.
  soundTold_ = false;
  FollowOutputWithSound();
}

void MainBar::FollowOutputWithSound() {
  if (services_.sound == nullptr) return;
  bool monitorOut = false;
  for (const MidiPort& port : device_->Ports()) {
    if (port.index == selectedPort_) monitorOut = port.name == MonitorBackend::kPortName;
  }
  // The Part window names the preset heard, or nothing while silent.
  const auto showHeard = [this] { part_->SelectPart(part_->ShownPart()); };
  if (!settings_.sound.on || !monitorOut) {
    services_.sound->Stop();
    showHeard();
    return;
  }
  AudioOptions options;
  options.driver = settings_.sound.driver;
  options.device = settings_.sound.device;
  options.sampleRate = settings_.sound.sampleRate;
  options.periodFrames = settings_.sound.bufferFrames;
  const MonitorSound::Started started = services_.sound->Start(settings_.sound.soundFont, options);
  showHeard();
  if (started.outcome != MonitorSound::Outcome::Playing && !soundTold_) {
    soundTold_ = true;
    services_.prompts.ShowMessage(started.text, MessageIcon::Information);
  }
}

QString MainBar::SoundStatus() const {
  if (services_.sound == nullptr || !services_.sound->Active()) {
    return QStringLiteral("The sound is off: it plays while the output is \"Ravlo Monitor\".");
  }
  const std::string driver = services_.sound->Driver();
  if (driver.empty()) return QStringLiteral("No audio device is open: the sound is silent.");
  const QString names[][2] = {{"jack", "JACK"}, {"pulseaudio", "PulseAudio"}, {"alsa", "ALSA"}};
  QString name = ToQString(driver);
  for (const auto& known : names) {
    if (known[0] == name) name = known[1];
  }
  return QStringLiteral("Playing through %1 at %2 Hz.")
      .arg(name)
      .arg(services_.sound->SampleRate());
}

}  // namespace ravlo
