#include <iostream>
#include <string_view>

#include "ConsolePrompts.h"
#include "PlatformMidi.h"
#include "midi/MidiOutDevice.h"

namespace {

constexpr std::string_view kUsage =
    "usage: ravlo-cli <command> [options]\n"
    "\n"
    "commands:\n"
    "  ports      list the MIDI output ports as 'index: name' (the built-in\n"
    "             \"Ravlo Monitor\" port comes last)\n"
    "  --help     show this text\n";

int ListPorts() {
  ravlo::ConsolePrompts prompts(std::cerr);
  ravlo::PlatformMidi midi;
  ravlo::MidiOutDevice device(midi.Backend(), prompts);
  for (const ravlo::MidiPort& port : device.Ports()) {
    std::cout << port.index << ": " << port.name << '\n';
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string_view command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "ports" && argc == 2) return ListPorts();
  std::cerr << "ravlo-cli: unknown command or arguments\n" << kUsage;
  return 2;
}
