#pragma once

#include <sys/types.h>

#include <cstdio>
#include <string>

namespace ravlo::test {

// A private JACK server on the dummy driver (no audio hardware), started for
// one test run under its own name and stopped again at the end. The clients
// of this process reach it through JACK_DEFAULT_SERVER.
class JackServer {
 public:
  // `period`: frames per cycle at 48 kHz. Request and answer cross the
  // server once per cycle each, so a test of many round trips wants short ones.
  explicit JackServer(int period = 1024);
  ~JackServer();
  JackServer(const JackServer&) = delete;
  JackServer& operator=(const JackServer&) = delete;

  bool Running() const { return running_; }
  const std::string& Failure() const { return failure_; }

 private:
  std::string name_;
  std::string failure_;
  FILE* output_ = nullptr;
  pid_t pid_ = -1;
  bool running_ = false;
};

}  // namespace ravlo::test
