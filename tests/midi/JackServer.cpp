#include "JackServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

extern char** environ;

namespace ravlo::test {

namespace {

int Run(const std::vector<std::string>& arguments, pid_t* pid, bool quiet) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (quiet) {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  }
  const int result = posix_spawnp(pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return result;
}

}  // namespace

JackServer::JackServer(int period) : name_("ravlo-test-" + std::to_string(getpid())) {
  setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
  setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);
  // Synchronous, with a patient client timeout: on a busy machine a client
  // that is late makes the cycle late instead of losing its messages.
  if (Run({"jackd", "-n", name_, "--no-realtime", "-S", "-t", "5000", "-d", "dummy", "-r", "48000",
           "-p", std::to_string(period)},
          &pid_, true) != 0) {
    failure_ = "jackd could not be started (is jackd2 installed?)";
    pid_ = -1;
    return;
  }
  pid_t waiter = -1;
  if (Run({"jack_wait", "-s", name_, "-w", "-t", "10"}, &waiter, true) != 0) {
    failure_ = "jack_wait could not be started";
    return;
  }
  int status = 0;
  waitpid(waiter, &status, 0);
  running_ = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!running_) failure_ = "the JACK server did not come up within 10 s";
}

JackServer::~JackServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

}  // namespace ravlo::test
