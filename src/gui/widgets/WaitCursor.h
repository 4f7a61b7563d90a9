#pragma once

namespace ravlo {

// The wait cursor for the length of a piece of work.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// The normal arrow while a message box or dialog asks the musician something
// in the middle of a piece of work: the program waits for the answer, not
// the other way round. Outside any work it changes nothing.
class ArrowWhileAsking {
 public:
  ArrowWhileAsking();
  ~ArrowWhileAsking();
  ArrowWhileAsking(const ArrowWhileAsking&) = delete;
  ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

 private:
  bool pushed_;
};

}  // namespace ravlo
