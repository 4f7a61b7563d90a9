#pragma once

#include <string>

#include "parameters/ParameterDescriptor.h"

namespace ravlo {

// A shown value (the number an editor shows, ParameterDescriptor::Shown) read
// in its parameter's unit: "L63", "C3", "+2 semitones", "2.6 s", "D=W".
// Empty when the number says it all or the value lies outside what the unit
// covers, so an editor shows nothing beside the number.
std::string UnitText(const ParameterDescriptor& parameter, int shown);

// The unit text, or the shown number where there is none.
std::string ValueText(const ParameterDescriptor& parameter, int shown);

// A note number's name, 60 = C3 (the XG convention), 0 = C-2.
std::string NoteName(int note);

}  // namespace ravlo
