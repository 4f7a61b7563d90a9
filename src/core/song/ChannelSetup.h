#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "model/Indices.h"

namespace ravlo {

class XgModel;

// Takes a song's channel messages before each channel's first note into the
// model through the same setters as the Controllers window's edits, so the
// synthesizer hears them and the windows show what the song plays at its
// start: bank select (held until a program change, as in MIDI), program
// change, the controllers the model keeps, portamento, Reset All
// Controllers, mono and poly, and the registered and XG non-registered parameters that a multi
// part or drum setup parameter holds. A value outside what its parameter
// can hold is left out, not approximated.
class ChannelSetup {
 public:
  enum class Outcome {
    Taken,   // applied, or a part of the rules (a bank select, a parameter number)
    Left,    // setup the model has no place for
    Ignored  // performance, not setup (note-off, pitch bend, pressure, notes off)
  };

  // `beforeChange` runs before each change the setup makes to the model (the
  // load's auto reset goes out before the first).
  ChannelSetup(XgModel& model, std::function<void()> beforeChange);

  Outcome Apply(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

 private:
  // A registered or non-registered parameter number, as its two
  // controllers chose it; 7F 7F is none.
  struct ParameterNumber {
    std::uint8_t msb = 0x7F;
    std::uint8_t lsb = 0x7F;
  };
  struct ChannelState {
    std::optional<std::uint8_t> bankMsb;
    std::optional<std::uint8_t> bankLsb;
    ParameterNumber rpn;
    ParameterNumber nrpn;
    bool registered = true;  // which of the two data entry goes to
  };

  Outcome ControlChange(MidiChannel channel, int controller, int value);
  Outcome ProgramChange(MidiChannel channel, int program);
  Outcome DataEntry(MidiChannel channel, int value);
  // A multi part parameter of every part on the channel that has it, by
  // its stored form; Left when no part on the channel can hold the value.
  Outcome SetParts(MidiChannel channel, int address, int stored);
  // A drum parameter of the note in the setup of every drum setup part on the channel.
  Outcome SetDrumNote(MidiChannel channel, int note, std::span<const std::uint8_t> addresses,
                      int stored);
  Outcome Changed(bool done);

  XgModel& model_;
  std::function<void()> beforeChange_;
  std::array<ChannelState, MidiChannel::kCount> channels_{};
};

}  // namespace ravlo
