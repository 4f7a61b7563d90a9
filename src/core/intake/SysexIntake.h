#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "messages/XgMessage.h"

namespace ravlo {

class IntakeHost;
class ProgressLabel;
class SongSetup;
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
  // A song's setup: the channel messages taken in, and those the model has
  // no place for.
  std::uint32_t channelMessages = 0;
  std::uint32_t channelMessagesLeft = 0;
  // The user stopped the load; what came before stays applied.
  bool cancelled = false;
  // There was no memory for the load's buffers: nothing was taken in.
  bool noMemory = false;

  // Not one message of any kind was found.
  bool Empty() const {
    return counts.recognisedMessages + counts.unrecognisedMessages + channelMessages +
               channelMessagesLeft ==
           0;
  }
};

// Turns a stream of bytes (a .syx image, or a MIDI file's sysex events) into
// model state: each message the program accepts is passed on unchanged and
// then stored, so the synthesizer follows the file as it loads; the rest is
// collected for the user to send anyway or keep in an error file.
class SysexIntake {
 public:
  static constexpr unsigned kMessagePauseMs = 10;

  // What happens to unrecognised bytes at the end of a load: the editor asks;
  // a batch run reports the counts and drops them, or stores them unasked.
  enum class UnrecognisedPolicy { Ask, Report, Store };

  SysexIntake(XgModel& model, UserPrompts& prompts, ProgressLabel& progress, IntakeHost& host);

  // One whole load: the Processing window (with Cancel, which stops at the
  // next message and keeps what was applied), the scan, and the question
  // about what was not recognised. The image is written to in MIDI-file mode.
  IntakeResult LoadSysexStream(std::span<std::uint8_t> image, const std::string& errorDirectory);

  // The scan alone: every message applied or collected, nothing asked. The
  // host's auto reset goes out just before the first message that applies,
  // so a file with nothing to apply leaves the synthesizer alone. When parts
  // changed, the channel rows follow them at the end.
  IntakeResult TakeIn(std::span<std::uint8_t> image);

  // A song's setup, as Import Song Setup takes it: the Processing window,
  // its sysex messages as a load takes them and each channel's messages
  // through the channel setters, in the song's order, the question about
  // what was not recognised, and a word about the channel messages left out.
  IntakeResult LoadSong(const SongSetup& song, const std::string& errorDirectory);

  // Asks whether to send the unrecognised bytes anyway; if not, writes them
  // to the error file in `errorDirectory`.
  void OfferUnrecognised(const IntakeResult& result, const std::string& errorDirectory);

  // True when the message was accepted, passed on and applied. The pause
  // between messages goes before each message that is passed on, and only there.
  bool ApplyMessage(std::span<const std::uint8_t> message);
  // A message the synthesizer itself sent (an answer to a request): applied
  // as a file's message is, but neither paused for nor passed back to it.
  bool ApplyReceived(std::span<const std::uint8_t> message);

  void SetUnrecognisedPolicy(UnrecognisedPolicy policy) { policy_ = policy; }
  // Whether XG parameters at addresses no block holds are kept in the
  // model's extension image (recognised) or left unrecognised.
  void SetKeepExtensions(bool on) { keepExtensions_ = on; }
  // The pause before each message; a slow synthesizer may need more.
  void SetMessagePause(unsigned milliseconds) { messagePauseMs_ = milliseconds; }

 private:
  // Where a message goes, decided from its bytes alone.
  enum class Route {
    Unrecognised,
    PassOn,  // A/D, mixer and universal messages: passed on, nothing stored
    UserVoice,
    SystemBulk,
    EffectBulk,
    PartBulk,
    DrumBulk,
    SystemParameter,
    EffectParameter,
    PartParameter,
    DrumParameter,
    ExtendedBulk,       // a later instrument's block (the Extended model)
    ExtendedParameter,  // its parameter change
    Extension           // an address no block holds, kept by address
  };
  // One load message by message: counted, applied or collected.
  // Room for every message of a load in the error buffer; false (and
  // noMemory) when there is none.
  static bool Reserve(IntakeResult& result, std::size_t bytes);
  void StartTake();
  // False when the user cancelled before it.
  bool TakeMessage(std::span<const std::uint8_t> message, IntakeResult& result);
  // The host's auto reset, once per load, before the first change it makes.
  void BeforeApplying();
  void FinishTake();

  Route Classify(std::span<const std::uint8_t> m) const;
  Route ClassifyKnown(std::span<const std::uint8_t> m) const;
  bool IsExtension(std::span<const std::uint8_t> m) const;
  Route ClassifyBulk(std::span<const std::uint8_t> m) const;
  Route ClassifyParameterChange(std::span<const std::uint8_t> m) const;
  bool Apply(Route route, std::span<const std::uint8_t> m);
  bool ClassifyAndApply(std::span<const std::uint8_t> m);

  bool StoreSystemBulk(std::span<const std::uint8_t> m);
  bool StorePartBulk(std::span<const std::uint8_t> m);
  bool StoreDrumBulk(std::span<const std::uint8_t> m);
  bool StorePartParameter(std::span<const std::uint8_t> m);
  bool StoreDrumParameter(std::span<const std::uint8_t> m);
  bool ApplySystemParameter(std::span<const std::uint8_t> m);
  bool StoreExtension(std::span<const std::uint8_t> m);
  // Insertion, multi EQ or display data from `address` on.
  bool StoreExtended(XgAddress address, std::span<const std::uint8_t> data);
  // With Extended, the data bytes a parameter change of a later block needs.
  std::optional<std::size_t> ExtendedDataSize(XgAddress address) const;
  // With the extensions kept, a dump's bytes at addresses no block holds.
  void KeepUnheldBytes(XgAddress first, std::span<const std::uint8_t> data);
  bool PassOn(std::span<const std::uint8_t> m);
  // The pause that paces the synthesizer, before a message goes to it.
  void PauseBeforeSending();
  // The receive channel of the multi part an XG message is for; none for
  // any other message.
  std::optional<int> PartChannelOf(std::span<const std::uint8_t> m) const;

  XgModel& model_;
  UserPrompts& prompts_;
  ProgressLabel& progress_;
  IntakeHost& host_;
  UnrecognisedPolicy policy_ = UnrecognisedPolicy::Ask;
  unsigned messagePauseMs_ = kMessagePauseMs;
  bool keepExtensions_ = false;
  bool partsTouched_ = false;
  bool resetSent_ = false;
  bool passingOn_ = true;
};

}  // namespace ravlo
