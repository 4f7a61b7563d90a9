#include "files/SysexFile.h"

#include <filesystem>
#include <new>

#include "files/FileIo.h"
#include "files/VoiceBankFile.h"
#include "intake/SysexIntake.h"
#include "model/XgModel.h"
#include "platform/SettingsStore.h"
#include "song/SongSetup.h"

namespace ravlo {

namespace {

constexpr const char* kErrorGettingFileName = "Error getting file name";

}  // namespace

SysexFile::SysexFile(XgModel& model, SysexIntake& intake, UserPrompts& prompts,
                     SettingsStore& settings)
    : model_(model),
      intake_(intake),
      prompts_(prompts),
      settings_(settings),
      directory_(settings.ReadString(kSysexDirKey).value_or("")) {}

SysexFile::~SysexFile() {
  settings_.WriteString(kSysexDirKey, directory_);
}

const std::vector<FileFilter>& SysexFile::Filters() {
  static const std::vector<FileFilter> filters{
      {"XG Sysex Files(*.syx)", "*.syx"},
      {"XG MIDI Files(*.mid)", "*.mid"},
      {"QS300 Sysex Files(*.q3v)", "*.q3v"},
      {"Other (*.*)", "*.*"},
  };
  return filters;
}

const std::vector<FileFilter>& SysexFile::OpenFilters() {
  static const std::vector<FileFilter> filters = [] {
    std::vector<FileFilter> all = Filters();
    all.push_back({"All Supported Files (*.syx *.mid *.q3v)", "*.syx *.mid *.q3v"});
    return all;
  }();
  return filters;
}

const std::vector<FileFilter>& SysexFile::SongFilters() {
  static const std::vector<FileFilter> filters{
      {"MIDI Songs (*.mid *.midi *.kar)", "*.mid *.midi *.kar"},
      {"Other (*.*)", "*.*"},
  };
  return filters;
}

void SysexFile::TakePath(const std::string& path) {
  currentPath_ = path;
  directory_ = DirectoryOf(path);
}

bool SysexFile::Open() {
  const FileChoice choice = prompts_.ChooseFileToOpen({.title = kOpenFileTitle,
                                                       .filters = OpenFilters(),
                                                       .initialDirectory = directory_,
                                                       .filter = filter_});
  if (choice.status == FileChoice::Status::Failed) prompts_.ShowMessage(kErrorGettingFileName);
  if (!choice.Chosen()) return false;
  if (!choice.filter.empty()) filter_ = choice.filter;
  TakePath(choice.paths.front());
  return Read(currentPath_);
}

bool SysexFile::ReadImage(const std::string& path, std::vector<std::uint8_t>& image) {
  TakePath(path);
  const FileResult read = ReadWholeFile(path, image);
  if (read.ok) return true;
  prompts_.ShowMessage(read.error, MessageIcon::Stop);
  currentPath_.clear();
  return false;
}

bool SysexFile::Read(const std::string& path) {
  // Held only while it loads: a large file is not kept after it.
  std::vector<std::uint8_t> image;
  if (!ReadImage(path, image)) return false;
  lastKind_ = Kind::None;
  if (IsVoiceBankFile(image)) {
    lastKind_ = Kind::VoiceBank;
    if (voiceBanks_ == VoiceBanks::Convert) {
      Convert(image, path);
    } else {
      prompts_.ShowMessage("The file " + path +
                           " is a QS300 voice bank: nothing of it was taken in, nothing written.");
    }
    return true;
  }
  const IntakeResult result = intake_.LoadSysexStream(image, directory_);
  if (result.noMemory) return NoMemory(path);
  lastKind_ = result.midiFile ? Kind::MidiFile : Kind::PlainSysex;
  // Without a word the user would take the unchanged windows for the file.
  if (result.Empty()) prompts_.ShowMessage("The file " + path + " holds no XG data.");
  return true;
}

bool SysexFile::ImportSong() {
  const FileChoice choice = prompts_.ChooseFileToOpen(
      {.title = kImportSongTitle, .filters = SongFilters(), .initialDirectory = directory_});
  if (choice.status == FileChoice::Status::Failed) prompts_.ShowMessage(kErrorGettingFileName);
  if (!choice.Chosen()) return false;
  return ReadSong(choice.paths.front());
}

bool SysexFile::ReadSong(const std::string& path) {
  std::vector<std::uint8_t> image;
  if (!ReadImage(path, image)) return false;
  std::string error;
  std::optional<SongSetup> song;
  try {
    song = SongSetup::Read(image, error);
  } catch (const std::bad_alloc&) {
    return NoMemory(path);
  }
  // The song keeps what it needs of the file: the file need not stay beside it.
  std::vector<std::uint8_t>().swap(image);
  if (!song) {
    prompts_.ShowMessage("The file " + path + " cannot be imported as a song. " + error,
                         MessageIcon::Stop);
    currentPath_.clear();
    return false;
  }
  lastKind_ = Kind::MidiFile;
  const IntakeResult result = intake_.LoadSong(*song, directory_);
  if (result.noMemory) return NoMemory(path);
  if (result.Empty()) prompts_.ShowMessage("The song " + path + " sets nothing up.");
  return true;
}

bool SysexFile::NoMemory(const std::string& path) {
  prompts_.ShowMessage(NoMemoryText(path), MessageIcon::Stop);
  currentPath_.clear();
  return false;
}

bool SysexFile::Convert(std::span<const std::uint8_t> bank, const std::string& outputPath) {
  const std::vector<std::string> existing = ExistingVoiceBankOutputs(outputPath);
  if (!existing.empty()) {
    std::string list;
    for (const std::string& path : existing) list += "\r\n" + path;
    if (prompts_.AskYesNo("The voice bank's files exist already:" + list + "\r\nReplace them?") !=
        Answer::Yes) {
      return false;
    }
  }
  const VoiceBankConversion conversion = ConvertVoiceBank(bank, outputPath, model_.Unit());
  for (const std::string& error : conversion.errors) prompts_.ShowMessage(error, MessageIcon::Stop);
  std::string written;
  for (std::size_t file = 0; file < conversion.paths.size(); ++file) {
    if (conversion.written[file]) written += "\r\n" + conversion.paths[file];
  }
  if (!written.empty()) {
    prompts_.ShowMessage("The voice bank was written to" + written, MessageIcon::Information);
  }
  return conversion.built && conversion.errors.empty();
}

bool SysexFile::HoldsVoiceBank(const std::string& path) {
  std::vector<std::uint8_t> image;
  return ReadWholeFile(path, image).ok && IsVoiceBankFile(image);
}

bool SysexFile::ConvertVoiceBankTo(const std::string& bankPath, const std::string& outputPath) {
  std::vector<std::uint8_t> image;
  const FileResult read = ReadWholeFile(bankPath, image);
  if (!read.ok) {
    prompts_.ShowMessage(read.error, MessageIcon::Stop);
    return false;
  }
  if (!IsVoiceBankFile(image)) {
    prompts_.ShowMessage("The file " + bankPath + " is not a QS300 voice bank.", MessageIcon::Stop);
    return false;
  }
  return Convert(image, outputPath);
}

std::string SysexFile::SuggestedSaveName(const std::string& documentPath) {
  if (documentPath.empty()) return "Untitled.syx";
  // Save writes sysex whatever the document came from: a song.mid is offered as song.syx.
  return std::filesystem::path(FileNameOf(documentPath)).replace_extension(".syx").string();
}

bool SysexFile::ChooseSaveName(const std::string& title, const std::string& suggestedName) {
  const FileChoice choice = prompts_.ChooseFileToSave({.title = title,
                                                       .filters = Filters(),
                                                       .initialDirectory = directory_,
                                                       .defaultExtension = "syx",
                                                       .suggestedName = suggestedName});
  if (choice.status == FileChoice::Status::Failed) prompts_.ShowMessage(kErrorGettingFileName);
  if (!choice.Chosen()) return false;
  TakePath(choice.paths.front());
  return true;
}

bool SysexFile::Write(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (!path.empty()) currentPath_ = path;
  const FileResult written = WriteWholeFile(currentPath_, bytes);
  if (!written.ok) {
    prompts_.ShowMessage(written.error, MessageIcon::Stop);
    currentPath_.clear();
    return false;
  }
  return true;
}

}  // namespace ravlo
