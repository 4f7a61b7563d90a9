#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "messages/IdentityMessages.h"
#include "messages/XgMessages.h"
#include "midi/ShortMessage.h"
#include "support/Bytes.h"
#include "support/TypedIndices.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::ChannelAt;
using test::PartChange;
using test::SystemChange;
using test::UnitAt;

std::vector<std::uint8_t> Of(const XgMessage& message) {
  return {message.Bytes().begin(), message.Bytes().end()};
}

TEST(BulkChecksum, MakesCountAddressDataAndChecksumAMultipleOf128) {
  // System defaults: 0x07 + 00 00 00 + 00 04 00 00 7F 00 40 = 0xCA.
  const auto summed =
      Bytes({0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x7F, 0x00, 0x40});
  EXPECT_EQ(BulkChecksum(summed), 0x36);
  const auto multiple = Bytes({0x40, 0x40});
  EXPECT_EQ(BulkChecksum(multiple), 0) << "a sum that is a multiple of 128 gives 0, never 128";
  EXPECT_EQ(BulkChecksum({}), 0);
  const auto one = Bytes({0x01});
  EXPECT_EQ(BulkChecksum(one), 0x7F);
}

TEST(BuildParameterChange, TakesOneTwoOrFourDataBytesAndTheUnitNumber) {
  const auto one = Bytes({0x50});
  EXPECT_EQ(Of(BuildParameterChange(UnitAt(0), {0x08, 0x03, 0x0B}, one)),
            PartChange(3, 0x0B, 0x50));
  const auto two = Bytes({0x08, 0x00});
  EXPECT_EQ(Of(BuildParameterChange(UnitAt(5), {0x08, 0x00, 0x09}, two)),
            Bytes({0xF0, 0x43, 0x15, 0x4C, 0x08, 0x00, 0x09, 0x08, 0x00, 0xF7}));
  // Master Tune +100: u = 1124 = 0x464.
  const auto four = Bytes({0x00, 0x04, 0x06, 0x04});
  EXPECT_EQ(Of(BuildParameterChange(UnitAt(0), {0x00, 0x00, 0x00}, four)),
            SystemChange(0x00, {0x00, 0x04, 0x06, 0x04}));
  const auto three = Bytes({1, 2, 3});
  EXPECT_TRUE(BuildParameterChange(UnitAt(0), {}, three).Empty());
  EXPECT_TRUE(BuildParameterChange(UnitAt(0), {}, std::span<const std::uint8_t>{}).Empty());
  EXPECT_EQ(BuildParameterChange(UnitAt(0x13), {0, 0, 4}, 0x7F)[2], 0x13)
      << "only the low nibble counts";
}

TEST(BuildBulkDump, SplitsTheCountAndAppendsTheChecksum) {
  const auto system = Bytes({0x00, 0x04, 0x00, 0x00, 0x7F, 0x00, 0x40});
  EXPECT_EQ(Of(BuildBulkDump(UnitAt(0), kXgModelId, {0, 0, 0}, system)),
            Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00,
                   0x7F, 0x00, 0x40, 0x36, 0xF7}));

  std::vector<std::uint8_t> voice(381, 0x01);
  const XgMessage dump = BuildBulkDump(UnitAt(3), kQs300ModelId, {0x11, 0x05, 0x00}, voice);
  ASSERT_EQ(dump.Size(), 392u);
  EXPECT_EQ((std::vector{dump[2], dump[4], dump[5]}), Bytes({0x03, 0x02, 0x7D}));
  const auto body = dump.Bytes().subspan(4, 387);
  EXPECT_EQ(std::accumulate(body.begin(), body.end(), 0u) % 128, 0u)
      << "the checksum includes the 02";
  EXPECT_EQ(dump[391], 0xF7);

  const auto highBits = Bytes({0xF7, 0x80});
  const XgMessage masked = BuildBulkDump(UnitAt(0), kXgModelId, {0x30, 40, 0x00}, highBits);
  EXPECT_EQ((std::vector{masked[9], masked[10]}), Bytes({0x77, 0x00}))
      << "no data byte can end the message early";
  EXPECT_EQ(BuildParameterChange(UnitAt(0), {0x08, 0x00, 0x0B}, 0xF7)[7], 0x77);

  std::vector<std::uint8_t> tooLong(382, 0);
  EXPECT_TRUE(BuildBulkDump(UnitAt(0), kXgModelId, {}, tooLong).Empty());
  // The count is read back only from a message long enough to carry one.
  EXPECT_FALSE(BulkByteCount(Bytes({0xF0, 0x43, 0x00, 0x4C, 0x02})));
  EXPECT_EQ(*BulkByteCount(Bytes({0xF0, 0x43, 0x00, 0x4B, 0x02, 0x7D})), 381u);
}

