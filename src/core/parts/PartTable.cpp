#include "parts/PartTable.h"

#include <algorithm>

#include "parts/PartTemplates.h"

namespace ravlo {

PartTable::PartTable(int partCount) : records_(static_cast<std::size_t>(std::max(partCount, 0))) {
  ResetToDefaults();
}

PartRecord* PartTable::Record(int part) {
  return IsPart(part) ? &records_[static_cast<std::size_t>(part)] : nullptr;
}

const PartRecord* PartTable::Record(int part) const {
  return IsPart(part) ? &records_[static_cast<std::size_t>(part)] : nullptr;
}

void PartTable::ResetToDefaults() {
  for (int part = 0; part < Count(); ++part) {
    if (part == kDrumPart) {
      PartRecord& record = records_[static_cast<std::size_t>(part)];
      record = kDrumPartTemplate;
      record[part_address::kReceiveChannel] = static_cast<std::uint8_t>(part);
    } else {
      ResetPart(part, -1);
    }
  }
}

bool PartTable::ResetPart(int part, int receiveChannel) {
  PartRecord* record = Record(part);
  if (record == nullptr) return false;
  *record = kNormalPartTemplate;
  (*record)[part_address::kReceiveChannel] =
      static_cast<std::uint8_t>(receiveChannel < 0 ? part : receiveChannel);
  return true;
}

bool PartTable::ApplyModeDefaults(int part, bool drum) {
  PartRecord* record = Record(part);
  if (record == nullptr) return false;
  const PartRecord& source = PartTemplateFor(drum);
  for (std::uint8_t address : kModeDependentPartAddresses) (*record)[address] = source[address];
  return true;
}

const PartRecord& PartTable::TemplateFor(const PartRecord& record) {
  return IsDrumMode(record[part_address::kPartMode]) ? kDrumPartTemplate : kNormalPartTemplate;
}

}  // namespace ravlo
