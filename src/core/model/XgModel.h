#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "channels/ChannelTables.h"
#include "drums/DrumSetups.h"
#include "effects/EffectKind.h"
#include "model/XgEmitter.h"
#include "parts/PartTable.h"
#include "system/SystemBlock.h"
#include "uservoice/UserVoiceBanks.h"
#include "voices/UserVoiceElementSource.h"

namespace ravlo {

class MidiOutDevice;
class ModelEvents;
class Pauser;

// The one image of the synthesizer's editable state, addressed as XG
// addresses it, and the emitter through which every edit leaves. The blocks
// keep their bytes; the operations that turn edits into messages live here.
class XgModel final : public UserVoiceElementSource {
 public:
  static constexpr int kElementReserveLimit = 32;
  static constexpr int kDefaultReverbType = 1;
  static constexpr int kDefaultChorusType = 1;
  static constexpr int kDefaultVariationType = 20;

  XgModel(MidiOutDevice& midi, ModelEvents& events, Pauser& pauser, int unitNumber);
  ~XgModel() override;
  XgModel(const XgModel&) = delete;
  XgModel& operator=(const XgModel&) = delete;

  // Allocates every block and sets it to its defaults; false when memory
  // cannot be had (the caller then builds no editors).
  bool Initialise(int partCount = kPartCount, int drumSetupCount = kDrumSetupCount);
  bool IsInitialised() const { return parts_ != nullptr; }

  // Keeps n & 15; every message built from now on carries it.
  void SetUnitNumber(int unit) { emitter_.SetUnitNumber(unit); }
  int UnitNumber() const { return emitter_.UnitNumber(); }
  std::uint8_t ModelId() const { return emitter_.ModelId(); }

  void SetResetAdMixer(bool on) { emitter_.SetResetAdMixer(on); }
  bool ResetAdMixer() const { return emitter_.ResetAdMixer(); }

  // Everything but the user voices back to the XG defaults. Sends nothing.
  void ResetToDefaults();

  // --- Output -------------------------------------------------------------
  XgEmitter& Emitter() { return emitter_; }
  bool Emit(std::span<const std::uint8_t> message) { return emitter_.Emit(message); }
  bool SendReset() { return emitter_.SendReset(); }
  bool BeginRecording() { return emitter_.BeginRecording(); }
  std::span<const std::uint8_t> TakeRecording() const { return emitter_.TakeRecording(); }
  void EndRecording() { emitter_.EndRecording(); }
  bool IsRecording() const { return emitter_.IsRecording(); }

  // --- Blocks -------------------------------------------------------------
  SystemBlock& System() { return system_; }
  const SystemBlock& System() const { return system_; }
  PartTable& Parts() { return *parts_; }
  const PartTable& Parts() const { return *parts_; }
  DrumSetups& Drums() { return *drums_; }
  const DrumSetups& Drums() const { return *drums_; }
  ChannelTables& Channels() { return *channels_; }
  const ChannelTables& Channels() const { return *channels_; }
  UserVoiceBanks& UserVoices() { return *userVoices_; }
  const UserVoiceBanks& UserVoices() const { return *userVoices_; }

  int EffectType(EffectKind kind) const;
  void SetEffectType(EffectKind kind, int typeIndex);

  ModelEvents& Events() { return events_; }
  MidiOutDevice& Midi() { return emitter_.Midi(); }

  // The element count of Bank voice 0..31 (0 when it has no record yet).
  int UserVoiceElementCount(int voice) const override;

 private:
  ModelEvents& events_;
  XgEmitter emitter_;
  SystemBlock system_;
  std::array<int, 3> effectTypes_{kDefaultReverbType, kDefaultChorusType, kDefaultVariationType};
  std::unique_ptr<PartTable> parts_;
  std::unique_ptr<DrumSetups> drums_;
  std::unique_ptr<ChannelTables> channels_;
  std::unique_ptr<UserVoiceBanks> userVoices_;
};

}  // namespace ravlo
