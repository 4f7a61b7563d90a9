#pragma once

#include <string>
#include <vector>

#include "midi/MidiResult.h"

namespace ravlo {

class UserPrompts;

struct MidiPort {
  int index = -1;
  std::string name;
};

// What output and input backends alike answer about their ports: how many
// there are, what each is called, and what a code of theirs means.
class MidiPortList {
 public:
  virtual ~MidiPortList() = default;

  virtual int PortCount() = 0;
  virtual MidiResult PortName(int index, std::string& name) = 0;
  virtual std::string ErrorText(MidiResult code) = 0;
};

// The first `count` ports whose names could be read, with their real indices
// (a port whose name fails is reported and left out, so positions may skip).
std::vector<MidiPort> ListPorts(MidiPortList& ports, int count, UserPrompts& prompts);

}  // namespace ravlo
