#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "history/EditHistory.h"
#include "support/ModelFixture.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo::test {
namespace {

using Message = std::vector<std::uint8_t>;
using Messages = std::vector<Message>;
using Edit = std::function<bool(XgModel&)>;

// What went out: the sysex pieces and the channel messages.
struct Wire {
  Messages pieces;
  Messages shorts;
  friend bool operator==(const Wire&, const Wire&) = default;
};

Wire Take(ModelRig& rig) {
  Wire wire{rig.Pieces(), rig.backend.ShortBytes()};
  rig.ClearSent();
  return wire;
}

std::vector<ImageCell> ImageOf(const XgModel& model) {
  std::vector<ImageCell> cells;
  ModelImage(model).Capture(model, cells);
  return cells;
}

int VoiceIndex(const XgModel& model, int program, int bankMsb, int bankLsb = 0) {
  return FindVoice(program, bankMsb, bankLsb, model, model.Instrument()).index;
}

// A model with its history, and a twin that takes the same edits by hand:
// an undo must send what the twin sends for the edit that puts the old
// values back, and a redo what the edit itself sent.
class EditHistoryTest : public ::testing::Test {
 protected:
  // The same state on both models, outside the history.
  void OnBoth(const Edit& edit) {
    ASSERT_TRUE(edit(rig.model));
    ASSERT_TRUE(edit(twin.model));
    rig.ClearSent();
    twin.ClearSent();
  }

  // Records `edit`, undoes it (checked against `backByHand` on the twin)
  // and redoes it; each end leaves the image as it was.
  void RoundTrip(const StepReplay& replay, const Edit& edit, const Edit& backByHand) {
    rig.ClearSent();
    const std::vector<ImageCell> before = ImageOf(rig.model);
    const std::string name = "Step " + std::to_string(++steps);
    ASSERT_TRUE(history.Record(name, replay, [&] { return edit(rig.model); }));
    ASSERT_EQ(history.UndoName(), name);
    edited = Take(rig);
    const std::vector<ImageCell> after = ImageOf(rig.model);
    ASSERT_TRUE(edit(twin.model));
    twin.ClearSent();

    ASSERT_TRUE(history.Undo());
    undone = Take(rig);
    EXPECT_EQ(ImageOf(rig.model), before) << "undo leaves the image as before the edit";
    ASSERT_TRUE(backByHand(twin.model));
    const Wire byHand = Take(twin);
    EXPECT_EQ(undone.pieces, byHand.pieces) << "undo sends what the edit back by hand sends";
    EXPECT_EQ(undone.shorts, byHand.shorts);

    ASSERT_TRUE(history.Redo());
    const Wire redone = Take(rig);
    EXPECT_EQ(redone.pieces, edited.pieces) << "redo sends what the edit sent";
    EXPECT_EQ(redone.shorts, edited.shorts);
    EXPECT_EQ(ImageOf(rig.model), after);
    // The twin follows, so that further steps start alike.
    ASSERT_TRUE(edit(twin.model));
    twin.ClearSent();
  }

  // A setter taken to `to` and, by hand, back to `from`.
  void RoundTrip(const StepReplay& replay, const std::function<bool(XgModel&, int)>& set, int to,
                 int from) {
    RoundTrip(
        replay, [&](XgModel& m) { return set(m, to); }, [&](XgModel& m) { return set(m, from); });
  }

