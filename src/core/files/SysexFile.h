#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/UserPrompts.h"

namespace ravlo {

class SettingsStore;
class SysexIntake;
class XgModel;

inline constexpr const char* kSysexDirKey = "SysexDir";

// The document's file side: the file dialogs with their filter list, the
// remembered directory, reading a whole file and recognising what it is (a
// QS300 voice bank, a MIDI file, or plain sysex), and writing a recording.
class SysexFile {
 public:
  enum class Kind { None, PlainSysex, MidiFile, VoiceBank };

  SysexFile(XgModel& model, SysexIntake& intake, UserPrompts& prompts, SettingsStore& settings);
  // Writes the remembered directory back.
  ~SysexFile();
  SysexFile(const SysexFile&) = delete;
  SysexFile& operator=(const SysexFile&) = delete;

  static const std::vector<FileFilter>& Filters();

  // Chooses a file with the Open dialog, reads it and loads it. True when a
  // file was read completely, whatever the load found.
  bool Open();
  // Reads and loads the file at `path` (the Open command after its dialog).
  bool Read(const std::string& path);
  // Chooses a name with the Save As dialog; on success it becomes the
  // current path and its directory the remembered one.
  bool ChooseSaveName();
  // Writes a recording to `path` (or the current path when empty), replacing
  // the file only once everything is written.
  bool Write(const std::string& path, std::span<const std::uint8_t> bytes);

  const std::string& CurrentPath() const { return currentPath_; }
  const std::string& RememberedDirectory() const { return directory_; }
  void SetRememberedDirectory(std::string directory) { directory_ = std::move(directory); }
  // The last file read was plain sysex, so Save may write it back.
  bool PlainSysex() const { return lastKind_ == Kind::PlainSysex; }
  Kind LastKind() const { return lastKind_; }

 private:
  void TakePath(const std::string& path);

  XgModel& model_;
  SysexIntake& intake_;
  UserPrompts& prompts_;
  SettingsStore& settings_;
  std::string directory_;
  std::string currentPath_;
  std::vector<std::uint8_t> image_;
  Kind lastKind_ = Kind::None;
};

}  // namespace ravlo
