#include <gtest/gtest.h>

#include "shell/WindowPlacement.h"
#include "support/QtPrinters.h"

namespace ravlo {
namespace {

const QRect kScreen(0, 0, 1920, 1080);

WindowPlacement::Surroundings Around(const QRect& bar, std::vector<QRect> open = {}) {
  return {bar, kScreen, std::move(open), 24};
}

TEST(WindowPlacement, EditorsGoBesideTheMainBarByTheirSlot) {
  const QRect bar(600, 500, 400, 80);
  const QSize size(300, 200);
  const auto at = [&](EditorSlot slot) {
    return WindowPlacement::PlaceEditor(slot, size, Around(bar));
  };
  EXPECT_EQ(at(EditorSlot::Controllers), QPoint(600, 300));
  EXPECT_EQ(at(EditorSlot::SystemControl), QPoint(300, 300));
  EXPECT_EQ(at(EditorSlot::ChannelVoice), QPoint(300, 500));
  EXPECT_EQ(at(EditorSlot::Reverb), QPoint(700, 580));
  EXPECT_EQ(at(EditorSlot::Chorus), QPoint(700, 600));
  EXPECT_EQ(at(EditorSlot::DrumSets), QPoint(700, 660));
}

TEST(WindowPlacement, AWindowOffTheScreenComesInWithoutCoveringTheMainBar) {
  const QRect bar(20, 500, 400, 80);
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::ChannelVoice, QSize(300, 400), Around(bar)),
            QPoint(0, 580))
      << "at the left edge, below the bar it would have covered";
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::DrumSets, QSize(300, 200),
                                         Around(QRect(1700, 1000, 200, 60))),
            QPoint(1600, 800))
      << "pulled back in from the right and bottom, above the bar";
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::Controllers, QSize(300, 200),
                                         Around(QRect(600, 0, 400, 80))),
            QPoint(600, 80))
      << "a bar at the top: below it";
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::Part, QSize(2000, 100),
                                         Around(QRect(0, 0, 400, 80))),
            QPoint(0, 140))
      << "wider than the screen: the start of its title bar stays on it";
}

TEST(WindowPlacement, AWindowThatWouldHideATitleBarGoesWhereItCoversLeast) {
  const QRect bar(600, 500, 400, 80);
  const QSize size(300, 200);
  const QRect reverb(700, 580, 300, 200);
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::Chorus, size, Around(bar, {reverb})),
            QPoint(700, 600))
      << "the table's own cascade leaves the title bar in sight";
  const QRect channelVoice(300, 500, 300, 200);
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::Review, size, Around(bar, {channelVoice})),
            QPoint(300, 300))
      << "the other's place: above it, where it covers nothing";
  const QRect topBar(0, 0, 400, 80);
  const QRect controllers(0, 80, 300, 200);
  EXPECT_EQ(
      WindowPlacement::PlaceEditor(EditorSlot::UserVoice, size, Around(topBar, {controllers})),
      QPoint(300, 80))
      << "no room beside the bar: beside the window below it";
  const WindowPlacement::Surroundings full{
      topBar, QRect(0, 0, 400, 400), {QRect(0, 80, 400, 320)}, 24};
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::Reverb, QSize(400, 300), full), QPoint(0, 100))
      << "over the other, low enough to leave its title bar in sight";
}

TEST(WindowPlacement, WithNoRoomLeftTheMainBarStillStaysUncovered) {
  const QRect bar(0, 0, 400, 80);
  const WindowPlacement::Surroundings crowded{
      bar, QRect(0, 0, 400, 300), {QRect(0, 80, 400, 220)}, 24};
  EXPECT_EQ(WindowPlacement::PlaceEditor(EditorSlot::Controllers, QSize(400, 220), crowded),
            QPoint(0, 80));
}

TEST(WindowPlacement, AnEditorKeepsOffTheMixerWhereThereIsRoom) {
  const QRect bar(600, 500, 400, 80);
  const QRect mixer(0, 0, 1920, 480);
  const QRect controllers(WindowPlacement::PlaceEditor(EditorSlot::Controllers, QSize(300, 200),
                                                       Around(bar, {mixer}), mixer),
                          QSize(300, 200));
  EXPECT_FALSE(controllers.intersects(mixer)) << testing::PrintToString(controllers);
  EXPECT_FALSE(controllers.intersects(bar));
}

TEST(WindowPlacement, WindowsALoadOpensAreTiledInTheFreeArea) {
  WindowPlacement::Surroundings around = Around(QRect(0, 0, 400, 80));
  const QSize size(700, 300);
  for (int window = 0; window < 6; ++window) {
    const std::optional<QPoint> at = WindowPlacement::TileEditor(size, around);
    ASSERT_TRUE(at) << window;
    const QRect frame(*at, size);
    EXPECT_TRUE(kScreen.contains(frame));
    EXPECT_FALSE(frame.intersects(around.mainBar));
    for (const QRect& open : around.open) EXPECT_FALSE(frame.intersects(open)) << window;
    around.open.push_back(frame);
  }
  EXPECT_EQ(around.open.front().topLeft(), QPoint(400, 0)) << "the first beside the bar";
  EXPECT_FALSE(WindowPlacement::TileEditor(size, around)) << "no free place left";
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
