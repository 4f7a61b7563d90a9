#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ravlo {

class IntakeHost;
class ProgressLabel;
class UserPrompts;
class XgModel;

inline constexpr const char* kErrorFileName = "RavloError.syx";

struct IntakeCounts {
  std::uint32_t recognisedMessages = 0;
  std::uint32_t recognisedBytes = 0;
  std::uint32_t unrecognisedMessages = 0;
  std::uint32_t unrecognisedBytes = 0;
};

struct IntakeResult {
  IntakeCounts counts;
  bool midiFile = false;
  // The unrecognised messages, back to back, in file order.
  std::vector<std::uint8_t> errorBuffer;
};

// Turns a stream of bytes (a .syx image, or a MIDI file's sysex events) into
// model state: each message the program accepts updates the model and is
// passed on unchanged, so the synthesizer follows the file as it loads; the
// rest is collected for the user to send anyway or keep in an error file.
class SysexIntake {
 public:
  static constexpr unsigned kMessagePauseMs = 10;

  // What happens to unrecognised bytes at the end of a load: the editor asks;
  // a batch run reports the counts and drops them, or stores them unasked.
  enum class UnrecognisedPolicy { Ask, Report, Store };

  SysexIntake(XgModel& model, UserPrompts& prompts, ProgressLabel& progress, IntakeHost& host);

  // One whole load: the Processing window, the host's auto reset, the scan,
  // and the question about what was not recognised. The image is written to
  // in MIDI-file mode.
  IntakeResult LoadSysexStream(std::span<std::uint8_t> image, const std::string& errorDirectory);

  // The scan alone: every message applied or collected, nothing asked.
  IntakeResult TakeIn(std::span<std::uint8_t> image);

  // Asks whether to send the unrecognised bytes anyway; if not, writes them
  // to the error file in `errorDirectory`.
  void OfferUnrecognised(const IntakeResult& result, const std::string& errorDirectory);

  // True when the message was accepted, applied and passed on.
  bool ApplyMessage(std::span<const std::uint8_t> message);

  void SetUnrecognisedPolicy(UnrecognisedPolicy policy) { policy_ = policy; }
  // The pause before each message; a slow synthesizer may need more.
  void SetMessagePause(unsigned milliseconds) { messagePauseMs_ = milliseconds; }

 private:
  bool ApplyBulkDump(std::span<const std::uint8_t> m);
  bool ApplyParameterChange(std::span<const std::uint8_t> m);
  bool ApplySystemParameter(std::span<const std::uint8_t> m);
  bool StoreSystemBulk(std::span<const std::uint8_t> m);
  bool StorePartBulk(std::span<const std::uint8_t> m);
  bool StoreDrumBulk(std::span<const std::uint8_t> m);
  bool PassOn(std::span<const std::uint8_t> m);

  XgModel& model_;
  UserPrompts& prompts_;
  ProgressLabel& progress_;
  IntakeHost& host_;
  UnrecognisedPolicy policy_ = UnrecognisedPolicy::Ask;
  unsigned messagePauseMs_ = kMessagePauseMs;
};

}  // namespace ravlo
