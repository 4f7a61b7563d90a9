#include "messages/XgMessages.h"

#include <array>

namespace ravlo {

namespace {

constexpr int kAllNotesOffController = 123;

std::uint8_t ParameterChangeDevice(UnitNumber unit) {
  return static_cast<std::uint8_t>(0x10 | unit.Value());
}

std::uint8_t BulkDevice(UnitNumber unit) {
  return static_cast<std::uint8_t>(unit.Value());
}

// The high nibbles of the device byte: 0 dump, 1 change, 2 dump request, 3 parameter request.
constexpr std::uint8_t kDumpRequestDevice = 0x20;
constexpr std::uint8_t kParameterRequestDevice = 0x30;
constexpr std::size_t kRequestSize = 8;

// A data byte with its top bit set would read as a status byte (an F7 would
// end the message early), so whatever a malformed file left in the model
// leaves as seven bits.
std::uint8_t DataByte(std::uint8_t byte) {
  return byte & 0x7F;
}

// Many bytes a step: a save builds a dump for every part and drum note.
void AppendDataBytes(XgMessage& message, std::span<const std::uint8_t> data) {
  std::uint8_t* out = message.Data() + message.Size();
  for (std::size_t i = 0; i < data.size(); ++i) out[i] = DataByte(data[i]);
  message.Resize(message.Size() + data.size());
}

XgMessage Request(std::uint8_t device, UnitNumber unit, XgAddress address) {
  return {kSysexStart,
          kYamahaId,
          static_cast<std::uint8_t>(device | unit.Value()),
          kXgModelId,
          DataByte(address.high),
          DataByte(address.mid),
          DataByte(address.low),
          kSysexEnd};
}

XgMessage Command(UnitNumber unit, std::uint8_t low, std::uint8_t data) {
  return {kSysexStart, kYamahaId, ParameterChangeDevice(unit), kXgModelId, 0x00, 0x00, low,
          data,        kSysexEnd};
}

XgMessage AdSystemMessage(UnitNumber unit, std::uint8_t low) {
  return {kSysexStart, kYamahaId, ParameterChangeDevice(unit), kAdModelId, 0x01, 0x00, low,
          0x00,        kSysexEnd};
}

}  // namespace

std::uint8_t BulkChecksum(std::span<const std::uint8_t> countAddressAndData) {
  unsigned sum = 0;
  for (std::uint8_t byte : countAddressAndData) sum += byte;
  return static_cast<std::uint8_t>((128 - sum % 128) % 128);
}

XgMessage BuildParameterChange(UnitNumber unit, XgAddress address,
                               std::span<const std::uint8_t> data) {
  if (data.size() != 1 && data.size() != 2 && data.size() != 4) return {};
  return BuildWideParameterChange(unit, address, data);
}

XgMessage BuildWideParameterChange(UnitNumber unit, XgAddress address,
                                   std::span<const std::uint8_t> data) {
  if (data.empty() || data.size() > kMaxChangeData) return {};
  XgMessage message{kSysexStart, kYamahaId,  ParameterChangeDevice(unit), kXgModelId, address.high,
                    address.mid, address.low};
  AppendDataBytes(message, data);
  message.Append(kSysexEnd);
  return message;
}

XgMessage BuildParameterChange(UnitNumber unit, XgAddress address, std::uint8_t value) {
  const std::array<std::uint8_t, 1> data{value};
  return BuildParameterChange(unit, address, data);
}

XgMessage BuildBulkDump(UnitNumber unit, std::uint8_t modelId, XgAddress address,
                        std::span<const std::uint8_t> data) {
  if (data.size() > kMaxBulkData) return {};
  const auto count = static_cast<unsigned>(data.size());
  XgMessage message{kSysexStart,
                    kYamahaId,
                    BulkDevice(unit),
                    modelId,
                    static_cast<std::uint8_t>(count >> 7),
                    static_cast<std::uint8_t>(count & 0x7F),
                    address.high,
                    address.mid,
                    address.low};
  AppendDataBytes(message, data);
  message.Append(BulkChecksum(message.Bytes().subspan(4)));
  message.Append(kSysexEnd);
  return message;
}

XgMessage BuildXgSystemOn(UnitNumber unit) {
  return Command(unit, xg_block::kXgSystemOnLow, 0x00);
}

XgMessage BuildAllParameterReset(UnitNumber unit) {
  return Command(unit, xg_block::kAllParameterResetLow, 0x00);
}

XgMessage BuildDrumSetupReset(UnitNumber unit, int setup) {
  return Command(unit, xg_block::kDrumSetupResetLow, static_cast<std::uint8_t>(setup & 0x7F));
}

XgMessage BuildAdSystemMessage1(UnitNumber unit) {
  return AdSystemMessage(unit, 0x00);
}

XgMessage BuildAdSystemMessage2(UnitNumber unit) {
  return AdSystemMessage(unit, 0x01);
}

XgMessage BuildMixerBulk(UnitNumber unit) {
  // A fixed block with its checksum precomputed.
  return {kSysexStart,   kYamahaId, BulkDevice(unit),
          kMixerModelId, 0x00,      0x0C,
          0x00,          0x00,      0x00,
          0x40,          0x40,      0x40,
          0x40,          0x7F,      0x7F,
          0x00,          0x03,      0x00,
          0x00,          0x00,      0x40,
          0x33,          kSysexEnd};
}

XgMessage BuildBulkDumpRequest(UnitNumber unit, XgAddress address) {
  return Request(kDumpRequestDevice, unit, address);
}

XgMessage BuildParameterRequest(UnitNumber unit, XgAddress address) {
  return Request(kParameterRequestDevice, unit, address);
}

std::optional<XgRequest> ParseXgRequest(std::span<const std::uint8_t> m) {
  if (m.size() != kRequestSize || m[0] != kSysexStart || m[1] != kYamahaId ||
      m[kRequestSize - 1] != kSysexEnd) {
    return std::nullopt;
  }
  const std::uint8_t kind = m[2] & 0xF0;
  if (kind != kDumpRequestDevice && kind != kParameterRequestDevice) return std::nullopt;
  for (std::size_t i = 3; i < kRequestSize - 1; ++i) {
    if (!IsDataByte(m[i])) return std::nullopt;
  }
  return XgRequest{
      kind == kDumpRequestDevice ? XgRequest::Kind::BulkDump : XgRequest::Kind::Parameter,
      UnitNumber::FromValue(m[2]), m[3], XgAddress{m[4], m[5], m[6]}};
}

std::uint32_t PackChannelMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  return static_cast<std::uint32_t>(status) | (static_cast<std::uint32_t>(data1 & 0x7F) << 8) |
         (static_cast<std::uint32_t>(data2 & 0x7F) << 16);
}

