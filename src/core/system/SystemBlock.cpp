#include "system/SystemBlock.h"

namespace ravlo {

const ParameterDescriptor* FindSystemParameter(int addressLow) {
  for (const ParameterDescriptor& parameter : kSystemParameters) {
    if (parameter.address == addressLow) return &parameter;
  }
  return nullptr;
}

}  // namespace ravlo
