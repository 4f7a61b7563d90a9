#pragma once

#include <array>
#include <cstddef>

#include "voices/VoiceCatalogueData.h"

namespace ravlo {

// The later instruments' voices that the basic catalogue lacks, named only with the extended
// model. A voice both levels list keeps its basic record, so the basic indices and names never
// change. Sorted like the basic table: by program, then bank MSB, then bank LSB.
inline constexpr std::size_t kExtendedVoiceCount = 652;
extern const std::array<VoiceRecord, kExtendedVoiceCount> kExtendedVoiceRecords;

// Extended record i is catalogue voice kFirstExtendedVoiceIndex + i: clear of the basic indices
// and of the voice trees' category item data, so no index can mean two things.
inline constexpr int kFirstExtendedVoiceIndex = 1024;
static_assert(kFirstExtendedVoiceIndex > static_cast<int>(kVoiceCount));

}  // namespace ravlo
