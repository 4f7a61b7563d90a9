#include <gtest/gtest.h>

#include <vector>

#include "messages/XgMessages.h"
#include "receive/DumpAnswer.h"
#include "support/Bytes.h"
#include "support/TypedIndices.h"

namespace ravlo {
namespace {

using test::Bytes;
using Message = std::vector<std::uint8_t>;

// The system block of the defaults from unit 0, the dump a request for 00 00 00 expects.
const Message kSystem = Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04,
                               0x00, 0x00, 0x7F, 0x00, 0x40, 0x36, 0xF7});

AnswerCheck Check(const Message& message) {
  return CheckAnswer(message, kSystem);
}

Message With(std::size_t at, std::uint8_t value) {
  Message message = kSystem;
  message[at] = value;
  return message;
}

TEST(CheckAnswer, TheDumpAskedForIsTheAnswerWhateverItsValues) {
  EXPECT_EQ(Check(kSystem), AnswerCheck::Answer);
  const auto values = std::vector<std::uint8_t>{0x00, 0x04, 0x00, 0x00, 0x64, 0x00, 0x45};
  const XgMessage other = BuildBulkDump(test::Unit(0), kXgModelId, {0, 0, 0}, values);
  EXPECT_EQ(CheckAnswer(other.Bytes(), kSystem), AnswerCheck::Answer);
}

TEST(CheckAnswer, MessagesThatAreNoYamahaDumpAreUnrelated) {
  EXPECT_EQ(Check(Bytes({0x90, 0x3C, 0x40})), AnswerCheck::Unrelated);
  EXPECT_EQ(Check(Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7})), AnswerCheck::Unrelated);
  EXPECT_EQ(Check(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x50, 0xF7})),
            AnswerCheck::Unrelated)
      << "a parameter change";
  EXPECT_EQ(Check({}), AnswerCheck::Unrelated);
  EXPECT_EQ(Check(Bytes({0xF0, 0x43})), AnswerCheck::Unrelated);
}

TEST(CheckAnswer, AnotherUnitModelOrAddressIsToldApart) {
  EXPECT_EQ(Check(With(2, 0x01)), AnswerCheck::OtherUnit);
  EXPECT_EQ(Check(With(3, kQs300ModelId)), AnswerCheck::OtherModel);
  EXPECT_EQ(Check(With(8, 0x01)), AnswerCheck::OtherAddress);
  EXPECT_EQ(Check(Bytes({0xF0, 0x43, 0x05})), AnswerCheck::OtherUnit);
}

TEST(CheckAnswer, ACutOrGarbledDumpIsTruncated) {
  Message cut(kSystem.begin(), kSystem.end() - 3);
  cut.push_back(0xF7);
  EXPECT_EQ(Check(cut), AnswerCheck::Truncated) << "fewer data than the count says";
  EXPECT_EQ(Check(Message(kSystem.begin(), kSystem.end() - 1)), AnswerCheck::Truncated) << "no F7";
  EXPECT_EQ(Check(Message(kSystem.begin(), kSystem.begin() + 8)), AnswerCheck::Truncated)
      << "cut inside the address";
  EXPECT_EQ(Check(Message(kSystem.begin(), kSystem.begin() + 4)), AnswerCheck::Truncated);
  EXPECT_EQ(Check(With(12, 0x90)), AnswerCheck::Truncated) << "a status byte inside";
}

TEST(CheckAnswer, AnotherCountIsWrongEvenWithAGoodChecksum) {
  Message longer = kSystem;
  longer.insert(longer.end() - 2, 0x00);
  EXPECT_EQ(Check(longer), AnswerCheck::WrongCount) << "more bytes than the count says";

  const auto six = std::vector<std::uint8_t>{0x00, 0x04, 0x00, 0x00, 0x7F, 0x00};
  const XgMessage shorter = BuildBulkDump(test::Unit(0), kXgModelId, {0, 0, 0}, six);
  EXPECT_EQ(CheckAnswer(shorter.Bytes(), kSystem), AnswerCheck::WrongCount)
      << "a whole dump, but not of the block's size";
}

TEST(CheckAnswer, ASumThatDoesNotAddUpIsABadChecksum) {
  EXPECT_EQ(Check(With(16, 0x35)), AnswerCheck::BadChecksum);
  EXPECT_EQ(Check(With(10, 0x05)), AnswerCheck::BadChecksum) << "a data byte changed on the way";
}

}  // namespace
}  // namespace ravlo
