#include <gtest/gtest.h>

#include "shell/AppSettings.h"
#include "support/MemorySettings.h"

namespace ravlo {
namespace {

TEST(AppSettings, AnEmptyStoreGivesTheDefaults) {
  test::MemorySettings store;
  const AppSettings settings = AppSettings::Read(store);
  EXPECT_EQ(settings.midiOutPort, -1);
  EXPECT_EQ(settings.unitNumber, 0);
  EXPECT_EQ(settings.delay, 20);
  EXPECT_TRUE(settings.sendReset);
  EXPECT_FALSE(settings.resetAdMixer);
  EXPECT_TRUE(settings.warnToSave);
  EXPECT_TRUE(settings.openWindowsOnFileOpen);
  EXPECT_TRUE(settings.autoSendResetOnFileOpen);
  EXPECT_FALSE(settings.windowPos);
  EXPECT_TRUE(settings.recentFiles.Paths().empty());
  EXPECT_EQ(settings.midiInPort, -1) << "no input: nothing is read back";
  EXPECT_EQ(settings.receiveTimeout, 300);
  // A stored receive timeout is kept in its range.
  store.ints["ReceiveTimeout"] = 0;
  EXPECT_EQ(AppSettings::Read(store).receiveTimeout, AppSettings::kMinReceiveTimeout);
  store.ints["ReceiveTimeout"] = 99999;
  EXPECT_EQ(AppSettings::Read(store).receiveTimeout, AppSettings::kMaxReceiveTimeout);
}

TEST(AppSettings, ASwitchIsOnFromOneUpAndWrittenAsOneOrZero) {
  test::MemorySettings store;
  for (const auto& [stored, on] : {std::pair{0, false}, {-5, false}, {1, true}, {7, true}}) {
    store.ints["SendReset"] = stored;
    EXPECT_EQ(AppSettings::Read(store).sendReset, on) << stored;
  }
  AppSettings settings = AppSettings::Read(store);
  settings.Write(store);
  EXPECT_EQ(store.ints["SendReset"], 1);
}

// Every value differs from its default: a key written but not read back, or
// read but not written, makes the second store differ from the first.
TEST(AppSettings, EveryKeyRoundTrips) {
  test::MemorySettings store;
  AppSettings written;
  written.midiOutPort = 3;
  written.midiOutPortName = "Synth";
  written.unitNumber = 9;
  written.delay = 250;
  written.sendReset = false;
  written.resetAdMixer = true;
  written.warnToSave = false;
  written.openWindowsOnFileOpen = false;
  written.autoSendResetOnFileOpen = false;
  written.recentFiles.Add("/songs/a.syx");
  written.recentFiles.Add("/songs/b.mid");
  written.midiInPort = 2;
  written.midiInPortName = "Synth Out";
  written.receiveTimeout = 750;
  written.Write(store);
  AppSettings::WriteWindowPos(store, "0,1,-1,-1,-1,-1,10,20,110,70");
  const AppSettings read = AppSettings::Read(store);
  test::MemorySettings again;
  read.Write(again);
  AppSettings::WriteWindowPos(again, *read.windowPos);
  EXPECT_EQ(again.ints, store.ints);
  EXPECT_EQ(again.strings, store.strings);
  EXPECT_EQ(store.strings["RecentFiles"], "/songs/b.mid\n/songs/a.syx");
  for (const char* key :
       {"MIDIOutPort", "UnitNumber", "Delay", "SendReset", "Reset A/D Mixer", "WarnToSave",
        "OpenWindowsOnFileOpen", "AutoSendResetOnFileOpen", "MIDIInPort", "ReceiveTimeout"}) {
    EXPECT_TRUE(store.ints.count(key)) << key;
  }
}

}  // namespace
}  // namespace ravlo
