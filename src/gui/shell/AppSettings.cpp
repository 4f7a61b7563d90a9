#include "shell/AppSettings.h"

#include <algorithm>

#include "platform/SettingsStore.h"

namespace ravlo {

namespace {

constexpr const char* kMidiOutPort = "MIDIOutPort";
constexpr const char* kMidiOutPortName = "MIDIOutPortName";
constexpr const char* kUnitNumber = "UnitNumber";
constexpr const char* kDelay = "Delay";
constexpr const char* kSendReset = "SendReset";
constexpr const char* kResetAdMixer = "Reset A/D Mixer";
constexpr const char* kWarnToSave = "WarnToSave";
constexpr const char* kOpenWindowsOnFileOpen = "OpenWindowsOnFileOpen";
constexpr const char* kAutoSendResetOnFileOpen = "AutoSendResetOnFileOpen";
constexpr const char* kWindowPos = "WindowPos";
constexpr const char* kMixerPos = "MixerPos";
constexpr const char* kKeepExtensions = "KeepExtensions";
constexpr const char* kMidiInPort = "MIDIInPort";
constexpr const char* kMidiInPortName = "MIDIInPortName";
constexpr const char* kReceiveTimeout = "ReceiveTimeout";
constexpr const char* kInstrumentModel = "InstrumentModel";
constexpr const char* kMidiFileNote = "MidiFileNote";

bool ReadSwitch(SettingsStore& store, const char* key, bool on) {
  return store.ReadInt(key, on ? 1 : 0) >= 1;
}

void WriteSwitch(SettingsStore& store, const char* key, bool on) {
  store.WriteInt(key, on ? 1 : 0);
}

}  // namespace

AppSettings AppSettings::Read(SettingsStore& store) {
  AppSettings settings;
  settings.unitNumber = store.ReadInt(kUnitNumber, 0) & 0xFF;
  settings.windowPos = store.ReadString(kWindowPos);
  settings.mixerPos = store.ReadString(kMixerPos);
  settings.sendReset = ReadSwitch(store, kSendReset, true);
  settings.resetAdMixer = ReadSwitch(store, kResetAdMixer, false);
  settings.midiOutPort = store.ReadInt(kMidiOutPort, -1);
  settings.midiOutPortName = store.ReadString(kMidiOutPortName).value_or("");
  settings.delay = store.ReadInt(kDelay, 20);
  settings.openWindowsOnFileOpen = ReadSwitch(store, kOpenWindowsOnFileOpen, true);
  settings.warnToSave = ReadSwitch(store, kWarnToSave, true);
  settings.autoSendResetOnFileOpen = ReadSwitch(store, kAutoSendResetOnFileOpen, true);
  settings.keepExtensions = ReadSwitch(store, kKeepExtensions, false);
  settings.recentFiles = RecentFiles::FromText(store.ReadString(kRecentFilesKey).value_or(""));
  settings.midiInPort = store.ReadInt(kMidiInPort, -1);
  settings.midiInPortName = store.ReadString(kMidiInPortName).value_or("");
  settings.receiveTimeout = std::clamp(store.ReadInt(kReceiveTimeout, settings.receiveTimeout),
                                       kMinReceiveTimeout, kMaxReceiveTimeout);
  settings.sound = SoundSettings::Read(store);
  settings.instrument = InstrumentModelFromName(store.ReadString(kInstrumentModel).value_or(""))
                            .value_or(InstrumentModel::Basic);
  settings.midiFileNote = ReadSwitch(store, kMidiFileNote, true);
  return settings;
}

void AppSettings::Write(SettingsStore& store) const {
  store.WriteInt(kMidiOutPort, midiOutPort);
  store.WriteString(kMidiOutPortName, midiOutPortName);
  store.WriteInt(kUnitNumber, unitNumber);
  store.WriteInt(kDelay, delay);
  WriteSwitch(store, kSendReset, sendReset);
  WriteSwitch(store, kResetAdMixer, resetAdMixer);
  WriteSwitch(store, kOpenWindowsOnFileOpen, openWindowsOnFileOpen);
  WriteSwitch(store, kWarnToSave, warnToSave);
  WriteSwitch(store, kAutoSendResetOnFileOpen, autoSendResetOnFileOpen);
  WriteSwitch(store, kKeepExtensions, keepExtensions);
  store.WriteString(kRecentFilesKey, recentFiles.ToText());
  if (mixerPos) store.WriteString(kMixerPos, *mixerPos);
  store.WriteInt(kMidiInPort, midiInPort);
  store.WriteString(kMidiInPortName, midiInPortName);
  store.WriteInt(kReceiveTimeout, receiveTimeout);
  sound.Write(store);
  store.WriteString(kInstrumentModel, InstrumentModelName(instrument));
  WriteSwitch(store, kMidiFileNote, midiFileNote);
}

void AppSettings::WriteWindowPos(SettingsStore& store, const std::string& text) {
  store.WriteString(kWindowPos, text);
}

}  // namespace ravlo
