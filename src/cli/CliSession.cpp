#include "CliSession.h"

#include <ostream>

#include "platform/QuietPlatform.h"
#include "platform/ThreadPauser.h"

namespace ravlo {

namespace {

// Without a synthesizer listening there is nothing to pace for.
std::unique_ptr<Pauser> MakePauser(bool paced) {
  if (paced) return std::make_unique<ThreadPauser>();
  return std::make_unique<NoPauser>();
}

}  // namespace

CliSession::CliSession(const Options& options, std::ostream& messages)
    : options_(options),
      messages_(messages),
      prompts_(messages),
      midi_("ravlo-cli", options.platformPorts ? PlatformMidi::Ports::PlatformAndMonitor
                                               : PlatformMidi::Ports::MonitorOnly),
      pauser_(MakePauser(options.paced)),
      device_(midi_.Backend(), prompts_),
      input_(midi_.InputBackend(), prompts_),
      model_(device_, *this, *pauser_, UnitNumber::FromValue(options.unit)),
      intake_(model_, prompts_, progress_, *this),
      file_(model_, intake_, prompts_, settings_) {
  model_.Initialise();
  // A command that reads leaves a voice bank's neighbours alone; convert-q3v converts.
  file_.SetVoiceBanks(SysexFile::VoiceBanks::LeaveAlone);
  model_.SetInstrument(options.instrument);
  // The synthesizer behind the monitor pair stands for the same instrument. Only a session
  // that opens an input can ask it anything; until then it need not hear what is sent.
  midi_.Monitor().SetInstrument(options.instrument);
  midi_.Monitor().SetHearing(false);
  model_.SetResetAdMixer(options.adReset);
  intake_.SetUnrecognisedPolicy(options.storeUnrecognised
                                    ? SysexIntake::UnrecognisedPolicy::Store
                                    : SysexIntake::UnrecognisedPolicy::Report);
  intake_.SetMessagePause(options.messagePauseMs);
  intake_.SetKeepExtensions(options.keepExtensions);
}

bool CliSession::OpenPort() {
  const int port = options_.port >= 0 ? options_.port : midi_.MonitorIndex();
  if (device_.Open(port)) return true;
  messages_ << "ravlo-cli: cannot open MIDI output port " << port << '\n';
  return false;
}

bool CliSession::OpenInputPort() {
  midi_.Monitor().SetHearing(true);
  const int port = options_.inPort >= 0 ? options_.inPort : midi_.MonitorInputIndex();
  if (input_.Open(port)) return true;
  messages_ << "ravlo-cli: cannot open MIDI input port " << port << '\n';
  return false;
}

std::string CliSession::InputPortName() {
  for (const MidiPort& port : input_.Ports()) {
    if (port.index == input_.CurrentIndex()) return port.name;
  }
  return {};
}

bool CliSession::Load(const std::vector<CliLoad>& loads) {
  for (const CliLoad& load : loads) {
    if (!(load.song ? file_.ReadSong(load.path) : file_.Read(load.path))) return false;
  }
  return true;
}

void CliSession::ResetModel() {
  if (model_.SendReset()) model_.ResetToDefaults();
}

void CliSession::ResetRequested() {
  ResetModel();
}

void CliSession::AllParametersReset() {
  // The model reset itself; nothing else to start afresh here.
}

void CliSession::AutoReset() {
  // Once, before the first file: the files that follow merge into it.
  if (resetDone_) return;
  resetDone_ = true;
  ResetModel();
}

}  // namespace ravlo
