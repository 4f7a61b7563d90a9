#pragma once

#include <span>
#include <vector>

#include "model/Indices.h"
#include "parts/PartRecord.h"

namespace ravlo {

// The 16 multi part records and the operations that set them from their
// defaults templates. Sends nothing and tells nobody: writing is PartModel's
// business, which stores what went out and tells the model's observers.
class PartTable {
 public:
  static constexpr int kDrumPart = 9;

  explicit PartTable(int partCount = kPartCount);

  int Count() const { return static_cast<int>(records_.size()); }
  bool IsPart(PartIndex part) const { return part.Index() >= 0 && part.Index() < Count(); }

  // Null for a part out of range.
  const PartRecord* Record(PartIndex part) const;
  // Every record, in part order.
  std::span<const PartRecord> Records() const { return records_; }
  // The part's EQ bytes (the extended instrument's, past the record).
  const PartEqRecord* Eq(PartIndex part) const;
  // The byte at a record address or a part EQ address; null for any other.
  const std::uint8_t* Byte(PartIndex part, int address) const;

  // Drum (1, a setup the synthesizer picks) and the drum setup modes (2 on).
  static bool IsDrumMode(std::uint8_t mode) { return mode >= kDrumMode; }
  // The template the record's own part mode selects.
  static const PartRecord& TemplateFor(const PartRecord& record);
  // The record a part has after a reset: part 9 the drum part on channel 9,
  // every other part a normal part on its own channel.
  static PartRecord ResetRecord(int partIndex);
  // Stores bytes a file or a read-back brought, at their addresses. A part
  // mode that makes a normal part a drum part, or a drum part a normal one,
  // gives the part what the other kind has: the parameters that kind lacks
  // are marked as none, those it has that the part lacked take their
  // defaults, and a value both kinds have (Same Key) stays. Bytes of the
  // run itself are stored as they came.
  static void TakeReceivedBytes(PartRecord& record, std::size_t first,
                                std::span<const std::uint8_t> values);

 protected:
  PartRecord* MutableRecord(PartIndex part);
  std::uint8_t* MutableByte(PartIndex part, int address);

  // Part 9 becomes a drum part on channel 9; every other part a normal part
  // on its own channel.
  void ResetRecords();
  // Copies the mode-dependent bytes (the part mode among them) from the drum
  // or the normal template.
  bool ApplyModeDefaults(PartIndex part, bool drum);

 private:
  std::vector<PartRecord> records_;
  std::vector<PartEqRecord> eq_;
};

}  // namespace ravlo
