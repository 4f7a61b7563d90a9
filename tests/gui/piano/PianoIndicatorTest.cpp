#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>

#include "piano/PianoIndicator.h"

namespace ravlo {
namespace {

TEST(PianoIndicatorTest, BlinksOncePerSecondWhileOnAndRestsOnTheOffIcon) {
  QLabel label;
  PianoIndicator indicator(&label);
  const auto shown = [&label] { return label.pixmap().toImage(); };
  const QImage off = shown();
  EXPECT_FALSE(indicator.Timer().isActive());
  indicator.SetOn(true);
  EXPECT_EQ(indicator.Timer().interval(), 1000);
  EXPECT_TRUE(indicator.Timer().isActive());
  const QImage on = shown();
  EXPECT_NE(on, off);

  QSignalSpy changed(&indicator, &PianoIndicator::PixmapChanged);
  indicator.Blink();
  EXPECT_EQ(shown(), off);
  indicator.Blink();
  EXPECT_EQ(shown(), on);
  EXPECT_EQ(changed.count(), 2);
  indicator.SetOn(false);
  EXPECT_FALSE(indicator.Timer().isActive());
  indicator.Blink();  // a late tick changes nothing
  EXPECT_EQ(shown(), off);
}

}  // namespace
}  // namespace ravlo
