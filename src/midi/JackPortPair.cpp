#include "JackPortPair.h"

#include <jack/midiport.h>

#include <cstdint>

#include "QuietStandardError.h"
#include "midi/MidiInQueue.h"

namespace ravlo {

namespace {

// Room for what a burst of answers needs between two process cycles.
constexpr std::size_t kOutgoingBytes = 1 << 16;
using Size = std::uint32_t;

}  // namespace

std::unique_ptr<JackPortPair> JackPortPair::Open(const std::string& name, MidiInQueue& incoming,
                                                 std::string& error) {
  jack_client_t* client = nullptr;
  jack_status_t status{};
  {
    // A missing server is normal here; the library's complaints are not.
    const QuietStandardError quiet;
    client = jack_client_open(
        name.c_str(), static_cast<jack_options_t>(JackUseExactName | JackNoStartServer), &status);
  }
  if (client == nullptr) {
    if ((status & JackServerFailed) == 0) {
      error = "JACK could not make the client \"" + name + "\" (is it running already?)";
    }
    return nullptr;
  }
  std::unique_ptr<JackPortPair> pair(new JackPortPair(client, incoming));
  pair->in_ = jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
  pair->out_ = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  pair->outgoing_ = jack_ringbuffer_create(kOutgoingBytes);
  if (pair->in_ == nullptr || pair->out_ == nullptr || pair->outgoing_ == nullptr ||
      jack_set_process_callback(client, &JackPortPair::Process, pair.get()) != 0 ||
      jack_activate(client) != 0) {
    error = "the JACK ports of \"" + name + "\" could not be made";
    return nullptr;
  }
  return pair;
}

JackPortPair::JackPortPair(jack_client_t* client, MidiInQueue& incoming)
    : client_(client), incoming_(incoming) {}

JackPortPair::~JackPortPair() {
  // Closing deactivates first: the process thread is gone before the buffer.
  jack_client_close(client_);
  if (outgoing_ != nullptr) jack_ringbuffer_free(outgoing_);
}

std::string JackPortPair::Where() const {
  return std::string("JACK client ") + jack_get_client_name(client_) +
         " (ports \"in\" and \"out\")";
}

bool JackPortPair::Send(std::span<const std::uint8_t> message) {
  const auto size = static_cast<Size>(message.size());
  if (jack_ringbuffer_write_space(outgoing_) < sizeof size + size) {
    ++full_;
    return false;
  }
  jack_ringbuffer_write(outgoing_, reinterpret_cast<const char*>(&size), sizeof size);
  jack_ringbuffer_write(outgoing_, reinterpret_cast<const char*>(message.data()), size);
  return true;
}

int JackPortPair::Process(jack_nframes_t frames, void* user) {
  auto* self = static_cast<JackPortPair*>(user);
  void* in = jack_port_get_buffer(self->in_, frames);
  const jack_nframes_t events = jack_midi_get_event_count(in);
  for (jack_nframes_t i = 0; i < events; ++i) {
    jack_midi_event_t event;
    // A JACK event is one whole message. The queue allocates: this client
    // serves requests and is no real-time instrument.
    if (jack_midi_event_get(&event, in, i) == 0) self->incoming_.Push({event.buffer, event.size});
  }
  void* out = jack_port_get_buffer(self->out_, frames);
  jack_midi_clear_buffer(out);
  Size size = 0;
  while (jack_ringbuffer_read_space(self->outgoing_) >= sizeof size) {
    jack_ringbuffer_peek(self->outgoing_, reinterpret_cast<char*>(&size), sizeof size);
    // The size may be written before the message is: then it comes next cycle.
    if (jack_ringbuffer_read_space(self->outgoing_) < sizeof size + size) break;
    // What does not fit into this cycle's buffer waits for the next. Asked
    // for more than it has, JACK would complain on standard error each cycle.
    if (jack_midi_max_event_size(out) < size) {
      ++self->full_;
      break;
    }
    jack_midi_data_t* data = jack_midi_event_reserve(out, 0, size);
    if (data == nullptr) break;
    jack_ringbuffer_read_advance(self->outgoing_, sizeof size);
    jack_ringbuffer_read(self->outgoing_, reinterpret_cast<char*>(data), size);
  }
  return 0;
}

}  // namespace ravlo
