#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ravlo {

// A multi part block covers XG addresses 08 pp 00 .. 08 pp 6E, one byte each.
inline constexpr std::size_t kPartAddressCount = 0x6F;
static_assert(kPartAddressCount == 111);

// One entry per address and a closing empty entry; 0x29 .. 0x2F belong to no parameter.
inline constexpr std::size_t kPartParameterNameCount = kPartAddressCount + 1;

inline constexpr std::array<std::string_view, kPartParameterNameCount> kPartParameterNames = {
    "ElmtReserve",      // 00
    "BankSel_MSB",      // 01
    "BankSel_LSB",      // 02
    "Program_Num",      // 03
    "RcvChannel",       // 04
    "Mono_Poly_Md",     // 05
    "Note_Assign",      // 06
    "Part_ModeType",    // 07
    "NoteShiftOffset",  // 08
    "Part_Detune",      // 09
    "Detune_LSB",       // 0A
    "Part_Volume ",     // 0B
    "Veloc_Depth",      // 0C
    "Veloc_Offset",     // 0D
    "Part_PanLevel",    // 0E
    "Note_LimitLo",     // 0F
    "Note_LimitHi",     // 10
    "Dry_Wet_Lvl",      // 11
    "Chorus_Send",      // 12
    "Reverb_Send",      // 13
    "Variatn_Send",     // 14
    "Vibrato_Rate",     // 15
    "Vibrato_Depth",    // 16
    "Vibrato_Delay",    // 17
    "Flt_Cutoff_Q",     // 18
    "Flt_Resonance",    // 19
    "Attack_Time",      // 1A
    "Decay_Time",       // 1B
    "Release_Time",     // 1C
    "Mod_Pitch_Ctl",    // 1D
    "Mod_Filter_Ctl",   // 1E
    "Mod_Amp_Ctl",      // 1F
    "ModLFO_Pitch",     // 20
    "ModLFO_Filter",    // 21
    "ModLFO_Amp",       // 22
    "Bend_Pitch_Ctl",   // 23
    "Bend_Filter_Ctl",  // 24
    "Bend_Amp_Ctl",     // 25
    "BendLFO_Pitch",    // 26
    "BendLFO_Filter",   // 27
    "BendLFO_Amp",      // 28
    "",                 // 29
    "",                 // 2A
    "",                 // 2B
    "",                 // 2C
    "",                 // 2D
    "",                 // 2E
    "",                 // 2F
    "Rcv_Pitch_Bend",   // 30
    "Rcv_ChanAftTch",   // 31
    "Rcv_PrgmChange",   // 32
    "Rcv_CtrlChange",   // 33
    "Rcv_PolyAftTch",   // 34
    "Rcv_NoteMessage",  // 35
    "Rcv_RegParamN",    // 36
    "Rcv_NonRegPN",     // 37
    "Rcv_Modulation",   // 38
    "Rcv_Volume_Ctrl",  // 39
    "Rcv_Pan_Control",  // 3A
    "Rcv_Expression",   // 3B
    "Rcv_Hold_1_Ctrl",  // 3C
    "Rcv_Portamento",   // 3D
    "Rcv_Sostenuto_",   // 3E
    "Rcv_Soft_Pedal",   // 3F
    "Rcv_Bank_Select",  // 40
    "ScaleTune_C",      // 41
    "ScaleTune_C#",     // 42
    "ScaleTune_D",      // 43
    "ScaleTune_D#",     // 44
    "ScaleTune_E",      // 45
    "ScaleTune_F",      // 46
    "ScaleTune_F#",     // 47
    "ScaleTune_G",      // 48
    "ScaleTune_G#",     // 49
    "ScaleTune_A",      // 4A
    "ScaleTune_A#",     // 4B
    "ScaleTune_B",      // 4C
    "CAft_Pitch_Ctl",   // 4D
    "CAft_Filter_Ctl",  // 4E
    "CAft_Amp_Ctl",     // 4F
    "CAftLFO_Pitch",    // 50
    "CAftLFO_Filter",   // 51
    "CAftLFO_Amp",      // 52
    "PAft_Pitch_Ctl",   // 53
    "PAft_Filter_Ctl",  // 54
    "PAft_Amp_Ctl",     // 55
    "PAftLFO_Pitch",    // 56
    "PAftLFO_Filter",   // 57
    "PAftLFO_Amp",      // 58
    "AC1_Control_#",    // 59
    "AC1_Pitch_Ctl",    // 5A
    "AC1_Filter_Ctl",   // 5B
    "AC1_Amp_Ctl",      // 5C
    "AC1LFO_Pitch",     // 5D
    "AC1LFO_Filter",    // 5E
    "AC1LFO_Amp",       // 5F
    "AC2_Control_#",    // 60
    "AC2_Pitch_Ctl",    // 61
    "AC2_Filter_Ctl",   // 62
    "AC2_Amp_Ctl",      // 63
    "AC2LFO_Pitch",     // 64
    "AC2LFO_Filter",    // 65
    "AC2LFO_Amp",       // 66
    "Portamento_On",    // 67
    "PortamentTime",    // 68
    "Pitch_InitLevel",  // 69
    "Pitch_AtckTime",   // 6A
    "Pitch_RelLevel",   // 6B
    "Pitch_RelTime",    // 6C
    "Veloc_LimitLo",    // 6D
    "Veloc_LimitHi",    // 6E
    "",                 // 6F
};

