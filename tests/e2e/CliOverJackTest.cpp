// ravlo-cli serve in one process and ravlo-cli receive in another, over a
// private JACK server: what the one serves is what the other writes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "JackServer.h"
#include "support/Bytes.h"
#include "support/ScratchDirectory.h"

extern char** environ;

namespace ravlo {
namespace {

using test::Bytes;

// A child process of ravlo-cli, its standard output read through a pipe.
class CliProcess {
 public:
  explicit CliProcess(const std::vector<std::string>& arguments) {
    std::vector<std::string> all{RAVLO_CLI_PATH};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], 1);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    output_ = pipe[0];
  }
  ~CliProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (output_ >= 0) ::close(output_);
  }

  bool Started() const { return pid_ > 0; }
  // Reads standard output until `line` came on its own, the output ended, or
  // `limit` passed without a byte (a guard against a hang, not a measure).
  bool WaitForLine(const std::string& line, std::chrono::milliseconds limit) {
    std::string seen;
    char byte = 0;
    pollfd readable{output_, POLLIN, 0};
    while (::poll(&readable, 1, static_cast<int>(limit.count())) > 0 &&
           ::read(output_, &byte, 1) == 1) {
      if (byte != '\n') {
        seen += byte;
      } else if (seen == line) {
        return true;
      } else {
        seen.clear();
      }
    }
    return false;
  }
  void Signal(int signal) { ::kill(pid_, signal); }
  // The exit status, or -1 when it did not exit normally.
  int Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int output_ = -1;
};

std::string RunInProcess(const std::vector<std::string>& arguments, int& status) {
  std::ostringstream out;
  std::ostringstream err;
  status = RunCli(arguments, out, err);
  return out.str() + err.str();
}

int IndexOf(const std::string& listing, const std::string& name, bool inputs) {
  std::istringstream lines(listing);
  bool inInputs = false;
  for (std::string line; std::getline(lines, line);) {
    if (line == "inputs:") inInputs = true;
    const std::size_t colon = line.find(": ");
    if (inInputs == inputs && colon != std::string::npos && line.substr(colon + 2) == name) {
      return std::stoi(line.substr(0, colon));
    }
  }
  return -1;
}

TEST(CliOverJack, ReceiveWritesTheStateThatServeWasGiven) {
  test::JackServer server(64);
  ASSERT_TRUE(server.Running()) << server.Failure();
  const test::ScratchDirectory scratch("ravlo-cli-jack");
  // A setup off the defaults in a few blocks: that a receive reads back every
  // block is the receiver's own test, the transport is what is tested here.
  const std::string served = scratch.Put(
      "served.syx",
      test::Join(test::SystemChange(0x04, {0x5A}), test::EffectChange(0x20, {0x43, 0x08}),
                 test::PartChange(4, 0x0B, 0x30),
                 Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x2A, 0x0B, 0x10, 0xF7})));

  CliProcess serve({"serve", "--load", served, "--name", "ravlo-e2e-xg"});
  ASSERT_TRUE(serve.Started());
  ASSERT_TRUE(serve.WaitForLine("ready", std::chrono::seconds(20)));

  int status = 0;
  const std::string ports = RunInProcess({"ports"}, status);
  const int out = IndexOf(ports, "ravlo-e2e-xg:in", false);
  const int in = IndexOf(ports, "ravlo-e2e-xg:out", true);
  ASSERT_GE(out, 0) << ports;
  ASSERT_GE(in, 0) << ports;

  const std::string received = scratch.File("received.syx");
  const auto start = std::chrono::steady_clock::now();
  // A patient timeout: a loaded machine may be slow, and a healthy answer
  // comes within milliseconds whatever the limit.
  CliProcess receive({"receive", "-o", received, "--port", std::to_string(out), "--in-port",
                      std::to_string(in), "--timeout", "3000"});
  ASSERT_TRUE(receive.Started());
  EXPECT_EQ(receive.Wait(), 0);
  // Told, not tested: the time depends on the machine and the server's cycle.
  std::cout << "receive over JACK (64-frame cycles) took "
            << std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
                   .count()
            << " ms\n";

  const std::string expected = RunInProcess({"state", "--load", served}, status);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(RunInProcess({"state", "--load", received}, status), expected);
  EXPECT_EQ(status, 0);
  const std::string defaults = RunInProcess({"state"}, status);
  EXPECT_NE(expected, defaults) << "the served setup is not the defaults";

  serve.Signal(SIGTERM);
  EXPECT_EQ(serve.Wait(), 0) << "serve ends cleanly on SIGTERM";
}

}  // namespace
}  // namespace ravlo
