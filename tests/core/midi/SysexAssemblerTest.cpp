#include <gtest/gtest.h>

#include <vector>

#include "midi/SysexAssembler.h"
#include "support/Bytes.h"
#include "support/RecordingPrompts.h"

namespace ravlo {
namespace {

using Messages = std::vector<std::vector<std::uint8_t>>;

Messages FeedAll(SysexAssembler& assembler, const std::vector<std::vector<std::uint8_t>>& pieces) {
  Messages out;
  for (const auto& piece : pieces) {
    assembler.Feed(piece,
                   [&](std::span<const std::uint8_t> m) { out.emplace_back(m.begin(), m.end()); });
  }
  return out;
}

TEST(SysexAssembler, JoinsPiecesAndSplitsBlocks) {
  SysexAssembler assembler;
  const Messages out = FeedAll(assembler, {test::Bytes({0xF0, 0x43, 0x10}),
                                           test::Bytes({0x4C, 0xF7, 0xF0, 0x7E, 0xF7, 0xF0, 0x01}),
                                           test::Bytes({0x02, 0xF7})});
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0xF7}));
  EXPECT_EQ(out[1], test::Bytes({0xF0, 0x7E, 0xF7}));
  EXPECT_EQ(out[2], test::Bytes({0xF0, 0x01, 0x02, 0xF7}));
  EXPECT_FALSE(assembler.InMessage());
}

TEST(SysexAssembler, DropsStrayBytesAndRestartsOnANewStart) {
  SysexAssembler assembler;
  const Messages out =
      FeedAll(assembler, {test::Bytes({0x12, 0xF7, 0xF0, 0x01, 0xF0, 0x02, 0xF7, 0x33})});
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], test::Bytes({0xF0, 0x02, 0xF7}));
}

TEST(SysexAssembler, DropsAMessageLongerThanTheBoundWhole) {
  for (const std::size_t length : {SysexAssembler::kMaxMessage, SysexAssembler::kMaxMessage + 1}) {
    SCOPED_TRACE(length);
    std::vector<std::uint8_t> data(length - 2, 0x11);
    SysexAssembler assembler;
    // In two pieces, the end with the next message.
    const Messages out = FeedAll(
        assembler, {test::Bytes({0xF0}), data, test::Bytes({0xF7, 0x22, 0xF0, 0x01, 0xF7})});
    ASSERT_EQ(out.size(), length <= SysexAssembler::kMaxMessage ? 2u : 1u);
    EXPECT_EQ(out.front().size(), length <= SysexAssembler::kMaxMessage ? length : 3u);
    EXPECT_EQ(out.back(), test::Bytes({0xF0, 0x01, 0xF7}));
  }
}

TEST(SysexAssembler, ResetForgetsAHalfMessage) {
  SysexAssembler assembler;
  EXPECT_TRUE(FeedAll(assembler, {test::Bytes({0xF0, 0x01})}).empty());
  EXPECT_TRUE(assembler.InMessage());
  assembler.Reset();
  EXPECT_TRUE(FeedAll(assembler, {test::Bytes({0x02, 0xF7})}).empty());
}

}  // namespace
}  // namespace ravlo
