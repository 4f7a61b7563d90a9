#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/Indices.h"
#include "receive/ImageBlock.h"
#include "sendpass/SendChoices.h"

namespace ravlo {

// What a read-back brought: the blocks taken in, those that did not come
// (each with why, once), and whether it ended early.
struct ReceiveReport {
  struct Missing {
    ImageBlock block;
    std::string reason;  // "no answer", "the answer's checksum is wrong", ...
  };

  std::vector<ImageBlock> received;
  std::vector<Missing> missing;
  // Nothing answered the first request: nothing was asked after it.
  bool silent = false;
  bool cancelled = false;
  // A request could not be sent (the port's error was shown).
  bool failed = false;
  std::size_t requests = 0;
  std::size_t requestBytes = 0;
  std::size_t answerBytes = 0;

  // Every block came.
  bool Complete() const { return missing.empty() && !silent && !cancelled && !failed; }
  bool AnythingReceived() const { return !received.empty(); }
  // "System, effects, 16 parts, 2 drum setups received." and, where blocks
  // are missing, a line naming each with its reason.
  std::string Summary() const;
  // An all-bulk save of what arrived: every category, with the reset, except
  // those nothing came for.
  SendChoices SaveChoices() const;
};

// The sentences for a read-back that cannot start or that nobody answers.
std::string NoInputPortText(UnitNumber unit);
std::string NoAnswerText(std::string_view inputPort, UnitNumber unit);

}  // namespace ravlo
