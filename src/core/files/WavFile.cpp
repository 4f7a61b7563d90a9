#include "files/WavFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace ravlo {

namespace {

constexpr int kChannels = 2;
constexpr int kBytesPerSample = 2;
constexpr std::uint32_t kHeaderSize = 44;
constexpr std::uint16_t kPcm = 1;

void Put16(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  Put16(bytes, value & 0xFFFF);
  Put16(bytes, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& bytes, const char (&tag)[5]) {
  bytes.insert(bytes.end(), tag, tag + 4);
}

}  // namespace

std::int16_t PcmSample(float value) {
  const float scaled = std::round(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
  return static_cast<std::int16_t>(scaled);
}

std::vector<std::uint8_t> StereoWavHeader(int sampleRate, std::uint64_t frames) {
  const auto dataSize = static_cast<std::uint32_t>(frames * kChannels * kBytesPerSample);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kHeaderSize);
  PutTag(bytes, "RIFF");
  Put32(bytes, kHeaderSize - 8 + dataSize);
  PutTag(bytes, "WAVE");
  PutTag(bytes, "fmt ");
  Put32(bytes, 16);
  Put16(bytes, kPcm);
  Put16(bytes, kChannels);
  Put32(bytes, static_cast<std::uint32_t>(sampleRate));
  Put32(bytes, static_cast<std::uint32_t>(sampleRate * kChannels * kBytesPerSample));
  Put16(bytes, kChannels * kBytesPerSample);
  Put16(bytes, 8 * kBytesPerSample);
  PutTag(bytes, "data");
  Put32(bytes, dataSize);
  return bytes;
}

WavWriter::WavWriter(std::string path, int sampleRate)
    : path_(std::move(path)), temporary_(path_ + ".ravlo-tmp"), sampleRate_(sampleRate) {}

WavWriter::~WavWriter() {
  if (finished_) return;
  out_.close();
  std::error_code ignored;
  std::filesystem::remove(temporary_, ignored);
}

FileResult WavWriter::Fail(int error) {
  return {false, path_ + ": " + std::generic_category().message(error)};
}

FileResult WavWriter::Open() {
  errno = 0;
  out_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!out_) return Fail(errno != 0 ? errno : EACCES);
  // Room for the header, written once the length is known.
  out_.write(std::string(kHeaderSize, '\0').data(), kHeaderSize);
  return {true, {}};
}

void WavWriter::Write(std::span<const float> left, std::span<const float> right) {
  const std::size_t frames = std::min(left.size(), right.size());
  bytes_.resize(frames * kChannels * kBytesPerSample);
  char* at = bytes_.data();
  for (std::size_t i = 0; i < frames; ++i) {
    for (const float sample : {left[i], right[i]}) {
      const auto pcm = static_cast<std::uint16_t>(PcmSample(sample));
      *at++ = static_cast<char>(pcm & 0xFF);
      *at++ = static_cast<char>(pcm >> 8);
    }
  }
  out_.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
  frames_ += frames;
}

FileResult WavWriter::Finish() {
  const std::vector<std::uint8_t> header = StereoWavHeader(sampleRate_, frames_);
  errno = 0;
  out_.seekp(0);
  out_.write(reinterpret_cast<const char*>(header.data()),
             static_cast<std::streamsize>(header.size()));
  out_.close();
  if (!out_) return Fail(errno != 0 ? errno : EIO);
  std::error_code error;
  std::filesystem::rename(temporary_, path_, error);
  if (error) return {false, path_ + ": " + error.message()};
  finished_ = true;
  return {true, {}};
}

}  // namespace ravlo
