#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/RecentFiles.h"

namespace ravlo {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, TheLatestComesFirstOnceEightAreKeptAndTheTextKeepsTheOrder) {
  RecentFiles recent;
  recent.Add("/a.syx");
  recent.Add("/b.mid");
  recent.Add("/c.syx");
  EXPECT_EQ(recent.Paths(), (Paths{"/c.syx", "/b.mid", "/a.syx"}));
  recent.Add("/a.syx");
  EXPECT_EQ(recent.Paths(), (Paths{"/a.syx", "/c.syx", "/b.mid"})) << "moved up, not repeated";
  recent.Add("");
  EXPECT_EQ(recent.Paths().size(), 3u) << "no empty entry";
  EXPECT_TRUE(recent.Remove("/a.syx"));
  EXPECT_FALSE(recent.Remove("/a.syx"));
  EXPECT_EQ(recent.Paths(), (Paths{"/c.syx", "/b.mid"})) << "only that path is removed";

  // Eight are kept and the oldest falls off.
  recent = RecentFiles();
  for (int i = 1; i <= 9; ++i) recent.Add("/song" + std::to_string(i) + ".syx");
  ASSERT_EQ(recent.Paths().size(), RecentFiles::kLimit);
  EXPECT_EQ(RecentFiles::kLimit, 8u);
  EXPECT_EQ(recent.Paths().front(), "/song9.syx");
  EXPECT_EQ(recent.Paths().back(), "/song2.syx") << "song1 fell off";
  recent.Add("/song5.syx");
  EXPECT_EQ(recent.Paths().size(), 8u) << "a listed file moving up pushes none off";
  EXPECT_EQ(recent.Paths().back(), "/song2.syx");

  // The text keeps the order and drops what cannot be listed.
  recent = RecentFiles();
  recent.Add("/old dir/a b.syx");
  recent.Add("/x/ü.mid");
  recent.Add("/bad\nname.syx");
  EXPECT_EQ(recent.Paths().size(), 2u) << "a line break cannot be kept in the text";
  EXPECT_EQ(recent.ToText(), "/x/ü.mid\n/old dir/a b.syx");
  EXPECT_EQ(RecentFiles::FromText(recent.ToText()), recent);

  std::string stored = "\n/1\n/1\n\n";
  for (int i = 2; i <= 10; ++i) {
    stored += '/';
    stored += std::to_string(i);
    stored += '\n';
  }
  const RecentFiles read = RecentFiles::FromText(stored);
  EXPECT_EQ(read.Paths(), (Paths{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}));
  EXPECT_TRUE(RecentFiles::FromText("").Paths().empty());
}

}  // namespace
}  // namespace ravlo
