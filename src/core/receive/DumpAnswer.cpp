#include "receive/DumpAnswer.h"

#include "messages/XgMessages.h"

namespace ravlo {

namespace {

constexpr std::size_t kDeviceByte = 2;
constexpr std::size_t kModelByte = 3;
constexpr std::size_t kCountBytes = 4;

}  // namespace

AnswerCheck CheckAnswer(std::span<const std::uint8_t> m, std::span<const std::uint8_t> expected) {
  // A parameter change answers a parameter request, a bulk dump a dump request.
  const std::optional<XgAddress> parameter = ParameterChangeAddress(expected);
  if (!parameter && expected.size() < kBulkOverhead) return AnswerCheck::Unrelated;
  const std::uint8_t form = parameter ? 0x10 : 0x00;
  if (m.size() <= kDeviceByte || m[0] != kSysexStart || m[1] != kYamahaId ||
      (m[kDeviceByte] & 0xF0) != form) {
    return AnswerCheck::Unrelated;
  }
  if (m[kDeviceByte] != expected[kDeviceByte]) return AnswerCheck::OtherUnit;
  if (m.size() <= kModelByte) return AnswerCheck::Truncated;
  if (m[kModelByte] != expected[kModelByte]) return AnswerCheck::OtherModel;
  // Without its address a cut message of this unit and model is taken for the
  // answer: nobody else is asked.
  const std::optional<XgAddress> address =
      parameter ? ParameterChangeAddress(m)
                : (m.size() < kBulkOverhead ? std::nullopt : BulkAddress(m));
  if (!address) return AnswerCheck::Truncated;
  if (address != (parameter ? parameter : BulkAddress(expected))) return AnswerCheck::OtherAddress;
  if (m.back() != kSysexEnd) return AnswerCheck::Truncated;
  for (std::size_t i = 1; i + 1 < m.size(); ++i) {
    if (!IsDataByte(m[i])) return AnswerCheck::Truncated;
  }
  if (parameter) return m.size() == expected.size() ? AnswerCheck::Answer : AnswerCheck::WrongCount;
  const std::size_t count = *BulkByteCount(m);
  const std::size_t carried = m.size() - kBulkOverhead;
  if (carried < count) return AnswerCheck::Truncated;
  if (carried > count || count != BulkByteCount(expected)) return AnswerCheck::WrongCount;
  const std::size_t checksumAt = m.size() - 2;
  if (BulkChecksum(m.subspan(kCountBytes, checksumAt - kCountBytes)) != m[checksumAt]) {
    return AnswerCheck::BadChecksum;
  }
  return AnswerCheck::Answer;
}

std::string_view DescribeAnswerCheck(AnswerCheck check) {
  switch (check) {
    case AnswerCheck::OtherUnit:
      return "an answer came from another unit";
    case AnswerCheck::OtherModel:
      return "an answer came for another model";
    case AnswerCheck::Truncated:
      return "the answer was cut short";
    case AnswerCheck::WrongCount:
      return "the answer's byte count is wrong";
    case AnswerCheck::BadChecksum:
      return "the answer's checksum is wrong";
    case AnswerCheck::Answer:
    case AnswerCheck::Unrelated:
    case AnswerCheck::OtherAddress:
      break;
  }
  return {};
}

}  // namespace ravlo
