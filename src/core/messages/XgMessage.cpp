#include "messages/XgMessage.h"

#include <algorithm>

namespace ravlo {

XgMessage::XgMessage(std::initializer_list<std::uint8_t> bytes)
    : size_(std::min(bytes.size(), kMaxBuiltMessage)) {
  std::copy_n(bytes.begin(), size_, bytes_.begin());
}

}  // namespace ravlo
