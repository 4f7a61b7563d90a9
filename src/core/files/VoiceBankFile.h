#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/Indices.h"
#include "uservoice/UserVoice.h"

namespace ravlo {

// A QS300 voice bank file (.q3v): 128 voices whose elements are kept in one
// shared pool of 280 records, each record naming the voice that owns it.
inline constexpr std::size_t kVoiceBankFileSize = 32768;
inline constexpr int kVoiceBankVoiceCount = 128;
inline constexpr int kVoiceBankElementRecordCount = 280;
// The bank is written out as four sysex files of one user bank each.
inline constexpr int kVoiceBankOutputCount = kVoiceBankVoiceCount / kUserVoicesPerBank;
inline constexpr std::size_t kVoiceBankOutputSize = kUserVoicesPerBank * kUserVoiceDumpSize;

static_assert(kVoiceBankOutputCount == 4);
static_assert(kVoiceBankOutputSize == 12544);

using VoiceBankImages = std::array<std::vector<std::uint8_t>, kVoiceBankOutputCount>;

// Exactly 32768 bytes beginning with the bank's signature.
bool IsVoiceBankFile(std::span<const std::uint8_t> image);

// The 128 voices of a bank image, numbered 0..127, each element record given
// to the next switched-on slot of its owner. Empty unless the image has the
// bank's size; the signature is not checked.
std::vector<UserVoice> ReadVoiceBankVoices(std::span<const std::uint8_t> image);

// The four outputs, each the 32 user voice dumps of voices 32*f + j addressed
// to voice number j. None unless the image has the bank's size.
std::optional<VoiceBankImages> BuildVoiceBankImages(std::span<const std::uint8_t> image,
                                                    UnitNumber unit);

// The name of output `file` (0..3): the path without its extension, then the
// digit and ".syx". "" for any other index.
std::string VoiceBankOutputPath(const std::string& bankPath, int file);

struct VoiceBankConversion {
  bool built = false;  // false: the image did not have the bank's size, nothing was written
  std::array<std::string, kVoiceBankOutputCount> paths;
  std::array<bool, kVoiceBankOutputCount> written{};
  std::vector<std::string> errors;  // the system's text for each file that failed
};

// The outputs for `bankPath` that exist already.
std::vector<std::string> ExistingVoiceBankOutputs(const std::string& bankPath);

// Writes the four outputs beside `bankPath`, replacing old files (callers ask
// first). A file that cannot be written is reported in `errors` and the
// next one is still tried.
VoiceBankConversion ConvertVoiceBank(std::span<const std::uint8_t> image,
                                     const std::string& bankPath, UnitNumber unit);

}  // namespace ravlo
