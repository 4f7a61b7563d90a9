#include "voices/VoiceCatalogueData.h"

namespace ravlo {
namespace {

using enum VoiceCategory;

// Fewer initialisers than the array holds would leave zeroed records at the end.
template <typename Records>
constexpr bool AllNamed(const Records& records) {
  for (const auto& record : records) {
    if (record.Name().empty()) return false;
  }
  return true;
}

}  // namespace

// Bank MSB, program, bank LSB, name, elements, category; the trailing comment is the index.
extern constexpr std::array<VoiceRecord, kVoiceCount> kVoiceRecords = {{
    {0, 1, 0, "GrandPno", 1, kPiano},                  // 0
    {0, 1, 1, "GrndPnoK", 1, kPiano},                  // 1
    {0, 1, 18, "MelloGrP", 1, kPiano},                 // 2
    {0, 1, 40, "PianoStr", 2, kPiano},                 // 3
    {0, 1, 41, "Dream", 2, kPiano},                    // 4
    {63, 1, 0, "UVox 01", 2, kUser},                   // 5
    {64, 1, 0, "CuttngNz", 1, kSpecialFxVoice},        // 6
    {126, 1, 0, "SFX Kit1", 1, kSpecialFxKit},         // 7
    {127, 1, 0, "StndKit1", 1, kDrums},                // 8
    {0, 2, 0, "BritePno", 1, kPiano},                  // 9
    {0, 2, 1, "BritPnoK", 1, kPiano},                  // 10
    {63, 2, 0, "UVox 02", 2, kUser},                   // 11
    {64, 2, 0, "CutngNz2", 1, kSpecialFxVoice},        // 12
    {126, 2, 0, "SFX Kit2", 1, kSpecialFxKit},         // 13
    {127, 2, 0, "StndKit2", 1, kDrums},                // 14
    {0, 3, 0, "E.Grand", 2, kPiano},                   // 15
    {0, 3, 1, "ElGrPnoK", 2, kPiano},                  // 16
    {0, 3, 32, "Det.CP80", 2, kPiano},                 // 17
    {0, 3, 40, "ElGrPno1", 2, kPiano},                 // 18
    {0, 3, 41, "ElGrPno2", 2, kPiano},                 // 19
    {63, 3, 0, "UVox 03", 2, kUser},                   // 20
    {0, 4, 0, "HnkyTonk", 2, kPiano},                  // 21
    {0, 4, 1, "HnkyTnkK", 2, kPiano},                  // 22
    {63, 4, 0, "UVox 04", 2, kUser},                   // 23
    {64, 4, 0, "Str Slap", 1, kSpecialFxVoice},        // 24
    {0, 5, 0, "E.Piano1", 2, kPiano},                  // 25
    {0, 5, 1, "El.Pno1K", 1, kPiano},                  // 26
    {0, 5, 18, "MelloEP1", 2, kPiano},                 // 27
    {0, 5, 32, "Chor.EP1", 2, kPiano},                 // 28
    {0, 5, 40, "HardEl.P", 2, kPiano},                 // 29
    {0, 5, 45, "VX El.P1", 2, kPiano},                 // 30
    {0, 5, 64, "60sEl.P", 1, kPiano},                  // 31
    {63, 5, 0, "UVox 05", 2, kUser},                   // 32
    {0, 6, 0, "E.Piano2", 2, kPiano},                  // 33
    {0, 6, 1, "El.Pno2K", 1, kPiano},                  // 34
    {0, 6, 32, "Chor.EP2", 2, kPiano},                 // 35
    {0, 6, 33, "DX Hard", 2, kPiano},                  // 36
    {0, 6, 34, "DXLegend", 2, kPiano},                 // 37
    {0, 6, 40, "DX Phase", 2, kPiano},                 // 38
    {0, 6, 41, "DX+Analg", 2, kPiano},                 // 39
    {0, 6, 42, "DXKotoEP", 2, kPiano},                 // 40
    {0, 6, 45, "VX El.P2", 2, kPiano},                 // 41
    {63, 6, 0, "UVox 06", 2, kUser},                   // 42
    {0, 7, 0, "Harpsi.", 1, kPiano},                   // 43
    {0, 7, 1, "Harpsi.K", 1, kPiano},                  // 44
    {0, 7, 25, "Harpsi.2", 2, kPiano},                 // 45
    {0, 7, 35, "Harpsi.3", 2, kPiano},                 // 46
    {63, 7, 0, "UVox 07", 2, kUser},                   // 47
    {0, 8, 0, "Clavi.", 2, kPiano},                    // 48
    {0, 8, 1, "Clavi. K", 1, kPiano},                  // 49
    {0, 8, 27, "ClaviWah", 2, kPiano},                 // 50
    {0, 8, 64, "PulseClv", 1, kPiano},                 // 51
    {0, 8, 65, "PierceCl", 2, kPiano},                 // 52
    {63, 8, 0, "UVox 08", 2, kUser},                   // 53
    {0, 9, 0, "Celesta", 1, kChromaticPercussion},     // 54
    {63, 9, 0, "UVox 09", 2, kUser},                   // 55
    {127, 9, 0, "Room", 1, kDrums},                    // 56
    {0, 10, 0, "Glocken", 1, kChromaticPercussion},    // 57
    {63, 10, 0, "UVox 10", 2, kUser},                  // 58
    {0, 11, 0, "MusicBox", 2, kChromaticPercussion},   // 59
    {0, 11, 64, "Orgel", 2, kChromaticPercussion},     // 60
    {63, 11, 0, "UVox 11", 2, kUser},                  // 61
    {0, 12, 0, "Vibes", 1, kChromaticPercussion},      // 62
    {0, 12, 1, "VibesK", 1, kChromaticPercussion},     // 63
    {0, 12, 45, "HardVibe", 2, kChromaticPercussion},  // 64
    {63, 12, 0, "UVox 12", 2, kUser},                  // 65
    {0, 13, 0, "Marimba", 1, kChromaticPercussion},    // 66
    {0, 13, 1, "MarimbaK", 1, kChromaticPercussion},   // 67
    {0, 13, 64, "SineMrmb", 2, kChromaticPercussion},  // 68
    {0, 13, 97, "Balafon2", 2, kChromaticPercussion},  // 69
    {0, 13, 98, "Log Drum", 2, kChromaticPercussion},  // 70
    {63, 13, 0, "UVox 13", 2, kUser},                  // 71
    {0, 14, 0, "Xylophon", 1, kChromaticPercussion},   // 72
    {63, 14, 0, "UVox 14", 2, kUser},                  // 73
    {0, 15, 0, "TubulBel", 1, kChromaticPercussion},   // 74
    {0, 15, 96, "ChrchBel", 2, kChromaticPercussion},  // 75
    {0, 15, 97, "Carillon", 2, kChromaticPercussion},  // 76
    {63, 15, 0, "UVox 15", 2, kUser},                  // 77
    {0, 16, 0, "Dulcimer", 1, kChromaticPercussion},   // 78
    {0, 16, 35, "Dulcimr2", 2, kChromaticPercussion},  // 79
    {0, 16, 96, "Cimbalom", 2, kChromaticPercussion},  // 80
    {0, 16, 97, "Santur", 2, kChromaticPercussion},    // 81
    {63, 16, 0, "UVox 16", 2, kUser},                  // 82
    {0, 17, 0, "DrawOrgn", 1, kOrgan},                 // 83
    {0, 17, 32, "DetDrwOr", 2, kOrgan},                // 84
    {0, 17, 33, "60sDrOr1", 2, kOrgan},                // 85
    {0, 17, 34, "60sDrOr2", 2, kOrgan},                // 86
    {0, 17, 35, "70sDrOr1", 2, kOrgan},                // 87
    {0, 17, 36, "DrawOrg2", 2, kOrgan},                // 88
    {0, 17, 37, "60sDrOr3", 2, kOrgan},                // 89
    {0, 17, 38, "EvenBar", 2, kOrgan},                 // 90
    {0, 17, 40, "16+2'2/3", 2, kOrgan},                // 91
    {0, 17, 64, "Organ Ba", 1, kOrgan},                // 92
    {0, 17, 65, "70sDrOr2", 2, kOrgan},                // 93
    {0, 17, 66, "CheezOrg", 2, kOrgan},                // 94
    {0, 17, 67, "DrawOrg3", 2, kOrgan},                // 95
    {63, 17, 0, "UVox 17", 2, kUser},                  // 96
    {64, 17, 0, "Fl.Klick", 1, kSpecialFxVoice},       // 97
    {127, 17, 0, "Rock", 1, kDrums},                   // 98
    {0, 18, 0, "PercOrgn", 1, kOrgan},                 // 99
    {0, 18, 24, "70sPcOr1", 2, kOrgan},                // 100
    {0, 18, 32, "DetPrcOr", 2, kOrgan},                // 101
    {0, 18, 33, "LiteOrg", 2, kOrgan},                 // 102
    {0, 18, 37, "PercOrg2", 2, kOrgan},                // 103
    {63, 18, 0, "UVox 18", 2, kUser},                  // 104
    {0, 19, 0, "RockOrgn", 2, kOrgan},                 // 105
    {0, 19, 64, "RotaryOr", 2, kOrgan},                // 106
    {0, 19, 65, "SloRotar", 2, kOrgan},                // 107
    {0, 19, 66, "FstRotar", 2, kOrgan},                // 108
    {63, 19, 0, "UVox 19", 2, kUser},                  // 109
    {0, 20, 0, "ChrchOrg", 2, kOrgan},                 // 110
    {0, 20, 32, "ChurOrg3", 2, kOrgan},                // 111
    {0, 20, 35, "ChurOrg2", 2, kOrgan},                // 112
    {0, 20, 40, "NotreDam", 2, kOrgan},                // 113
    {0, 20, 64, "OrgFlute", 2, kOrgan},                // 114
    {0, 20, 65, "TrmOrgFl", 2, kOrgan},                // 115
    {63, 20, 0, "UVox 20", 2, kUser},                  // 116
    {0, 21, 0, "ReedOrgn", 1, kOrgan},                 // 117
    {0, 21, 40, "Puff Org", 2, kOrgan},                // 118
    {63, 21, 0, "UVox 21", 2, kUser},                  // 119
    {0, 22, 0, "Acordion", 2, kOrgan},                 // 120
    {0, 22, 32, "AccordIt", 2, kOrgan},                // 121
    {63, 22, 0, "UVox 22", 2, kUser},                  // 122
    {0, 23, 0, "Harmnica", 1, kOrgan},                 // 123
    {0, 23, 32, "Harmo 2 ", 2, kOrgan},                // 124
    {63, 23, 0, "UVox 23", 2, kUser},                  // 125
    {0, 24, 0, "TangoAcd", 2, kOrgan},                 // 126
    {0, 24, 64, "TngoAcd2", 2, kOrgan},                // 127
    {63, 24, 0, "UVox 24", 2, kUser},                  // 128
    {0, 25, 0, "NylonGtr", 1, kGuitar},                // 129
    {0, 25, 16, "NylonGt2", 1, kGuitar},               // 130
    {0, 25, 25, "NylonGt3", 2, kGuitar},               // 131
    {0, 25, 43, "VelGtHrm", 2, kGuitar},               // 132
    {0, 25, 96, "Ukulele", 1, kGuitar},                // 133
    {63, 25, 0, "UVox 25", 2, kUser},                  // 134
    {127, 25, 0, "Electro", 1, kDrums},                // 135
    {0, 26, 0, "SteelGtr", 1, kGuitar},                // 136
    {0, 26, 16, "SteelGt2", 1, kGuitar},               // 137
    {0, 26, 35, "12StrGtr", 2, kGuitar},               // 138
    {0, 26, 40, "Nyln+Stl", 2, kGuitar},               // 139
    {0, 26, 41, "Stl+Body", 2, kGuitar},               // 140
    {0, 26, 96, "Mandolin", 2, kGuitar},               // 141
    {63, 26, 0, "UVox 26", 2, kUser},                  // 142
    {127, 26, 0, "Analog", 1, kDrums},                 // 143
    {0, 27, 0, "Jazz Gtr", 1, kGuitar},                // 144
    {0, 27, 18, "MelloGtr", 1, kGuitar},               // 145
    {0, 27, 32, "JazzAmp", 2, kGuitar},                // 146
    {63, 27, 0, "UVox 27", 2, kUser},                  // 147
    {0, 28, 0, "CleanGtr", 1, kGuitar},                // 148
    {0, 28, 32, "ChorusGt", 2, kGuitar},               // 149
    {63, 28, 0, "UVox 28", 2, kUser},                  // 150
    {0, 29, 0, "Mute.Gtr", 1, kGuitar},                // 151
    {0, 29, 40, "FunkGtr1", 2, kGuitar},               // 152
    {0, 29, 41, "MuteStlG", 2, kGuitar},               // 153
    {0, 29, 43, "FunkGtr2", 2, kGuitar},               // 154
    {0, 29, 45, "Jazz Man", 1, kGuitar},               // 155
    {63, 29, 0, "UVox 29", 2, kUser},                  // 156
    {0, 30, 0, "Ovrdrive", 1, kGuitar},                // 157
    {0, 30, 43, "Gt.Pinch", 2, kGuitar},               // 158
    {63, 30, 0, "UVox 30", 2, kUser},                  // 159
    {0, 31, 0, "Dist.Gtr", 1, kGuitar},                // 160
    {0, 31, 40, "FeedbkGt", 2, kGuitar},               // 161
    {0, 31, 41, "FeedbGt2", 2, kGuitar},               // 162
    {63, 31, 0, "UVox 31", 2, kUser},                  // 163
    {0, 32, 0, "GtrHarmo", 1, kGuitar},                // 164
    {0, 32, 65, "GtFeedbk", 1, kGuitar},               // 165
    {0, 32, 66, "GtrHrmo2", 1, kGuitar},               // 166
    {63, 32, 0, "UVox 32", 2, kUser},                  // 167
    {0, 33, 0, "Aco.Bass", 1, kBass},                  // 168
    {0, 33, 40, "JazzRthm", 2, kBass},                 // 169
    {0, 33, 45, "VXUprght", 2, kBass},                 // 170
    {64, 33, 0, "Rain", 1, kSpecialFxVoice},           // 171
    {127, 33, 0, "Jazz", 1, kDrums},                   // 172
    {0, 34, 0, "FngrBass", 1, kBass},                  // 173
    {0, 34, 18, "FingrDrk", 2, kBass},                 // 174
    {0, 34, 27, "FlangeBa", 2, kBass},                 // 175
    {0, 34, 40, "Ba+DstEG", 2, kBass},                 // 176
    {0, 34, 43, "FngrSlap", 2, kBass},                 // 177
    {0, 34, 45, "FngBass2", 2, kBass},                 // 178
    {0, 34, 65, "ModAlem", 2, kBass},                  // 179
    {64, 34, 0, "Thunder", 1, kSpecialFxVoice},        // 180
    {0, 35, 0, "PickBass", 1, kBass},                  // 181
    {0, 35, 28, "MutePkBa", 1, kBass},                 // 182
    {64, 35, 0, "Wind", 1, kSpecialFxVoice},           // 183
    {0, 36, 0, "Fretless", 1, kBass},                  // 184
    {0, 36, 32, "Fretles2", 2, kBass},                 // 185
    {0, 36, 33, "Fretles3", 2, kBass},                 // 186
    {0, 36, 34, "Fretles4", 2, kBass},                 // 187
    {0, 36, 96, "SynFretl", 2, kBass},                 // 188
    {0, 36, 97, "Smooth", 2, kBass},                   // 189
    {64, 36, 0, "Stream", 2, kSpecialFxVoice},         // 190
    {0, 37, 0, "SlapBas1", 1, kBass},                  // 191
    {0, 37, 27, "ResoSlap", 1, kBass},                 // 192
    {0, 37, 32, "PunchThm", 2, kBass},                 // 193
    {64, 37, 0, "Bubble", 2, kSpecialFxVoice},         // 194
    {0, 38, 0, "SlapBas2", 1, kBass},                  // 195
    {0, 38, 43, "VeloSlap", 2, kBass},                 // 196
    {64, 38, 0, "Feed", 2, kSpecialFxVoice},           // 197
    {0, 39, 0, "SynBass1", 1, kBass},                  // 198
    {0, 39, 18, "SynBa1Dk", 1, kBass},                 // 199
    {0, 39, 20, "FastResB", 1, kBass},                 // 200
    {0, 39, 24, "AcidBass", 1, kBass},                 // 201
    {0, 39, 35, "Clv Bass", 2, kBass},                 // 202
    {0, 39, 40, "TeknoBa", 2, kBass},                  // 203
    {0, 39, 64, "Oscar", 2, kBass},                    // 204
    {0, 39, 65, "SqrBass", 1, kBass},                  // 205
    {0, 39, 66, "RubberBa", 2, kBass},                 // 206
    {0, 39, 96, "Hammer", 2, kBass},                   // 207
    {0, 40, 0, "SynBass2", 2, kBass},                  // 208
    {0, 40, 6, "MelloSB1", 1, kBass},                  // 209
    {0, 40, 12, "Seq Bass", 2, kBass},                 // 210
    {0, 40, 18, "ClkSynBa", 2, kBass},                 // 211
    {0, 40, 19, "SynBa2Dk", 1, kBass},                 // 212
    {0, 40, 32, "SmthBa 2", 2, kBass},                 // 213
    {0, 40, 40, "ModulrBa", 2, kBass},                 // 214
    {0, 40, 41, "DX Bass", 2, kBass},                  // 215
    {0, 40, 64, "X WireBa", 2, kBass},                 // 216
    {0, 41, 0, "Violin", 1, kStrings},                 // 217
    {0, 41, 8, "SlowVln", 1, kStrings},                // 218
    {127, 41, 0, "Brush", 1, kDrums},                  // 219
    {0, 42, 0, "Viola", 1, kStrings},                  // 220
    {0, 43, 0, "Cello", 1, kStrings},                  // 221
    {0, 44, 0, "Contrabs", 1, kStrings},               // 222
    {0, 45, 0, "Trem.Str", 1, kStrings},               // 223
    {0, 45, 8, "SloTrStr", 1, kStrings},               // 224
    {0, 45, 40, "Susp Str", 2, kStrings},              // 225
    {0, 46, 0, "Pizz.Str", 1, kStrings},               // 226
    {0, 47, 0, "Harp", 1, kStrings},                   // 227
    {0, 47, 40, "YangChin", 2, kStrings},              // 228
    {0, 48, 0, "Timpani", 1, kStrings},                // 229
    {0, 49, 0, "Strings1", 1, kEnsemble},              // 230
    {0, 49, 3, "S.Strngs", 2, kEnsemble},              // 231
    {0, 49, 8, "SlowStr", 1, kEnsemble},               // 232
    {0, 49, 24, "ArcoStr", 2, kEnsemble},              // 233
    {0, 49, 35, "60sStrng", 2, kEnsemble},             // 234
    {0, 49, 40, "Orchestr", 2, kEnsemble},             // 235
    {0, 49, 41, "Orchstr2", 2, kEnsemble},             // 236
    {0, 49, 42, "TremOrch", 2, kEnsemble},             // 237
    {0, 49, 45, "VeloStr", 2, kEnsemble},              // 238
    {64, 49, 0, "Dog", 1, kSpecialFxVoice},            // 239
    {127, 49, 0, "Classic", 1, kDrums},                // 240
    {0, 50, 0, "Strings2", 1, kEnsemble},              // 241
    {0, 50, 3, "S.SlwStr", 2, kEnsemble},              // 242
    {0, 50, 8, "LegatoSt", 2, kEnsemble},              // 243
    {0, 50, 40, "Warm Str", 2, kEnsemble},             // 244
    {0, 50, 41, "Kingdom", 2, kEnsemble},              // 245
    {0, 50, 64, "70s Str", 1, kEnsemble},              // 246
    {0, 50, 65, "Str Ens3", 1, kEnsemble},             // 247
    {64, 50, 0, "Horse", 1, kSpecialFxVoice},          // 248
    {0, 51, 0, "Syn.Str1", 2, kEnsemble},              // 249
    {0, 51, 27, "ResoStr", 2, kEnsemble},              // 250
    {0, 51, 64, "Syn Str4", 2, kEnsemble},             // 251
    {0, 51, 65, "SS Str", 2, kEnsemble},               // 252
    {64, 51, 0, "Bird 2", 1, kSpecialFxVoice},         // 253
    {0, 52, 0, "Syn.Str2", 2, kEnsemble},              // 254
    {0, 53, 0, "ChoirAah", 1, kEnsemble},              // 255
    {0, 53, 3, "S.Choir", 2, kEnsemble},               // 256
    {0, 53, 16, "Ch.Aahs2", 2, kEnsemble},             // 257
    {0, 53, 32, "MelChoir", 2, kEnsemble},             // 258
    {0, 53, 40, "ChoirStr", 2, kEnsemble},             // 259
    {0, 54, 0, "VoiceOoh", 1, kEnsemble},              // 260
    {0, 55, 0, "SynVoice", 1, kEnsemble},              // 261
    {0, 55, 40, "SynVox2", 2, kEnsemble},              // 262
    {0, 55, 41, "Choral", 2, kEnsemble},               // 263
    {0, 55, 64, "AnaVoice", 1, kEnsemble},             // 264
    {64, 55, 0, "Ghost", 2, kSpecialFxVoice},          // 265
    {0, 56, 0, "Orch.Hit", 2, kEnsemble},              // 266
    {0, 56, 35, "OrchHit2", 2, kEnsemble},             // 267
    {0, 56, 64, "Impact", 2, kEnsemble},               // 268
    {64, 56, 0, "Maou", 2, kSpecialFxVoice},           // 269
    {0, 57, 0, "Trumpet", 1, kBrass},                  // 270
    {0, 57, 16, "Trumpet2", 1, kBrass},                // 271
    {0, 57, 17, "BriteTrp", 2, kBrass},                // 272
    {0, 57, 32, "WarmTrp", 2, kBrass},                 // 273
    {0, 58, 0, "Trombone", 1, kBrass},                 // 274
    {0, 58, 18, "Trmbone2", 2, kBrass},                // 275
    {0, 59, 0, "Tuba", 1, kBrass},                     // 276
    {0, 59, 16, "Tuba 2", 1, kBrass},                  // 277
    {0, 60, 0, "Mute.Trp", 1, kBrass},                 // 278
    {0, 61, 0, "Fr.Horn", 2, kBrass},                  // 279
    {0, 61, 6, "FrHrSolo", 2, kBrass},                 // 280
    {0, 61, 32, "FrHorn2", 1, kBrass},                 // 281
    {0, 61, 37, "HornOrch", 2, kBrass},                // 282
    {0, 62, 0, "BrasSect", 1, kBrass},                 // 283
    {0, 62, 35, "Tp+TbSec", 2, kBrass},                // 284
    {0, 62, 40, "BrssSec2", 2, kBrass},                // 285
    {0, 62, 41, "HiBrass", 2, kBrass},                 // 286
    {0, 62, 42, "MelloBrs", 2, kBrass},                // 287
    {0, 63, 0, "SynBras1", 2, kBrass},                 // 288
    {0, 63, 12, "QuackBr", 2, kBrass},                 // 289
    {0, 63, 20, "RezSynBr", 2, kBrass},                // 290
    {0, 63, 24, "PolyBrss", 2, kBrass},                // 291
    {0, 63, 27, "SynBras3", 2, kBrass},                // 292
    {0, 63, 32, "JumpBrss", 2, kBrass},                // 293
    {0, 63, 45, "AnaVelBr", 2, kBrass},                // 294
    {0, 63, 64, "AnaBrss1", 2, kBrass},                // 295
    {0, 64, 0, "SynBras2", 1, kBrass},                 // 296
    {0, 64, 18, "Soft Brs", 2, kBrass},                // 297
    {0, 64, 40, "SynBras4", 2, kBrass},                // 298
    {0, 64, 41, "ChorBrss", 2, kBrass},                // 299
    {0, 64, 45, "VelBras2", 2, kBrass},                // 300
    {0, 64, 64, "AnaBras2", 2, kBrass},                // 301
    {0, 65, 0, "SprnoSax", 1, kReed},                  // 302
    {64, 65, 0, "Tel.Dial", 1, kSpecialFxVoice},       // 303
    {0, 66, 0, "Alto Sax", 1, kReed},                  // 304
    {0, 66, 40, "Sax Sect", 2, kReed},                 // 305
    {0, 66, 43, "HyprAlto", 2, kReed},                 // 306
    {64, 66, 0, "DoorSqek", 1, kSpecialFxVoice},       // 307
    {0, 67, 0, "TenorSax", 1, kReed},                  // 308
    {0, 67, 40, "BrthTnSx", 2, kReed},                 // 309
    {0, 67, 41, "SoftTenr", 2, kReed},                 // 310
    {0, 67, 64, "TnrSax 2", 1, kReed},                 // 311
    {64, 67, 0, "DoorSlam", 1, kSpecialFxVoice},       // 312
    {0, 68, 0, "Bari.Sax", 1, kReed},                  // 313
    {64, 68, 0, "Scratch", 1, kSpecialFxVoice},        // 314
    {0, 69, 0, "Oboe", 2, kReed},                      // 315
    {64, 69, 0, "Scratch2", 2, kSpecialFxVoice},       // 316
    {0, 70, 0, "Eng.Horn", 1, kReed},                  // 317
    {64, 70, 0, "WindChm", 1, kSpecialFxVoice},        // 318
    {0, 71, 0, "Bassoon", 1, kReed},                   // 319
    {64, 71, 0, "Telphon2", 1, kSpecialFxVoice},       // 320
    {0, 72, 0, "Clarinet", 1, kReed},                  // 321
    {0, 73, 0, "Piccolo", 1, kPipe},                   // 322
    {0, 74, 0, "Flute", 1, kPipe},                     // 323
    {0, 75, 0, "Recorder", 1, kPipe},                  // 324
    {0, 76, 0, "PanFlute", 1, kPipe},                  // 325
    {0, 77, 0, "Bottle", 2, kPipe},                    // 326
    {0, 78, 0, "Shakhchi", 2, kPipe},                  // 327
    {0, 79, 0, "Whistle", 1, kPipe},                   // 328
    {0, 80, 0, "Ocarina", 1, kPipe},                   // 329
    {0, 81, 0, "SquareLd", 2, kSynthLead},             // 330
    {0, 81, 6, "Square 2", 1, kSynthLead},             // 331
    {0, 81, 8, "LMSquare", 2, kSynthLead},             // 332
    {0, 81, 18, "Hollow", 1, kSynthLead},              // 333
    {0, 81, 19, "Shmoog", 2, kSynthLead},              // 334
    {0, 81, 64, "Mellow", 2, kSynthLead},              // 335
    {0, 81, 65, "SoloSine", 2, kSynthLead},            // 336
    {0, 81, 66, "SineLead", 1, kSynthLead},            // 337
    {64, 81, 0, "CarEngin", 1, kSpecialFxVoice},       // 338
    {0, 82, 0, "Saw.Lead", 2, kSynthLead},             // 339
    {0, 82, 6, "Saw 2", 1, kSynthLead},                // 340
    {0, 82, 8, "ThickSaw", 2, kSynthLead},             // 341
    {0, 82, 18, "DynaSaw", 1, kSynthLead},             // 342
    {0, 82, 19, "DigiSaw", 2, kSynthLead},             // 343
    {0, 82, 20, "Big Lead", 2, kSynthLead},            // 344
    {0, 82, 24, "HeavySyn", 2, kSynthLead},            // 345
    {0, 82, 25, "WaspySyn", 2, kSynthLead},            // 346
    {0, 82, 40, "PulseSaw", 2, kSynthLead},            // 347
    {0, 82, 41, "Dr. Lead", 2, kSynthLead},            // 348
    {0, 82, 45, "VeloLead", 2, kSynthLead},            // 349
    {0, 82, 96, "Seq Ana", 2, kSynthLead},             // 350
    {64, 82, 0, "Car Stop", 1, kSpecialFxVoice},       // 351
    {0, 83, 0, "CaliopLd", 2, kSynthLead},             // 352
    {0, 83, 65, "Pure Pad", 2, kSynthLead},            // 353
    {64, 83, 0, "Car Pass", 1, kSpecialFxVoice},       // 354
    {0, 84, 0, "Chiff Ld", 2, kSynthLead},             // 355
    {0, 84, 64, "Rubby", 2, kSynthLead},               // 356
    {64, 84, 0, "CarCrash", 1, kSpecialFxVoice},       // 357
    {0, 85, 0, "CharanLd", 2, kSynthLead},             // 358
    {0, 85, 64, "DistLead", 2, kSynthLead},            // 359
    {0, 85, 65, "WireLead", 2, kSynthLead},            // 360
    {64, 85, 0, "Siren", 2, kSpecialFxVoice},          // 361
    {0, 86, 0, "Voice Ld", 2, kSynthLead},             // 362
    {0, 86, 24, "SynthAah", 2, kSynthLead},            // 363
    {0, 86, 64, "VoxLead", 2, kSynthLead},             // 364
    {64, 86, 0, "Train", 1, kSpecialFxVoice},          // 365
    {0, 87, 0, "Fifth Ld", 2, kSynthLead},             // 366
    {0, 87, 35, "Big Five", 2, kSynthLead},            // 367
    {64, 87, 0, "Jetplane", 2, kSpecialFxVoice},       // 368
    {0, 88, 0, "Bass+Ld", 2, kSynthLead},              // 369
    {0, 88, 16, "Big+Low", 2, kSynthLead},             // 370
    {0, 88, 64, "Fat+Prky", 2, kSynthLead},            // 371
    {0, 88, 65, "SoftWurl", 2, kSynthLead},            // 372
    {64, 88, 0, "Starship", 2, kSpecialFxVoice},       // 373
    {0, 89, 0, "NewAgePd", 2, kSynthPad},              // 374
    {0, 89, 64, "Fantasy2", 2, kSynthPad},             // 375
    {64, 89, 0, "Burst", 1, kSpecialFxVoice},          // 376
    {0, 90, 0, "Warm Pad", 2, kSynthPad},              // 377
    {0, 90, 16, "ThickPad", 2, kSynthPad},             // 378
    {0, 90, 17, "Soft Pad", 2, kSynthPad},             // 379
    {0, 90, 18, "SinePad", 2, kSynthPad},              // 380
    {0, 90, 64, "Horn Pad", 2, kSynthPad},             // 381
    {0, 90, 65, "RotarStr", 2, kSynthPad},             // 382
    {64, 90, 0, "Coaster", 2, kSpecialFxVoice},        // 383
    {0, 91, 0, "PolySyPd", 2, kSynthPad},              // 384
    {0, 91, 64, "PolyPd80", 2, kSynthPad},             // 385
    {0, 91, 65, "ClickPad", 2, kSynthPad},             // 386
    {0, 91, 66, "Ana Pad", 2, kSynthPad},              // 387
    {0, 91, 67, "SquarPad", 2, kSynthPad},             // 388
    {64, 91, 0, "SbMarine", 2, kSpecialFxVoice},       // 389
    {0, 92, 0, "ChoirPad", 2, kSynthPad},              // 390
    {0, 92, 64, "Heaven2", 2, kSynthPad},              // 391
    {0, 92, 66, "Itopia", 2, kSynthPad},               // 392
    {0, 92, 67, "CC Pad", 2, kSynthPad},               // 393
    {0, 93, 0, "BowedPad", 2, kSynthPad},              // 394
    {0, 93, 64, "Glacier", 2, kSynthPad},              // 395
    {0, 93, 65, "GlassPad", 2, kSynthPad},             // 396
    {0, 94, 0, "MetalPad", 2, kSynthPad},              // 397
    {0, 94, 64, "Tine Pad", 2, kSynthPad},             // 398
    {0, 94, 65, "Pan Pad", 2, kSynthPad},              // 399
    {0, 95, 0, "Halo Pad", 2, kSynthPad},              // 400
    {0, 96, 0, "SweepPad", 2, kSynthPad},              // 401
    {0, 96, 20, "Shwimmer", 2, kSynthPad},             // 402
    {0, 96, 27, "Converge", 2, kSynthPad},             // 403
    {0, 96, 64, "PolarPad", 2, kSynthPad},             // 404
    {0, 96, 66, "Celstial", 2, kSynthPad},             // 405
    {0, 97, 0, "Rain", 2, kSynthEffects},              // 406
    {0, 97, 45, "ClaviPad", 2, kSynthEffects},         // 407
    {0, 97, 64, "HrmoRain", 2, kSynthEffects},         // 408
    {0, 97, 65, "AfrcnWnd", 2, kSynthEffects},         // 409
    {0, 97, 66, "Caribean", 2, kSynthEffects},         // 410
    {64, 97, 0, "Laughing", 1, kSpecialFxVoice},       // 411
    {0, 98, 0, "SoundTrk", 2, kSynthEffects},          // 412
    {0, 98, 27, "Prologue", 2, kSynthEffects},         // 413
    {0, 98, 64, "Ancestrl", 2, kSynthEffects},         // 414
    {64, 98, 0, "Scream", 1, kSpecialFxVoice},         // 415
    {0, 99, 0, "Crystal", 2, kSynthEffects},           // 416
    {0, 99, 12, "SynDrCmp", 2, kSynthEffects},         // 417
    {0, 99, 14, "Popcorn", 2, kSynthEffects},          // 418
    {0, 99, 18, "TinyBell", 2, kSynthEffects},         // 419
    {0, 99, 35, "RndGlock", 2, kSynthEffects},         // 420
    {0, 99, 40, "GlockChi", 2, kSynthEffects},         // 421
    {0, 99, 41, "ClearBel", 2, kSynthEffects},         // 422
    {0, 99, 42, "ChorBell", 2, kSynthEffects},         // 423
    {0, 99, 64, "SynMalet", 1, kSynthEffects},         // 424
    {0, 99, 65, "SftCryst", 2, kSynthEffects},         // 425
    {0, 99, 66, "LoudGlok", 2, kSynthEffects},         // 426
    {0, 99, 67, "XmasBell", 2, kSynthEffects},         // 427
    {0, 99, 68, "VibeBell", 2, kSynthEffects},         // 428
    {0, 99, 69, "DigiBell", 2, kSynthEffects},         // 429
    {0, 99, 70, "AirBells", 2, kSynthEffects},         // 430
    {0, 99, 71, "BellHarp", 2, kSynthEffects},         // 431
    {0, 99, 72, "Gamelmba", 2, kSynthEffects},         // 432
    {64, 99, 0, "Punch", 1, kSpecialFxVoice},          // 433
    {0, 100, 0, "Atmosphr", 2, kSynthEffects},         // 434
    {0, 100, 18, "WarmAtms", 2, kSynthEffects},        // 435
    {0, 100, 19, "HollwRls", 2, kSynthEffects},        // 436
    {0, 100, 40, "NylonEP", 2, kSynthEffects},         // 437
    {0, 100, 64, "NylnHarp", 2, kSynthEffects},        // 438
    {0, 100, 65, "Harp Vox", 2, kSynthEffects},        // 439
    {0, 100, 66, "AtmosPad", 2, kSynthEffects},        // 440
    {0, 100, 67, "Planet", 2, kSynthEffects},          // 441
    {64, 100, 0, "Heart", 1, kSpecialFxVoice},         // 442
    {0, 101, 0, "Bright", 2, kSynthEffects},           // 443
    {0, 101, 64, "FantaBel", 2, kSynthEffects},        // 444
    {0, 101, 96, "Smokey", 2, kSynthEffects},          // 445
    {64, 101, 0, "FootStep", 1, kSpecialFxVoice},      // 446
    {0, 102, 0, "Goblins", 2, kSynthEffects},          // 447
    {0, 102, 64, "GobSyn", 2, kSynthEffects},          // 448
    {0, 102, 65, "50sSciFi", 2, kSynthEffects},        // 449
    {0, 102, 66, "Ring Pad", 2, kSynthEffects},        // 450
    {0, 102, 67, "Ritual", 2, kSynthEffects},          // 451
    {0, 102, 68, "ToHeaven", 2, kSynthEffects},        // 452
    {0, 102, 70, "Night", 2, kSynthEffects},           // 453
    {0, 102, 71, "Glisten", 2, kSynthEffects},         // 454
    {0, 102, 96, "BelChoir", 2, kSynthEffects},        // 455
    {0, 103, 0, "Echoes", 2, kSynthEffects},           // 456
    {0, 103, 8, "EchoPad2", 2, kSynthEffects},         // 457
    {0, 103, 14, "Echo Pan", 2, kSynthEffects},        // 458
    {0, 103, 64, "EchoBell", 2, kSynthEffects},        // 459
    {0, 103, 65, "Big Pan", 2, kSynthEffects},         // 460
    {0, 103, 66, "SynPiano", 2, kSynthEffects},        // 461
    {0, 103, 67, "Creation", 2, kSynthEffects},        // 462
    {0, 103, 68, "Stardust", 2, kSynthEffects},        // 463
    {0, 103, 69, "Reso Pan", 2, kSynthEffects},        // 464
    {0, 104, 0, "Sci-Fi", 2, kSynthEffects},           // 465
    {0, 104, 64, "Starz", 2, kSynthEffects},           // 466
    {0, 105, 0, "Sitar", 1, kEthnic},                  // 467
    {0, 105, 32, "DetSitar", 2, kEthnic},              // 468
    {0, 105, 35, "Sitar 2", 2, kEthnic},               // 469
    {0, 105, 96, "Tambra", 2, kEthnic},                // 470
    {0, 105, 97, "Tamboura", 2, kEthnic},              // 471
    {0, 106, 0, "Banjo", 1, kEthnic},                  // 472
    {0, 106, 28, "MuteBnjo", 1, kEthnic},              // 473
    {0, 106, 96, "Rabab", 2, kEthnic},                 // 474
    {0, 106, 97, "Gopichnt", 2, kEthnic},              // 475
    {0, 106, 98, "Oud", 2, kEthnic},                   // 476
    {0, 107, 0, "Shamisen", 1, kEthnic},               // 477
    {0, 108, 0, "Koto", 1, kEthnic},                   // 478
    {0, 108, 96, "T. Koto", 2, kEthnic},               // 479
    {0, 108, 97, "Kanoon", 2, kEthnic},                // 480
    {0, 109, 0, "Kalimba", 1, kEthnic},                // 481
    {0, 110, 0, "Bagpipe", 2, kEthnic},                // 482
    {0, 111, 0, "Fiddle", 1, kEthnic},                 // 483
    {0, 112, 0, "Shanai", 1, kEthnic},                 // 484
    {0, 112, 64, "Shanai2", 1, kEthnic},               // 485
    {0, 112, 96, "Pungi", 1, kEthnic},                 // 486
    {0, 112, 97, "Hichriki", 2, kEthnic},              // 487
    {0, 113, 0, "TnklBell", 2, kPercussive},           // 488
    {0, 113, 96, "Bonang", 2, kPercussive},            // 489
    {0, 113, 97, "Gender", 2, kPercussive},            // 490
    {0, 113, 98, "Gamelan", 2, kPercussive},           // 491
    {0, 113, 99, "S.Gamlan", 2, kPercussive},          // 492
    {0, 113, 100, "Rama Cym", 2, kPercussive},         // 493
    {0, 113, 101, "AsianBel", 2, kPercussive},         // 494
    {64, 113, 0, "MchinGun", 1, kSpecialFxVoice},      // 495
    {0, 114, 0, "Agogo", 2, kPercussive},              // 496
    {64, 114, 0, "LaserGun", 2, kSpecialFxVoice},      // 497
    {0, 115, 0, "SteelDrm", 2, kPercussive},           // 498
    {0, 115, 97, "GlasPerc", 2, kPercussive},          // 499
    {0, 115, 98, "ThaiBell", 2, kPercussive},          // 500
    {64, 115, 0, "Xplosion", 2, kSpecialFxVoice},      // 501
    {0, 116, 0, "WoodBlok", 1, kPercussive},           // 502
    {0, 116, 96, "Castanet", 1, kPercussive},          // 503
    {64, 116, 0, "FireWork", 2, kSpecialFxVoice},      // 504
    {0, 117, 0, "TaikoDrm", 1, kPercussive},           // 505
    {0, 117, 96, "Gr.Cassa", 1, kPercussive},          // 506
    {0, 118, 0, "MelodTom", 2, kPercussive},           // 507
    {0, 118, 64, "Mel Tom2", 1, kPercussive},          // 508
    {0, 118, 65, "Real Tom", 2, kPercussive},          // 509
    {0, 118, 66, "Rock Tom", 2, kPercussive},          // 510
    {0, 119, 0, "Syn.Drum", 1, kPercussive},           // 511
    {0, 119, 64, "Ana Tom", 1, kPercussive},           // 512
    {0, 119, 65, "ElecPerc", 2, kPercussive},          // 513
    {0, 120, 0, "RevCymbl", 1, kPercussive},           // 514
    {0, 121, 0, "FretNoiz", 2, kSoundEffects},         // 515
    {0, 122, 0, "BrthNoiz", 2, kSoundEffects},         // 516
    {0, 123, 0, "Seashore", 2, kSoundEffects},         // 517
    {0, 124, 0, "Tweet", 2, kSoundEffects},            // 518
    {0, 125, 0, "Telphone", 1, kSoundEffects},         // 519
    {0, 126, 0, "Helicptr", 1, kSoundEffects},         // 520
    {0, 127, 0, "Applause", 1, kSoundEffects},         // 521
    {0, 128, 0, "Gunshot", 1, kSoundEffects},          // 522
}};
static_assert(AllNamed(kVoiceRecords));

// Bank MSB, bank LSB, name.
extern constexpr std::array<BankTypeRecord, kBankTypeCount> kBankTypeRecords = {{
    {0, 0, "GM"},          {0, 1, "Key Scale"},   {0, 3, "Stereo"},         {0, 6, "Single"},
    {0, 8, "Slow"},        {0, 12, "Fast Decay"}, {0, 14, "Double Attack"}, {0, 16, "Bright"},
    {0, 17, "Bright"},     {0, 18, "Dark"},       {0, 19, "Dark"},          {0, 20, "Resonant"},
    {0, 24, "Attack"},     {0, 25, "Release"},    {0, 27, "Reso Sweep"},    {0, 28, "Muted"},
    {0, 32, "Detune 1"},   {0, 33, "Detune 2"},   {0, 34, "Detune 3"},      {0, 35, "Octave 1"},
    {0, 36, "Octave 2"},   {0, 37, "5th 1"},      {0, 38, "5th 2"},         {0, 39, "Bend"},
    {0, 40, "Tutti"},      {0, 41, "Tutti"},      {0, 42, "Tutti"},         {0, 43, "Velo-Switch"},
    {0, 45, "Velo-Xfade"}, {0, 64, "Other wave"}, {0, 65, "Other wave"},    {0, 66, "Other wave"},
    {0, 67, "Other wave"}, {0, 68, "Other wave"}, {0, 69, "Other wave"},    {0, 70, "Other wave"},
    {0, 71, "Other wave"}, {0, 72, "Other wave"}, {0, 96, "Other wave"},    {0, 97, "Other wave"},
    {0, 98, "Other wave"}, {0, 99, "Other wave"}, {0, 100, "Other wave"},   {0, 101, "Other wave"},
    {63, 0, "User"},       {64, 0, "SFX Voice"},  {126, 0, "SFX Kit"},      {127, 0, "Drum Kit"},
}};
static_assert(AllNamed(kBankTypeRecords));

}  // namespace ravlo
