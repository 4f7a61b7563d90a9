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
inline constexpr const char* kOpenFileTitle = "Open File";
inline constexpr const char* kSaveAsTitle = "Save As";
inline constexpr const char* kImportSongTitle = "Import Song Setup";

// The document's file side: the file dialogs with their filter list, the
// remembered directory, reading a whole file and recognising what it is (a
// QS300 voice bank, a MIDI file, or plain sysex), and writing a recording.
class SysexFile {
 public:
  enum class Kind { None, PlainSysex, MidiFile, VoiceBank };

  // What reading a QS300 voice bank does: converts it into four .syx files
  // beside it (asking before it replaces any, saying which it wrote), or,
  // for commands that only read, nothing at all but say so.
  enum class VoiceBanks { Convert, LeaveAlone };

  SysexFile(XgModel& model, SysexIntake& intake, UserPrompts& prompts, SettingsStore& settings);
  // Writes the remembered directory back.
  ~SysexFile();
  SysexFile(const SysexFile&) = delete;
  SysexFile& operator=(const SysexFile&) = delete;

  static const std::vector<FileFilter>& Filters();
  // The Open dialog's: the list above, then every kind it reads at once.
  static const std::vector<FileFilter>& OpenFilters();
  // The Import Song Setup dialog's: MIDI songs, then any file.
  static const std::vector<FileFilter>& SongFilters();

  // Chooses a file with the Open dialog, reads it and loads it. True when a
  // file was read completely, whatever the load found. The dialog shows
  // first the filter used last.
  bool Open();
  // Reads and loads the file at `path` (the Open command after its dialog).
  bool Read(const std::string& path);
  // Import Song Setup: chooses a standard MIDI file and takes its setup in.
  // True when a song was read and taken in, whatever it set up.
  bool ImportSong();
  // Reads the song at `path` and takes its setup in (the import after its
  // dialog). A file that breaks the MIDI file format is reported and
  // leaves the model as it was.
  bool ReadSong(const std::string& path);
  // Chooses a name with a Save As dialog titled `title`, offering
  // `suggestedName`; on success it becomes the current path and its
  // directory the remembered one.
  bool ChooseSaveName(const std::string& title, const std::string& suggestedName);
  // The name Save As offers for the document at `documentPath`: its name as
  // a .syx file, or "Untitled.syx" for a document without a file.
  static std::string SuggestedSaveName(const std::string& documentPath);

  // Whether the file at `path` is a QS300 voice bank (false when unreadable).
  static bool HoldsVoiceBank(const std::string& path);
  void SetVoiceBanks(VoiceBanks handling) { voiceBanks_ = handling; }
  // Converts the voice bank at `bankPath` into four .syx files named after
  // `outputPath` (its name without the extension, a digit, ".syx"), asking
  // before it replaces any, and says which it wrote. Reports what went
  // wrong; true when all four were written.
  bool ConvertVoiceBankTo(const std::string& bankPath, const std::string& outputPath);
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
  // Reads the whole file at `path` into `image`, reporting a failure; the
  // path becomes the current one.
  bool ReadImage(const std::string& path, std::vector<std::uint8_t>& image);
  bool Convert(std::span<const std::uint8_t> bank, const std::string& outputPath);
  // Says that the file at `path` is too much for the memory there is; false.
  bool NoMemory(const std::string& path);

  XgModel& model_;
  SysexIntake& intake_;
  UserPrompts& prompts_;
  SettingsStore& settings_;
  std::string directory_;
  std::string currentPath_;
  std::string filter_;  // of the Open dialog, as last used
  Kind lastKind_ = Kind::None;
  VoiceBanks voiceBanks_ = VoiceBanks::Convert;
};

}  // namespace ravlo
