#pragma once

#include <optional>

#include "messages/IdentityMessages.h"
#include "model/InstrumentModel.h"

namespace ravlo {

class MidiInQueue;
class Pauser;
class XgModel;

// What an instrument said about itself.
struct InstrumentAnswer {
  std::optional<DeviceIdentity> identity;
  // The model it stands for; none when no XG instrument answered.
  std::optional<InstrumentModel> model;
};

// Asks the instrument who it is (the universal Identity Request), and when
// the XG instruments' maker answers, whether it holds the later instruments'
// blocks: one that answers a dump request for the multi EQ stands for the
// Extended model, one that does not for Basic. Each answer is waited for up
// to `timeoutMs`, counted in pauses. Sends through the model's emitter and
// stores nothing.
InstrumentAnswer AskInstrument(XgModel& model, MidiInQueue& input, Pauser& pauser,
                               unsigned timeoutMs);

}  // namespace ravlo
