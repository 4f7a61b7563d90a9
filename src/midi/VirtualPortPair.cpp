#include "VirtualPortPair.h"

#include "RtMidiPortPair.h"

#if RAVLO_HAVE_JACK
#include "JackPortPair.h"
#endif

namespace ravlo {

std::unique_ptr<VirtualPortPair> VirtualPortPair::Open(const std::string& name,
                                                       MidiInQueue& incoming, std::string& error) {
#if RAVLO_HAVE_JACK
  // JACK's own client, so that both ports carry the one name.
  if (auto jack = JackPortPair::Open(name, incoming, error)) return jack;
  if (!error.empty()) return nullptr;
#endif
  return RtMidiPortPair::Open(name, incoming, error);
}

}  // namespace ravlo
