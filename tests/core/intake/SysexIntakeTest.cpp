#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/FileIo.h"
#include "intake/SysexIntake.h"
#include "intake/SysexScanner.h"
#include "messages/XgMessages.h"
#include "support/Bytes.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"
#include "support/ScratchDirectory.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::Join;
using test::MidiFile;
using test::NoteAt;
using test::PartAt;
using test::PartChange;
using test::SystemChange;
using test::UnitAt;

using Messages = std::vector<std::vector<std::uint8_t>>;

Messages ScanAll(SysexScanner scanner) {
  Messages messages;
  while (const auto message = scanner.Next()) {
    const auto bytes = scanner.MessageBytes(*message);
    messages.emplace_back(bytes.begin(), bytes.end());
  }
  return messages;
}

TEST(SysexScanner, PlainScanDropsTextAndUnendedStartsAndStopsAtAShortMessage) {
  const std::string text = "hello";
  std::vector<std::uint8_t> image(text.begin(), text.end());
  for (int b : {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7, int{'x'}, 0xF0, 0x7E, 0xF7,
                0xF0, 0xF7, 0xF0, 0x01, 0xF7}) {
    image.push_back(static_cast<std::uint8_t>(b));
  }
  const Messages messages = ScanAll(SysexScanner::Plain(image));
  ASSERT_EQ(messages.size(), 2u) << "F0 F7 ends the scan; what follows is not looked at";
  EXPECT_EQ(messages[0], PartChange(3, 0x0B, 0x50));
  EXPECT_EQ(messages[1], Bytes({0xF0, 0x7E, 0xF7}));
  // A start without an end is not a message.
  EXPECT_EQ(ScanAll(SysexScanner::Plain(Bytes({0xF0, 0x7E, 0xF7, 0xF0, 0x43, 0x10}))).size(), 1u);
  EXPECT_TRUE(ScanAll(SysexScanner::Plain({})).empty());
  const auto offsets = SysexScanner::Plain(Bytes({0x00, 0xF0, 0x7E, 0xF7})).Next();
  ASSERT_TRUE(offsets);
  EXPECT_EQ(offsets->offset, 1u);
  EXPECT_EQ(offsets->length, 3u);
  // Without MThd the length byte stays part of the message.
  const auto bytes = Bytes({0xF0, 0x08, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
  EXPECT_EQ(ScanAll(SysexScanner::Plain(bytes)), Messages{bytes});
  EXPECT_FALSE(SysexScanner::IsMidiFile(Bytes({'M', 'T', 'h'})));
}

TEST(SysexScanner, MidiModeTurnsAnEventOfAnyLengthIntoAPlainMessageAndSkipsFalseStarts) {
  auto file = MidiFile(Bytes(
      {0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7, 0x00, 0xFF, 0x2F, 0x00}));
  ASSERT_TRUE(SysexScanner::IsMidiFile(file));
  EXPECT_EQ(ScanAll(SysexScanner::MidiFile(file)), Messages{SystemChange(0x7E, {0x00})});

  // Lengths of several bytes.
  std::vector<std::uint8_t> track{0x00, 0xF0, 0x81, 0x05};
  for (int i = 0; i < 132; ++i) track.push_back(0x11);
  track.push_back(0xF7);  // the 133rd data byte
  const Messages taken = ScanAll(SysexScanner::MidiFile(track));
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0].size(), 134u);
  EXPECT_EQ(taken[0].front(), 0xF0);

  std::vector<std::uint8_t> wrong{0x00, 0xF0, 0x81, 0x05};
  for (int i = 0; i < 131; ++i) wrong.push_back(0x11);
  wrong.push_back(0xF7);  // one short: not an event
  for (int i = 0; i < 4; ++i) wrong.push_back(0x22);
  EXPECT_TRUE(ScanAll(SysexScanner::MidiFile(wrong)).empty());
  // The scan ends when fewer than four bytes follow a start.
  auto shortEvent = MidiFile(Bytes({0x00, 0xF0, 0x01, 0xF7}));
  EXPECT_TRUE(ScanAll(SysexScanner::MidiFile(shortEvent)).empty());
  // A length field running to the very end of the image is never read past it.
  auto unterminated = Bytes({0xF0, 0x81, 0x82, 0x83});
  EXPECT_TRUE(ScanAll(SysexScanner::MidiFile(unterminated)).empty());
  // An F0 inside note data whose "length" does not land on F7, then a real event.
  auto falseStart =
      MidiFile(Bytes({0x00, 0x90, 0xF0, 0x40, 0x10, 0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7}));
  EXPECT_EQ(ScanAll(SysexScanner::MidiFile(falseStart)), Messages{Bytes({0xF0, 0x7E, 0x7F, 0xF7})});
}

