#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "channels/ChannelModel.h"
#include "drums/DrumModel.h"
#include "effects/EffectModel.h"
#include "effects/InsertionEffectModel.h"
#include "extensions/ExtensionModel.h"
#include "model/AddressedBlock.h"
#include "model/Indices.h"
#include "model/InstrumentModel.h"
#include "model/ModelChange.h"
#include "model/XgEmitter.h"
#include "parts/PartModel.h"
#include "system/DisplayTextModel.h"
#include "system/SystemModel.h"
#include "uservoice/UserVoiceModel.h"
#include "voices/UserVoiceElementSource.h"

namespace ravlo {

class MidiOutDevice;
class ModelEvents;
class Pauser;

// The one image of the synthesizer's editable state, addressed as XG
// addresses it, and the emitter through which every edit leaves. Each block
// keeps its bytes and its operations in its own class; the model owns them
// all and lets them reach each other.
class XgModel final : public UserVoiceElementSource {
 public:
  static constexpr int kElementReserveLimit = 32;

  XgModel(MidiOutDevice& midi, ModelEvents& events, Pauser& pauser, UnitNumber unit);
  ~XgModel() override;
  XgModel(const XgModel&) = delete;
  XgModel& operator=(const XgModel&) = delete;

  // Allocates every block and sets it to its defaults; false when memory
  // cannot be had (the caller then builds no editors).
  bool Initialise(int partCount = kPartCount, int drumSetupCount = kExtendedDrumSetupCount);
  bool IsInitialised() const { return parts_ != nullptr; }

  // Every message built from now on carries it.
  void SetUnitNumber(UnitNumber unit) { emitter_.SetUnitNumber(unit); }
  UnitNumber Unit() const { return emitter_.Unit(); }
  std::uint8_t ModelId() const { return emitter_.ModelId(); }

  // The instrument the image stands for; Basic until told otherwise. With
  // Extended the insertion effects, the multi EQ and the display text are
  // blocks of the image; with Basic their addresses are extension
  // parameters. A switch carries what one side holds over to the other.
  void SetInstrument(InstrumentModel instrument);
  InstrumentModel Instrument() const { return instrument_; }
  bool IsExtended() const { return instrument_ == InstrumentModel::Extended; }

  void SetResetAdMixer(bool on) { emitter_.SetResetAdMixer(on); }
  bool ResetAdMixer() const { return emitter_.ResetAdMixer(); }

  // Everything but the user voices back to the XG defaults, and the
  // extension parameters gone. Sends nothing; one notice per block.
  void ResetToDefaults();

  // True when a block of the model takes a parameter at `address`: stores
  // it, or passes it on as it does the A/D parts. Every other address of the
  // XG model ID belongs to the extension parameters.
  bool KnowsAddress(XgAddress address) const;

  // --- Change notices -----------------------------------------------------
  // Observers hear every stored change, in the order of the changes. An
  // observer may unsubscribe (itself or another) while it is told.
  void Subscribe(ModelObserver& observer);
  void Unsubscribe(ModelObserver& observer);
  void Publish(const ModelChange& change) {
    if (!observers_.empty()) Notify(change);  // a file taken in with no window open
  }
  // One notice for all of a block (a load, a reset).
  void PublishWhole(ModelBlock block, int index = ModelChange::kAll) {
    if (!observers_.empty()) Notify(ModelChange{block, index, std::nullopt, 0, 0});
  }

  // --- Output -------------------------------------------------------------
  XgEmitter& Emitter() { return emitter_; }
  bool Emit(std::span<const std::uint8_t> message) { return emitter_.Emit(message); }
  bool SendReset() { return emitter_.SendReset(); }
  bool BeginRecording() { return emitter_.BeginRecording(); }
  std::span<const std::uint8_t> TakeRecording() const { return emitter_.TakeRecording(); }
  void EndRecording() { emitter_.EndRecording(); }
  bool IsRecording() const { return emitter_.IsRecording(); }

  // --- Blocks -------------------------------------------------------------
  SystemModel& System() { return *system_; }
  const SystemModel& System() const { return *system_; }
  EffectModel& Effects() { return *effects_; }
  const EffectModel& Effects() const { return *effects_; }
  PartModel& Parts() { return *parts_; }
  const PartModel& Parts() const { return *parts_; }
  DrumModel& Drums() { return *drums_; }
  const DrumModel& Drums() const { return *drums_; }
  ChannelModel& Channels() { return *channels_; }
  const ChannelModel& Channels() const { return *channels_; }
  UserVoiceModel& UserVoices() { return *userVoices_; }
  const UserVoiceModel& UserVoices() const { return *userVoices_; }
  ExtensionModel& Extensions() { return *extensions_; }
  const ExtensionModel& Extensions() const { return *extensions_; }
  // The later instruments' blocks; they take part only with Extended.
  InsertionEffectModel& Insertions() { return *insertions_; }
  const InsertionEffectModel& Insertions() const { return *insertions_; }
  AddressedBlock& MultiEq() { return *multiEq_; }
  const AddressedBlock& MultiEq() const { return *multiEq_; }
  DisplayTextModel& DisplayText() { return *displayText_; }
  const DisplayTextModel& DisplayText() const { return *displayText_; }

  ModelEvents& Events() { return events_; }
  MidiOutDevice& Midi() { return emitter_.Midi(); }

  // The element count of Bank voice 0..31 (0 when it has no record yet).
  int UserVoiceElementCount(int voice) const override;

 private:
  void Notify(const ModelChange& change);
  bool KnowsExtendedAddress(XgAddress address) const;
  // Kept extension parameters at addresses a block now holds go into it.
  void TakeInExtensions();
  // The later blocks' values, as extension parameters a Basic image keeps.
  void KeepExtendedBlocksAsExtensions();

  ModelEvents& events_;
  XgEmitter emitter_;
  std::vector<ModelObserver*> observers_;
  int publishing_ = 0;
  InstrumentModel instrument_ = InstrumentModel::Basic;
  std::unique_ptr<SystemModel> system_;
  std::unique_ptr<EffectModel> effects_;
  std::unique_ptr<PartModel> parts_;
  std::unique_ptr<DrumModel> drums_;
  std::unique_ptr<ChannelModel> channels_;
  std::unique_ptr<UserVoiceModel> userVoices_;
  std::unique_ptr<ExtensionModel> extensions_;
  std::unique_ptr<InsertionEffectModel> insertions_;
  std::unique_ptr<AddressedBlock> multiEq_;
  std::unique_ptr<DisplayTextModel> displayText_;
};

}  // namespace ravlo
