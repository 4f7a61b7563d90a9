#pragma once

#include <map>
#include <string>
#include <vector>

#include "sound/SoundView.h"

namespace ravlo::test {

// The built-in sound as the windows see it: set peaks and texts, the
// voices auditioned recorded.
class FakeSoundView final : public SoundView {
 public:
  bool Active() const override { return active; }
  std::string HeardText(PartIndex part) const override {
    return active ? "Heard: part " + std::to_string(part.Number()) : std::string();
  }
  float TakePeak(PartIndex part) override { return peaks[part.Index()]; }
  void Audition(int voiceIndex) override {
    if (auditionOn) auditioned.push_back(voiceIndex);
  }
  bool AuditionOn() const override { return auditionOn; }
  void SetAuditionOn(bool on) override { auditionOn = on; }

  bool active = true;
  bool auditionOn = false;
  std::map<int, float> peaks;
  std::vector<int> auditioned;
};

}  // namespace ravlo::test