using Image = std::vector<std::uint8_t>;

Image BulkOf(XgAddress address, const Image& data) {
  const XgMessage dump = BuildBulkDump(UnitAt(0), kXgModelId, address, data);
  return {dump.Bytes().begin(), dump.Bytes().end()};
}

class SysexIntakeTest : public test::ModelFixture {
 protected:
  IntakeResult Load(Image image) {
    return intake.LoadSysexStream(image, directory.Path().string());
  }

  test::RecordingProgress progress;
  test::CountingIntakeHost host;
  SysexIntake intake{model, prompts, progress, host};
  test::ScratchDirectory directory{"ravlo-intake"};
};

TEST_F(SysexIntakeTest, APartVolumeChangeIsStoredPassedOnAndMarked) {
  const Image message = PartChange(3, 0x0B, 0x50);
  changes.notices.clear();
  const IntakeResult result = Load(message);
  EXPECT_EQ((*model.Parts().Record(PartAt(3)))[0x0B], 0x50);
  EXPECT_EQ(Sent(), message);
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::Part));
  EXPECT_EQ(events.marks.Value(RefreshMark::Part), 3);
  EXPECT_EQ(std::pair(result.counts.recognisedMessages, result.counts.recognisedBytes),
            std::pair(1u, 9u));
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_EQ(std::pair(progress.shownCancellable, progress.closed), std::pair(1, 1));
  EXPECT_EQ(progress.items, std::vector<std::string>{"Sysex Msg 1"});
  EXPECT_EQ(host.resets, 1);
  EXPECT_EQ(pauser.Count(10), 1) << "every applied message is paced";
  const auto told = changes.Of(ModelBlock::Part, 3);
  ASSERT_EQ(told.size(), 1u) << "every window hears what the file brought";
  EXPECT_EQ(std::pair(told[0].oldValue, told[0].newValue), std::pair(0x64, 0x50));
  // The channel rows follow the parts the file changed.
  EXPECT_EQ(model.Channels().Controller(test::ChannelAt(3), 0), 0x50);
  // A drum mode brings the drum part's defaults too: told as the whole part.
  changes.notices.clear();
  Load(PartChange(3, part_address::kPartMode, 0x02));
  ASSERT_EQ(changes.Of(ModelBlock::Part, 3).size(), 1u);
  EXPECT_TRUE(changes.Of(ModelBlock::Part, 3)[0].IsWhole());
}

TEST_F(SysexIntakeTest, OnlyWhatIsSentIsPacedAndCancelKeepsWhatCameBefore) {
  Image file;
  for (int i = 0; i < 2000; ++i) file = Join(file, Bytes({0xF0, 0x41, 0xF7}));  // never sent
  file =
      Join(file, PartChange(3, 0x0B, 0x50), PartChange(4, 0x0B, 0x51), PartChange(5, 0x0B, 0x52));
  EXPECT_FALSE(Load(file).cancelled);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>(3, 10));
  model.ResetToDefaults();
  progress.items.clear();
  progress.cancelAfterItems = 2002;  // pressed while message 2002 goes
  EXPECT_TRUE(Load(file).cancelled);
  EXPECT_EQ(PartByte(4, 0x0B), 0x51);
  EXPECT_EQ(PartByte(5, 0x0B), 0x64);
}

TEST_F(SysexIntakeTest, UnrecognisedBytesAreOfferedAndSentOrStoredInTheErrorFile) {
  const Image twelve = SystemChange(0x05, {0x10, 0x00, 0x00, 0x00});
  Image twenty(20, 0x01);
  twenty.front() = 0xF0;
  twenty.back() = 0xF7;
  const std::string path = JoinPath(directory.Path().string(), "RavloError.syx");
  // Yes sends them as one block and stores nothing.
  prompts.answers = {Answer::Yes};
  Load(twenty);
  EXPECT_EQ(Sent(), twenty);
  EXPECT_FALSE(std::filesystem::exists(path));
  prompts.questions.clear();
  const IntakeResult result = Load(Join(twelve, Bytes({'t', 'x', 't'}), twenty));
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0],
            "There were 32 bytes in 2 messages unrecognized.\r\n Send these bytes anyway?");
  EXPECT_EQ(prompts.messages,
            std::vector<std::string>{"The bytes will be stored in " + path + "."});
  Image stored;
  ASSERT_TRUE(ReadWholeFile(path, stored).ok);
  EXPECT_EQ(stored, Join(twelve, twenty));
  EXPECT_EQ(result.counts.unrecognisedBytes, 32u);
}

