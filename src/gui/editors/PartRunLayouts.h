#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace ravlo {

// The seven part dialogs that send every accepted change at once. They differ
// only in their fields, so one dialog class builds each from its layout.
enum class PartRunKind {
  PartControl,
  PartFxSend,
  ToneControl,
  Control,               // modulation wheel, pitch bend, channel and poly aftertouch
  AssignableController,  // AC1 and AC2
  ScaleTuning,
  PitchEnvelope,
  kCount
};

inline constexpr std::size_t kPartRunKindCount = static_cast<std::size_t>(PartRunKind::kCount);

// How a field's shown number relates to the record bytes.
enum class PartFieldTransform {
  Raw,      // the byte itself
  Centred,  // byte - 64
  Detune,   // two nibbles (this and the next byte) of a value centred on 128
  Switch    // a push-like check box: pressed = 1, released = 0
};

struct PartRunField {
  std::string_view name;   // the control's object name
  std::string_view group;  // the group box it sits in; empty for none
  std::string_view label;
  int offset;  // from the run's base address
  PartFieldTransform transform;
  int minimum;
  int maximum;
  bool drumless;  // a drum part lacks it: disabled
};

// A stretch of the record the dialog loads and, on Cancel, sends back.
struct PartRunSpan {
  int offset;  // from the run's base address
  int count;
  bool drumless;  // neither loaded nor restored for a drum part
};

struct PartRunLayout {
  std::string_view title;
  std::span<const PartRunField> fields;
  std::span<const PartRunSpan> spans;
  // Control and Assignable Controller serve several runs: the button gives the base.
  bool baseFromButton;
};

const PartRunLayout& GetPartRunLayout(PartRunKind kind);

}  // namespace ravlo
