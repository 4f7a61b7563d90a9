#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ravlo {

// Runs one ravlo-cli command line (without the program name), writing its
// output and messages to the given streams; returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ravlo
