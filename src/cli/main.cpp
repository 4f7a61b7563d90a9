// ravlo-cli: scripting and batch work over the same core the editor uses.
#include <iostream>
#include <string>
#include <vector>

#include "CliCommands.h"

int main(int argc, char** argv) {
  return ravlo::RunCli({argv + 1, argv + argc}, std::cout, std::cerr);
}
