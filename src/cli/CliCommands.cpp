#include "CliCommands.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliSession.h"
#include "ConsolePrompts.h"
#include "PlatformMidi.h"
#include "StateReport.h"
#include "VirtualPortPair.h"
#include "files/FileIo.h"
#include "files/PatchList.h"
#include "files/VoiceBankFile.h"
#include "intake/SysexScanner.h"
#include "midi/MidiInDevice.h"
#include "midi/MidiOutDevice.h"
#include "receive/InstrumentProbe.h"
#include "receive/SynthReceiver.h"
#include "review/DefaultDifferences.h"
#include "review/ReviewText.h"
#include "sendpass/SendPass.h"
#include "synth/VirtualSynth.h"

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
  options.instrument = arguments.instrument;
  return options;
}

// A session that talks with a synthesizer both ways, paced as it listens.
CliSession::Options TalkingOptions(const CliArguments& arguments) {
  CliSession::Options options = SessionOptions(arguments);
  options.paced = true;
  options.platformPorts = true;
  options.port = arguments.port.value_or(-1);
  options.inPort = arguments.inPort.value_or(-1);
  return options;
}

std::vector<CliLoad> LoadList(const CliArguments& arguments) {
  std::vector<CliLoad> loads = arguments.loads;
  for (const std::string& file : arguments.files) loads.push_back({file});
  return loads;
}

void PrintPorts(const std::vector<MidiPort>& ports, std::ostream& out) {
  for (const MidiPort& port : ports) out << port.index << ": " << port.name << '\n';
}

int ListPorts(std::ostream& out, std::ostream& err) {
  ConsolePrompts prompts(err);
  PlatformMidi midi("ravlo-cli");
  MidiOutDevice device(midi.Backend(), prompts);
  PrintPorts(device.Ports(), out);
  out << "inputs:\n";
  MidiInDevice input(midi.InputBackend(), prompts);
  PrintPorts(input.Ports(), out);
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

int Receive(const CliArguments& arguments, std::ostream& err) {
  if (arguments.output.empty()) return UsageError(err, "receive needs -o OUT.syx");
  if (!arguments.files.empty() || !arguments.loads.empty()) {
    return UsageError(err, "receive takes no files");
  }
  CliSession session(TalkingOptions(arguments), err);
  if (!session.OpenPort() || !session.OpenInputPort()) return kFileError;
  SilentProgress progress;
  SynthReceiver receiver(session.Model(), session.Intake(), session.Input().Queue(),
                         session.Pauses(), progress);
  const ReceiveReport report =
      receiver.Receive(arguments.timeoutMs.value_or(SynthReceiver::kDefaultTimeoutMs));
  if (report.failed) return kFileError;
  if (report.silent) {
    return FileError(err, NoAnswerText(session.InputPortName(), session.Model().Unit()));
  }
  const auto recorded = RecordSendPass(session.Model(), report.SaveChoices(), progress);
  if (!recorded) return FileError(err, "no memory for the recording");
  if (!session.File().Write(arguments.output, *recorded)) return kFileError;
  if (report.Complete()) return kSuccess;
  err << "ravlo-cli: " << report.Summary() << '\n';
  return kFileError;
}

int Identify(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  if (!arguments.files.empty() || !arguments.loads.empty()) {
    return UsageError(err, "identify takes no files");
  }
  CliSession session(TalkingOptions(arguments), err);
  if (!session.OpenPort() || !session.OpenInputPort()) return kFileError;
  const InstrumentAnswer answer =
      AskInstrument(session.Model(), session.Input().Queue(), session.Pauses(),
                    arguments.timeoutMs.value_or(SynthReceiver::kDefaultTimeoutMs));
  if (!answer.identity) {
    return FileError(err, NoAnswerText(session.InputPortName(), session.Model().Unit()));
  }
  out << "identity: " << DescribeIdentity(*answer.identity) << '\n';
  if (answer.model) out << "model: " << InstrumentModelName(*answer.model) << '\n';
  return kSuccess;
}

// Set from the signal handler: the serving loop looks at it between messages.
volatile std::sig_atomic_t stopServing = 0;

void StopServing(int) {
  stopServing = 1;
}

int Serve(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  const std::vector<CliLoad> loads = LoadList(arguments);
  // The synthesizer keeps what sysex sets; a song's channel setup is the
  // editor's business.
  for (const CliLoad& load : loads) {
    if (load.song) return UsageError(err, "serve takes its files with --load");
  }
  VirtualSynth synth(UnitNumber::FromValue(arguments.unit), arguments.instrument);
  for (const CliLoad& load : loads) {
    const std::string& path = load.path;
    std::vector<std::uint8_t> image;
    const FileResult read = ReadWholeFile(path, image);
    if (!read.ok) return FileError(err, read.error);
    const IntakeResult taken = synth.TakeIn(image);
    if (taken.counts.unrecognisedMessages > 0) {
      err << "ravlo-cli: " << path << ": " << taken.counts.unrecognisedMessages
          << " unrecognised messages left out\n";
    }
  }
  MidiInQueue incoming;
  std::string error;
  const std::string name = arguments.name.empty() ? "ravlo-xg" : arguments.name;
  const std::unique_ptr<VirtualPortPair> ports = VirtualPortPair::Open(name, incoming, error);
  if (!ports) return FileError(err, "cannot open the ports of \"" + name + "\": " + error);
  stopServing = 0;
  std::signal(SIGINT, StopServing);
  std::signal(SIGTERM, StopServing);
  err << "ravlo-cli: serving unit " << arguments.unit << " on the " << ports->Where() << '\n';
  out << "ready" << std::endl;
  // Short waits, so that a signal ends the loop soon after it came.
  constexpr std::chrono::milliseconds kLook{50};
  while (stopServing == 0) {
    const std::optional<MidiInQueue::Message> message = incoming.WaitAndTake(kLook);
    if (!message) continue;
    if (const std::optional<XgMessage> answer = synth.Receive(*message))
      ports->Send(answer->Bytes());
  }
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  return kSuccess;
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
  if (command == "receive") return Receive(arguments, err);
  if (command == "serve") return Serve(arguments, out, err);
  if (command == "identify") return Identify(arguments, out, err);
  return UsageError(err, "unknown command \"" + command + "\"");
}

}  // namespace ravlo