  ModelRig rig;
  ModelRig twin;
  EditHistory history{rig.model};
  Wire edited;
  Wire undone;
  int steps = 0;
};

TEST_F(EditHistoryTest, FieldValuesGoBackByTheirOwnMessageForms) {
  // A one-byte part parameter, with the controller row that mirrors it.
  RoundTrip(
      replay::Values{},
      [](XgModel& m, int v) { return m.Parts().SetPartValue(PartAt(0), part_address::kVolume, v); },
      90, 100);
  EXPECT_EQ(undone.pieces, Messages{PartChange(0, part_address::kVolume, 100)});
  EXPECT_EQ(rig.ChannelController(0, 0), 90);

  // The detune pair travels as its 10-byte change both ways.
  RoundTrip(
      replay::Values{},
      [](XgModel& m, int v) {
        return m.Parts().SetPartValue(PartAt(2), part_address::kDetuneMsb, v);
      },
      5, 0);
  EXPECT_EQ(undone.pieces, Messages{PartChange(2, part_address::kDetuneMsb, {0x08, 0x00})});

  // Master tune: four nibbles, one message.
  RoundTrip(
      replay::Values{}, [](XgModel& m, int v) { return m.System().SetMasterTune(v); }, -300, 0);
  EXPECT_EQ(undone.pieces.size(), 1u);

  // A drum note parameter and a Variation parameter of two bytes.
  RoundTrip(
      replay::Values{},
      [](XgModel& m, int v) { return m.Drums().SetDrumParameter(0, NoteAt(38), 0x01, v); }, 20,
      twin.model.Drums().Note(0, NoteAt(38))->Parameter(0x01));
  RoundTrip(
      replay::Values{},
      [](XgModel& m, int v) { return m.Effects().SetEffectParameter(EffectKind::Variation, 1, v); },
      1000, twin.model.Effects().CurrentRow(EffectKind::Variation)[0]);
  EXPECT_EQ(undone.pieces.size(), 1u);
  EXPECT_EQ(undone.pieces[0].size(), 10u) << "Variation Param 1 is a two-byte change";

  // The extended instrument's part EQ and drum setups.
  for (XgModel* m : {&rig.model, &twin.model}) m->SetInstrument(InstrumentModel::Extended);
  RoundTrip(
      replay::Values{},
      [](XgModel& m, int v) { return m.Parts().SetPartValue(PartAt(2), 0x72, v); }, 0x4A, 0x40);
  RoundTrip(
      replay::Values{},
      [](XgModel& m, int v) { return m.Drums().SetDrumParameter(3, NoteAt(38), 0x04, v); }, 9,
      0x40);
  // Its insertion effects, multi EQ and display text go back through their setters.
  RoundTrip(
      replay::Values{},
      [](XgModel& m) {
        return m.Insertions().SetType(0, {0x49, 0x00});
      },
      [](XgModel& m) {
        return m.Insertions().SetType(0, {0x00, 0x00});
      });
  RoundTrip(
      replay::Values{}, [](XgModel& m, int v) { return m.Insertions().SetParameter(0, 0, v); }, 90,
      twin.model.Insertions().Value(0, 0));
  RoundTrip(
      replay::Values{}, [](XgModel& m, int v) { return m.MultiEq().SetParameter(0x05, v); }, 0x34,
      0x40);
  RoundTrip(
      replay::Values{}, [](XgModel& m) { return m.DisplayText().SetText("Hi"); },
      [](XgModel& m) { return m.DisplayText().SetText(""); });
}

TEST_F(EditHistoryTest, ChannelMessagesVoicesEffectBlocksAndDrumSetupResetsGoBackWhole) {
  const int volume = static_cast<int>(ControllerSlot::Volume);
  RoundTrip(
      replay::Controller{ChannelAt(3), volume},
      [volume](XgModel& m, int v) { return m.Channels().SetController(ChannelAt(3), volume, v); },
      40, 100);
  EXPECT_EQ(undone.shorts, Messages{Bytes({0xB3, 0x07, 100})});
  EXPECT_TRUE(undone.pieces.empty()) << "the part follows the controller, as the synthesizer does";

  const ChannelVoice old = twin.model.Channels().Voice(ChannelAt(5));
  RoundTrip(
      replay::ChannelVoice{ChannelAt(5)},
      [](XgModel& m) {
        return m.Channels().SetChannelVoice(ChannelAt(5), {0, 41, 0});
      },
      [old](XgModel& m) { return m.Channels().SetChannelVoice(ChannelAt(5), old); });
  EXPECT_EQ(undone.shorts.size(), 3u) << "bank select MSB, LSB and program change together";

  // Two parts on a channel get their own values back.
  OnBoth([](XgModel& m) {
    return m.Parts().SetReceiveChannel(PartAt(1), ChannelAt(0)) &&
           m.Parts().SetPartValue(PartAt(1), part_address::kVolume, 80);
  });
  const std::vector<ImageCell> before = ImageOf(rig.model);
  ASSERT_TRUE(history.Record("Channel 1 Volume", replay::Controller{ChannelAt(0), volume}, [&] {
    return rig.model.Channels().SetController(ChannelAt(0), volume, 50);
  }));
  rig.ClearSent();
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(ImageOf(rig.model), before);
  // The controller gives both parts one value; the one that had another gets it by its own change.
  EXPECT_EQ(rig.Pieces(), Messages{PartChange(1, part_address::kVolume, 80)});

  // Voice choices bring their drum kit rules both ways.
  const int violin = VoiceIndex(twin.model, 41, 0);
  const int room = VoiceIndex(twin.model, 9, 127);
  ASSERT_GE(violin, 0);
  ASSERT_GE(room, 0);
  RoundTrip(
      replay::PartVoice{PartAt(4)},
      [](XgModel& m, int v) { return m.Parts().SelectPartVoice(PartAt(4), v); }, violin, 0);

  // A new kit resets the setup; going back, the old kit comes with the
  // note that had been edited in it.
  OnBoth([](XgModel& m) { return m.Drums().SetDrumParameter(0, NoteAt(36), 0x02, 30); });
  RoundTrip(
      replay::PartVoice{PartAt(9)},
      [room](XgModel& m) { return m.Parts().SelectPartVoice(PartAt(9), room); },
      [](XgModel& m) {
        return m.Parts().SelectPartVoice(PartAt(9), VoiceIndex(m, 1, 127)) &&
               m.Drums().SetDrumParameter(0, NoteAt(36), 0x02, 30);
      });

  // Effect blocks go back as their two dumps, the connection with its part.
  RoundTrip(
      replay::EffectBlock{EffectKind::Reverb},
      [](XgModel& m, int v) { return m.Effects().ChangeType(EffectKind::Reverb, v); }, 4, 1);
  EXPECT_EQ(undone.pieces.size(), 2u);

  // Default: the values it replaced return in the block's dumps.
  OnBoth([](XgModel& m) { return m.Effects().SetEffectParameter(EffectKind::Chorus, 3, 99); });
  twin.model.Effects().SendEffectBlock(EffectKind::Chorus, false, EffectModel::kEditorBlockPauseMs);
  const Wire dumpsBefore = Take(twin);
  const std::vector<ImageCell> beforeDefault = ImageOf(rig.model);
  ASSERT_TRUE(history.Record("Chorus Default", replay::EffectBlock{EffectKind::Chorus}, [&] {
    return rig.model.Effects().RestoreTypeDefaults(EffectKind::Chorus);
  }));
  rig.ClearSent();
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(Take(rig), dumpsBefore);
  EXPECT_EQ(ImageOf(rig.model), beforeDefault);

  // The Variation connection sends what makes it count.
  RoundTrip(
      replay::VariationConnection{ChannelAt(2)},
      [](XgModel& m, int on) { return m.Effects().SwitchVariationConnection(on, ChannelAt(2)); }, 1,
      0);
  EXPECT_EQ(undone.pieces.size(), 2u) << "the connection, then the part";
  EXPECT_EQ(edited.shorts.size(), 1u) << "the channel's variation send";

  // A drum setup reset goes back note by note.
  OnBoth([](XgModel& m) {
    return m.Drums().SetDrumParameter(1, NoteAt(40), 0x03, 11) &&
           m.Drums().SetDrumParameter(1, NoteAt(42), 0x03, 12);
  });
  RoundTrip(
      replay::DrumSetupReset{1}, [](XgModel& m) { return m.System().DrumSetupReset(1); },
      [](XgModel& m) {
        return m.Drums().SetDrumParameter(1, NoteAt(40), 0x03, 11) &&
               m.Drums().SetDrumParameter(1, NoteAt(42), 0x03, 12);
      });
  EXPECT_EQ(edited.pieces.size(), 1u) << "the reset itself";
}

TEST_F(EditHistoryTest, PartModesDialogRunsAndUserVoicesGoBackByTheirOperations) {
  const std::vector<ImageCell> before = ImageOf(rig.model);
  ASSERT_TRUE(history.Record("Part 2 Mode", replay::PartMode{PartAt(1)}, [&] {
    return rig.model.Parts().SetPartMode(PartAt(1), {0x01, 0x00, 0x02});
  }));
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(ImageOf(rig.model), before);
  ASSERT_TRUE(history.Redo());
  EXPECT_TRUE(rig.model.Parts().IsDrumPart(PartAt(1)));
  ASSERT_TRUE(history.Undo());

  // A dialog's OK sends its whole run; so does going back.
  const std::vector<std::uint8_t> off(16, 0);
  std::vector<std::uint8_t> old(16);
  ASSERT_TRUE(twin.model.Parts().GetPartBytes(PartAt(3), 0x30, old));
  RoundTrip(
      replay::PartRun{PartAt(3), 0x30, 16},
      [&off](XgModel& m) { return m.Parts().SetPartParameters(PartAt(3), 0x30, off); },
      [&old](XgModel& m) { return m.Parts().SetPartParameters(PartAt(3), 0x30, old); });
  EXPECT_EQ(undone.pieces.size(), 16u);

  // User voices go back whole, and only the bank is sent.
  UserVoiceElement element = DefaultUserVoiceElement();
  element[5] = 0x33;
  UserVoiceElement oldElement{};
  ASSERT_TRUE(twin.model.UserVoices().GetUserVoice(3, UserBank::Bank)->GetElement(1, oldElement));
  RoundTrip(
      replay::UserVoices{},
      [&element](XgModel& m) { return m.UserVoices().SendVoiceElement(3, 1, element); },
      [&oldElement](XgModel& m) { return m.UserVoices().SendVoiceElement(3, 1, oldElement); });
  EXPECT_EQ(undone.pieces.size(), 1u) << "the voice's dump";

  // A name is the voice's at once and goes out with it later.
  ASSERT_TRUE(history.Record("User Voice 1 Name", replay::Values{},
                             [&] { return rig.model.UserVoices().SetVoiceName(0, "Brass"); }));
  ASSERT_TRUE(history.Undo());
  EXPECT_TRUE(rig.Pieces().empty());
  EXPECT_NE(rig.model.UserVoices().GetUserVoice(0, UserBank::Bank)->DisplayName(), "Brass");

  // An exchange of the banks goes back as one step.
  ASSERT_TRUE(history.Record("Exchange", replay::UserVoices{}, [&] {
    return rig.model.UserVoices().CopyVoiceInto(
               UserBank::VBank, 7, *rig.model.UserVoices().GetUserVoice(3, UserBank::Bank)) &&
           rig.model.UserVoices().ExchangeBanks();
  }));
  const std::vector<ImageCell> exchanged = ImageOf(rig.model);
  rig.ClearSent();
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(rig.Pieces().size(), 2u) << "the two Bank slots that differ";
  ASSERT_TRUE(history.Redo());
  EXPECT_EQ(ImageOf(rig.model), exchanged);
}

// What has no message of its own comes back by being put: an image put
// region by region into another model makes it the same, every block's
// bookkeeping (kit words, type rows, names) included.
TEST_F(EditHistoryTest, AnImagePutIntoAnotherModelMakesItTheSame) {
  ASSERT_TRUE(twin.model.Parts().SelectPartVoice(PartAt(9), VoiceIndex(twin.model, 1, 127)));
  ASSERT_TRUE(twin.model.Drums().SetDrumParameter(0, NoteAt(36), 0x02, 30));
  ASSERT_TRUE(twin.model.Effects().ChangeType(EffectKind::Chorus, 3));
  ASSERT_TRUE(twin.model.Parts().SetPartValue(PartAt(4), part_address::kVolume, 12));
  const ModelImage image(twin.model);
  const std::vector<ImageCell> cells = ImageOf(twin.model);
  ASSERT_NE(ImageOf(rig.model), cells);
  for (const ImageRegion& region : image.Regions()) {
    image.PutRegion(rig.model, region, std::span(cells).subspan(region.first, region.count));
  }
  EXPECT_EQ(ImageOf(rig.model), cells);
}

TEST_F(EditHistoryTest, StepsAreNamedKeptInOrderJoinedAndAGestureIsOne) {
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.Undo());
  // Nothing changed, no step.
  EXPECT_TRUE(history.Record("Nothing", replay::Values{}, [] { return true; }));
  EXPECT_EQ(history.StepCount(), 0u);

