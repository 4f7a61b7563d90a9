#include "midi/MidiPortList.h"

#include "platform/UserPrompts.h"

namespace ravlo {

std::vector<MidiPort> ListPorts(MidiPortList& list, int count, UserPrompts& prompts) {
  std::vector<MidiPort> ports;
  for (int index = 0; index < count; ++index) {
    std::string name;
    const MidiResult result = list.PortName(index, name);
    if (result != kMidiOk) {
      prompts.ShowMessage(list.ErrorText(result));
      continue;
    }
    ports.push_back({index, std::move(name)});
  }
  return ports;
}

}  // namespace ravlo
