#include "RtMidiPortPair.h"

#include <rtmidi/RtMidi.h>

#include "QuietStandardError.h"
#include "midi/MidiInQueue.h"

namespace ravlo {

std::unique_ptr<RtMidiPortPair> RtMidiPortPair::Open(const std::string& name, MidiInQueue& incoming,
                                                     std::string& error) {
  std::vector<RtMidi::Api> compiled;
  RtMidi::getCompiledApi(compiled);
  for (RtMidi::Api api : compiled) {
    // JACK is served on its own; WinMM and the dummy API have no ports of their own.
    if (api == RtMidi::UNIX_JACK || api == RtMidi::WINDOWS_MM || api == RtMidi::RTMIDI_DUMMY) {
      continue;
    }
    try {
      const QuietStandardError quiet;
      auto in = std::make_unique<RtMidiIn>(api, name);
      in->ignoreTypes(false, true, true);
      in->setCallback(&RtMidiPortPair::OnMessage, &incoming);
      in->openVirtualPort("in");
      auto out = std::make_unique<RtMidiOut>(api, name);
      out->openVirtualPort("out");
      const std::string where =
          RtMidi::getApiDisplayName(api) + " client " + name + " (ports \"in\" and \"out\")";
      return std::unique_ptr<RtMidiPortPair>(
          new RtMidiPortPair(std::move(in), std::move(out), where));
    } catch (const RtMidiError& failure) {
      error = failure.getMessage();
    }
  }
  if (error.empty()) error = "no MIDI system here makes ports of its own";
  return nullptr;
}

RtMidiPortPair::RtMidiPortPair(std::unique_ptr<RtMidiIn> in, std::unique_ptr<RtMidiOut> out,
                               std::string where)
    : in_(std::move(in)), out_(std::move(out)), where_(std::move(where)) {}

RtMidiPortPair::~RtMidiPortPair() {
  in_->closePort();
  in_->cancelCallback();
}

void RtMidiPortPair::OnMessage(double, std::vector<unsigned char>* message, void* incoming) {
  if (message != nullptr && !message->empty()) static_cast<MidiInQueue*>(incoming)->Push(*message);
}

bool RtMidiPortPair::Send(std::span<const std::uint8_t> message) {
  try {
    out_->sendMessage(message.data(), message.size());
    return true;
  } catch (const RtMidiError&) {
    return false;
  }
}

std::string RtMidiPortPair::Where() const {
  return where_;
}

}  // namespace ravlo
