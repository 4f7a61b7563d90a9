#include <gtest/gtest.h>

#include <QPushButton>

#include "MonitorBackend.h"
#include "messages/XgMessages.h"
#include "model/XgModel.h"
#include "shell/MonitorWindow.h"
#include "support/ModelRig.h"

namespace ravlo {
namespace {

TEST(MonitorWindowTest, ListsWhatTheMonitorPortSentAndReceivedWithItsMeaning) {
  test::BasicModelRig<MonitorBackend> rig;
  MonitorBackend& monitor = rig.backend;
  XgModel& model = rig.model;
  MonitorWindow window(monitor, model);

  model.SetResetAdMixer(false);
  model.SendReset();
  model.Channels().SetController(MidiChannel::FromIndex(2), 5, 64);
  window.Refresh();
  const QString text = window.Text();
  EXPECT_TRUE(text.contains("F0 43 10 4C 00 00 7E 00 F7  System XG_System_On"));
  EXPECT_TRUE(text.contains("B2 5D 40  Control Change ch 3 93 64"));

  window.Refresh();
  EXPECT_EQ(window.Text(), text) << "what was shown is not listed twice";
  window.findChild<QPushButton*>("Clear")->click();
  EXPECT_TRUE(window.Text().isEmpty());
  EXPECT_TRUE(monitor.Messages().empty());

  // A request sent, and what the monitor answered.
  ASSERT_TRUE(model.Emit(BuildBulkDumpRequest(UnitNumber::FromValue(0), {0, 0, 0}).Bytes()));
  window.Refresh();
  const QString asked = window.Text();
  EXPECT_TRUE(asked.contains("-> F0 43 20 4C 00 00 00 F7  Dump Request 00 00 00"))
      << asked.toStdString();
  EXPECT_TRUE(asked.contains("<- F0 43 00 4C 00 07 00 00 00 00 04 00 00 7F 00 40 36 F7  "))
      << asked.toStdString();
}

}  // namespace
}  // namespace ravlo
