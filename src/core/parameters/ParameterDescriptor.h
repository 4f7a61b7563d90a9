#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace ravlo {

// How a parameter's value travels in a parameter change.
enum class WireForm : std::uint8_t {
  Byte,          // one data byte
  NibblePair,    // two data bytes of four bits each, high first (part detune)
  FourNibbles,   // four data bytes of four bits each, high first (master tune)
  SevenBitPair,  // two data bytes, MSB then LSB (effect types, Variation Params 1..10)
  ControlChange  // a channel's control change, never sysex
};

// How an editor shows the stored value, and reads a typed one back.
enum class ShownAs : std::uint8_t {
  Stored,   // the value itself
  Centred,  // value - 64 (signed parameters stored around 0x40)
  Detune,   // the two nibbles as one byte, - 128
  Tune,     // the 11-bit master tune, - 1024
  Switch,   // 0 off, 1 on
  PlusOne   // value + 1 (numbers counted from 1 on screen)
};

// How a value reads in the instrument's own terms, beside the number an
// editor shows. A descriptor with choices names its values by them instead.
// The table kinds read the XG format's published Effect Data Assign Tables
// (XgValueTables.h); the others are the ranges the XG parameter lists state.
enum class Unit : std::uint8_t {
  Number,             // the number says it all
  OnOff,              // 0 Off, 1 On
  PanOrRandom,        // 0 Random, 1 .. 127 L63 .. C .. R63
  Pan,                // 0 L64, 1 .. 127 L63 .. C .. R63
  NoteName,           // a note number, 60 = C3
  Semitones,          // the shown value
  Cents,              // the shown value
  TenthCents,         // the shown value in tenths of a cent (master tune)
  TenthHertz,         // the shown value in tenths of a hertz (part detune)
  CentredSemitones,   // value - 64 (pitch change)
  CentredCents,       // value - 64 (pitch change fine)
  CentredDecibels,    // value - 64 (EQ gains, 52 .. 76: -12 .. +12 dB)
  CentredSigned,      // value - 64 (feedback levels, -63 .. +63)
  DryWet,             // 1 .. 127: D63>W .. D=W .. D<W63
  ErRevBalance,       // 1 .. 127: E63>R .. E=R .. E<R63
  PhaseDifference,    // 4 .. 124: -180 .. +180 degrees, 3 a step
  TenthMilliseconds,  // the delay types' times
  Tenths,             // high damp, EQ width, resonance
  LfoFrequency,       // Effect Data Assign Table #1
  ModulationDelay,    // #2
  EqFrequency,        // #3 (its two ends: Thru)
  ReverbTime,         // #4
  DelayTime200,       // #5
  RoomSize,           // #6
  DelayTime400,       // #7
  ReverbDimension,    // #11
  PartOrOff,          // a part number counted from 1, the one past the parts: Off
  FilterCents,        // a part's filter control depth, -64 .. 63: -9600 .. +9450 cents
  AmplitudePercent,   // a part's amplitude control depth, -64 .. 63: -100 .. +100 %
  LevelDecibels       // effect returns and sends: -inf .. 0 dB (64) .. +6 dB
};

// Where the default comes from when it is not one fixed byte.
enum class DefaultFrom : std::uint8_t {
  Fixed,       // `defaultValue` (and, for parts, `drumDefault`)
  PartNumber,  // the part's own number (a part's receive channel)
  KitTables,   // the drum kit's note tables
  TypeRow      // the effect type's default row
};

// The byte that marks a parameter a kind of part or note does not have; it
// never goes out.
inline constexpr std::uint8_t kNoParameter = 0xFF;

// Everything about one parameter in one place: where it lives, how it
// travels, its range and default, and the names the editors and the review
// give it. The tables of every block are arrays of these.
struct ParameterDescriptor {
  std::uint8_t address = 0;  // the address low (drum, part, effect, system), or the slot
  WireForm form = WireForm::Byte;
  ShownAs shownAs = ShownAs::Stored;
  int minimum = 0;  // the shown range
  int maximum = 127;
  int defaultValue = 0;  // stored form; kNoParameter: not there
  int drumDefault = 0;   // the drum part's default (parts only)
  DefaultFrom defaultFrom = DefaultFrom::Fixed;
  std::string_view label;       // the editor's field label; empty: no field of its own
  std::string_view reviewName;  // what the review prints
  std::string_view name;        // an identifier: object names, the command line
  std::span<const std::string_view> choices = {};  // names of the values, where it picks one
  Unit unit = Unit::Number;

  // The same parameter read in `shownIn`; tables write `Entry(...).In(Unit::Pan)`.
  constexpr ParameterDescriptor In(Unit shownIn) const {
    ParameterDescriptor copy = *this;
    copy.unit = shownIn;
    return copy;
  }

  // The wire bytes of the form (1, 2 or 4).
  constexpr int ByteCount() const {
    switch (form) {
      case WireForm::NibblePair:
      case WireForm::SevenBitPair:
        return 2;
      case WireForm::FourNibbles:
        return 4;
      case WireForm::Byte:
      case WireForm::ControlChange:
        break;
    }
    return 1;
  }

  constexpr int Shown(int stored) const { return stored + ShownOffset(); }
  constexpr int Stored(int shown) const { return shown - ShownOffset(); }
  constexpr bool InRange(int shown) const { return shown >= minimum && shown <= maximum; }

  constexpr int ShownOffset() const {
    switch (shownAs) {
      case ShownAs::Centred:
        return -64;
      case ShownAs::Detune:
        return -128;
      case ShownAs::Tune:
        return -1024;
      case ShownAs::PlusOne:
        return 1;
      case ShownAs::Stored:
      case ShownAs::Switch:
        break;
    }
    return 0;
  }
};

// The wire codecs of the multi-byte forms, the one place they are written.
namespace wire {

// Master tune: an 11-bit value in four nibbles, the first always 0.
constexpr int DecodeFourNibbles(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2,
                                std::uint8_t b3) {
  return b0 << 12 | b1 << 8 | b2 << 4 | b3;
}
constexpr std::array<std::uint8_t, 4> EncodeFourNibbles(int value) {
  return {static_cast<std::uint8_t>((value >> 12) & 0x0F),
          static_cast<std::uint8_t>((value >> 8) & 0x0F),
          static_cast<std::uint8_t>((value >> 4) & 0x0F), static_cast<std::uint8_t>(value & 0x0F)};
}
// Part detune: an 8-bit value in two nibbles. Extra bits are dropped.
constexpr int DecodeNibblePair(std::uint8_t high, std::uint8_t low) {
  return (high & 0x0F) << 4 | (low & 0x0F);
}
constexpr std::uint8_t NibblePairHigh(int value) {
  return static_cast<std::uint8_t>(value >> 4);
}
constexpr std::uint8_t NibblePairLow(int value) {
  return static_cast<std::uint8_t>(value & 0x0F);
}
// Variation Params 1..10 and effect type numbers.
constexpr int DecodeSevenBitPair(std::uint8_t msb, std::uint8_t lsb) {
  return msb * 128 + lsb;
}
constexpr std::uint8_t SevenBitPairMsb(int value) {
  return static_cast<std::uint8_t>((value >> 7) & 0x7F);
}
constexpr std::uint8_t SevenBitPairLsb(int value) {
  return static_cast<std::uint8_t>(value & 0x7F);
}

}  // namespace wire

}  // namespace ravlo