TEST_F(SysexIntakeTest, UniversalMessagesOfSixToEightBytesArePassedOn) {
  const Image gmOn = Bytes({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7});
  const Image longUniversal = Bytes({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0x00, 0x00, 0x00, 0x00, 0xF7});
  const IntakeResult result = Load(Join(gmOn, longUniversal));
  EXPECT_EQ(std::pair(result.counts.recognisedMessages, result.counts.unrecognisedMessages),
            std::pair(1u, 1u));
  EXPECT_EQ(Sent(), gmOn);
}

TEST_F(SysexIntakeTest, SystemParametersAndTheAttenuator) {
  EXPECT_TRUE(intake.ApplyMessage(SystemChange(0x04, {0x64})));
  EXPECT_TRUE(intake.ApplyMessage(SystemChange(0x06, {0x41})));
  EXPECT_TRUE(intake.ApplyMessage(SystemChange(0x00, {0x00, 0x04, 0x06, 0x04})));
  EXPECT_EQ(model.System().Bytes(), (SystemBytes{0x00, 0x04, 0x06, 0x04, 0x64, 0x00, 0x41}));
  const Image attenuator = SystemChange(0x05, {0x10});
  EXPECT_FALSE(intake.ApplyMessage(attenuator)) << "the first level has no change of it";
  intake.SetKeepExtensions(true);
  EXPECT_TRUE(intake.ApplyMessage(attenuator)) << "kept as an extension";
  EXPECT_EQ(model.Extensions().Parameters().size(), 1u);
  model.SetInstrument(InstrumentModel::Extended);
  EXPECT_TRUE(intake.ApplyMessage(attenuator)) << "the extended instrument's system value";
  EXPECT_EQ(model.System().Bytes()[5], 0x10);
  EXPECT_FALSE(intake.ApplyMessage(SystemChange(0x00, {0x00})))
      << "a tune change needs its four nibbles";
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::System));
}

TEST_F(SysexIntakeTest, TheExtendedInstrumentsDrumSetupsAndPartEqAreItsBlocks) {
  const Image messages[] = {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x33, 36, 0x04, 0x10, 0xF7}),
                            SystemChange(0x7D, {0x03}), PartChange(1, 0x72, 0x44)};
  for (const Image& message : messages) EXPECT_FALSE(intake.ApplyMessage(message));
  model.SetInstrument(InstrumentModel::Extended);
  for (const Image& message : messages) EXPECT_TRUE(intake.ApplyMessage(message));
  EXPECT_EQ(model.Drums().Note(3, NoteAt(36))->Parameter(0x04), 0x40) << "reset after the edit";
  EXPECT_EQ(model.Parts().PartValue(PartAt(1), 0x72), 0x44);
}

TEST_F(SysexIntakeTest, AnXgSystemOnMidFileResetsAndLaterMessagesApplyToTheFreshModel) {
  events.onResetRequested = [this] {
    if (model.SendReset()) model.ResetToDefaults();
  };
  model.SetResetAdMixer(false);
  const Image volumeBefore = PartChange(1, 0x0B, 0x11);
  const Image systemOn = SystemChange(0x7E, {0x00});
  const Image panAfter = PartChange(2, 0x0E, 0x22);
  const IntakeResult result = Load(Join(volumeBefore, systemOn, panAfter));
  EXPECT_EQ(result.counts.recognisedMessages, 3u);
  EXPECT_EQ(events.resetRequests, 1);
  EXPECT_EQ((*model.Parts().Record(PartAt(1)))[0x0B], 0x64) << "reset to the default volume";
  EXPECT_EQ((*model.Parts().Record(PartAt(2)))[0x0E], 0x22);
  // The received System On is not passed on; the reset sent the program's own.
  EXPECT_EQ(Sent(), Join(volumeBefore, systemOn, panAfter));
}

