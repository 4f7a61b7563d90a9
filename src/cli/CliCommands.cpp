#include "CliCommands.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliSession.h"
#include "ConsolePrompts.h"
#include "PlatformMidi.h"
#include "StateReport.h"
#include "files/FileIo.h"
#include "files/PatchList.h"
#include "files/VoiceBankFile.h"
#include "intake/SysexScanner.h"
#include "midi/MidiOutDevice.h"
#include "review/DefaultDifferences.h"
#include "review/ReviewText.h"
#include "sendpass/SendPass.h"

namespace ravlo {
namespace {

constexpr int kSuccess = 0;
constexpr int kFileError = 1;
constexpr int kUsageError = 2;

int UsageError(std::ostream& err, const std::string& reason) {
  err << "ravlo-cli: " << reason << "\n\n" << kCliUsage;
  return kUsageError;
}

int FileError(std::ostream& err, const std::string& reason) {
  err << "ravlo-cli: " << reason << '\n';
  return kFileError;
}

CliSession::Options SessionOptions(const CliArguments& arguments) {
  CliSession::Options options;
  options.unit = arguments.unit;
  options.adReset = arguments.adReset;
  options.storeUnrecognised = arguments.storeUnrecognised;
  options.keepExtensions = arguments.keepExtensions;
  return options;
}

std::vector<CliLoad> LoadList(const CliArguments& arguments) {
  std::vector<CliLoad> loads = arguments.loads;
  for (const std::string& file : arguments.files) loads.push_back({file});
  return loads;
}

int ListPorts(std::ostream& out, std::ostream& err) {
  ConsolePrompts prompts(err);
  PlatformMidi midi("ravlo-cli");
  MidiOutDevice device(midi.Backend(), prompts);
  for (const MidiPort& port : device.Ports()) out << port.index << ": " << port.name << '\n';
  return kSuccess;
}

int State(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  CliSession session(SessionOptions(arguments), err);
  if (!session.OpenPort()) return kFileError;
  if (!session.Load(LoadList(arguments))) return kFileError;
  out << DescribeModelState(session.Model());
  return kSuccess;
}

int Show(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  CliSession session(SessionOptions(arguments), err);
  if (!session.OpenPort()) return kFileError;
  if (!session.Load(LoadList(arguments))) return kFileError;
  // A model nothing was taken into holds the XG defaults to compare with.
  const CliSession pristine(SessionOptions(arguments), err);
  for (const Difference& difference : ListDifferences(session.Model(), pristine.Model())) {
    out << DifferenceLine(difference) << '\n';
  }
  return kSuccess;
}

// Save and review record the same pass.
std::optional<std::vector<std::uint8_t>> Record(CliSession& session,
                                                const CliArguments& arguments) {
  SilentProgress progress;
  return RecordSendPass(session.Model(), arguments.choices, progress);
}

int Save(const CliArguments& arguments, std::ostream& err) {
  if (arguments.output.empty()) return UsageError(err, "save needs -o OUT.syx");
  CliSession session(SessionOptions(arguments), err);
  if (!session.OpenPort()) return kFileError;
  if (!session.Load(LoadList(arguments))) return kFileError;
  const auto recorded = Record(session, arguments);
  if (!recorded) return FileError(err, "no memory for the recording");
  if (!session.File().Write(arguments.output, *recorded)) return kFileError;
  return kSuccess;
}

int Review(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  CliSession session(SessionOptions(arguments), err);
  if (!session.OpenPort()) return kFileError;
  if (!session.Load(LoadList(arguments))) return kFileError;
  const auto recorded = Record(session, arguments);
  if (!recorded) return FileError(err, "no memory for the recording");
  std::string text = session.File().CurrentPath() + "\n";
  SilentProgress progress;
  BuildReviewText(session.Model(), *recorded, text, progress);
  out << text;
  return kSuccess;
}

int Scan(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.files.size() != 1) return UsageError(err, "scan takes one file");
  std::vector<std::uint8_t> image;
  const FileResult read = ReadWholeFile(arguments.files.front(), image);
  if (!read.ok) return FileError(err, read.error);
  SysexScanner scanner =
      SysexScanner::IsMidiFile(image) ? SysexScanner::MidiFile(image) : SysexScanner::Plain(image);
  std::string line;
  char hex[4];
  while (const auto message = scanner.Next()) {
    line = std::to_string(message->offset) + " " + std::to_string(message->length);
    for (std::uint8_t byte : scanner.MessageBytes(*message)) {
      std::snprintf(hex, sizeof hex, " %02X", byte);
      line += hex;
    }
    out << line << '\n';
  }
  return kSuccess;
}

int ConvertQ3v(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.files.size() != 1) return UsageError(err, "convert-q3v takes one file");
  const std::string& path = arguments.files.front();
  std::vector<std::uint8_t> image;
  const FileResult read = ReadWholeFile(path, image);
  if (!read.ok) return FileError(err, read.error);
  if (!IsVoiceBankFile(image)) return FileError(err, path + ": not a QS300 voice bank file");
  const VoiceBankConversion conversion =
      ConvertVoiceBank(image, path, UnitNumber::FromValue(arguments.unit));
  for (std::size_t i = 0; i < conversion.paths.size(); ++i) {
    if (conversion.written[i]) out << conversion.paths[i] << '\n';
  }
  for (const std::string& error : conversion.errors) err << "ravlo-cli: " << error << '\n';
  return conversion.errors.empty() ? kSuccess : kFileError;
}

int Patches(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.files.empty()) return UsageError(err, "patches needs at least one file");
  const PatchListReport report = BuildPatchList(arguments.files);
  if (arguments.output.empty()) {
    out << report.text;
  } else {
    const FileResult written = WritePatchList(arguments.output, report.text);
    if (!written.ok) return FileError(err, written.error);
  }
  if (!report.complete) return FileError(err, report.error);
  return kSuccess;
}

int Send(const CliArguments& arguments, std::ostream& err) {
  if (arguments.files.empty() && arguments.loads.empty())
    return UsageError(err, "send needs a file");
  CliSession::Options options = SessionOptions(arguments);
  options.paced = true;
  options.platformPorts = true;
  options.port = arguments.port.value_or(-1);
  options.messagePauseMs = arguments.delayMs.value_or(SysexIntake::kMessagePauseMs);
  CliSession session(options, err);
  if (!session.OpenPort()) return kFileError;
  return session.Load(LoadList(arguments)) ? kSuccess : kFileError;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError(err, "no command");
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << kCliUsage;
    return kSuccess;
  }
  CliArguments arguments;
  std::string error;
  if (!ParseCliArguments(args, arguments, error)) return UsageError(err, error);
  const std::string& command = arguments.command;
  const bool noFiles = arguments.files.empty() && arguments.loads.empty();
  if (command == "ports")
    return noFiles ? ListPorts(out, err) : UsageError(err, "ports takes no files");
  if (command == "state") return State(arguments, out, err);
  if (command == "show") return Show(arguments, out, err);
  if (command == "save") return Save(arguments, err);
  if (command == "review") return Review(arguments, out, err);
  if (command == "scan") return Scan(arguments, out, err);
  if (command == "convert-q3v") return ConvertQ3v(arguments, out, err);
  if (command == "patches") return Patches(arguments, out, err);
  if (command == "send") return Send(arguments, err);
  return UsageError(err, "unknown command \"" + command + "\"");
}

}  // namespace ravlo
