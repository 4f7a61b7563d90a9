#include "files/PatchList.h"

#include "intake/SysexScanner.h"

namespace ravlo {

namespace {

constexpr std::string_view kDoubleRule =
    "======================================================================\n";
constexpr std::string_view kSingleRule =
    "----------------------------------------------------------------------\n";
constexpr std::string_view kColumnTitles = "#\tPatch Name\t#Elm\tElm1\tElm2\tElm3\tElm4\n";

static_assert(kDoubleRule.size() == 71);
static_assert(kSingleRule.size() == 71);

void AppendVoiceColumns(std::string& text, const UserVoice& voice) {
  // A tab or line break inside a name would break the table's rows and
  // columns: such characters show as blanks here.
  for (char c : voice.DisplayName()) {
    const auto byte = static_cast<unsigned char>(c);
    text += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
  text += '\t';
  text += std::to_string(voice.ElementsOn());
  for (int slot = 0; slot < kUserVoiceElementCount; ++slot) {
    text += '\t';
    text += std::to_string(voice.WaveNumber(slot));
  }
}

}  // namespace

std::string PatchListHeader(const std::string& path) {
  std::string header;
  header.append(kDoubleRule);
  header += '\t';
  header += path;
  header += '\n';
  header.append(kDoubleRule);
  header.append(kColumnTitles);
  header.append(kSingleRule);
  return header;
}

std::string ListVoiceDumps(std::span<const std::uint8_t> image, UserVoice& voice) {
  std::string text;
  int number = 0;
  SysexScanner scanner = SysexScanner::Plain(image);
  while (const auto message = scanner.Next()) {
    if (message->length != kUserVoiceDumpSize) continue;
    text += std::to_string(++number);
    text += '\t';
    if (voice.ParseDump(scanner.MessageBytes(*message))) AppendVoiceColumns(text, voice);
    // A dump that does not parse still ends its line, so the next one does
    // not run on after its number.
    text += '\n';
  }
  return text;
}

PatchListReport BuildPatchList(const std::vector<std::string>& paths) {
  PatchListReport report;
  UserVoice voice(0);
  std::vector<std::uint8_t> image;
  for (const std::string& path : paths) {
    const FileResult read = ReadWholeFile(path, image);
    if (!read.ok) {
      report.complete = false;
      report.failedPath = path;
      report.error = read.error;
      break;
    }
    report.text += PatchListHeader(path);
    report.text += ListVoiceDumps(image, voice);
  }
  return report;
}

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

FileResult WritePatchList(const std::string& path, std::string_view text) {
  const std::string out = WithCrLf(text);
  return WriteWholeFile(path,
                        std::span(reinterpret_cast<const std::uint8_t*>(out.data()), out.size()));
}

}  // namespace ravlo
