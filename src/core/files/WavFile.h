#pragma once

#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "files/FileIo.h"

namespace ravlo {

// A sample of -1 .. +1 as 16-bit PCM, clipped at full scale.
std::int16_t PcmSample(float value);

// The 44 bytes that open a 16-bit PCM stereo WAV file (RIFF, little-endian)
// of `frames` frames.
std::vector<std::uint8_t> StereoWavHeader(int sampleRate, std::uint64_t frames);

// A 16-bit stereo WAV file written as its frames come, into a temporary
// file beside `path` that takes the name only once Finish succeeds: a run
// that fails leaves no file behind, and an old one intact.
class WavWriter {
 public:
  WavWriter(std::string path, int sampleRate);
  ~WavWriter();
  WavWriter(const WavWriter&) = delete;
  WavWriter& operator=(const WavWriter&) = delete;

  FileResult Open();
  void Write(std::span<const float> left, std::span<const float> right);
  FileResult Finish();

 private:
  FileResult Fail(int error);

  std::string path_;
  std::string temporary_;
  int sampleRate_;
  std::ofstream out_;
  std::uint64_t frames_ = 0;
  std::vector<char> bytes_;
  bool finished_ = false;
};

}  // namespace ravlo
