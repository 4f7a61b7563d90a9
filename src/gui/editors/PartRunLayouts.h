#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ravlo {

// The seven part dialogs that send every accepted change at once. They differ
// only in which parameters they show and how they group them; everything
// about a parameter (label, range, form) comes from the part parameter table.
enum class PartRunKind {
  PartControl,
  PartFxSend,
  ToneControl,
  Control,               // modulation wheel, pitch bend, channel and poly aftertouch
  AssignableController,  // AC1 and AC2
  ScaleTuning,
  PitchEnvelope,
  PartEq,  // the extended instrument's
  kCount
};

inline constexpr std::size_t kPartRunKindCount = static_cast<std::size_t>(PartRunKind::kCount);

// What a group draws beside its fields, from their values in the group's order.
enum class PartPicture {
  None,
  FilterResponse,     // cutoff, resonance
  AmplitudeEnvelope,  // attack, decay, release
  PitchEnvelope,      // initial level, attack time, release level, release time
};

// The fields of one group box (an empty title: no box), in the order shown,
// as offsets from the run's base address, and the picture beside them.
struct PartRunGroup {
  std::string_view title;
  std::span<const std::uint8_t> offsets;
  PartPicture picture = PartPicture::None;
};

struct PartRunLayout {
  std::string_view title;
  std::span<const PartRunGroup> groups;
  // Control and Assignable Controller serve several runs: the button gives the base.
  bool baseFromButton;
};

const PartRunLayout& GetPartRunLayout(PartRunKind kind);

// What the dialog is about, for its title after the part: the layout's title,
// or for a layout that serves several runs the one its button opened
// ("Pitch Bend Control", "Assignable Controller 2").
std::string_view PartRunTitle(const PartRunLayout& layout, int base);

// A stretch of the record the dialog keeps at opening and, on Cancel, sends back.
struct PartRunSpan {
  int address;
  int count;
  bool drumless;  // a drum part lacks every byte of it: neither kept nor restored
};

// The addresses a layout shows from `base` (a detune pair with its second
// byte), joined into runs.
std::vector<PartRunSpan> PartRunSpans(const PartRunLayout& layout, int base);

}  // namespace ravlo
