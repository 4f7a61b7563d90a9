#pragma once

#include <string_view>

namespace ravlo {

enum class MessageIcon { None, Stop, Information, Warning };

enum class Answer { Ok, Yes, No, Cancel };

// Everything the core needs to ask or tell the musician. The shell shows real
// message boxes; tests answer from a script and record what was asked.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  virtual void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) = 0;
  // Yes or No.
  virtual Answer AskYesNo(std::string_view text) = 0;
  // Yes, No or Cancel.
  virtual Answer AskYesNoCancel(std::string_view text) = 0;
  virtual void Beep() = 0;
};

}  // namespace ravlo
