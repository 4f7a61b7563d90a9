#include <gtest/gtest.h>

#include <cmath>

#include "drums/DrumKits.h"
#include "parameters/XgValueTables.h"
#include "sound/XgSoundMap.h"
#include "support/Bytes.h"
#include "support/RecordingSoundEngine.h"
#include "synth/VirtualSynth.h"

namespace ravlo {
namespace {

using S = ChannelSetting;
using test::Bytes;

// The virtual synthesizer playing on a recording engine: what it is sent
// goes through its image and the mapping to the engine.
struct SoundRig {
  SoundRig() { synth.AttachSound(&engine); }
  ~SoundRig() { synth.AttachSound(nullptr); }
  void Send(const std::vector<std::uint8_t>& message) { synth.Receive(message); }

  test::RecordingSoundEngine engine;
  VirtualSynth synth;
};

std::vector<std::uint8_t> DrumChange(int note, int address, int value) {
  return Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, note, address, value, 0xF7});
}

TEST(ModelSound, PartParametersBecomeEngineSettingsByTheTable) {
  struct Case {
    const char* name;
    int address;
    int value;
    ChannelSetting setting;
    double expected;
  };
  const Case cases[] = {
      {"volume", 0x0B, 20, S::Volume, 20},
      {"pan L63", 0x0E, 1, S::Position, -1},
      {"pan centre", 0x0E, 64, S::Position, 0},
      {"pan R63", 0x0E, 127, S::Position, 1},
      {"pan random sits in the centre", 0x0E, 0, S::Position, 0},
      {"dry level", 0x11, 0, S::DryLevel, 0},
      {"reverb send", 0x13, 127, S::ReverbSend, 1},
      {"chorus send", 0x12, 0, S::ChorusSend, 0},
      {"cutoff closed", 0x18, 0, S::FilterCutoff, -6400},
      {"resonance", 0x19, 0x50, S::FilterResonance, 48},
      {"attack", 0x1A, 0x50, S::Attack, 1200},
      {"decay", 0x1B, 0x30, S::Decay, -1200},
      {"release", 0x1C, 0x7F, S::Release, 63 * 75},
      {"vibrato rate", 0x15, 0x44, S::VibratoRate, 200},
      {"vibrato depth", 0x16, 0x48, S::VibratoDepth, 16},
      {"vibrato delay", 0x17, 0x38, S::VibratoDelay, -600},
      {"bend range", 0x23, 0x4C, S::BendRange, 12},
      {"bend range turned round", 0x23, 0x3E, S::BendRange, -2},
      {"note shift", 0x08, 0x4C, S::CoarseTune, 12},
      {"portamento", 0x67, 1, S::Portamento, 1},
      {"portamento time", 0x68, 90, S::PortamentoTime, 90},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SoundRig rig;
    rig.Send(test::PartChange(2, c.address, c.value));
    EXPECT_DOUBLE_EQ(rig.engine.Setting(2, c.setting), c.expected);
  }
}

TEST(ModelSound, TheSystemAndEffectBlocksSetTheWholeInstrument) {
  SoundRig rig;
  rig.Send(test::SystemChange(0x06, {0x42}));
  EXPECT_EQ(rig.engine.Setting(0, S::CoarseTune), 2) << "transpose";
  EXPECT_EQ(rig.engine.Setting(9, S::CoarseTune), 0) << "the drums stay where they are";
  rig.Send(test::SystemChange(0x00, {0x00, 0x04, 0x06, 0x04}));
  EXPECT_DOUBLE_EQ(rig.engine.Setting(5, S::FineTune), 10) << "master tune +100 tenths of a cent";
  rig.Send(test::SystemChange(0x04, {64}));
  EXPECT_DOUBLE_EQ(rig.engine.globals[GlobalSetting::MasterGain], (64 / 127.0) * (64 / 127.0));

  rig.Send(test::EffectChange(0x00, {0x01, 0x01}));
  EXPECT_DOUBLE_EQ(rig.engine.globals[GlobalSetting::ReverbTime], kReverbTimeSeconds[25])
      << "Hall 2's own reverb time";
  rig.Send(test::EffectChange(0x0C, {32}));
  EXPECT_DOUBLE_EQ(rig.engine.globals[GlobalSetting::ReverbReturn], 0.5);
  rig.Send(test::EffectChange(0x00, {0x00, 0x00}));
  EXPECT_EQ(rig.engine.globals[GlobalSetting::ReverbReturn], 0) << "no reverb is heard as none";
  rig.Send(test::EffectChange(0x20, {67, 0}));
  EXPECT_EQ(rig.engine.globals[GlobalSetting::ChorusVoices], 1) << "Flanger 1";
  EXPECT_DOUBLE_EQ(rig.engine.globals[GlobalSetting::ChorusRate], kLfoFrequencyHz[14]);
}

