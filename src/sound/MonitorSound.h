#pragma once

#include <memory>
#include <string>

#include "AudioOutput.h"
#include "sound/SoundView.h"

namespace ravlo {

class FluidEngine;
class MonitorBackend;

// The sound of "Ravlo Monitor": the engine its virtual synthesizer plays
// on and the audio output that carries it out, started and stopped as the
// editor's output and the sound options say.
class MonitorSound final : public SoundView {
 public:
  enum class Outcome { Playing, Silent, NoSoundFont };
  struct Started {
    Outcome outcome;
    std::string text;  // what to tell the musician, for Silent and NoSoundFont
  };

  explicit MonitorSound(MonitorBackend& monitor);
  ~MonitorSound() override;
  MonitorSound(const MonitorSound&) = delete;
  MonitorSound& operator=(const MonitorSound&) = delete;

  // Starts the sound afresh on the SoundFont (or the default one) and the
  // first audio output that opens. With no audio device the engine still
  // follows the monitor, silently.
  Started Start(const std::string& soundFont, const AudioOptions& options);
  void Stop();
  // The driver the sound goes out through; empty while silent.
  std::string Driver() const;
  // The rate the engine runs at; 0 while the sound is off.
  int SampleRate() const;

  // SoundView
  bool Active() const override { return engine_ != nullptr; }
  std::string HeardText(PartIndex part) const override;
  float TakePeak(PartIndex part) override;
  void Audition(int voiceIndex) override;
  bool AuditionOn() const override { return auditionOn_; }
  void SetAuditionOn(bool on) override { auditionOn_ = on; }

 private:
  MonitorBackend& monitor_;
  std::unique_ptr<FluidEngine> engine_;
  std::unique_ptr<AudioOutput> output_;
  bool auditionOn_ = false;
};

}  // namespace ravlo
