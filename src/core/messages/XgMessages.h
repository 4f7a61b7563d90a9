#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "messages/XgMessage.h"
#include "model/Indices.h"

namespace ravlo {

// Pure builders of every message form the program sends. The unit number n
// (0..15) becomes the device byte 0x10|n of a parameter change and 0x0n of a
// bulk dump. Data bytes always leave as seven bits.

// (128 - sum mod 128) mod 128 over the count, address and data bytes.
std::uint8_t BulkChecksum(std::span<const std::uint8_t> countAddressAndData);

// F0 43 1n 4C ah am al data.. F7, with 1, 2 or 4 data bytes. Empty on a bad
// data length.
XgMessage BuildParameterChange(UnitNumber unit, XgAddress address,
                               std::span<const std::uint8_t> data);
// The same with as many data bytes as the message holds (1 .. 384): a
// parameter the model has no table for keeps the size it came with (a
// display text is 32 letters). Empty when there are none or too many.
XgMessage BuildWideParameterChange(UnitNumber unit, XgAddress address,
                                   std::span<const std::uint8_t> data);
XgMessage BuildParameterChange(UnitNumber unit, XgAddress address, std::uint8_t value);

// F0 43 0n id bh bl ah am al data.. cs F7. Empty when the data exceed 381 bytes.
XgMessage BuildBulkDump(UnitNumber unit, std::uint8_t modelId, XgAddress address,
                        std::span<const std::uint8_t> data);

XgMessage BuildXgSystemOn(UnitNumber unit);
XgMessage BuildAllParameterReset(UnitNumber unit);
XgMessage BuildDrumSetupReset(UnitNumber unit, int setup);
XgMessage BuildAdSystemMessage1(UnitNumber unit);
XgMessage BuildAdSystemMessage2(UnitNumber unit);
XgMessage BuildMixerBulk(UnitNumber unit);

// The requests an XG instrument answers, as the MIDI data formats of Yamaha's
// XG tone generators give them ("Parameter Request" and "Dump Request"):
// F0 43 2n 4C hh mm ll F7 asks for the bulk dump of the block that starts at
// the address, F0 43 3n 4C hh mm ll F7 for the parameter change of the
// parameter there.
XgMessage BuildBulkDumpRequest(UnitNumber unit, XgAddress address);
XgMessage BuildParameterRequest(UnitNumber unit, XgAddress address);

struct XgRequest {
  enum class Kind { BulkDump, Parameter };
  Kind kind = Kind::BulkDump;
  UnitNumber unit = UnitNumber::FromValue(0);
  std::uint8_t modelId = kXgModelId;
  XgAddress address;
};

// A whole message read as one of the two requests (of any model ID); none
// for anything else, a request of another length included.
std::optional<XgRequest> ParseXgRequest(std::span<const std::uint8_t> message);

// Channel messages, packed for MidiOutDevice::SendShort.
std::uint32_t PackChannelMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
std::uint32_t PackBankSelectMsb(MidiChannel channel, int msb);
std::uint32_t PackBankSelectLsb(MidiChannel channel, int lsb);
// Programs are counted 1..128 in the model and sent 0..127.
std::uint32_t PackProgramChange(MidiChannel channel, int program);
std::uint32_t PackControlChange(MidiChannel channel, int controller, int value);
// Controller 123 with value 0: every note sounding on the channel stops.
std::uint32_t PackAllNotesOff(MidiChannel channel);

// The byte count of a bulk dump (m[4]*128 + m[5]); none for a message shorter
// than a bulk header.
std::optional<std::size_t> BulkByteCount(std::span<const std::uint8_t> message);
// The address a bulk dump starts at (m[6..8]); none for a message shorter
// than a bulk header.
std::optional<XgAddress> BulkAddress(std::span<const std::uint8_t> message);
// The address of a parameter change (m[4..6]); none for any other message.
std::optional<XgAddress> ParameterChangeAddress(std::span<const std::uint8_t> message);

}  // namespace ravlo