TEST(CommandMessages, CarryTheDeviceByteOfTheUnit) {
  EXPECT_EQ(Of(BuildXgSystemOn(UnitAt(2))),
            Bytes({0xF0, 0x43, 0x12, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}));
  EXPECT_EQ(Of(BuildAllParameterReset(UnitAt(0))), SystemChange(0x7F, {0x00}));
  EXPECT_EQ(Of(BuildDrumSetupReset(UnitAt(0), 1)), SystemChange(0x7D, {0x01}));
  EXPECT_EQ(Of(BuildAdSystemMessage1(UnitAt(1))),
            Bytes({0xF0, 0x43, 0x11, 0x49, 0x01, 0x00, 0x00, 0x00, 0xF7}));
  EXPECT_EQ(Of(BuildAdSystemMessage2(UnitAt(1))),
            Bytes({0xF0, 0x43, 0x11, 0x49, 0x01, 0x00, 0x01, 0x00, 0xF7}));
  const XgMessage mixer = BuildMixerBulk(UnitAt(4));
  ASSERT_EQ(mixer.Size(), 23u);
  EXPECT_EQ(mixer[2], 0x04);
  EXPECT_EQ(*BulkByteCount(mixer.Bytes()) + kBulkOverhead, mixer.Size());
  EXPECT_EQ(BulkChecksum(mixer.Bytes().subspan(4, 17)), mixer[21]) << "precomputed checksum holds";
}

TEST(ChannelMessages, PackAndUnpackToTheirWireBytes) {
  auto wire = [](std::uint32_t packed) {
    const ShortMessage message(packed);
    return std::vector<std::uint8_t>(message.Bytes().begin(), message.Bytes().end());
  };
  EXPECT_EQ(wire(PackAllNotesOff(ChannelAt(15))), Bytes({0xBF, 0x7B, 0x00}));
  EXPECT_EQ(wire(0xE0 | (0x40 << 16)), Bytes({0xE0, 0x00, 0x40}));
  EXPECT_TRUE(wire(0x45).empty()) << "a data byte is no message";
  EXPECT_EQ(wire(0xFE), Bytes({0xFE}));
  EXPECT_EQ(ShortMessage(PackControlChange(ChannelAt(2), 93, 64)).Describe(),
            "Control Change\tch 3\t93\t64");
  EXPECT_EQ(ShortMessage(PackProgramChange(ChannelAt(0), 1)).Describe(), "Program Change\tch 1\t0");
  EXPECT_EQ(ShortMessage(0x90 | (60 << 8) | (100 << 16)).Describe(), "Note On\tch 1\t60 (C3)\t100");
  EXPECT_EQ(ShortMessage(0x8F | (1 << 8)).Describe(), "Note Off\tch 16\t1 (C#-2)\t0");
}

