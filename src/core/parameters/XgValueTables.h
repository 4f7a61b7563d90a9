#pragma once

#include <array>
#include <cstddef>

namespace ravlo {

// The XG format's published Effect Data Assign Tables that turn an effect
// parameter's data value into the unit the instrument's manual reads it in,
// transcribed in full, by their published numbers. Entry n is data value n.

// Table #1: LFO Frequency, in hertz.
extern const std::array<double, 128> kLfoFrequencyHz;
// Table #2: Modulation Delay Offset, in milliseconds.
extern const std::array<double, 128> kModulationDelayMs;
// Table #3: EQ Frequency, in hertz; the first and the last entry are "THRU"
// (20 Hz and 20 kHz: the filter lets everything through).
extern const std::array<double, 61> kEqFrequencyHz;
// Table #4: Reverb Time, in seconds.
extern const std::array<double, 70> kReverbTimeSeconds;
// Table #5: Delay Time (0.1 .. 200.0 ms), in milliseconds.
extern const std::array<double, 128> kDelayTime200Ms;
// Table #6: Room Size, in metres (45 entries: 0.1 .. 7.0 m).
extern const std::array<double, 45> kRoomSizeMetres;
// Table #7: Delay Time (0.1 .. 400.0 ms), in milliseconds.
extern const std::array<double, 128> kDelayTime400Ms;
// Reverb Width, Depth and Height, in metres (the table numbered #11 in
// Yamaha's later data lists).
extern const std::array<double, 105> kReverbDimensionMetres;

// An effect return or send level in decibels: 0 is -inf, 64 is 0 dB and 127
// +6 dB (XG data list, Effect table: "-inf..0..+6dB (0..64..127)"); the three
// published points are those of a gain of value / 64, which it reads as.
double LevelDecibels(int value);

}  // namespace ravlo
