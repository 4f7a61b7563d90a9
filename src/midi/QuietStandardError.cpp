#include "QuietStandardError.h"

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ravlo {

QuietStandardError::QuietStandardError() {
#if defined(__unix__)
  saved_ = dup(2);
  const int null = open("/dev/null", O_WRONLY);
  if (saved_ >= 0 && null >= 0) dup2(null, 2);
  if (null >= 0) close(null);
#endif
}

QuietStandardError::~QuietStandardError() {
#if defined(__unix__)
  if (saved_ >= 0) {
    dup2(saved_, 2);
    close(saved_);
  }
#endif
}

}  // namespace ravlo