TEST(Requests, CarryTheirKindAndUnitInTheDeviceByteAndParseBack) {
  EXPECT_EQ(Of(BuildBulkDumpRequest(UnitAt(0), {0x00, 0x00, 0x00})),
            Bytes({0xF0, 0x43, 0x20, 0x4C, 0x00, 0x00, 0x00, 0xF7}));
  EXPECT_EQ(Of(BuildBulkDumpRequest(UnitAt(3), {0x08, 0x0F, 0x30})),
            Bytes({0xF0, 0x43, 0x23, 0x4C, 0x08, 0x0F, 0x30, 0xF7}));
  EXPECT_EQ(Of(BuildParameterRequest(UnitAt(15), {0x31, 0x24, 0x0B})),
            Bytes({0xF0, 0x43, 0x3F, 0x4C, 0x31, 0x24, 0x0B, 0xF7}));
  EXPECT_EQ(Of(BuildParameterRequest(UnitAt(0), {0x82, 0x81, 0xFF})),
            Bytes({0xF0, 0x43, 0x30, 0x4C, 0x02, 0x01, 0x7F, 0xF7}))
      << "an address byte never leaves as a status byte";

  // What was built parses back; other messages are no requests.
  const XgMessage dump = BuildBulkDumpRequest(UnitAt(5), {0x30, 0x24, 0x00});
  const auto parsed = ParseXgRequest(dump.Bytes());
  ASSERT_TRUE(parsed);
  EXPECT_EQ(
      std::tuple(parsed->kind, parsed->unit, parsed->modelId, parsed->address),
      std::tuple(XgRequest::Kind::BulkDump, UnitAt(5), kXgModelId, XgAddress{0x30, 0x24, 0x00}));

  const auto parameter =
      ParseXgRequest(BuildParameterRequest(UnitAt(2), {0x02, 0x01, 0x42}).Bytes());
  ASSERT_TRUE(parameter);
  EXPECT_EQ(std::tuple(parameter->kind, parameter->unit),
            std::tuple(XgRequest::Kind::Parameter, UnitAt(2)));
  for (const auto& message : {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0xF7}),
                              Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x00, 0x04, 0xF7}),
                              Bytes({0xF0, 0x43, 0x20, 0x4C, 0x00, 0x00, 0x00, 0x00, 0xF7}),
                              Bytes({0xF0, 0x43, 0x20, 0x4C, 0x00, 0x00, 0x00, 0x00}),
                              Bytes({0xF0, 0x41, 0x20, 0x4C, 0x00, 0x00, 0x00, 0xF7}),
                              Bytes({0xF0, 0x43, 0x20, 0x4C, 0x00, 0x90, 0x00, 0xF7})}) {
    EXPECT_FALSE(ParseXgRequest(message)) << testing::PrintToString(message);
  }
  const auto qs300 = Bytes({0xF0, 0x43, 0x20, 0x4B, 0x11, 0x00, 0x00, 0xF7});
  ASSERT_TRUE(ParseXgRequest(qs300)) << "any model ID parses; the listener decides";
  EXPECT_EQ(ParseXgRequest(qs300)->modelId, kQs300ModelId);
}

TEST(IdentityMessages, RequestsAndRepliesAsTheUniversalMessagesDefineThem) {
  EXPECT_EQ(Of(BuildIdentityRequest()), test::Bytes({0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}));
  EXPECT_TRUE(IsIdentityRequest(test::Bytes({0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7})));
  EXPECT_FALSE(IsIdentityRequest(test::Bytes({0xF0, 0x7E, 0x10, 0x06, 0x02, 0xF7})));
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
    bool parses;
  } kCases[] = {
      {"one-byte maker",
       test::Bytes({0xF0, 0x7E, 0x7F, 0x06, 0x02, 0x43, 0x00, 0x41, 0x05, 0x01, 0, 0, 0, 1, 0xF7}),
       true},
      {"three-byte maker",
       test::Bytes({0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x20, 0x33, 1, 2, 3, 4, 0, 0, 0, 1, 0xF7}),
       true},
      {"cut short", test::Bytes({0xF0, 0x7E, 0x7F, 0x06, 0x02, 0x43, 0x00, 0x41, 0xF7}), false},
      {"a status byte inside",
       test::Bytes({0xF0, 0x7E, 0x7F, 0x06, 0x02, 0x43, 0x80, 0x41, 0x05, 0x01, 0, 0, 0, 1, 0xF7}),
       false},
      {"a request", test::Bytes({0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}), false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::optional<DeviceIdentity> identity = ParseIdentityReply(c.bytes);
    ASSERT_EQ(identity.has_value(), c.parses);
    if (c.parses) {
      EXPECT_EQ(Of(BuildIdentityReply(*identity)), c.bytes) << "a round trip";
    }
  }
  const DeviceIdentity identity = *ParseIdentityReply(kCases[0].bytes);
  EXPECT_EQ(identity.family, 0x41 << 7);
  EXPECT_EQ(DescribeIdentity(identity),
            "maker 43, family 00 41, member 05 01, version 00 00 00 01");
}

}  // namespace
}  // namespace ravlo
