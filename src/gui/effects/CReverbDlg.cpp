#include "effects/CReverbDlg.h"

#include <array>

#include "effects/EffectTypeTables.h"

namespace ravlo {
namespace {

constexpr std::size_t Slot(ReverbSlot slot) {
  return static_cast<std::size_t>(slot);
}

// Only "White Room", "Tunnel" and "Basement" use Params 6..9, and they all
// use Width: the four follow it. Params 14 and 16 have no field.
constexpr std::size_t kWidthGate = Slot(ReverbSlot::Param6);

constexpr std::size_t kReverbFieldCount = 16;
constexpr std::array<EffectField, kReverbFieldCount> kReverbFields{{
    {"Time", Slot(ReverbSlot::Param1), kNoGate},
    {"Diffusion", Slot(ReverbSlot::Param2), kNoGate},
    {"Delay", Slot(ReverbSlot::Param3), kNoGate},
    {"H Cutoff", Slot(ReverbSlot::Param4), kNoGate},
    {"L Cutoff", Slot(ReverbSlot::Param5), kNoGate},
    {"Width", Slot(ReverbSlot::Param6), kWidthGate},
    {"Height", Slot(ReverbSlot::Param7), kWidthGate},
    {"Depth", Slot(ReverbSlot::Param8), kWidthGate},
    {"Wall Vary", Slot(ReverbSlot::Param9), kWidthGate},
    {"Dry-Wet", Slot(ReverbSlot::Param10), kNoGate},
    {"Return", Slot(ReverbSlot::Return), kNoGate},
    {"Pan", Slot(ReverbSlot::Pan), kNoGate},
    {"Rev Delay", Slot(ReverbSlot::Param11), kNoGate},
    {"Density", Slot(ReverbSlot::Param12), kNoGate},
    {"Balance", Slot(ReverbSlot::Param13), kNoGate},
    {"Feedback", Slot(ReverbSlot::Param15), kNoGate},
}};
static_assert(kReverbFields.size() == kReverbFieldCount);

constexpr EffectEditorTable kReverbEditor{EffectKind::Reverb, EditorSlot::Reverb, "Reverb",
                                          kReverbFields};

}  // namespace

CReverbDlg::CReverbDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EffectBlockDlg(model, host, kReverbEditor, parent) {}

}  // namespace ravlo
