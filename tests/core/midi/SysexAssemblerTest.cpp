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

TEST(SysexAssembler, JoinsPiecesSplitsBlocksAndDropsStrayBytes) {
  SysexAssembler assembler;
  const Messages out = FeedAll(assembler, {test::Bytes({0xF0, 0x43, 0x10}),
                                           test::Bytes({0x4C, 0xF7, 0xF0, 0x7E, 0xF7, 0xF0, 0x01}),
                                           test::Bytes({0x02, 0xF7})});
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0xF7}));
  EXPECT_EQ(out[1], test::Bytes({0xF0, 0x7E, 0xF7}));
  EXPECT_EQ(out[2], test::Bytes({0xF0, 0x01, 0x02, 0xF7}));
  EXPECT_FALSE(assembler.InMessage());

  // Stray bytes are dropped and a new start restarts the message.
  const Messages restarted =
      FeedAll(assembler, {test::Bytes({0x12, 0xF7, 0xF0, 0x01, 0xF0, 0x02, 0xF7, 0x33})});
  ASSERT_EQ(restarted.size(), 1u);
  EXPECT_EQ(restarted[0], test::Bytes({0xF0, 0x02, 0xF7}));

  // A reset forgets a half message.
  EXPECT_TRUE(FeedAll(assembler, {test::Bytes({0xF0, 0x01})}).empty());
  EXPECT_TRUE(assembler.InMessage());
  assembler.Reset();
  EXPECT_TRUE(FeedAll(assembler, {test::Bytes({0x02, 0xF7})}).empty());

  // A whole message keeps a status byte between as data; one longer than the bound is
  // dropped whole, in one piece or in several.
  EXPECT_EQ(FeedAll(assembler, {test::Bytes({0xF0, 0xF8, 0xF7})}),
            Messages{test::Bytes({0xF0, 0xF8, 0xF7})});
  for (const std::size_t length : {SysexAssembler::kMaxMessage, SysexAssembler::kMaxMessage + 1}) {
    SCOPED_TRACE(length);
    std::vector<std::uint8_t> whole(length, 0x11);
    whole.front() = 0xF0;
    whole.back() = 0xF7;
    const std::vector<std::uint8_t> rest(whole.begin() + 1, whole.end());
    const bool kept = length <= SysexAssembler::kMaxMessage;
    EXPECT_EQ(FeedAll(assembler, {whole}).size(), kept ? 1u : 0u);
    EXPECT_EQ(FeedAll(assembler, {test::Bytes({0xF0}), rest}).size(), kept ? 1u : 0u);
  }
}

}  // namespace
}  // namespace ravlo