TEST(ModelSound, APartPlaysThePresetItsVoiceAsksForOrTheOneThatStandsIn) {
  struct Case {
    const char* name;
    XgVoice voice;
    std::vector<std::pair<int, int>> held;
    SoundPreset heard;
    bool fallback;
  };
  const Case cases[] = {
      {"a normal voice", {0, 0, 4, false}, {{0, 4}}, {0, 4}, false},
      {"a variation bank the SoundFont holds", {0, 8, 4, false}, {{8, 4}, {0, 4}}, {8, 4}, false},
      {"one it lacks: bank 0", {0, 8, 4, false}, {{0, 4}}, {0, 4}, true},
      {"an SFX voice", {64, 0, 3, false}, {{0, 3}}, {0, 3}, true},
      {"a drum kit", {127, 0, 25, true}, {{128, 25}, {128, 0}}, {128, 25}, false},
      {"a kit it lacks: the standard kit", {127, 0, 26, true}, {{128, 0}}, {128, 0}, true},
      {"an SFX kit", {126, 0, 0, true}, {{128, 56}}, {128, 56}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::RecordingSoundEngine engine;
    for (const auto& preset : c.held) engine.presets[preset] = "name";
    const std::optional<HeardPreset> heard = ChoosePreset(engine, c.voice);
    ASSERT_TRUE(heard.has_value());
    EXPECT_EQ(heard->preset, c.heard);
    EXPECT_EQ(heard->fallback, c.fallback);
  }
  EXPECT_EQ(HeardPresetText(HeardPreset{{8, 4}, "EP", true}), "Heard: 008:004 EP (stands in)");
  EXPECT_EQ(HeardPresetText(std::nullopt), "Heard: nothing");

  test::RecordingSoundEngine engine;
  engine.presets = {{{0, 0}, "Piano"}, {{128, 0}, "Standard"}};
  VirtualSynth synth;
  synth.AttachSound(&engine);
  EXPECT_EQ(engine.selected[9], std::make_pair(SoundPreset{128, 0}, true)) << "part 10's kit";
  EXPECT_EQ(synth.Heard(PartIndex::FromIndex(0))->name, "Piano");
  synth.AttachSound(nullptr);
}

TEST(ModelSound, ChannelMessagesPlayOnEveryPartThatReceivesThemAsThePartSays) {
  SoundRig rig;
  auto& notes = rig.engine.notes;
  rig.Send(test::PartChange(3, 0x04, 0x00));
  rig.Send(Bytes({0x90, 60, 100}));
  ASSERT_EQ(notes.size(), 2u) << "parts 1 and 4 both receive on channel 1";
  EXPECT_EQ(notes[1].channel, 3);
  EXPECT_EQ(notes[1].velocity, 100);

  notes.clear();
  rig.Send(test::PartChange(0, 0x0F, 62));
  rig.Send(test::PartChange(3, 0x0C, 32));
  rig.Send(test::PartChange(3, 0x05, 0));
  rig.Send(Bytes({0x90, 60, 100}));
  rig.Send(Bytes({0x90, 64, 100}));
  ASSERT_EQ(notes.size(), 4u) << "part 1 plays from note 62 on";
  EXPECT_EQ(notes[0].velocity, 50) << "half the velocity sense depth";
  EXPECT_EQ(notes[1].channel, 0);
  EXPECT_EQ(notes[2].velocity, 0) << "in mono the new note ends the one before";
  EXPECT_EQ(notes[2].key, 60);

  rig.Send(test::PartChange(3, 0x30, 0));
  rig.Send(Bytes({0xE0, 0x00, 0x50}));
  EXPECT_EQ(rig.engine.bends, (std::vector<std::pair<int, int>>{{0, 0x50 << 7}}))
      << "part 4 does not receive pitch bend";
}

TEST(ModelSound, ADrumNoteSoundsWithItsOwnLevelPanAndPitch) {
  SoundRig rig;
  constexpr int kSnare = 38;
  const DrumParameterBytes kit = *DrumNoteDefaultParameters(kStandardKitMask, kSnare);
  const int level = kit[static_cast<std::size_t>(DrumParameter::Level)];
  const int pan = kit[static_cast<std::size_t>(DrumParameter::Pan)];
  rig.Send(DrumChange(kSnare, 0x02, level / 2));
  rig.Send(DrumChange(kSnare, 0x04, pan + 21));
  rig.Send(DrumChange(kSnare, 0x00, 0x43));
  rig.Send(Bytes({0x99, kSnare, 100}));
  rig.Send(Bytes({0x89, kSnare, 0}));
  ASSERT_FALSE(rig.engine.notes.empty());
  const NoteShape& shape = rig.engine.notes.front().shape;
  EXPECT_NEAR(shape.attenuation, -40 * std::log10((level / 2) / static_cast<double>(level)), 1e-9);
  EXPECT_DOUBLE_EQ(shape.pan, 21 / 63.0);
  EXPECT_EQ(shape.semitones, 3);
  const bool ringsOn = kit[static_cast<std::size_t>(DrumParameter::RcvNoteOff)] == 0;
  EXPECT_EQ(rig.engine.notes.size(), ringsOn ? 1u : 2u) << "the note-off as the kit takes it";
}

}  // namespace
}  // namespace ravlo