  int told = 0;
  history.SetListener([&told] { ++told; });
  const auto volume = [&](int value) {
    return rig.model.Parts().SetPartValue(PartAt(2), part_address::kVolume, value);
  };
  history.Record("Part 3 Volume", replay::Values{}, [&] { return volume(10); });
  // An edit inside another is part of it.
  history.Record("Part 3 Sub", replay::Values{}, [&] {
    return history.Record("Inner", replay::Values{}, [&] { return volume(20); }) && volume(30);
  });
  EXPECT_EQ(history.StepCount(), 2u);
  EXPECT_EQ(history.UndoName(), "Part 3 Sub");
  EXPECT_TRUE(history.Undo());
  EXPECT_EQ(rig.PartByte(2, part_address::kVolume), 10);
  EXPECT_EQ(history.UndoName(), "Part 3 Volume");
  EXPECT_EQ(history.RedoName(), "Part 3 Sub");
  EXPECT_EQ(told, 3);

  // A new edit ends what could be redone.
  history.Record("Part 3 Volume", replay::Values{}, [&] { return volume(40); });
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.StepCount(), 2u);

  history.Clear(true);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_TRUE(history.AtSavePoint());

  // A gesture is one step; a new gesture opens another.
  const auto drag = [&](int value, StepJoin join) {
    history.Record(
        "Part 1 Volume", replay::Values{},
        [&] { return rig.model.Parts().SetPartValue(PartAt(0), part_address::kVolume, value); },
        join);
  };
  // One drag, then another: two steps, each taking back its whole way.
  drag(90, StepJoin::Opens);
  drag(80, StepJoin::WithSameName);
  drag(70, StepJoin::Opens);
  drag(60, StepJoin::WithSameName);
  EXPECT_EQ(history.StepCount(), 2u);
  rig.ClearSent();
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(rig.Pieces(), Messages{PartChange(0, part_address::kVolume, 80)});
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(rig.PartByte(0, part_address::kVolume), 100);

  // Dragged there and back: nothing is left to take back.
  drag(50, StepJoin::Opens);
  drag(100, StepJoin::WithSameName);
  EXPECT_FALSE(history.CanUndo());

  // A save between two moves keeps them apart, so that undo finds the save.
  drag(40, StepJoin::Opens);
  history.MarkSaved();
  drag(30, StepJoin::WithSameName);
  EXPECT_EQ(history.StepCount(), 2u);
  history.Undo();
  EXPECT_TRUE(history.AtSavePoint());
}

