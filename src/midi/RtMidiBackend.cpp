#include "RtMidiBackend.h"

#include <rtmidi/RtMidi.h>

#include "messages/XgMessages.h"
#include "midi/ShortMessage.h"

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ravlo {

namespace {

// Starting an API whose system is absent (no ALSA sequencer, no JACK server)
// makes the libraries beneath RtMidi print several lines each; a missing
// system is normal here and the ports that work are what counts.
class QuietStandardError {
 public:
  QuietStandardError() {
#if defined(__unix__)
    saved_ = dup(2);
    const int null = open("/dev/null", O_WRONLY);
    if (saved_ >= 0 && null >= 0) dup2(null, 2);
    if (null >= 0) close(null);
#endif
  }
  ~QuietStandardError() {
#if defined(__unix__)
    if (saved_ >= 0) {
      dup2(saved_, 2);
      close(saved_);
    }
#endif
  }
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace

struct RtMidiBackend::ApiOutput {
  std::unique_ptr<RtMidiOut> out;
  std::string name;
  int errors = 0;
  std::string lastError;

  // RtMidi reports through this callback once one is set, instead of
  // throwing; warnings (such as a JACK server that is not running) are not
  // failures of the call that met them.
  static void OnError(RtMidiError::Type type, const std::string& text, void* user) {
    auto* self = static_cast<ApiOutput*>(user);
    if (type == RtMidiError::WARNING || type == RtMidiError::DEBUG_WARNING) return;
    ++self->errors;
    self->lastError = text;
  }
};

RtMidiBackend::RtMidiBackend(std::string clientName) : clientName_(std::move(clientName)) {
  const QuietStandardError quiet;
  std::vector<RtMidi::Api> compiled;
  RtMidi::getCompiledApi(compiled);
  for (RtMidi::Api api : compiled) {
    // An API whose system is missing (ALSA without /dev/snd, say) throws
    // here; the others still give their ports.
    try {
      auto output = std::make_unique<ApiOutput>();
      output->out = std::make_unique<RtMidiOut>(api, clientName_);
      output->name = RtMidi::getApiName(api);
      output->out->setErrorCallback(&ApiOutput::OnError, output.get());
      // An API without a single port (JACK with no server running) would
      // only try to reconnect at every question; the port list is taken
      // once anyway.
      if (output->out->getPortCount() == 0) continue;
      apis_.push_back(std::move(output));
    } catch (const RtMidiError&) {
    }
  }
}

RtMidiBackend::~RtMidiBackend() {
  Close();
}

std::vector<std::string> RtMidiBackend::ApiNames() const {
  std::vector<std::string> names;
  for (const auto& api : apis_) names.push_back(api->name);
  return names;
}

int RtMidiBackend::PortCount() {
  int count = 0;
  for (const auto& api : apis_) count += static_cast<int>(api->out->getPortCount());
  return count;
}

RtMidiBackend::Route RtMidiBackend::Locate(int index) {
  if (index < 0) return {};
  auto remaining = static_cast<unsigned>(index);
  for (const auto& api : apis_) {
    const unsigned count = api->out->getPortCount();
    if (remaining < count) return {api.get(), remaining};
    remaining -= count;
  }
  return {};
}

MidiResult RtMidiBackend::Fail(std::string text) {
  lastError_ = std::move(text);
  return kMidiError;
}

MidiResult RtMidiBackend::PortName(int index, std::string& name) {
  const Route route = Locate(index);
  if (route.api == nullptr) return kMidiBadDeviceId;
  const int errorsBefore = route.api->errors;
  name = route.api->out->getPortName(route.local);
  if (route.api->errors != errorsBefore || name.empty()) {
    return Fail("RtMidiBackend::PortName: " + route.api->lastError);
  }
  return kMidiOk;
}

MidiResult RtMidiBackend::Open(int index) {
  Close();
  const Route route = Locate(index < 0 ? 0 : index);
  if (route.api == nullptr) return kMidiBadDeviceId;
  ApiOutput& api = *route.api;
  const std::string expected = api.out->getPortName(route.local);
  const int errorsBefore = api.errors;
  api.out->openPort(route.local, clientName_ + " Out");
  // JACK reports a port open even when its destination vanished in the
  // meantime: the name must still be the one that was chosen.
  const bool sameName = api.out->getPortName(route.local) == expected;
  if (api.errors != errorsBefore || !api.out->isPortOpen() || !sameName || expected.empty()) {
    const std::string reason =
        api.errors != errorsBefore ? api.lastError : "the port \"" + expected + "\" is not there";
    api.out->closePort();
    return Fail("RtMidiBackend::Open: " + reason);
  }
  assembler_.Reset();
  open_ = &api;
  return kMidiOk;
}

MidiResult RtMidiBackend::Send(ApiOutput& api, std::span<const std::uint8_t> message) {
  const int errorsBefore = api.errors;
  api.out->sendMessage(message.data(), message.size());
  if (api.errors != errorsBefore) return Fail("RtMidiBackend::Send: " + api.lastError);
  return kMidiOk;
}

MidiResult RtMidiBackend::QueueLong(SendBuffer& buffer) {
  std::lock_guard lock(sendMutex_);
  if (open_ == nullptr) return kMidiInvalidHandle;
  MidiResult result = kMidiOk;
  assembler_.Feed({buffer.data.data(), buffer.bufferLength},
                  [&](std::span<const std::uint8_t> message) {
                    if (result == kMidiOk) result = Send(*open_, message);
                  });
  // RtMidi has taken the bytes when sendMessage returns: the piece is done.
  buffer.MarkDone();
  return result;
}

MidiResult RtMidiBackend::SendShort(std::uint32_t packed) {
  const ShortMessage message(packed);
  if (message.Bytes().empty()) return kMidiError;
  std::lock_guard lock(sendMutex_);
  if (open_ == nullptr) return kMidiInvalidHandle;
  return Send(*open_, message.Bytes());
}

void RtMidiBackend::Reset() {
  std::lock_guard lock(sendMutex_);
  assembler_.Reset();
  if (open_ == nullptr) return;
  // Leave no note hanging on the port being given up.
  for (int index = 0; index < MidiChannel::kCount; ++index) {
    const ShortMessage allNotesOff(PackAllNotesOff(MidiChannel::FromIndex(index)));
    open_->out->sendMessage(allNotesOff.Bytes().data(), allNotesOff.Bytes().size());
  }
}

void RtMidiBackend::Close() {
  std::lock_guard lock(sendMutex_);
  if (open_ != nullptr) open_->out->closePort();
  open_ = nullptr;
}

std::string RtMidiBackend::ErrorText(MidiResult code) {
  if (code == kMidiError && !lastError_.empty()) return lastError_;
  return StandardMidiErrorText(code);
}

}  // namespace ravlo
