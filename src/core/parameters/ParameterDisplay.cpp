#include "parameters/ParameterDisplay.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <span>
#include <string_view>

#include "parameters/XgValueTables.h"

namespace ravlo {

namespace {

constexpr int kCentre = 64;

std::string Printed(const char* format, double value, std::string_view unit = {}) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  std::string out = text;
  if (!unit.empty()) {
    out += ' ';
    out += unit;
  }
  return out;
}

// "+3", "0", "-12": signed values read with their sign.
std::string Signed(int value, std::string_view unit = {}, std::string_view one = {}) {
  std::string out = value > 0 ? std::string(1, '+') : std::string();
  out += std::to_string(value);
  const std::string_view name = (value == 1 || value == -1) && !one.empty() ? one : unit;
  if (!name.empty()) {
    out += ' ';
    out += name;
  }
  return out;
}

std::string SignedTenths(int tenths, std::string_view unit) {
  return Printed(tenths > 0 ? "+%.1f" : "%.1f", tenths / 10.0, unit);
}

// Around the centre: the left side's distance between its two words
// ("L63", "D63>W"), the centre ("C", "D=W"), the right side's after its
// word ("R63", "D<W63").
std::string Sided(int value, std::string_view left, std::string_view leftEnd,
                  std::string_view centre, std::string_view right) {
  if (value == kCentre) return std::string(centre);
  if (value < kCentre)
    return std::string(left) + std::to_string(kCentre - value) + std::string(leftEnd);
  return std::string(right) + std::to_string(value - kCentre);
}

std::string FromTable(std::span<const double> table, int value, const char* format,
                      std::string_view unit) {
  if (value < 0 || value >= static_cast<int>(table.size())) return {};
  return Printed(format, table[static_cast<std::size_t>(value)], unit);
}

std::string Frequency(int value) {
  const auto last = static_cast<int>(kEqFrequencyHz.size()) - 1;
  if (value < 0 || value > last) return {};
  if (value == 0 || value == last) return "Thru";
  const double hertz = kEqFrequencyHz[static_cast<std::size_t>(value)];
  return hertz < 1000 ? Printed("%.0f", hertz, "Hz") : Printed("%.1f", hertz / 1000, "kHz");
}

std::string LfoFrequency(int value) {
  if (value < 0 || value >= static_cast<int>(kLfoFrequencyHz.size())) return {};
  // The table prints two decimals below 10 Hz and one from there on.
  const double hertz = kLfoFrequencyHz[static_cast<std::size_t>(value)];
  return Printed(hertz < 10 ? "%.2f" : "%.1f", hertz, "Hz");
}

// A part's filter control: 150 cents a step (-64 .. 63: -9600 .. +9450 cents);
// its amplitude control: -100 % at -64, +100 % at 63, in whole percent (XG
// data list, multi part parameter change table).
constexpr int kFilterCentsPerStep = 150;

int AmplitudePercent(int shown) {
  const double percent = shown < 0 ? shown * 100.0 / 64 : shown * 100.0 / 63;
  return static_cast<int>(std::lround(percent));
}

// True for a stored value the parameter's wire form can carry (255, the
// mark of a parameter a type leaves out, is none).
bool FitsWireForm(const ParameterDescriptor& p, int stored) {
  int largest = 0x7F;
  switch (p.form) {
    case WireForm::Byte:
    case WireForm::ControlChange:
      break;
    case WireForm::NibblePair:
      largest = 0xFF;
      break;
    case WireForm::FourNibbles:
      largest = 0xFFFF;
      break;
    case WireForm::SevenBitPair:
      largest = 0x3FFF;
      break;
  }
  return stored >= 0 && stored <= largest;
}

}  // namespace

std::string NoteName(int note) {
  static constexpr std::array<std::string_view, 12> kNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                              "F#", "G",  "G#", "A",  "A#", "B"};
  if (note < 0 || note > 127) return {};
  return std::string(kNames[static_cast<std::size_t>(note % 12)]) + std::to_string(note / 12 - 2);
}

