#include <gtest/gtest.h>

#include <vector>

#include "model/OutputBuffer.h"

namespace ravlo {
namespace {

TEST(OutputBuffer, BeginAllocatesOneStepALongMessageFitsAndEndFreesEverything) {
  OutputBuffer buffer;
  EXPECT_FALSE(buffer.IsActive());
  EXPECT_FALSE(buffer.Append(std::vector<std::uint8_t>{1})) << "nothing records before Begin";
  ASSERT_TRUE(buffer.Begin());
  EXPECT_EQ(buffer.Capacity(), 16384u);
  EXPECT_EQ(buffer.Length(), 0u);
  ASSERT_TRUE(buffer.Append(std::vector<std::uint8_t>(40000, 0x5A)));  // longer than a step
  EXPECT_EQ(buffer.Capacity(), 3u * 16384u);
  EXPECT_EQ(buffer.Length(), 40000u);
  buffer.End();
  EXPECT_EQ(buffer.Capacity(), 0u);
  EXPECT_FALSE(buffer.IsActive());

  // It grows by whole steps and keeps its contents.
  ASSERT_TRUE(buffer.Begin());
  std::vector<std::uint8_t> message(392);
  std::size_t appended = 0;
  while (buffer.Length() + message.size() <= 16384) {
    message[0] = static_cast<std::uint8_t>(appended++);
    ASSERT_TRUE(buffer.Append(message));
  }
  EXPECT_EQ(buffer.Capacity(), 16384u);
  message[0] = 0xEE;
  ASSERT_TRUE(buffer.Append(message));
  EXPECT_EQ(buffer.Capacity(), 32768u);
  EXPECT_EQ(buffer.Contents()[0], 0);
  EXPECT_EQ(buffer.Contents()[392], 1);
  EXPECT_EQ(buffer.Contents()[buffer.Length() - 392], 0xEE);
}

TEST(OutputBuffer, GrowthBeyondTheLimitFailsWithoutAppending) {
  OutputBuffer buffer(2 * OutputBuffer::kGrowthStep);
  ASSERT_TRUE(buffer.Begin());
  std::vector<std::uint8_t> chunk(10000, 1);
  ASSERT_TRUE(buffer.Append(chunk));
  ASSERT_TRUE(buffer.Append(chunk));
  ASSERT_TRUE(buffer.Append(chunk));
  EXPECT_EQ(buffer.Capacity(), 32768u);
  EXPECT_FALSE(buffer.Append(std::vector<std::uint8_t>(20000, 2)));
  EXPECT_EQ(buffer.Length(), 30000u);
  EXPECT_EQ(buffer.Contents().back(), 1);
}

}  // namespace
}  // namespace ravlo
