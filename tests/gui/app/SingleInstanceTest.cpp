#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStringList>

#include "app/SingleInstance.h"

namespace ravlo {
namespace {

QString UniqueName() {
  return QStringLiteral("RavloTest-%1").arg(QCoreApplication::applicationPid());
}

TEST(SingleInstance, ASecondStartAsksTheFirstToComeForwardAndEnds) {
  SingleInstance first(UniqueName());
  ASSERT_TRUE(first.Claim());
  QDialog window;
  window.show();
  window.activateWindow();
  QSignalSpy activated(&first, &SingleInstance::ActivationRequested);

  SingleInstance second(UniqueName());
  EXPECT_FALSE(second.Claim()) << "only one copy runs";
  QElapsedTimer waited;
  waited.start();
  while (activated.count() == 0 && waited.elapsed() < 3000) QCoreApplication::processEvents();
  EXPECT_EQ(activated.count(), 1);
}

TEST(SingleInstance, ASecondStartWithoutFilesOnlyActivates) {
  SingleInstance first(UniqueName() + "-c");
  ASSERT_TRUE(first.Claim());
  QSignalSpy activated(&first, &SingleInstance::ActivationRequested);
  QSignalSpy opened(&first, &SingleInstance::OpenRequested);
  SingleInstance second(UniqueName() + "-c");
  EXPECT_FALSE(second.Claim({}));
  EXPECT_TRUE(activated.wait(3000));
  QCoreApplication::processEvents();
  EXPECT_EQ(opened.count(), 0);
}

TEST(SingleInstance, AStartAfterTheFirstEndedIsAFirstStartAgain) {
  {
    SingleInstance first(UniqueName() + "-b");
    ASSERT_TRUE(first.Claim());
  }
  SingleInstance again(UniqueName() + "-b");
  EXPECT_TRUE(again.Claim());
}

TEST(SingleInstance, TheNameIsPerUser) {
  EXPECT_TRUE(SingleInstance::UserScopedName("Ravlo").startsWith("Ravlo-"));
}

}  // namespace
}  // namespace ravlo
