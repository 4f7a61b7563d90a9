#include <gtest/gtest.h>

#include "shell/WindowPlacement.h"

namespace ravlo {
namespace {

const QRect kScreen(0, 0, 1920, 1080);

TEST(WindowPlacement, EditorsGoBesideTheMainBarByTheirSlot) {
  const QRect bar(600, 500, 400, 80);
  const QSize size(300, 200);
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::Controllers, bar, size, kScreen),
            QPoint(600, 300));
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::SystemControl, bar, size, kScreen),
            QPoint(300, 300));
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::ChannelVoice, bar, size, kScreen),
            QPoint(300, 500));
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::Reverb, bar, size, kScreen), QPoint(700, 580));
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::Chorus, bar, size, kScreen), QPoint(700, 600));
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::DrumSets, bar, size, kScreen),
            QPoint(700, 660));
}

TEST(WindowPlacement, AWindowOffTheLeftEdgeIsClampedIntoTheArea) {
  const QRect bar(20, 500, 400, 80);
  const QPoint at =
      WindowPlacement::PlaceEditor(EditorSlot::ChannelVoice, bar, QSize(300, 400), kScreen);
  EXPECT_EQ(at, QPoint(0, 500));
  const QPoint low = WindowPlacement::PlaceEditor(EditorSlot::DrumSets, QRect(1700, 1000, 200, 60),
                                                  QSize(300, 200), kScreen);
  EXPECT_EQ(low, QPoint(1600, 880)) << "right and bottom edges pull the window back in";
}

TEST(WindowPlacement, TheSavedPlacementIsTenNumbers) {
  const WindowPlacement::Saved saved{1, QRect(QPoint(10, 20), QPoint(109, 69))};
  const QString text = WindowPlacement::Format(saved);
  EXPECT_EQ(text, "0,1,-1,-1,-1,-1,10,20,110,70");
  const auto parsed = WindowPlacement::Parse(text);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->normal, saved.normal);
  EXPECT_FALSE(WindowPlacement::Parse("1,2,3"));
  EXPECT_FALSE(WindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,110,x"));
  EXPECT_FALSE(WindowPlacement::Parse(""));
}

}  // namespace
}  // namespace ravlo
