#include "voices/VoiceSearch.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace ravlo {

namespace {

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The numbers of a query made of numbers and separators only; nothing when
// it holds a letter (or too many numbers to be MSB, LSB and program).
std::optional<std::vector<int>> NumbersOf(std::string_view query) {
  std::vector<int> numbers;
  bool inNumber = false;
  for (char c : query) {
    if (std::isalpha(static_cast<unsigned char>(c)) != 0) return std::nullopt;
    if (!IsDigit(c)) {
      inNumber = false;
      continue;
    }
    if (!inNumber) numbers.push_back(0);
    inNumber = true;
    // Capped: a long run of digits matches nothing rather than overflowing.
    numbers.back() = std::min(numbers.back() * 10 + (c - '0'), 1000);
  }
  if (numbers.empty() || numbers.size() > 3) return std::nullopt;
  return numbers;
}

bool Holds(std::string_view text, std::string_view part) {
  return std::search(text.begin(), text.end(), part.begin(), part.end(),
                     [](char a, char b) { return Lower(a) == Lower(b); }) != text.end();
}

}  // namespace

bool VoiceMatches(const VoiceRecord& voice, std::string_view query) {
  query = Trimmed(query);
  if (query.empty()) return true;
  if (const std::optional<std::vector<int>> numbers = NumbersOf(query)) {
    if (numbers->size() == 1) return numbers->front() == voice.program;
    const int columns[] = {voice.bankMsb, voice.bankLsb, voice.program};
    return std::equal(numbers->begin(), numbers->end(), columns);
  }
  const auto category = static_cast<std::size_t>(voice.category);
  return Holds(voice.Name(), query) ||
         (category < kVoiceCategoryNames.size() && Holds(kVoiceCategoryNames[category], query));
}

}  // namespace ravlo