TEST_F(EditHistoryTest, SavePointsTheNewestThousandStepsAndARefusedUndo) {
  const auto volume = [&](int value) {
    return history.Record("Volume", replay::Values{}, [&] {
      return rig.model.Parts().SetPartValue(PartAt(0), part_address::kVolume, value);
    });
  };
  volume(1);
  history.MarkSaved();
  volume(2);
  EXPECT_FALSE(history.AtSavePoint());
  history.Undo();
  EXPECT_TRUE(history.AtSavePoint());
  history.Undo();
  EXPECT_FALSE(history.AtSavePoint());
  history.Redo();
  EXPECT_TRUE(history.AtSavePoint());
  // Undone past the save, then edited: the saved state is out of reach.
  history.Undo();
  volume(3);
  history.Undo();
  EXPECT_FALSE(history.AtSavePoint());
  // A document modified before the history began has no save point in it.
  history.Clear(false);
  volume(4);
  history.Undo();
  EXPECT_FALSE(history.AtSavePoint());

  // It keeps the newest thousand steps.
  for (int i = 0; i < 1005; ++i) {
    history.Record("Volume", replay::Values{}, [&] {
      return rig.model.Parts().SetPartValue(PartAt(0), part_address::kVolume, i % 2 == 0 ? 1 : 2);
    });
  }
  EXPECT_EQ(history.StepCount(), EditHistory::kStepLimit);
  int undone = 0;
  while (history.Undo()) ++undone;
  EXPECT_EQ(undone, 1000);
  // The oldest five were dropped: the value is the one the sixth edit replaced.
  EXPECT_EQ(rig.PartByte(0, part_address::kVolume), 1);

  // A refused message stops the undo where it is.
  ASSERT_TRUE(history.Record("Receive", replay::PartRun{PartAt(0), 0x30, 3}, [&] {
    const std::vector<std::uint8_t> off{0, 0, 0};
    return rig.model.Parts().SetPartParameters(PartAt(0), 0x30, off);
  }));
  rig.ClearSent();
  rig.backend.sendResult = kMidiNotReady;
  rig.backend.sendsBeforeResult = 1;
  EXPECT_FALSE(history.Undo());
  EXPECT_EQ(history.UndoName(), "Receive") << "the step stays";
  EXPECT_EQ(rig.prompts.messages.size(), 1u) << "the port's error, once";
  // The model holds what went out: the first byte only.
  EXPECT_EQ(rig.PartByte(0, 0x30), 1);
  EXPECT_EQ(rig.PartByte(0, 0x31), 0);

  rig.backend.sendResult = kMidiOk;
  EXPECT_TRUE(history.Undo());
  EXPECT_EQ(rig.PartByte(0, 0x31), 1);
}

}  // namespace
}  // namespace ravlo::test
