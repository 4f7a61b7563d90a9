#pragma once

#include <optional>
#include <string>

#include "files/RecentFiles.h"
#include "model/InstrumentModel.h"
#include "shell/SoundSettings.h"

namespace ravlo {

class SettingsStore;

// The nine settings the program keeps between runs, with their defaults,
// read and written in their fixed orders. Switches are stored as 1 or 0 and
// read as on for anything of 1 or more. Beside the port index the port's
// name is kept, because port lists change between runs, and after the nine
// the switch that keeps XG extension parameters, the list of recent files,
// then the input port the synthesizer answers on (index and name, -1 for
// none), how long a read-back waits for each answer, and the instrument
// model ("basic" or "extended").
struct AppSettings {
  static constexpr int kMinReceiveTimeout = 10;
  static constexpr int kMaxReceiveTimeout = 10000;

  int midiOutPort = -1;
  std::string midiOutPortName;
  int midiInPort = -1;
  std::string midiInPortName;
  int receiveTimeout = 300;
  int unitNumber = 0;
  int delay = 20;
  bool sendReset = true;
  bool resetAdMixer = false;
  bool warnToSave = true;
  bool openWindowsOnFileOpen = true;
  bool autoSendResetOnFileOpen = true;
  bool keepExtensions = false;
  InstrumentModel instrument = InstrumentModel::Basic;
  // File > Open of a MIDI file says where the rest of the song comes in.
  bool midiFileNote = true;
  std::optional<std::string> windowPos;
  std::optional<std::string> mixerPos;  // the mixer's placement, as WindowPos
  RecentFiles recentFiles;
  SoundSettings sound;

  // UnitNumber, WindowPos, MixerPos, SendReset, "Reset A/D Mixer", MIDIOutPort, Delay,
  // OpenWindowsOnFileOpen, WarnToSave, AutoSendResetOnFileOpen, KeepExtensions, RecentFiles,
  // MIDIInPort, ReceiveTimeout, InstrumentModel, MidiFileNote.
  static AppSettings Read(SettingsStore& store);
  // MIDIOutPort, UnitNumber, Delay, SendReset, "Reset A/D Mixer",
  // OpenWindowsOnFileOpen, WarnToSave, AutoSendResetOnFileOpen, KeepExtensions, RecentFiles,
  // MIDIInPort, ReceiveTimeout, InstrumentModel, MixerPos once the mixer has been open,
  // MidiFileNote (WindowPos is written last, on its own, once the windows are gone).
  void Write(SettingsStore& store) const;
  static void WriteWindowPos(SettingsStore& store, const std::string& text);
};

}  // namespace ravlo
