#pragma once

#include <cstdint>

// The numbers of the MIDI 1.0 channel messages that the model, the song
// reader, the sound and the piano read and write: one list, not one per file.
namespace ravlo::midi {

// Channel message kinds, the status byte's high nibble.
inline constexpr std::uint8_t kNoteOff = 0x80;
inline constexpr std::uint8_t kNoteOn = 0x90;
inline constexpr std::uint8_t kKeyPressure = 0xA0;
inline constexpr std::uint8_t kControlChange = 0xB0;
inline constexpr std::uint8_t kChannelPressure = 0xD0;
inline constexpr std::uint8_t kPitchBend = 0xE0;

// Controller numbers.
inline constexpr int kBankSelectMsb = 0;
inline constexpr int kModulation = 1;
inline constexpr int kPortamentoTime = 5;
inline constexpr int kDataEntryMsb = 6;
inline constexpr int kBankSelectLsb = 32;
inline constexpr int kDataEntryLsb = 38;
inline constexpr int kHold = 64;
inline constexpr int kPortamento = 65;
inline constexpr int kSostenuto = 66;
inline constexpr int kSoftPedal = 67;
inline constexpr int kPortamentoControl = 84;
inline constexpr int kNrpnLsb = 98;
inline constexpr int kNrpnMsb = 99;
inline constexpr int kRpnLsb = 100;
inline constexpr int kRpnMsb = 101;
inline constexpr int kAllSoundOff = 120;
inline constexpr int kResetAllControllers = 121;
inline constexpr int kAllNotesOff = 123;
inline constexpr int kMonoOn = 126;
inline constexpr int kPolyOn = 127;

}  // namespace ravlo::midi
