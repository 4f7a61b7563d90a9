// XG parameters at addresses no block holds: kept by the intake when told
// to, saved after the blocks, cleared by a reset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "intake/SysexIntake.h"
#include "messages/XgMessages.h"
#include "sendpass/SendChoices.h"
#include "sendpass/SendPass.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"

namespace ravlo::test {
namespace {

using Image = std::vector<std::uint8_t>;

Image Change(int high, int mid, int low, std::initializer_list<int> data) {
  Image message = Bytes({0xF0, 0x43, 0x10, 0x4C, high, mid, low});
  for (int byte : data) message.push_back(static_cast<std::uint8_t>(byte));
  message.push_back(0xF7);
  return message;
}

Image Dump(XgAddress address, const Image& data) {
  const XgMessage dump = BuildBulkDump(UnitAt(0), kXgModelId, address, data);
  return {dump.Bytes().begin(), dump.Bytes().end()};
}

// What a song of a larger XG instrument holds beside the blocks: the display
// text, an insertion effect type (a pair), the multi EQ, a part parameter past
// the table, a drum parameter past 0F, drum setup 3 and a display bitmap dump.
const Image kDisplay = Change(0x06, 0x00, 0x00, {'H', 'i', '!'});
const Image kInsertionType = Change(0x03, 0x00, 0x00, {0x05, 0x01});
const Image kEq = Change(0x02, 0x40, 0x01, {0x44});
const Image kPartEq = Change(0x08, 0x02, 0x72, {0x48});
const Image kDrumHpf = Change(0x30, 36, 0x10, {0x30});
const Image kDrumSetup3 = Change(0x32, 40, 0x02, {0x60});
const Image kBitmap = Dump({0x07, 0x00, 0x00}, Image(4, 0x11));

class ExtensionTest : public ModelFixture {
 protected:
  ExtensionTest() { intake.SetKeepExtensions(true); }

  IntakeResult Take(Image image) { return intake.TakeIn(image); }
  Image Save() {
    SendChoices choices;
    return *RecordSendPass(model, choices, progress);
  }
  std::vector<std::string> Listing() const {
    std::vector<std::string> lines;
    for (const auto& parameter : model.Extensions().Parameters()) {
      char text[16];
      std::snprintf(text, sizeof text, "%02X %02X %02X:", parameter.address.high,
                    parameter.address.mid, parameter.address.low);
      std::string line = text;
      for (std::uint8_t byte : parameter.data) {
        line += ' ';
        line += std::to_string(byte);
      }
      lines.push_back(line);
    }
    return lines;
  }

  RecordingProgress progress;
  CountingIntakeHost host;
  SysexIntake intake{model, prompts, progress, host};
};

TEST_F(ExtensionTest, KeptOnlyWhenToldPassedOnAndListedByAddress) {
  const Image song = Join(kDisplay, kInsertionType, kEq, kPartEq, kDrumHpf, kDrumSetup3, kBitmap);
  intake.SetKeepExtensions(false);
  EXPECT_EQ(Take(song).counts.unrecognisedMessages, 7u);
  EXPECT_TRUE(model.Extensions().Empty());
  EXPECT_TRUE(Sent().empty());
  intake.SetKeepExtensions(true);
  EXPECT_EQ(Take(song).counts.recognisedMessages, 7u);
  EXPECT_EQ(Sent(), song);
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::Extension));
  EXPECT_EQ(Listing(), (std::vector<std::string>{"02 40 01: 68", "03 00 00: 5 1",
                                                 "06 00 00: 72 105 33", "07 00 00: 17",
                                                 "07 00 01: 17", "07 00 02: 17", "07 00 03: 17",
                                                 "08 02 72: 72", "30 24 10: 48", "32 28 02: 96"}));
}

TEST_F(ExtensionTest, TheLastValueWinsAddressByAddress) {
  Image song = Join(kInsertionType, Change(0x03, 0x00, 0x01, {0x09}), kDisplay,
                    Change(0x06, 0x00, 0x00, {'Y'}), Dump({0x06, 0x00, 0x02}, Bytes({'?', '.'})));
  Take(song);
  // The pair is cut where a later parameter starts; the text keeps what no
  // later message covered.
  EXPECT_EQ(Listing(), (std::vector<std::string>{"03 00 00: 5", "03 00 01: 9", "06 00 00: 89",
                                                 "06 00 01: 105", "06 00 02: 63", "06 00 03: 46"}));
}

