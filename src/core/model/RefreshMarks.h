#pragma once

#include <array>
#include <cstddef>

namespace ravlo {

// The blocks a load can change underneath the editors.
enum class RefreshMark {
  System,
  Reverb,
  Chorus,
  Variation,
  Part,
  Drum,
  UserVoice,
  Extension,
  Insertion,
  MultiEq,
  DisplayText,
  kCount
};

inline constexpr std::size_t kRefreshMarkCount = static_cast<std::size_t>(RefreshMark::kCount);

// Flags raised while a file is taken in, each with its latest argument (the
// effect type index, part or voice number); consumed after the whole load.
class RefreshMarks {
 public:
  void Raise(RefreshMark mark, int value = 0);
  bool IsRaised(RefreshMark mark) const { return raised_[Index(mark)]; }
  int Value(RefreshMark mark) const { return values_[Index(mark)]; }
  void Clear(RefreshMark mark);
  void ClearAll();
  bool Any() const;

 private:
  static std::size_t Index(RefreshMark mark) { return static_cast<std::size_t>(mark); }

  std::array<bool, kRefreshMarkCount> raised_{};
  std::array<int, kRefreshMarkCount> values_{};
};

}  // namespace ravlo
