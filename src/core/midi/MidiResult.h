#pragma once

#include <cstdint>
#include <string>

namespace ravlo {

// Result of a MIDI output operation. The numbers are the classic multimedia
// MIDI codes, so that callers and stored expectations keep their meaning on
// every platform: 0 success, 5 no port open, 67 every buffer still queued.
using MidiResult = std::uint32_t;

inline constexpr MidiResult kMidiOk = 0;
inline constexpr MidiResult kMidiError = 1;
inline constexpr MidiResult kMidiBadDeviceId = 2;
inline constexpr MidiResult kMidiAllocated = 4;
inline constexpr MidiResult kMidiInvalidHandle = 5;
inline constexpr MidiResult kMidiNoMemory = 7;
inline constexpr MidiResult kMidiNotSupported = 8;
inline constexpr MidiResult kMidiStillPlaying = 65;
inline constexpr MidiResult kMidiNoMap = 66;
inline constexpr MidiResult kMidiNotReady = 67;
inline constexpr MidiResult kMidiNoDevice = 68;
inline constexpr MidiResult kMidiInvalidSetup = 69;

// The readable text of a code, for backends that have nothing more precise.
std::string StandardMidiErrorText(MidiResult code);

}  // namespace ravlo
