#pragma once

#include <QString>
#include <string_view>

namespace ravlo {

// The core's texts (UTF-8 views) as Qt strings.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ravlo