TEST_F(SysexIntakeTest, ADrumSetupResetReachesTheSynthesizerTwice) {
  PutDrumByte(0, NoteAt(40), 0x02, 0x01);
  const Image reset = SystemChange(0x7D, {0x00});
  EXPECT_TRUE(intake.ApplyMessage(reset));
  EXPECT_EQ(Sent(), Join(reset, reset));
  EXPECT_EQ(*model.Drums().Note(0, NoteAt(40)), *DrumNoteRecord::KitDefaults(1, 40));
  EXPECT_EQ(events.drumSetupResets, std::vector<int>{0});
  EXPECT_FALSE(intake.ApplyMessage(SystemChange(0x7D, {0x02})));
}

TEST_F(SysexIntakeTest, PartAndDrumDumpsStoreByTheirTemplateAndParameters) {
  // First half of a drum part's dump sent to part 0: bytes without a drum
  // parameter are stored as 0xFF whatever the dump says.
  Image data(41, 0x33);
  data[0x07] = 2;  // drum setup 1
  ASSERT_TRUE(intake.ApplyMessage(BulkOf({0x08, 0x00, 0x00}, data)));
  const PartRecord& record = *model.Parts().Record(PartAt(0));
  EXPECT_EQ((Image{record[0x05], record[0x16], record[0x0B], record[0x07]}),
            (Image{0xFF, 0xFF, 0x33, 2}));
  EXPECT_EQ(record[0x30], 0x01) << "the second half is untouched";
  ASSERT_TRUE(intake.ApplyMessage(BulkOf({0x08, 0x00, 0x30}, Image(63, 0x44))));
  EXPECT_EQ(record[0x34], 0xFF) << "chosen by the mode already in the record";
  EXPECT_EQ((Image{record[0x30], record[0x6E]}), (Image{0x44, 0x44}));
  EXPECT_FALSE(intake.ApplyMessage(BulkOf({0x08, 0x10, 0x00}, data)));

  const Image params(16, 0x21);
  ASSERT_TRUE(intake.ApplyMessage(BulkOf({0x31, 40, 0x00}, params)));
  EXPECT_EQ(model.Drums().Note(1, NoteAt(40))->Parameters()[0x0F], 0x21);
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::Drum));
  EXPECT_FALSE(intake.ApplyMessage(BulkOf({0x31, 92, 0x00}, params))) << "beyond the setup";
  EXPECT_FALSE(intake.ApplyMessage(BulkOf({0x30, 40, 0x00}, Image(15, 0x21))));
  EXPECT_TRUE(intake.ApplyMessage(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x02, 0x05, 0xF7})));
  EXPECT_EQ(model.Drums().Note(0, NoteAt(36))->Parameter(0x02), 0x05);
  // Part detune needs both its bytes.
  EXPECT_TRUE(intake.ApplyMessage(PartChange(0, 0x09, {0x07, 0x0F})));
  EXPECT_EQ((Image{record[0x09], record[0x0A]}), (Image{0x07, 0x0F}));
}

