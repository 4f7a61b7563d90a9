// ravlo-cli serve in one process and ravlo-cli receive in another, over a
// private JACK server: what the one serves is what the other writes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "JackServer.h"
#include "support/Bytes.h"
#include "support/ScratchDirectory.h"

namespace ravlo {
namespace {

using test::Bytes;

// ravlo-cli as the shell runs it; no argument holds a space.
std::string CliCommand(const std::string& arguments) {
  return std::string(RAVLO_CLI_PATH) + " " + arguments;
}

// What ravlo-cli run in this process printed, errors and all.
std::string RunInProcess(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  RunCli(arguments, out, out);
  return out.str();
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

  // The shell tells its process id, then becomes ravlo-cli serve, which is
  // killed however the test ends.
  pid_t servePid = -1;
  std::unique_ptr<FILE, std::function<void(FILE*)>> serve(
      ::popen(("echo $$; exec " + CliCommand("serve --load " + served + " --name ravlo-e2e-xg"))
                  .c_str(),
              "r"),
      [&servePid](FILE* output) {
        if (servePid > 0) ::kill(servePid, SIGKILL);
        ::pclose(output);
      });
  ASSERT_NE(serve, nullptr);
  char line[256] = {};
  ASSERT_NE(std::fgets(line, sizeof line, serve.get()), nullptr);
  servePid = std::stoi(line);
  ASSERT_NE(std::fgets(line, sizeof line, serve.get()), nullptr);
  ASSERT_STREQ(line, "ready\n");

  const std::string ports = RunInProcess({"ports"});
  const int out = IndexOf(ports, "ravlo-e2e-xg:in", false);
  const int in = IndexOf(ports, "ravlo-e2e-xg:out", true);
  ASSERT_GE(out, 0) << ports;
  ASSERT_GE(in, 0) << ports;

  const std::string received = scratch.File("received.syx");
  const auto start = std::chrono::steady_clock::now();
  // A patient timeout for a loaded machine: a healthy answer takes milliseconds.
  const int receive =
      std::system(CliCommand("receive -o " + received + " --port " + std::to_string(out) +
                             " --in-port " + std::to_string(in) + " --timeout 3000")
                      .c_str());
  EXPECT_TRUE(WIFEXITED(receive) && WEXITSTATUS(receive) == 0);
  // Told, not tested: the time depends on the machine and the server's cycle.
  std::cout << "receive over JACK (64-frame cycles) took "
            << (std::chrono::steady_clock::now() - start) / std::chrono::milliseconds(1) << " ms\n";

  const std::string expected = RunInProcess({"state", "--load", served});
  EXPECT_EQ(RunInProcess({"state", "--load", received}), expected);
  EXPECT_NE(expected, RunInProcess({"state"})) << "the served setup is not the defaults";

  ::kill(servePid, SIGTERM);
  const int ended = ::pclose(serve.release());
  EXPECT_TRUE(WIFEXITED(ended) && WEXITSTATUS(ended) == 0) << "serve ends cleanly on SIGTERM";
}

}  // namespace
}  // namespace ravlo
