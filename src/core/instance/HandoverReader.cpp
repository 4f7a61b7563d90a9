#include "instance/HandoverReader.h"

#include <string_view>

#include "messages/HexDigit.h"

namespace ravlo {

namespace {

constexpr std::string_view kOpen = "open ";
constexpr std::string_view kActivate = "activate";

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A path as the line carries it: every byte but the unreserved ones as %XX,
// so that no path can hold a line end.
std::string PercentEncoded(std::string_view text) {
  std::string encoded;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += HexDigit(byte >> 4);
      encoded += HexDigit(byte);
    }
  }
  return encoded;
}

// A "%" without two hex digits after it stays as it is.
std::string PercentDecoded(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low >= 0) {
      decoded += static_cast<char>(high << 4 | low);
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

}  // namespace

std::string BuildHandover(const std::vector<std::string>& files) {
  std::string handover;
  for (const std::string& file : files) {
    handover.append(kOpen).append(PercentEncoded(file)).append("\n");
  }
  return handover.append(kActivate).append("\n");
}

HandoverReader::State HandoverReader::Feed(std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t byte : bytes) {
    if (state_ != State::Reading) break;
    if (++bytes_ > kMaxBytes) {
      state_ = State::Broken;
      break;
    }
    if (byte == '\n') {
      TakeLine();
    } else if (line_.size() == kMaxLineBytes) {
      state_ = State::Broken;
    } else {
      line_ += static_cast<char>(byte);
    }
  }
  return state_;
}

void HandoverReader::TakeLine() {
  if (++lines_ > kMaxLines) {
    state_ = State::Broken;
    return;
  }
  std::string_view line = line_;
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
  if (line.starts_with(kOpen)) {
    files_.push_back(PercentDecoded(line.substr(kOpen.size())));
  } else if (line == kActivate) {
    state_ = State::Complete;
  }
  line_.clear();
}

std::vector<std::string> HandoverReader::Files() const {
  return state_ == State::Complete ? files_ : std::vector<std::string>{};
}

}  // namespace ravlo
