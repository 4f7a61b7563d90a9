#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>

#include "piano/PianoIndicator.h"

namespace ravlo {
namespace {

QImage Shown(const QLabel& label) {
  return label.pixmap().toImage();
}

TEST(PianoIndicatorTest, BlinksOncePerSecondWhileOnAndRestsOnTheOffIcon) {
  QLabel label;
  PianoIndicator indicator(&label);
  const QImage off = Shown(label);
  EXPECT_FALSE(indicator.IsOn());
  EXPECT_FALSE(indicator.Timer().isActive());

  indicator.SetOn(true);
  EXPECT_TRUE(indicator.ShowingOn());
  EXPECT_TRUE(indicator.Timer().isActive());
  EXPECT_EQ(indicator.Timer().interval(), 1000);
  const QImage on = Shown(label);
  EXPECT_NE(on, off);

  QSignalSpy changed(&indicator, &PianoIndicator::PixmapChanged);
  indicator.Blink();
  EXPECT_FALSE(indicator.ShowingOn());
  EXPECT_EQ(Shown(label), off);
  indicator.Blink();
  EXPECT_EQ(Shown(label), on);
  EXPECT_EQ(changed.count(), 2);

  indicator.SetOn(false);
  EXPECT_FALSE(indicator.Timer().isActive());
  EXPECT_EQ(Shown(label), off);
  indicator.Blink();  // a late tick changes nothing
  EXPECT_FALSE(indicator.ShowingOn());
}

}  // namespace
}  // namespace ravlo
