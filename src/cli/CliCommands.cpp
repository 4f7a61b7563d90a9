#include "CliCommands.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "AudioOutput.h"
#include "CliArguments.h"
#include "CliSession.h"
#include "ConsolePrompts.h"
#include "FluidEngine.h"
#include "OutputFullReport.h"
#include "PlatformMidi.h"
#include "SoundFonts.h"
#include "StateReport.h"
#include "VirtualPortPair.h"
#include "files/FileIo.h"
#include "files/PatchList.h"
#include "files/VoiceBankFile.h"
#include "files/WavFile.h"
#include "intake/SysexScanner.h"
#include "midi/MidiInDevice.h"
#include "midi/MidiOutDevice.h"
#include "receive/InstrumentProbe.h"
#include "receive/SynthReceiver.h"
#include "review/DefaultDifferences.h"
#include "review/ReviewText.h"
#include "sendpass/SendPass.h"
#include "song/StandardMidiFile.h"
#include "sound/SongRenderer.h"
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
  if (!arguments.force) {
    const std::vector<std::string> existing = ExistingVoiceBankOutputs(path);
    if (!existing.empty()) {
      return FileError(err, existing.front() + " exists already; --force replaces it");
    }
  }
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

// The loads a virtual synthesizer takes in, as serve and render take them;
// false (the reason on `err`) when one cannot be read.
bool TakeInto(VirtualSynth& synth, const std::vector<CliLoad>& loads, std::ostream& err) {
  for (const CliLoad& load : loads) {
    const std::string& path = load.path;
    std::vector<std::uint8_t> image;
    const FileResult read = ReadWholeFile(path, image);
    if (!read.ok) {
      FileError(err, read.error);
      return false;
    }
    const IntakeResult taken = synth.TakeIn(image);
    if (taken.counts.unrecognisedMessages > 0) {
      err << "ravlo-cli: " << path << ": " << taken.counts.unrecognisedMessages
          << " unrecognised messages left out\n";
    }
  }
  return true;
}

// The engine on the SoundFont the arguments name, or the default one; none
// (the reason on `err`) when there is none or it cannot be loaded.
std::unique_ptr<FluidEngine> MakeEngine(const CliArguments& arguments, int rate,
                                        std::ostream& err) {
  const std::string path = FindSoundFont(arguments.soundFont);
  if (path.empty()) {
    FileError(err, kNoSoundFontText);
    return nullptr;
  }
  std::string error;
  std::unique_ptr<FluidEngine> engine = FluidEngine::Create(path, rate, error);
  if (!engine) FileError(err, error);
  return engine;
}

int Render(const CliArguments& arguments, std::ostream& err) {
  if (arguments.output.empty()) return UsageError(err, "render needs -o OUT.wav");
  if (!arguments.files.empty())
    return UsageError(err, "render takes its files with --load and --song");
  std::vector<CliLoad> setups;
  std::optional<std::string> songPath;
  for (const CliLoad& load : arguments.loads) {
    if (!load.song) {
      setups.push_back(load);
    } else if (songPath) {
      return UsageError(err, "render plays one --song");
    } else {
      songPath = load.path;
    }
  }
  // Everything that can fail is settled before a byte is written.
  std::optional<StandardMidiFile> song;
  if (songPath) {
    std::vector<std::uint8_t> image;
    const FileResult read = ReadWholeFile(*songPath, image);
    if (!read.ok) return FileError(err, read.error);
    std::string error;
    song = StandardMidiFile::Read(image, error);
    if (!song) return FileError(err, *songPath + ": " + error);
  }
  const int rate = arguments.rate.value_or(AudioOptions::kDefaultRate);
  std::unique_ptr<FluidEngine> engine = MakeEngine(arguments, rate, err);
  if (!engine) return kFileError;
  VirtualSynth synth(UnitNumber::FromValue(arguments.unit), arguments.instrument);
  synth.SetKeepExtensions(arguments.keepExtensions);
  if (!TakeInto(synth, setups, err)) return kFileError;
  synth.AttachSound(engine.get());
  WavWriter wav(arguments.output, rate);
  if (const FileResult opened = wav.Open(); !opened.ok) return FileError(err, opened.error);
  const SongRenderer::Sink write = [&wav](std::span<const float> left,
                                          std::span<const float> right) { wav.Write(left, right); };
  SongRenderer renderer(synth, *engine, rate);
  if (song) {
    renderer.Play(*song, write);
  } else {
    renderer.RingOut(write);
  }
  const FileResult written = wav.Finish();
  return written.ok ? kSuccess : FileError(err, written.error);
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
  // The synthesizer goes first, while the engine it plays on is still there.
  std::unique_ptr<FluidEngine> engine;
  std::unique_ptr<AudioOutput> audio;
  VirtualSynth synth(UnitNumber::FromValue(arguments.unit), arguments.instrument);
  if (!TakeInto(synth, loads, err)) return kFileError;
  if (arguments.sound) {
    AudioOptions options;
    options.sampleRate = arguments.rate.value_or(AudioOptions::kDefaultRate);
    engine = MakeEngine(arguments, AudioOutput::RateFor(options), err);
    if (!engine) return kFileError;
    audio = AudioOutput::Open(*engine, options);
    err << "ravlo-cli: "
        << (audio ? "sound out through " + audio->Driver()
                  : std::string("no audio device: playing silently"))
        << '\n';
    synth.AttachSound(engine.get());
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
  OutputFullReport full;
  while (stopServing == 0) {
    const std::optional<MidiInQueue::Message> message = incoming.WaitAndTake(kLook);
    if (message) {
      if (const std::optional<XgMessage> answer = synth.Receive(*message))
        ports->Send(answer->Bytes());
    }
    if (const auto line = full.Add(ports->TakeFullCount(), OutputFullReport::Clock::now())) {
      err << *line << std::endl;
    }
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
  if (args[0] == "--version") {
    out << "ravlo-cli " RAVLO_VERSION "\n";
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
  if (command == "render") return Render(arguments, err);
  if (command == "identify") return Identify(arguments, out, err);
  return UsageError(err, "unknown command \"" + command + "\"");
}

}  // namespace ravlo