std::string UnitText(const ParameterDescriptor& p, int shown) {
  // A value a file brought from outside the range still reads in the unit,
  // as long as its wire form can carry it; a switch, words and Off read only
  // the values of the range.
  const bool rangeOnly =
      p.unit == Unit::OnOff || p.unit == Unit::PartOrOff || !p.choices.empty();
  if (!p.InRange(shown) && (!FitsWireForm(p, p.Stored(shown)) || rangeOnly)) return {};
  if (!p.choices.empty()) {
    const auto index = static_cast<std::size_t>(shown - p.minimum);
    return index < p.choices.size() ? std::string(p.choices[index]) : std::string();
  }
  switch (p.unit) {
    case Unit::Number:
      return {};
    case Unit::OnOff:
      return shown == 0 ? "Off" : "On";
    case Unit::PanOrRandom:
      if (shown == 0) return "Random";
      return Sided(shown, "L", "", "C", "R");
    case Unit::Pan:
      return Sided(shown, "L", "", "C", "R");
    case Unit::NoteName:
      return NoteName(shown);
    case Unit::Semitones:
      return Signed(shown, "semitones", "semitone");
    case Unit::Cents:
      return Signed(shown, "cents", "cent");
    case Unit::TenthCents:
      return SignedTenths(shown, "cents");
    case Unit::TenthHertz:
      return SignedTenths(shown, "Hz");
    case Unit::CentredSemitones:
      return Signed(shown - kCentre, "semitones", "semitone");
    case Unit::CentredCents:
      return Signed(shown - kCentre, "cents", "cent");
    case Unit::CentredDecibels:
      return Signed(shown - kCentre, "dB");
    case Unit::CentredSigned:
      return Signed(shown - kCentre);
    case Unit::DryWet:
      return Sided(shown, "D", ">W", "D=W", "D<W");
    case Unit::ErRevBalance:
      return Sided(shown, "E", ">R", "E=R", "E<R");
    case Unit::PhaseDifference:
      return Signed((shown - kCentre) * 3, "deg");
    case Unit::TenthMilliseconds:
      return Printed("%.1f", shown / 10.0, "ms");
    case Unit::Tenths:
      return Printed("%.1f", shown / 10.0);
    case Unit::LfoFrequency:
      return LfoFrequency(shown);
    case Unit::ModulationDelay:
      return FromTable(kModulationDelayMs, shown, "%.1f", "ms");
    case Unit::EqFrequency:
      return Frequency(shown);
    case Unit::ReverbTime:
      return FromTable(kReverbTimeSeconds, shown, "%.1f", "s");
    case Unit::DelayTime200:
      return FromTable(kDelayTime200Ms, shown, "%.1f", "ms");
    case Unit::RoomSize:
      return FromTable(kRoomSizeMetres, shown, "%.1f", "m");
    case Unit::DelayTime400:
      return FromTable(kDelayTime400Ms, shown, "%.1f", "ms");
    case Unit::ReverbDimension:
      return FromTable(kReverbDimensionMetres, shown, "%.1f", "m");
    case Unit::LevelDecibels:
      if (shown < 0 || shown > 127) return {};
      if (shown == 0) return "-\u221E dB";
      return Printed(shown > 64 ? "+%.1f" : "%.1f", LevelDecibels(shown), "dB");
    case Unit::PartOrOff:
      return shown == p.maximum ? "Off" : std::string();
    case Unit::FilterCents:
      return Signed(shown * kFilterCentsPerStep, "cents", "cent");
    case Unit::AmplitudePercent:
      return Signed(AmplitudePercent(shown), "%");
  }
  return {};
}

std::string ValueText(const ParameterDescriptor& parameter, int shown) {
  std::string text = UnitText(parameter, shown);
  return text.empty() ? std::to_string(shown) : text;
}

}  // namespace ravlo
