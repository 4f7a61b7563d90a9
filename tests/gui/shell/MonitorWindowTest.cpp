#include <gtest/gtest.h>

#include <QPushButton>

#include "MonitorBackend.h"
#include "midi/MidiOutDevice.h"
#include "model/XgModel.h"
#include "shell/MonitorWindow.h"
#include "support/RecordingModelEvents.h"
#include "support/RecordingPauser.h"
#include "support/RecordingPrompts.h"

namespace ravlo {
namespace {

TEST(MonitorWindowTest, ListsWhatTheMonitorPortReceivedWithItsMeaning) {
  MonitorBackend monitor;
  test::RecordingPrompts prompts;
  test::RecordingPauser pauser;
  test::RecordingModelEvents events;
  MidiOutDevice device(monitor, prompts);
  XgModel model(device, events, pauser, 0);
  ASSERT_TRUE(model.Initialise());
  ASSERT_TRUE(device.Open(0));
  MonitorWindow window(monitor, model);

  model.SetResetAdMixer(false);
  model.SendReset();
  model.Channels().SendControlChange(2, 5, 64);
  window.Refresh();
  const QString text = window.Text();
  EXPECT_TRUE(text.contains("F0 43 10 4C 00 00 7E 00 F7  System XG_System_On"));
  EXPECT_TRUE(text.contains("B2 5D 40  Control Change ch 3 93 64"));

  window.Refresh();
  EXPECT_EQ(window.Text(), text) << "what was shown is not listed twice";
  window.findChild<QPushButton*>("Clear")->click();
  EXPECT_TRUE(window.Text().isEmpty());
  EXPECT_TRUE(monitor.Messages().empty());
}

}  // namespace
}  // namespace ravlo
