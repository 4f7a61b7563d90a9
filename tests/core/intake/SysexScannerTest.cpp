#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "intake/SysexScanner.h"
#include "support/Bytes.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::MidiFile;
using test::PartChange;
using test::SystemChange;
using Messages = std::vector<std::vector<std::uint8_t>>;

Messages ScanAll(SysexScanner scanner) {
  Messages messages;
  while (const auto message = scanner.Next()) {
    const auto bytes = scanner.MessageBytes(*message);
    messages.emplace_back(bytes.begin(), bytes.end());
  }
  return messages;
}

TEST(SysexScanner, PlainScanDropsTextAndUnendedStartsAndStopsAtAShortMessage) {
  const std::string text = "hello";
  std::vector<std::uint8_t> image(text.begin(), text.end());
  for (int b : {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7, int{'x'}, 0xF0, 0x7E, 0xF7,
                0xF0, 0xF7, 0xF0, 0x01, 0xF7}) {
    image.push_back(static_cast<std::uint8_t>(b));
  }
  const Messages messages = ScanAll(SysexScanner::Plain(image));
  ASSERT_EQ(messages.size(), 2u) << "F0 F7 ends the scan; what follows is not looked at";
  EXPECT_EQ(messages[0], PartChange(3, 0x0B, 0x50));
  EXPECT_EQ(messages[1], Bytes({0xF0, 0x7E, 0xF7}));
  // A start without an end is not a message.
  EXPECT_EQ(ScanAll(SysexScanner::Plain(Bytes({0xF0, 0x7E, 0xF7, 0xF0, 0x43, 0x10}))).size(), 1u);
  EXPECT_TRUE(ScanAll(SysexScanner::Plain({})).empty());
  const auto offsets = SysexScanner::Plain(Bytes({0x00, 0xF0, 0x7E, 0xF7})).Next();
  ASSERT_TRUE(offsets);
  EXPECT_EQ(offsets->offset, 1u);
  EXPECT_EQ(offsets->length, 3u);
  // Without MThd the length byte stays part of the message.
  const auto bytes = Bytes({0xF0, 0x08, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
  EXPECT_EQ(ScanAll(SysexScanner::Plain(bytes)), Messages{bytes});
  EXPECT_FALSE(SysexScanner::IsMidiFile(Bytes({'M', 'T', 'h'})));
}

TEST(SysexScanner, MidiModeTurnsAnEventOfAnyLengthIntoAPlainMessageAndSkipsFalseStarts) {
  auto file = MidiFile(Bytes(
      {0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7, 0x00, 0xFF, 0x2F, 0x00}));
  ASSERT_TRUE(SysexScanner::IsMidiFile(file));
  EXPECT_EQ(ScanAll(SysexScanner::MidiFile(file)), Messages{SystemChange(0x7E, {0x00})});

  // Lengths of several bytes.
  std::vector<std::uint8_t> track{0x00, 0xF0, 0x81, 0x05};
  for (int i = 0; i < 132; ++i) track.push_back(0x11);
  track.push_back(0xF7);  // the 133rd data byte
  const Messages taken = ScanAll(SysexScanner::MidiFile(track));
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0].size(), 134u);
  EXPECT_EQ(taken[0].front(), 0xF0);

  std::vector<std::uint8_t> wrong{0x00, 0xF0, 0x81, 0x05};
  for (int i = 0; i < 131; ++i) wrong.push_back(0x11);
  wrong.push_back(0xF7);  // one short: not an event
  for (int i = 0; i < 4; ++i) wrong.push_back(0x22);
  EXPECT_TRUE(ScanAll(SysexScanner::MidiFile(wrong)).empty());
  // The scan ends when fewer than four bytes follow a start.
  auto shortEvent = MidiFile(Bytes({0x00, 0xF0, 0x01, 0xF7}));
  EXPECT_TRUE(ScanAll(SysexScanner::MidiFile(shortEvent)).empty());
  // A length field running to the very end of the image is never read past it.
  auto unterminated = Bytes({0xF0, 0x81, 0x82, 0x83});
  EXPECT_TRUE(ScanAll(SysexScanner::MidiFile(unterminated)).empty());
  // An F0 inside note data whose "length" does not land on F7, then a real event.
  auto falseStart =
      MidiFile(Bytes({0x00, 0x90, 0xF0, 0x40, 0x10, 0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7}));
  EXPECT_EQ(ScanAll(SysexScanner::MidiFile(falseStart)), Messages{Bytes({0xF0, 0x7E, 0x7F, 0xF7})});
}

}  // namespace
}  // namespace ravlo