TEST_F(ExtensionTest, DumpsOfTheBlocksLeaveTheirUnheldBytesHere) {
  // A part's second half up to 77, as larger instruments dump it, and a drum
  // note with the parameters past 0F.
  Image second(0x48, 0x01);
  second.back() = 0x22;
  Image drum(0x20, 0x40);
  drum[0x1F] = 0x33;
  Take(Join(Dump({0x08, 0x00, 0x30}, second), Dump({0x31, 36, 0x00}, drum)));
  EXPECT_EQ((*model.Parts().Record(PartAt(0)))[0x6E], 0x01);
  EXPECT_EQ(model.Drums().Note(1, NoteAt(36))->Parameter(0x0F), 0x40);
  const auto parameters = model.Extensions().Parameters();
  ASSERT_EQ(parameters.size(), 9u + 16u);
  EXPECT_EQ(parameters[0].address, (XgAddress{0x08, 0x00, 0x6F}));
  EXPECT_EQ(parameters[8].data, Bytes({0x22}));
  EXPECT_EQ(parameters[24].address, (XgAddress{0x31, 36, 0x1F}));
  EXPECT_EQ(parameters[24].data, Bytes({0x33}));
}

TEST_F(ExtensionTest, OnlyWellFormedMessagesAreKept) {
  Image badSum = kBitmap;
  badSum[badSum.size() - 2] ^= 1;
  const Image tooShort = Bytes({0xF0, 0x43, 0x10, 0x4C, 0x06, 0x00, 0x00, 0xF7});
  const Image request = Bytes({0xF0, 0x43, 0x30, 0x4C, 0x06, 0x00, 0x00, 0x00, 0xF7});
  // Addresses a block holds stay with it, even where it refuses the message.
  const Image tuneNibble = Change(0x00, 0x00, 0x02, {0x01});
  const IntakeResult result = Take(Join(badSum, tooShort, request, tuneNibble));
  EXPECT_EQ(result.counts.unrecognisedMessages, 4u);
  EXPECT_TRUE(model.Extensions().Empty());
}

TEST_F(ExtensionTest, SavedAfterTheBlocksClearedByAResetAndKeptByARoundTrip) {
  Take(Join(kBitmap, kDisplay, kInsertionType));
  const Image saved = Save();
  const Image tail = Join(kInsertionType, kDisplay, Change(0x07, 0x00, 0x00, {0x11}),
                          Change(0x07, 0x00, 0x01, {0x11}), Change(0x07, 0x00, 0x02, {0x11}),
                          Change(0x07, 0x00, 0x03, {0x11}));
  ASSERT_GE(saved.size(), tail.size());
  EXPECT_EQ(Image(saved.end() - static_cast<std::ptrdiff_t>(tail.size()), saved.end()), tail);

  SendChoices without;
  without.extensions = false;
  EXPECT_EQ(RecordSendPass(model, without, progress)->size(), saved.size() - tail.size());

  model.ResetToDefaults();
  EXPECT_TRUE(model.Extensions().Empty());

  // A round trip keeps every extension message: each goes out again in the save as it came.
  Take(Join(kDisplay, kInsertionType, kEq, kPartEq, kDrumHpf, kDrumSetup3, kBitmap,
            PartChange(3, 0x0B, 0x50)));
  const Image whole = Save();
  ModelRig other;
  SysexIntake reader{other.model, other.prompts, progress, host};
  reader.SetKeepExtensions(true);
  Image reread = whole;
  EXPECT_EQ(reader.TakeIn(reread).counts.unrecognisedMessages, 0u);
  EXPECT_EQ(other.model.Extensions().Parameters().size(), model.Extensions().Parameters().size());
  EXPECT_EQ(RecordSendPass(other.model, SendChoices{}, progress), whole);
}

}  // namespace
}  // namespace ravlo::test