std::uint32_t PackBankSelectMsb(MidiChannel channel, int msb) {
  return PackControlChange(channel, 0x00, msb);
}

std::uint32_t PackBankSelectLsb(MidiChannel channel, int lsb) {
  return PackControlChange(channel, 0x20, lsb);
}

std::uint32_t PackProgramChange(MidiChannel channel, int program) {
  return PackChannelMessage(static_cast<std::uint8_t>(0xC0 | (channel.Index() & 0x0F)),
                            static_cast<std::uint8_t>(program - 1), 0);
}

std::uint32_t PackControlChange(MidiChannel channel, int controller, int value) {
  return PackChannelMessage(static_cast<std::uint8_t>(0xB0 | (channel.Index() & 0x0F)),
                            static_cast<std::uint8_t>(controller),
                            static_cast<std::uint8_t>(value));
}

std::uint32_t PackAllNotesOff(MidiChannel channel) {
  return PackControlChange(channel, kAllNotesOffController, 0);
}

std::optional<std::size_t> BulkByteCount(std::span<const std::uint8_t> message) {
  if (message.size() < 6) return std::nullopt;
  return static_cast<std::size_t>(message[4]) * 128 + message[5];
}

std::optional<XgAddress> BulkAddress(std::span<const std::uint8_t> message) {
  if (message.size() < kBulkHeaderSize) return std::nullopt;
  return XgAddress{message[6], message[7], message[8]};
}

std::optional<XgAddress> ParameterChangeAddress(std::span<const std::uint8_t> message) {
  // F0 43 1n id ah am al, at least one data byte, F7.
  constexpr std::size_t kSmallest = 9;
  if (message.size() < kSmallest || message[0] != kSysexStart || message[1] != kYamahaId ||
      (message[2] & 0xF0) != 0x10) {
    return std::nullopt;
  }
  return XgAddress{message[4], message[5], message[6]};
}

}  // namespace ravlo
