#include "files/VoiceBankFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "files/FileIo.h"

namespace ravlo {

namespace {

constexpr char kSignature[] = "YQ3VIC     V1.00";
constexpr std::size_t kSignatureSize = sizeof(kSignature) - 1;
constexpr std::size_t kCommonArea = 0x0880;
constexpr std::size_t kElementArea = 0x2700;
constexpr std::size_t kOwnerTable = 0x7E80;

static_assert(kSignatureSize == 16);
static_assert(kCommonArea + kVoiceBankVoiceCount * kUserVoiceCommonSize <= kElementArea);
static_assert(kElementArea + kVoiceBankElementRecordCount * kUserVoiceElementSize <= kOwnerTable);
static_assert(kOwnerTable + kVoiceBankElementRecordCount <= kVoiceBankFileSize);

std::span<const std::uint8_t> Area(std::span<const std::uint8_t> image, std::size_t offset,
                                   std::size_t size) {
  if (offset > image.size() || size > image.size() - offset) return {};
  return image.subspan(offset, size);
}

// Hands voice v the records it owns, in table order, one per switched-on
// slot; records beyond its switched-on slots are ignored.
void GiveOwnedElements(UserVoice& voice, int v, std::span<const std::uint8_t> owners,
                       std::span<const std::uint8_t> records) {
  int slot = 0;
  for (std::size_t k = 0; k < owners.size(); ++k) {
    if (owners[k] != v) continue;
    while (slot < kUserVoiceElementCount && !voice.ElementOn(slot)) ++slot;
    if (slot == kUserVoiceElementCount) return;
    const auto record = Area(records, k * kUserVoiceElementSize, kUserVoiceElementSize);
    if (record.size() != kUserVoiceElementSize) return;
    UserVoiceElement element;
    std::copy(record.begin(), record.end(), element.begin());
    voice.SetElement(slot, element);
    ++slot;
  }
}

}  // namespace

bool IsVoiceBankFile(std::span<const std::uint8_t> image) {
  return image.size() == kVoiceBankFileSize &&
         std::memcmp(image.data(), kSignature, kSignatureSize) == 0;
}

std::vector<UserVoice> ReadVoiceBankVoices(std::span<const std::uint8_t> image) {
  if (image.size() != kVoiceBankFileSize) return {};
  const auto commons = Area(image, kCommonArea, kVoiceBankVoiceCount * kUserVoiceCommonSize);
  const auto records =
      Area(image, kElementArea, kVoiceBankElementRecordCount * kUserVoiceElementSize);
  const auto owners = Area(image, kOwnerTable, kVoiceBankElementRecordCount);

  std::vector<UserVoice> voices;
  voices.reserve(kVoiceBankVoiceCount);
  for (int v = 0; v < kVoiceBankVoiceCount; ++v) {
    UserVoice& voice = voices.emplace_back(v);
    const auto common =
        commons.subspan(static_cast<std::size_t>(v) * kUserVoiceCommonSize, kUserVoiceCommonSize);
    voice.SetCommon(common.first<kUserVoiceCommonSize>());
    GiveOwnedElements(voice, v, owners, records);
  }
  return voices;
}

std::optional<VoiceBankImages> BuildVoiceBankImages(std::span<const std::uint8_t> image,
                                                    UnitNumber unit) {
  const std::vector<UserVoice> voices = ReadVoiceBankVoices(image);
  if (voices.size() != static_cast<std::size_t>(kVoiceBankVoiceCount)) return std::nullopt;
  VoiceBankImages images;
  for (int f = 0; f < kVoiceBankOutputCount; ++f) {
    std::vector<std::uint8_t>& out = images[static_cast<std::size_t>(f)];
    out.reserve(kVoiceBankOutputSize);
    for (int j = 0; j < kUserVoicesPerBank; ++j) {
      const auto dump =
          voices[static_cast<std::size_t>(f * kUserVoicesPerBank + j)].BuildDump(unit, j);
      out.insert(out.end(), dump.begin(), dump.end());
    }
  }
  return images;
}

std::string VoiceBankOutputPath(const std::string& bankPath, int file) {
  if (file < 0 || file >= kVoiceBankOutputCount) return {};
  // Only a dot in the file name itself starts an extension; a path without
  // one keeps its whole name.
  const std::size_t nameStart = bankPath.size() - FileNameOf(bankPath).size();
  const std::size_t dot = bankPath.rfind('.');
  const std::size_t baseLength =
      dot != std::string::npos && dot >= nameStart ? dot : bankPath.size();
  return bankPath.substr(0, baseLength) + static_cast<char>('0' + file) + ".syx";
}

std::vector<std::string> ExistingVoiceBankOutputs(const std::string& bankPath) {
  std::vector<std::string> existing;
  for (int f = 0; f < kVoiceBankOutputCount; ++f) {
    std::string path = VoiceBankOutputPath(bankPath, f);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
      existing.push_back(std::move(path));
    }
  }
  return existing;
}

VoiceBankConversion ConvertVoiceBank(std::span<const std::uint8_t> image,
                                     const std::string& bankPath, UnitNumber unit) {
  VoiceBankConversion conversion;
  const std::optional<VoiceBankImages> images = BuildVoiceBankImages(image, unit);
  if (!images) return conversion;
  conversion.built = true;
  for (int f = 0; f < kVoiceBankOutputCount; ++f) {
    const auto index = static_cast<std::size_t>(f);
    conversion.paths[index] = VoiceBankOutputPath(bankPath, f);
    const FileResult result = WriteWholeFile(conversion.paths[index], (*images)[index]);
    conversion.written[index] = result.ok;
    if (!result.ok) conversion.errors.push_back(result.error);
  }
  return conversion;
}

}  // namespace ravlo
