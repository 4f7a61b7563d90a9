#include <gtest/gtest.h>

#include <vector>

#include "messages/XgMessages.h"
#include "receive/DumpAnswer.h"
#include "support/Bytes.h"
#include "support/TypedIndices.h"

namespace ravlo::test {
namespace {

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

TEST(CheckAnswer, EachMessageIsToldApartByWhatIsWrongWithIt) {
  Message cut(kSystem.begin(), kSystem.end() - 3);
  cut.push_back(0xF7);
  Message longer = kSystem;
  longer.insert(longer.end() - 2, 0x00);
  const auto values = std::vector<std::uint8_t>{0x00, 0x04, 0x00, 0x00, 0x64, 0x00, 0x45};
  const auto six = std::vector<std::uint8_t>{0x00, 0x04, 0x00, 0x00, 0x7F, 0x00};
  const auto dump = [](const std::vector<std::uint8_t>& data) {
    const XgMessage message = BuildBulkDump(UnitAt(0), kXgModelId, {0, 0, 0}, data);
    return Message(message.Bytes().begin(), message.Bytes().end());
  };
  const struct {
    const char* name;
    Message message;
    AnswerCheck check;
  } cases[] = {
      {"the dump asked for", kSystem, AnswerCheck::Answer},
      {"whatever its values", dump(values), AnswerCheck::Answer},
      // Messages that are no dump of the maker are unrelated.
      {"a note", Bytes({0x90, 0x3C, 0x40}), AnswerCheck::Unrelated},
      {"another maker", Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7}), AnswerCheck::Unrelated},
      {"a parameter change", Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x50, 0xF7}),
       AnswerCheck::Unrelated},
      {"nothing", {}, AnswerCheck::Unrelated},
      {"two bytes", Bytes({0xF0, 0x43}), AnswerCheck::Unrelated},
      {"another unit", With(2, 0x01), AnswerCheck::OtherUnit},
      {"another model", With(3, kQs300ModelId), AnswerCheck::OtherModel},
      {"another address", With(8, 0x01), AnswerCheck::OtherAddress},
      {"another unit, cut", Bytes({0xF0, 0x43, 0x05}), AnswerCheck::OtherUnit},
      {"fewer data than the count says", cut, AnswerCheck::Truncated},
      {"no F7", Message(kSystem.begin(), kSystem.end() - 1), AnswerCheck::Truncated},
      {"cut inside the address", Message(kSystem.begin(), kSystem.begin() + 8),
       AnswerCheck::Truncated},
      {"cut after the model", Message(kSystem.begin(), kSystem.begin() + 4),
       AnswerCheck::Truncated},
      {"a status byte inside", With(12, 0x90), AnswerCheck::Truncated},
      {"more bytes than the count says", longer, AnswerCheck::WrongCount},
      {"a whole dump, but not of the block's size", dump(six), AnswerCheck::WrongCount},
      {"a sum that does not add up", With(16, 0x35), AnswerCheck::BadChecksum},
      {"a data byte changed on the way", With(10, 0x05), AnswerCheck::BadChecksum},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Check(c.message), c.check);
  }
  // A value asked for on its own comes back as a parameter change of its address and size.
  const Message eq = Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x72, 0x40, 0xF7});
  const struct {
    Message message;
    AnswerCheck check;
  } parameterCases[] = {
      {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x72, 0x52, 0xF7}), AnswerCheck::Answer},
      {kSystem, AnswerCheck::Unrelated},
      {Bytes({0xF0, 0x43, 0x11, 0x4C, 0x08, 0x02, 0x72, 0x52, 0xF7}), AnswerCheck::OtherUnit},
      {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x72, 0x52, 0xF7}), AnswerCheck::OtherAddress},
      {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x72, 0x52}), AnswerCheck::Truncated},
      {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x72, 0x00, 0x52, 0xF7}),
       AnswerCheck::WrongCount},
  };
  for (const auto& c : parameterCases) EXPECT_EQ(CheckAnswer(c.message, eq), c.check);
}

}  // namespace
}  // namespace ravlo::test
