#pragma once

namespace ravlo {

// Supplies the element count of the current QS300 user voices, which depends on the loaded
// user voice records rather than on the fixed catalogue. The XG model implements it.
class UserVoiceElementSource {
 public:
  virtual ~UserVoiceElementSource() = default;

  // Number of elements switched on (0..4) of user voice `voice` (0..31); 0 when the voice has
  // no record yet or `voice` is out of range.
  virtual int UserVoiceElementCount(int voice) const = 0;
};

}  // namespace ravlo
