#pragma once

#include <array>
#include <cstddef>

#include "parameters/ParameterDescriptor.h"

namespace ravlo {

// The system block's parameters, in address order 00 00 00 .. 06. The master
// attenuator has no editor; on the first XG level only the block's bulk dump
// carries it and the review leaves it out, the later instruments take it as a
// parameter of its own (XG data list, system parameter change table).
enum class SystemParameter { Tune, Volume, Attenuator, Transpose, kCount };

inline constexpr std::size_t kSystemParameterCount =
    static_cast<std::size_t>(SystemParameter::kCount);

inline constexpr std::array<ParameterDescriptor, kSystemParameterCount> kSystemParameters = {{
    ParameterDescriptor{0x00, WireForm::FourNibbles, ShownAs::Tune, -1024, 1023, 0x400, 0,
                        DefaultFrom::Fixed, "Tune", "Tune", "Tune"}
        .In(Unit::TenthCents),
    {0x04, WireForm::Byte, ShownAs::Stored, 0, 127, 0x7F, 0, DefaultFrom::Fixed, "Volume", "Volume",
     "Volume"},
    {0x05, WireForm::Byte, ShownAs::Stored, 0, 127, 0x00, 0, DefaultFrom::Fixed, "Attenuator",
     "Attenuator", "Attenuator"},
    ParameterDescriptor{0x06, WireForm::Byte, ShownAs::Centred, -24, 24, 0x40, 0,
                        DefaultFrom::Fixed, "Transpose", "Transpose", "Transpose"}
        .In(Unit::Semitones),
}};

constexpr const ParameterDescriptor& SystemParameterInfo(SystemParameter parameter) {
  return kSystemParameters[static_cast<std::size_t>(parameter)];
}

// On the first XG level the master attenuator travels only in the block's
// bulk dump; the others also as a parameter change of their own
// (SystemModel::HasChange adds the attenuator for the extended instrument).
constexpr bool HasParameterChange(const ParameterDescriptor& parameter) {
  return parameter.address != SystemParameterInfo(SystemParameter::Attenuator).address;
}

// The parameter whose first byte is at `addressLow`; nullptr for any other address.
const ParameterDescriptor* FindSystemParameter(int addressLow);

}  // namespace ravlo
