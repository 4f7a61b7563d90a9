#include "ConsolePrompts.h"

#include <ostream>

namespace ravlo {

void ConsolePrompts::ShowMessage(std::string_view text, MessageIcon) {
  out_ << "ravlo-cli: " << text << '\n';
}

Answer ConsolePrompts::AskYesNo(std::string_view text) {
  out_ << "ravlo-cli: " << text << " -> " << (answer_ == Answer::Yes ? "Yes" : "No") << '\n';
  return answer_ == Answer::Yes ? Answer::Yes : Answer::No;
}

Answer ConsolePrompts::AskYesNoCancel(std::string_view text) {
  const Answer answer = answer_ == Answer::Ok ? Answer::No : answer_;
  out_ << "ravlo-cli: " << text << " -> "
       << (answer == Answer::Yes  ? "Yes"
           : answer == Answer::No ? "No"
                                  : "Cancel")
       << '\n';
  return answer;
}

}  // namespace ravlo
