#include "effects/CChorusDlg.h"

#include <array>

#include "effects/EffectTypeTables.h"

namespace ravlo {
namespace {

constexpr std::size_t Slot(ChorusSlot slot) {
  return static_cast<std::size_t>(slot);
}

// Only the Flangers use Param 14 and only Chorus 1..4 and Celeste 1..4 use
// Param 15: each of the two follows its own value. Params 5, 11, 12, 13 and
// 16 have no field.
constexpr std::size_t kChorusFieldCount = 14;
constexpr std::array<EffectField, kChorusFieldCount> kChorusFields{{
    {"LFO Freq", Slot(ChorusSlot::Param1), kNoGate},
    {"LFO Depth", Slot(ChorusSlot::Param2), kNoGate},
    {"Feedback", Slot(ChorusSlot::Param3), kNoGate},
    {"Delay", Slot(ChorusSlot::Param4), kNoGate},
    {"EQLoFreq", Slot(ChorusSlot::Param6), kNoGate},
    {"EQLoGain", Slot(ChorusSlot::Param7), kNoGate},
    {"EQHiFreq", Slot(ChorusSlot::Param8), kNoGate},
    {"EQHiGain", Slot(ChorusSlot::Param9), kNoGate},
    {"Dry-Wet", Slot(ChorusSlot::Param10), kNoGate},
    {"Return", Slot(ChorusSlot::Return), kNoGate},
    {"Pan", Slot(ChorusSlot::Pan), kNoGate},
    {"Chor2Rev", Slot(ChorusSlot::SendToReverb), kNoGate},
    {"LFOPhase", Slot(ChorusSlot::Param14), Slot(ChorusSlot::Param14)},
    {"Stereo", Slot(ChorusSlot::Param15), Slot(ChorusSlot::Param15)},
}};
static_assert(kChorusFields.size() == kChorusFieldCount);

constexpr EffectEditorTable kChorusEditor{EffectKind::Chorus, EditorSlot::Chorus, "Chorus",
                                          kChorusFields};

}  // namespace

CChorusDlg::CChorusDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EffectBlockDlg(model, host, kChorusEditor, parent) {}

}  // namespace ravlo