// Nothing is stored where it does not belong: a byte of eight bits would be
// stored and leave as seven; a part dump from 08 00 05 would land at 30; a
// drum dump from parameter 04 at 00; the gap of the part record holds no
// parameter to save; a system dump claims 7 bytes but carries 6.
TEST_F(SysexIntakeTest, ForeignAndMalformedMessagesAreRejectedWithoutSending) {
  const Image rejected[] = {
      PartChange(0, 0x0B, 0x85),
      BulkOf({0x08, 0x00, 0x05}, Image(8, 0x33)),
      BulkOf({0x30, 40, 0x04}, Image(16, 0x33)),
      PartChange(0, 0x2A, 0x10),
      Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x10,
             0x00, 0x36, 0xF7}),
      Bytes({0xF0, 0x41, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x7F, 0xF7}),
      Bytes({0xF0, 0x43, 0x20, 0x4C, 0x00, 0x00, 0x04, 0x7F, 0xF7}),
      Bytes({0xF0, 0x43, 0x10, 0x4D, 0x00, 0x00, 0x04, 0x7F, 0xF7}),
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x05, 0x00, 0x04, 0x7F, 0xF7}),
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0xF7}),
      Bytes({0xF0, 0x7E, 0xF7}),
      PartChange(0, 0x09, 0x07),  // detune without its second
      PartChange(0, 0x6F, 0x07),
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x0C, 0x02, 0x05, 0xF7}),  // drum note 12
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x10, 0x05, 0xF7}),  // drum parameter 10
  };
  for (const Image& bad : rejected) {
    SCOPED_TRACE(testing::PrintToString(bad));
    EXPECT_FALSE(intake.ApplyMessage(bad));
  }
  const PartRecord& record = *model.Parts().Record(PartAt(0));
  EXPECT_EQ((Image{record[0x0B], record[0x30], record[0x2A]}), (Image{0x64, 0x01, 0xFF}));
  EXPECT_EQ(*model.Drums().Note(0, NoteAt(40)), *DrumNoteRecord::KitDefaults(1, 40));
  EXPECT_EQ(model.System().Bytes(), kDefaultSystemBlock);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(SysexIntakeTest, AdAndMixerMessagesArePassedOn) {
  const XgMessage mixer = BuildMixerBulk(UnitAt(0));
  EXPECT_TRUE(intake.ApplyMessage(mixer.Bytes()));
  EXPECT_TRUE(intake.ApplyMessage(BuildAdSystemMessage1(UnitAt(0)).Bytes()));
  EXPECT_TRUE(intake.ApplyMessage(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x10, 0x01, 0x02, 0x40, 0xF7})));
  EXPECT_EQ(Sent().size(), 23u + 9u + 9u);
}

TEST_F(SysexIntakeTest, AFailedPassOnRejectsTheMessage) {
  backend.sendResult = kMidiError;
  const IntakeResult result = Load(PartChange(3, 0x0B, 0x50));
  EXPECT_EQ(result.counts.unrecognisedMessages, 1u);
  EXPECT_FALSE(prompts.messages.empty()) << "the MIDI error was shown";
}

TEST_F(SysexIntakeTest, MidiFilesAreScannedForTheirEvents) {
  Image file = test::MidiFile(Bytes(
      {0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7, 0x00, 0xFF, 0x2F, 0x00}));
  const IntakeResult result = Load(file);
  EXPECT_TRUE(result.midiFile);
  EXPECT_EQ(result.counts.recognisedMessages, 1u);
  EXPECT_EQ((*model.Parts().Record(PartAt(3)))[0x0B], 0x50);
}

std::vector<std::uint8_t> TestFile(const std::string& name) {
  std::vector<std::uint8_t> image;
  EXPECT_TRUE(ReadWholeFile(std::string(RAVLO_TESTDATA_DIR) + "/midi/" + name, image).ok) << name;
  return image;
}

using RealMidiFilesTest = SysexIntakeTest;

TEST_F(RealMidiFilesTest, AnXgSongTakesItsSystemOnAndNothingElse) {
  auto image = TestFile("test-all-xg-sounds.mid");
  const IntakeResult result = intake.TakeIn(image);
  EXPECT_TRUE(result.midiFile);
  EXPECT_EQ(result.counts.recognisedMessages, 1u);
  EXPECT_EQ(result.counts.unrecognisedMessages, 0u);
  EXPECT_EQ(events.resetRequests, 1);
}

TEST_F(RealMidiFilesTest, GsAndUniversalEventsAreSortedOutAndBrokenFilesScannedSafely) {
  auto gs = TestFile("test-sysex-gs-40-1x-15-drum-part-change.mid");
  const IntakeResult roland = intake.TakeIn(gs);
  EXPECT_EQ(std::pair(roland.counts.unrecognisedMessages, roland.counts.unrecognisedBytes),
            std::pair(3u, 33u))
      << "another maker's messages are not taken";

  auto universal = TestFile("test-sysex-7f-04-04-master-coarse-tuning.mid");
  const IntakeResult tuning = intake.TakeIn(universal);
  EXPECT_GT(tuning.counts.recognisedMessages, 0u);
  EXPECT_EQ(tuning.counts.unrecognisedMessages, 0u);
  // Broken and foreign files are scanned safely.
  for (const char* name : {"test-corrupt-file-missing-byte.mid", "test-not-a-midi-file.mid"}) {
    auto image = TestFile(name);
    const IntakeResult result = intake.TakeIn(image);
    EXPECT_EQ(result.counts.recognisedBytes + result.counts.unrecognisedBytes <= image.size(),
              true);
  }
}

}  // namespace
}  // namespace ravlo