// The window that edits a part parameter.
enum class PartEditor : std::uint8_t {
  PartWindowReserved,  // the Part window's element reserve field
  PartWindowVoice,     // the Part window's voice browser
  PartWindowChannel,   // the Part window's channel field and Off button
  Mode,
  PartControl,
  PartFxSend,
  ToneControl,
  ControlModulation,
  ControlBend,
  Receive,
  ScaleTuning,
  ControlChannelAftertouch,
  ControlPolyAftertouch,
  AssignableController1,
  AssignableController2,
  PitchEnvelope,
  None,
  Count
};

struct PartParameterInfo {
  std::uint8_t normalDefault;
  bool normalDefaultIsPartIndex;  // the receive channel defaults to the part's own number
  std::uint8_t drumDefault;       // the drum part's (part 10's); 0xFF: a drum part lacks it
  PartEditor editor;
};

// Indexed by address.
inline constexpr std::array<PartParameterInfo, kPartAddressCount> kPartParameters = {{
    {0x02, false, 0x00, PartEditor::PartWindowReserved},        // 00
    {0x00, false, 0x7F, PartEditor::PartWindowVoice},           // 01
    {0x00, false, 0x00, PartEditor::PartWindowVoice},           // 02
    {0x00, false, 0x00, PartEditor::PartWindowVoice},           // 03
    {0x00, true, 0x09, PartEditor::PartWindowChannel},          // 04
    {0x01, false, 0xFF, PartEditor::Mode},                      // 05
    {0x01, false, 0x02, PartEditor::Mode},                      // 06
    {0x00, false, 0x02, PartEditor::Mode},                      // 07
    {0x40, false, 0x40, PartEditor::PartControl},               // 08
    {0x08, false, 0x08, PartEditor::PartControl},               // 09
    {0x00, false, 0x00, PartEditor::PartControl},               // 0A
    {0x64, false, 0x64, PartEditor::PartControl},               // 0B
    {0x40, false, 0x40, PartEditor::PartControl},               // 0C
    {0x40, false, 0x40, PartEditor::PartControl},               // 0D
    {0x40, false, 0x40, PartEditor::PartControl},               // 0E
    {0x00, false, 0x00, PartEditor::PartControl},               // 0F
    {0x7F, false, 0x7F, PartEditor::PartControl},               // 10
    {0x7F, false, 0x7F, PartEditor::PartFxSend},                // 11
    {0x00, false, 0x00, PartEditor::PartFxSend},                // 12
    {0x28, false, 0x28, PartEditor::PartFxSend},                // 13
    {0x00, false, 0x00, PartEditor::PartFxSend},                // 14
    {0x40, false, 0x40, PartEditor::ToneControl},               // 15
    {0x40, false, 0xFF, PartEditor::ToneControl},               // 16
    {0x40, false, 0xFF, PartEditor::ToneControl},               // 17
    {0x40, false, 0x40, PartEditor::ToneControl},               // 18
    {0x40, false, 0x40, PartEditor::ToneControl},               // 19
    {0x40, false, 0x40, PartEditor::ToneControl},               // 1A
    {0x40, false, 0x40, PartEditor::ToneControl},               // 1B
    {0x40, false, 0x40, PartEditor::ToneControl},               // 1C
    {0x40, false, 0x40, PartEditor::ControlModulation},         // 1D
    {0x40, false, 0x40, PartEditor::ControlModulation},         // 1E
    {0x40, false, 0x40, PartEditor::ControlModulation},         // 1F
    {0x0A, false, 0x0A, PartEditor::ControlModulation},         // 20
    {0x00, false, 0x00, PartEditor::ControlModulation},         // 21
    {0x00, false, 0x00, PartEditor::ControlModulation},         // 22
    {0x42, false, 0x42, PartEditor::ControlBend},               // 23
    {0x40, false, 0x40, PartEditor::ControlBend},               // 24
    {0x40, false, 0x40, PartEditor::ControlBend},               // 25
    {0x00, false, 0x00, PartEditor::ControlBend},               // 26
    {0x00, false, 0x00, PartEditor::ControlBend},               // 27
    {0x00, false, 0x00, PartEditor::ControlBend},               // 28
    {0xFF, false, 0xFF, PartEditor::None},                      // 29
    {0xFF, false, 0xFF, PartEditor::None},                      // 2A
    {0xFF, false, 0xFF, PartEditor::None},                      // 2B
    {0xFF, false, 0xFF, PartEditor::None},                      // 2C
    {0xFF, false, 0xFF, PartEditor::None},                      // 2D
    {0xFF, false, 0xFF, PartEditor::None},                      // 2E
    {0xFF, false, 0xFF, PartEditor::None},                      // 2F
    {0x01, false, 0x01, PartEditor::Receive},                   // 30
    {0x01, false, 0x01, PartEditor::Receive},                   // 31
    {0x01, false, 0x01, PartEditor::Receive},                   // 32
    {0x01, false, 0x01, PartEditor::Receive},                   // 33
    {0x01, false, 0xFF, PartEditor::Receive},                   // 34
    {0x01, false, 0x01, PartEditor::Receive},                   // 35
    {0x01, false, 0x01, PartEditor::Receive},                   // 36
    {0x01, false, 0x01, PartEditor::Receive},                   // 37
    {0x01, false, 0x01, PartEditor::Receive},                   // 38
    {0x01, false, 0x01, PartEditor::Receive},                   // 39
    {0x01, false, 0x01, PartEditor::Receive},                   // 3A
    {0x01, false, 0x01, PartEditor::Receive},                   // 3B
    {0x01, false, 0x01, PartEditor::Receive},                   // 3C
    {0x01, false, 0xFF, PartEditor::Receive},                   // 3D
    {0x01, false, 0x01, PartEditor::Receive},                   // 3E
    {0x01, false, 0xFF, PartEditor::Receive},                   // 3F
    {0x01, false, 0x01, PartEditor::Receive},                   // 40
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 41
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 42
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 43
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 44
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 45
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 46
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 47
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 48
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 49
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 4A
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 4B
    {0x40, false, 0xFF, PartEditor::ScaleTuning},               // 4C
    {0x40, false, 0x40, PartEditor::ControlChannelAftertouch},  // 4D
    {0x40, false, 0x40, PartEditor::ControlChannelAftertouch},  // 4E
    {0x40, false, 0x40, PartEditor::ControlChannelAftertouch},  // 4F
    {0x00, false, 0x00, PartEditor::ControlChannelAftertouch},  // 50
    {0x00, false, 0x00, PartEditor::ControlChannelAftertouch},  // 51
    {0x00, false, 0x00, PartEditor::ControlChannelAftertouch},  // 52
    {0x40, false, 0xFF, PartEditor::ControlPolyAftertouch},     // 53
    {0x40, false, 0xFF, PartEditor::ControlPolyAftertouch},     // 54
    {0x40, false, 0xFF, PartEditor::ControlPolyAftertouch},     // 55
    {0x00, false, 0xFF, PartEditor::ControlPolyAftertouch},     // 56
    {0x00, false, 0xFF, PartEditor::ControlPolyAftertouch},     // 57
    {0x00, false, 0xFF, PartEditor::ControlPolyAftertouch},     // 58
    {0x10, false, 0x10, PartEditor::AssignableController1},     // 59
    {0x40, false, 0x40, PartEditor::AssignableController1},     // 5A
    {0x40, false, 0x40, PartEditor::AssignableController1},     // 5B
    {0x40, false, 0x40, PartEditor::AssignableController1},     // 5C
    {0x00, false, 0x00, PartEditor::AssignableController1},     // 5D
    {0x00, false, 0x00, PartEditor::AssignableController1},     // 5E
    {0x00, false, 0x00, PartEditor::AssignableController1},     // 5F
    {0x11, false, 0x11, PartEditor::AssignableController2},     // 60
    {0x40, false, 0x40, PartEditor::AssignableController2},     // 61
    {0x40, false, 0x40, PartEditor::AssignableController2},     // 62
    {0x40, false, 0x40, PartEditor::AssignableController2},     // 63
    {0x00, false, 0x00, PartEditor::AssignableController2},     // 64
    {0x00, false, 0x00, PartEditor::AssignableController2},     // 65
    {0x00, false, 0x00, PartEditor::AssignableController2},     // 66
    {0x00, false, 0xFF, PartEditor::PartControl},               // 67
    {0x00, false, 0xFF, PartEditor::PartControl},               // 68
    {0x40, false, 0xFF, PartEditor::PitchEnvelope},             // 69
    {0x40, false, 0xFF, PartEditor::PitchEnvelope},             // 6A
    {0x40, false, 0xFF, PartEditor::PitchEnvelope},             // 6B
    {0x40, false, 0xFF, PartEditor::PitchEnvelope},             // 6C
    {0x01, false, 0x01, PartEditor::PartControl},               // 6D
    {0x7F, false, 0x7F, PartEditor::PartControl},               // 6E
}};

// Empty for 0x29 .. 0x2F, for the closing entry 0x6F and outside the table.
std::string_view PartParameterName(int address);
// nullptr outside 0x00 .. 0x6E.
const PartParameterInfo* FindPartParameter(int address);

}  // namespace ravlo
