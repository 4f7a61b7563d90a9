#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/InstrumentModel.h"
#include "sendpass/SendChoices.h"

namespace ravlo {

// A file to take in: as File Open does, or as a song (--song).
struct CliLoad {
  std::string path;
  bool song = false;
};

// The parsed command line of ravlo-cli.
struct CliArguments {
  std::string command;
  std::vector<CliLoad> loads;         // --load FILE and --song FILE, in order
  std::vector<std::string> files;     // positional files
  std::string output;                 // -o FILE
  SendChoices choices;                // --categories, --bulk
  int unit = 0;                       // --unit N
  bool adReset = false;               // --ad-reset
  bool storeUnrecognised = false;     // --store-unrecognized
  bool keepExtensions = false;        // --keep-extensions
  bool force = false;                 // --force
  std::optional<int> port;            // --port INDEX
  std::optional<int> inPort;          // --in-port INDEX
  std::optional<unsigned> delayMs;    // --delay MS
  std::optional<unsigned> timeoutMs;  // --timeout MS
  std::string name;                   // --name NAME
  std::string soundFont;              // --soundfont FILE
  std::optional<int> rate;            // --rate HZ
  bool sound = false;                 // --sound
  InstrumentModel instrument = InstrumentModel::Basic;  // --model basic|extended
};

// Fills `arguments` from argv; on a usage error returns false with a reason.
bool ParseCliArguments(const std::vector<std::string>& argv, CliArguments& arguments,
                       std::string& error);

extern const char* const kCliUsage;

}  // namespace ravlo
