#include "parts/PartTable.h"

#include <algorithm>

#include "parts/PartTemplates.h"

namespace ravlo {

PartTable::PartTable(int partCount)
    : records_(static_cast<std::size_t>(std::max(partCount, 0))), eq_(records_.size()) {
  ResetRecords();
}

PartRecord* PartTable::MutableRecord(PartIndex part) {
  return IsPart(part) ? &records_[static_cast<std::size_t>(part.Index())] : nullptr;
}

const PartRecord* PartTable::Record(PartIndex part) const {
  return IsPart(part) ? &records_[static_cast<std::size_t>(part.Index())] : nullptr;
}

PartRecord PartTable::ResetRecord(int partIndex) {
  PartRecord record = partIndex == kDrumPart ? kDrumPartTemplate : kNormalPartTemplate;
  record[part_address::kReceiveChannel] = static_cast<std::uint8_t>(partIndex);
  return record;
}

const PartEqRecord* PartTable::Eq(PartIndex part) const {
  return IsPart(part) ? &eq_[static_cast<std::size_t>(part.Index())] : nullptr;
}

const std::uint8_t* PartTable::Byte(PartIndex part, int address) const {
  return const_cast<PartTable*>(this)->MutableByte(part, address);
}

std::uint8_t* PartTable::MutableByte(PartIndex part, int address) {
  if (!IsPart(part) || address < 0) return nullptr;
  const auto index = static_cast<std::size_t>(part.Index());
  if (address < static_cast<int>(kPartRecordSize)) {
    return &records_[index][static_cast<std::size_t>(address)];
  }
  if (address >= part_eq::kFirst && address <= part_eq::kLast) {
    return &eq_[index][static_cast<std::size_t>(address - part_eq::kFirst)];
  }
  return nullptr;
}

void PartTable::ResetRecords() {
  for (int index = 0; index < Count(); ++index) {
    records_[static_cast<std::size_t>(index)] = ResetRecord(index);
    eq_[static_cast<std::size_t>(index)] = kPartEqTemplate;
  }
}

void PartTable::TakeReceivedBytes(PartRecord& record, std::size_t first,
                                  std::span<const std::uint8_t> values) {
  const std::size_t mode = part_address::kPartMode;
  if (first <= mode && mode < first + values.size()) {
    const bool drum = IsDrumMode(values[mode - first]);
    if (drum != IsDrumMode(record[mode])) {
      const PartRecord& kind = PartTemplateFor(drum);
      for (std::uint8_t address : kModeDependentPartAddresses) {
        if (kind[address] == kNoParameter || record[address] == kNoParameter) {
          record[address] = kind[address];
        }
      }
    }
  }
  std::copy(values.begin(), values.end(), record.begin() + static_cast<std::ptrdiff_t>(first));
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
