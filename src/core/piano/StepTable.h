#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ravlo {

// One recorded step of the piano's step recorder.
struct PianoStep {
  std::uint8_t note = 128;  // 128 marks the end of the recording
  std::uint8_t velocity = 0;
  std::uint8_t channel = 0;

  friend bool operator==(const PianoStep&, const PianoStep&) = default;
};

inline constexpr std::size_t kStepCount = 48;
inline constexpr std::uint8_t kStepEndMark = 128;
inline constexpr PianoStep kFirstStep{60, 100, 0};

using StepTable = std::array<PianoStep, kStepCount>;
static_assert(std::tuple_size_v<StepTable> == 48);

// One middle C followed by end marks: what a cleared recorder plays.
inline StepTable FreshStepTable() {
  StepTable steps{};
  steps[0] = kFirstStep;
  return steps;
}

// Tempo of the step player, beats (= steps) per minute.
inline constexpr int kMinTempo = 1;
inline constexpr int kMaxTempo = 480;
inline constexpr int kDefaultTempo = 120;

}  // namespace ravlo
