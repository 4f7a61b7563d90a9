// The widget tests run offscreen inside one application object.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

#include "shell/ColorScheme.h"

int main(int argc, char** argv) {
  // Offscreen, on the screen of a common laptop, so that the windows that
  // open side by side can.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" RAVLO_OFFSCREEN_SCREEN, 1);
  }
  // Settings written by a test must never reach the musician's own.
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  ravlo::ColorScheme::Apply(application);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
