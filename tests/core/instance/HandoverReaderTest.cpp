#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "instance/HandoverReader.h"

namespace ravlo {
namespace {

using State = HandoverReader::State;

HandoverReader Read(const std::string& bytes, std::size_t piece = 7) {
  HandoverReader reader;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    const std::string part = bytes.substr(at, piece);
    reader.Feed(std::span(reinterpret_cast<const std::uint8_t*>(part.data()), part.size()));
  }
  return reader;
}

TEST(HandoverReader, PathsComeBackWholeInAnyPiecesAndABrokenBoundOpensNothing) {
  const std::vector<std::string> files{"/songs/two words%20 ü\nline.syx", "plain.syx",
                                       std::string("nul\0byte", 8)};
  const std::string handover = BuildHandover(files);
  EXPECT_EQ(handover.find('\n'), handover.find("\nopen plain.syx")) << "no path breaks a line";
  for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, handover.size()}) {
    const HandoverReader reader = Read(handover, piece);
    EXPECT_EQ(reader.Current(), State::Complete);
    EXPECT_EQ(reader.Files(), files);
  }
  EXPECT_EQ(Read("open a%2\r\nhello\nactivate \r\nopen late\n").Files(),
            std::vector<std::string>{"a%2"})
      << "a stray percent stays; unknown lines and what follows the end are passed over";

  // A connection breaking a bound opens nothing.
  const std::string line(HandoverReader::kMaxLineBytes, 'x');
  std::string manyLines;
  for (std::size_t i = 0; i <= HandoverReader::kMaxLines; ++i) manyLines += "x\n";
  std::string manyBytes;
  while (manyBytes.size() <= HandoverReader::kMaxBytes)
    manyBytes += "open " + line.substr(9) + "\n";
  const struct {
    const char* name;
    std::string bytes;
    State state;
  } cases[] = {
      {"longest line", "open " + line.substr(5) + "\nactivate\n", State::Complete},
      {"a line too long", "open " + line.substr(4) + "\nactivate\n", State::Broken},
      {"a line without an end", line + line, State::Broken},
      {"too many lines", manyLines + "activate\n", State::Broken},
      {"too many bytes", manyBytes + "activate\n", State::Broken},
      {"unfinished", "open /a\n", State::Reading},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HandoverReader reader = Read(c.bytes, 4096);
    EXPECT_EQ(reader.Current(), c.state);
    if (c.state != State::Complete) {
      EXPECT_TRUE(reader.Files().empty());
    }
  }
}

}  // namespace
}  // namespace ravlo
