#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ravlo {

enum class MessageIcon { None, Stop, Information, Warning };

enum class Answer { Ok, Yes, No, Cancel };

struct FileFilter {
  std::string label;    // "XG Sysex Files(*.syx)"
  std::string pattern;  // "*.syx"
};

// What a file dialog gave: a choice, a cancel, or a failure of the dialog
// itself (which the caller reports as "Error getting file name").
struct FileChoice {
  enum class Status { Chosen, Cancelled, Failed };
  Status status = Status::Cancelled;
  std::vector<std::string> paths;  // one path, or several for a multiple choice
  std::string filter{};            // the label of the filter in use when chosen, where known

  bool Chosen() const { return status == Status::Chosen && !paths.empty(); }
};

// Every member has its default, so that a request names only what it sets.
struct FileDialogRequest {
  std::string title{};  // what the dialog is for: "Save As", "List QS300 Patches"
  std::vector<FileFilter> filters{};
  std::string initialDirectory{};
  std::string defaultExtension{};  // for saving, without the dot
  bool multiple = false;           // opening several files at once
  std::string suggestedName{};     // for saving: the name offered in the name box
  std::string filter{};            // the label of the filter shown first; "" for the first
};

// Everything the core needs to ask or tell the musician. The shell shows real
// message boxes and file dialogs; tests answer from a script and record what
// was asked.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  virtual void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) = 0;
  // Yes or No.
  virtual Answer AskYesNo(std::string_view text) = 0;
  // Yes, No or Cancel.
  virtual Answer AskYesNoCancel(std::string_view text) = 0;
  virtual void Beep() = 0;

  // Files that must exist; asks before overwriting when saving.
  virtual FileChoice ChooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual FileChoice ChooseFileToSave(const FileDialogRequest& request) = 0;
};

}  // namespace ravlo
