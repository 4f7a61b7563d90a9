#pragma once

#include <functional>
#include <string>

#include "history/EditStep.h"
#include "model/Indices.h"

namespace ravlo {

// The main bar's window table: slot 0 is the main bar, 1..14 the editors;
// the last three serve the Extended model's blocks and open only with it.
enum class EditorSlot {
  MainBar,
  Controllers,
  SystemControl,
  ChannelVoice,
  Reverb,
  Chorus,
  Variation,
  Part,
  DrumSets,
  UserVoice,
  Mixer,
  Review,
  Insertion,
  MultiEq,
  DisplayText,
  kCount
};

inline constexpr int kEditorSlotCount = static_cast<int>(EditorSlot::kCount);

// The main bar's operations that the editor windows call.
class EditorHost {
 public:
  virtual ~EditorHost() = default;

  // Sets the modified mark (and the title's "*") if it is not set yet.
  virtual void MarkModified() = 0;
  // Runs an edit as one step of the edit history, named for the Edit menu
  // ("Part 3 Volume"); returns what the edit returned.
  virtual bool RecordEdit(const std::string& name, const StepReplay& replay,
                          const std::function<bool()>& edit, StepJoin join) = 0;
  // The editor of `slot` closed its window: its button is enabled again.
  virtual void EditorClosed(EditorSlot slot) = 0;

  // A voice went out on a channel from the Controllers window: a user voice
  // slot (bank 63/0, program from 1) is shown in the User Voice window.
  virtual void VoiceChosenForChannel(int bankMsb, int bankLsb, int program) = 0;
  // The Channel Voice browser chose a catalogue entry for the shown channel.
  virtual void ChannelVoiceSelected(int voiceIndex) = 0;
  // The Controllers window shows another channel (from 1), with its modulation.
  virtual void ChannelChosenInControllers(int channel, int modulation) = 0;
  // The Part window's receive channel (from 1) changed or is shown.
  virtual void ChannelChosenInPart(int channel) = 0;
  // The Controllers window set the modulation of its channel.
  virtual void ModulationSet(int value) = 0;
  // The channel the Controllers window shows: its variation send is what
  // makes a system Variation effect count.
  virtual MidiChannel ControllersChannel() const = 0;
};

}  // namespace ravlo
