#pragma once

#include <string>

#include "model/Indices.h"

namespace ravlo {

// What the windows may ask of the built-in sound: which preset a part is
// heard on, how loud it plays, and a short note of a voice from the voice
// browsers. The shell implements it; while the sound is off it answers with
// nothing.
class SoundView {
 public:
  virtual ~SoundView() = default;

  virtual bool Active() const = 0;
  // "Heard: 000:004 E.Piano 1"; empty while the sound is off.
  virtual std::string HeardText(PartIndex part) const = 0;
  // The loudest the part played since the last call, 0..1.
  virtual float TakePeak(PartIndex part) = 0;
  // A short note of catalogue voice `voiceIndex`, when the browsers' Audition is on.
  virtual void Audition(int voiceIndex) = 0;
  virtual bool AuditionOn() const = 0;
  virtual void SetAuditionOn(bool on) = 0;
};

}  // namespace ravlo
