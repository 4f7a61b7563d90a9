#pragma once

#include <vector>

#include "parts/PartRecord.h"

namespace ravlo {

// The 16 multi part records and the operations that set them from their
// defaults templates. Sends nothing.
class PartTable {
 public:
  static constexpr int kDrumPart = 9;

  explicit PartTable(int partCount = kPartCount);

  int Count() const { return static_cast<int>(records_.size()); }
  bool IsPart(int part) const { return part >= 0 && part < Count(); }

  // Null for a part out of range.
  PartRecord* Record(int part);
  const PartRecord* Record(int part) const;

  // Part 9 becomes a drum part on channel 9; every other part a normal part
  // on its own channel.
  void ResetToDefaults();

  // The normal template with the given receive channel (negative: the part's
  // own number).
  bool ResetPart(int part, int receiveChannel);

  // Copies the mode-dependent bytes (the part mode among them) from the drum
  // or the normal template.
  bool ApplyModeDefaults(int part, bool drum);

  static bool IsDrumMode(std::uint8_t mode) { return mode >= kFirstDrumMode; }
  // The template the record's own part mode selects.
  static const PartRecord& TemplateFor(const PartRecord& record);

 private:
  std::vector<PartRecord> records_;
};

}  // namespace ravlo
