#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "intake/IntakeHost.h"
#include "intake/SysexIntake.h"
#include "messages/IdentityMessages.h"
#include "midi/DiscardingBackend.h"
#include "midi/MidiOutDevice.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"
#include "platform/ProgressLabel.h"
#include "platform/QuietPlatform.h"
#include "song/ChannelSetup.h"
#include "sound/XgSoundMap.h"

namespace ravlo {

class ModelSound;

// An XG tone generator in software. It keeps an image of everything it is
// sent, from the XG defaults on (System On and the resets included), in a
// model of its own fed through the intake, and answers bulk dump and
// parameter requests from that image as an instrument does: a request for
// an address outside the image gets no answer. Channel messages reach the
// image as an instrument takes them (bank select and program change, the
// controllers, the registered and XG non-registered parameters). Given a
// sound engine, it plays what its image says. It stands for an instrument
// of one model: with Extended it also holds and answers for the insertion
// effects and the multi EQ. To an Identity Request it answers with the
// maker's ID and family of the XG instruments and a member code of its own
// per model. The built-in monitor port, `ravlo-cli serve` and `ravlo-cli
// render` run one, and tests use it as the synthesizer.
class VirtualSynth final : private ModelEvents, private IntakeHost {
 public:
  // Set to a unit, it answers and takes in only what is addressed to that
  // unit; without one it stands for whichever unit a message names.
  explicit VirtualSynth(std::optional<UnitNumber> unit = std::nullopt,
                        InstrumentModel instrument = InstrumentModel::Basic);
  ~VirtualSynth() override;
  VirtualSynth(const VirtualSynth&) = delete;
  VirtualSynth& operator=(const VirtualSynth&) = delete;

  // One whole message it was sent (sysex or a channel message); the answer,
  // when it is a request the image can answer.
  std::optional<XgMessage> Receive(std::span<const std::uint8_t> message);
  // Whether Receive may answer `message`: a request, not a change.
  static bool AsksForAnswer(std::span<const std::uint8_t> message);
  // A file's bytes taken in as File Open takes them, without a reset first,
  // so that several files merge.
  IntakeResult TakeIn(std::span<std::uint8_t> image);

  // Takes XG parameters at addresses no block holds, as the editor's switch does.
  void SetKeepExtensions(bool keep) { intake_.SetKeepExtensions(keep); }

  // Plays the image on `engine` from now on (null: silent again).
  void AttachSound(SoundEngine* engine);
  // The preset a part is heard on; none while silent.
  std::optional<HeardPreset> Heard(PartIndex part) const;

  const XgModel& Image() const { return model_; }
  // The model it stands for from now on (what it holds is carried over).
  void SetInstrument(InstrumentModel instrument) { model_.SetInstrument(instrument); }
  // What it answers to an Identity Request.
  static DeviceIdentity Identity(InstrumentModel instrument);

 private:
  void ReceiveChannelMessage(std::span<const std::uint8_t> message);
  bool ForAnotherUnit(std::span<const std::uint8_t> message) const;
  void StartChannels();

  // ModelEvents: an instrument resets itself.
  void RaiseMark(RefreshMark, int) override {}
  void ResetRequested() override;
  void AllParametersReset() override {}
  void DrumSetupWasReset(int) override {}
  // IntakeHost
  void AutoReset() override {}

  std::optional<UnitNumber> unit_;
  DiscardingBackend backend_;
  QuietPrompts prompts_;
  NoPauser pauser_;
  SilentProgress progress_;
  MidiOutDevice device_{backend_, prompts_};
  XgModel model_;
  SysexIntake intake_;
  // Bank selects wait for the program change; a reset forgets them.
  std::optional<ChannelSetup> channels_;
  std::unique_ptr<ModelSound> sound_;
};

}  // namespace ravlo
