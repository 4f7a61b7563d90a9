#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileIo.h"
#include "uservoice/UserVoice.h"

namespace ravlo {

// The "List QS300 Patches" report: a plain-text table of the user voice
// dumps found in sysex files. Lines end in "\n" here; WritePatchList turns
// them into CR LF.

// The rules, path and column titles that open one file's section.
std::string PatchListHeader(const std::string& path);

// One line per 392-byte message of `image`, numbered from 1: number, tab, and
// for a message that parses into `voice` its name, the count of switched-on
// elements and the wave number of each of the four slots, tab-separated.
// `voice` is reused from dump to dump, so slots a short dump leaves alone
// show what the previous dump put there. Messages of other lengths give no
// line.
std::string ListVoiceDumps(std::span<const std::uint8_t> image, UserVoice& voice);

struct PatchListReport {
  std::string text;
  bool complete = true;    // false: reading stopped at `failedPath`
  std::string failedPath;  // the file that could not be read
  std::string error;       // the system's text for that failure
};

// Reads the files in order, each under its own header. A file that cannot be
// read ends the reading; what was listed before it is kept.
PatchListReport BuildPatchList(const std::vector<std::string>& paths);

// Every "\n" of the report written as CR LF.
std::string WithCrLf(std::string_view text);

// Replaces `path` with the report, CR LF line ends.
FileResult WritePatchList(const std::string& path, std::string_view text);

}  // namespace ravlo
