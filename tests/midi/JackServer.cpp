#include "JackServer.h"

#include <signal.h>
#include <unistd.h>

#include <cstdlib>

namespace ravlo::test {

JackServer::JackServer(int period) : name_("ravlo-test-" + std::to_string(getpid())) {
  setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
  setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);
  // The shell tells its process id, then becomes the server: synchronous,
  // with a patient client timeout, so that on a busy machine a client that
  // is late makes the cycle late instead of losing its messages.
  output_ =
      popen(("echo $$; exec jackd -n " + name_ + " --no-realtime -S -t 5000 -d dummy -r 48000 -p " +
             std::to_string(period) + " >/dev/null 2>&1")
                .c_str(),
            "r");
  char line[32] = {};
  if (output_ == nullptr || fgets(line, sizeof line, output_) == nullptr) {
    failure_ = "jackd could not be started";
    return;
  }
  pid_ = std::stoi(line);
  running_ = std::system(("jack_wait -s " + name_ + " -w -t 10 >/dev/null 2>&1").c_str()) == 0;
  if (!running_) failure_ = "the JACK server did not come up within 10 s (is jackd2 installed?)";
}

JackServer::~JackServer() {
  if (pid_ > 0) kill(pid_, SIGTERM);
  if (output_ != nullptr) pclose(output_);  // waits for the server to end
}

}  // namespace ravlo::test
