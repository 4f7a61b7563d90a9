#include "parts/PartTable.h"

#include <algorithm>

#include "parts/PartTemplates.h"

namespace ravlo {

PartTable::PartTable(int partCount) : records_(static_cast<std::size_t>(std::max(partCount, 0))) {
  ResetRecords();
}

PartRecord* PartTable::MutableRecord(PartIndex part) {
  return IsPart(part) ? &records_[static_cast<std::size_t>(part.Index())] : nullptr;
}

const PartRecord* PartTable::Record(PartIndex part) const {
  return IsPart(part) ? &records_[static_cast<std::size_t>(part.Index())] : nullptr;
}

void PartTable::ResetRecords() {
  for (int index = 0; index < Count(); ++index) {
    PartRecord& record = records_[static_cast<std::size_t>(index)];
    record = index == kDrumPart ? kDrumPartTemplate : kNormalPartTemplate;
    record[part_address::kReceiveChannel] = static_cast<std::uint8_t>(index);
  }
}

bool PartTable::ApplyModeDefaults(PartIndex part, bool drum) {
  PartRecord* record = MutableRecord(part);
  if (record == nullptr) return false;
  const PartRecord& source = PartTemplateFor(drum);
  for (std::uint8_t address : kModeDependentPartAddresses) (*record)[address] = source[address];
  return true;
}

const PartRecord& PartTable::TemplateFor(const PartRecord& record) {
  return IsDrumMode(record[part_address::kPartMode]) ? kDrumPartTemplate : kNormalPartTemplate;
}

}  // namespace ravlo
