#include "voices/ExtendedVoiceData.h"

namespace ravlo {

using enum VoiceCategory;

// Every XG voice of the later instruments that the basic catalogue does not hold, with its bank
// select and program as the public XG sound list of the MIT-licensed test set "test-midi-files"
// gives them (its file test-all-xg-sounds.mid, Copyright (c) 2020-25 Jazz-Soft), names as that
// list spells them. The list gives no element counts, so none is claimed. The category of a
// normal voice is its program's GM family; bank 64 holds SFX voices, 126 SFX kits, 127 drum kits.
// Bank MSB, program, bank LSB, name, elements, category; the comment is the catalogue index.
extern constexpr std::array<VoiceRecord, kExtendedVoiceCount> kExtendedVoiceRecords = {{
    {0, 1, 2, "Grand Piano Dark", 0, kPiano},                     // 1024
    {0, 1, 64, "Concert Grand Piano", 0, kPiano},                 // 1025
    {0, 1, 65, "Concert Grand Piano KSP", 0, kPiano},             // 1026
    {0, 1, 66, "Double Concert Grand", 0, kPiano},                // 1027
    {0, 1, 67, "MIDI Grand Piano 1", 0, kPiano},                  // 1028
    {0, 1, 68, "MIDI Grand Piano 2", 0, kPiano},                  // 1029
    {0, 1, 69, "Oldest Acoustic Piano", 0, kPiano},               // 1030
    {0, 2, 3, "Stereo Bright Piano", 0, kPiano},                  // 1031
    {0, 2, 20, "Resonant Bright Piano", 0, kPiano},               // 1032
    {0, 2, 32, "Detuned Bright Piano", 0, kPiano},                // 1033
    {0, 2, 40, "Synth Pad Piano", 0, kPiano},                     // 1034
    {0, 2, 64, "Bright Concert Grand", 0, kPiano},                // 1035
    {0, 2, 65, "Bright Concert Grand KSP", 0, kPiano},            // 1036
    {0, 2, 66, "MIDI Grand Piano 3", 0, kPiano},                  // 1037
    {0, 2, 67, "MIDI Grand Piano 4", 0, kPiano},                  // 1038
    {0, 2, 68, "Old Piano", 0, kPiano},                           // 1039
    {0, 3, 35, "Synth CP", 0, kPiano},                            // 1040
    {64, 3, 0, "Distorted Cutting Noise", 0, kSpecialFxVoice},    // 1041
    {127, 3, 0, "Dry Drum Kit", 0, kDrums},                       // 1042
    {127, 4, 0, "Bright Drum Kit", 0, kDrums},                    // 1043
    {0, 5, 65, "Old Electric Piano", 0, kPiano},                  // 1044
    {0, 5, 66, "Tribecca", 0, kPiano},                            // 1045
    {0, 5, 67, "Diploid 1", 0, kPiano},                           // 1046
    {0, 5, 68, "Flops", 0, kPiano},                               // 1047
    {0, 5, 69, "Soho", 0, kPiano},                                // 1048
    {0, 5, 70, "Flops Detuned", 0, kPiano},                       // 1049
    {0, 5, 71, "Diploid 2", 0, kPiano},                           // 1050
    {0, 5, 72, "Brooklyn", 0, kPiano},                            // 1051
    {0, 5, 73, "Diploid 3", 0, kPiano},                           // 1052
    {0, 5, 74, "Phunky DX", 0, kPiano},                           // 1053
    {0, 5, 75, "Nasal DX", 0, kPiano},                            // 1054
    {0, 5, 76, "Nasal DX Detuned", 0, kPiano},                    // 1055
    {0, 5, 77, "Din", 0, kPiano},                                 // 1056
    {0, 5, 78, "4 Way Electric Piano", 0, kPiano},                // 1057
    {0, 5, 79, "Easy Electric Piano", 0, kPiano},                 // 1058
    {0, 5, 80, "Sine Electric Piano", 0, kPiano},                 // 1059
    {0, 5, 81, "Cheap Electric Piano", 0, kPiano},                // 1060
    {64, 5, 0, "Bass Slide", 0, kSpecialFxVoice},                 // 1061
    {127, 5, 0, "Skim Drum Kit", 0, kDrums},                      // 1062
    {0, 6, 12, "Chorus Electric Piano Decay", 0, kPiano},         // 1063
    {0, 6, 48, "Chorus Electric Piano KSP", 0, kPiano},           // 1064
    {0, 6, 52, "DX Mallet", 0, kPiano},                           // 1065
    {0, 6, 64, "Shirakawa", 0, kPiano},                           // 1066
    {0, 6, 65, "Old Electric Piano Tine", 0, kPiano},             // 1067
    {0, 6, 66, "Flips", 0, kPiano},                               // 1068
    {0, 6, 67, "Flips Detuned", 0, kPiano},                       // 1069
    {0, 6, 68, "Flicks", 0, kPiano},                              // 1070
    {0, 6, 69, "Flicks Detuned", 0, kPiano},                      // 1071
    {0, 6, 70, "Bright DX", 0, kPiano},                           // 1072
    {0, 6, 71, "Bright DX Detuned", 0, kPiano},                   // 1073
    {0, 6, 72, "Kitayama", 0, kPiano},                            // 1074
    {0, 6, 73, "Turnpike 1", 0, kPiano},                          // 1075
    {0, 6, 74, "Turnpike 2", 0, kPiano},                          // 1076
    {0, 6, 75, "Cerritos", 0, kPiano},                            // 1077
    {0, 6, 76, "Sunset", 0, kPiano},                              // 1078
    {0, 6, 77, "Soft DX", 0, kPiano},                             // 1079
    {0, 6, 78, "Resonant DX", 0, kPiano},                         // 1080
    {0, 6, 79, "Piercing DX", 0, kPiano},                         // 1081
    {0, 6, 80, "Shivering DX", 0, kPiano},                        // 1082
    {0, 6, 81, "Shivering DX Plus", 0, kPiano},                   // 1083
    {0, 6, 82, "Rattling DX", 0, kPiano},                         // 1084
    {0, 6, 83, "Rattling DX Plus", 0, kPiano},                    // 1085
    {0, 6, 84, "Tinker DX", 0, kPiano},                           // 1086
    {0, 6, 85, "Tinker DX Plus", 0, kPiano},                      // 1087
    {64, 6, 0, "Pick Scrape", 0, kSpecialFxVoice},                // 1088
    {127, 6, 0, "Slim Drum Kit", 0, kDrums},                      // 1089
    {0, 7, 32, "Harpsichord Detune", 0, kPiano},                  // 1090
    {0, 7, 40, "Electric Harpsichord", 0, kPiano},                // 1091
    {0, 7, 64, "Synth Harpsichord", 0, kPiano},                   // 1092
    {127, 7, 0, "Rogue Drum Kit", 0, kDrums},                     // 1093
    {0, 8, 40, "Cosmic Clavi", 0, kPiano},                        // 1094
    {0, 8, 66, "Clear Clavi", 0, kPiano},                         // 1095
    {0, 8, 67, "Sweep Clavi", 0, kPiano},                         // 1096
    {0, 8, 68, "Synth Clavi", 0, kPiano},                         // 1097
    {0, 8, 69, "Super Clavi", 0, kPiano},                         // 1098
    {0, 8, 70, "Guitar Clavi", 0, kPiano},                        // 1099
    {0, 8, 71, "Hardy Pluck", 0, kPiano},                         // 1100
    {0, 8, 72, "Hardy Pluck Plus", 0, kPiano},                    // 1101
    {0, 8, 73, "FM Clavi Double", 0, kPiano},                     // 1102
    {0, 8, 74, "Robot Clavi", 0, kPiano},                         // 1103
    {127, 8, 0, "Hob Drum Kit", 0, kDrums},                       // 1104
    {0, 9, 64, "FM Celesta", 0, kChromaticPercussion},            // 1105
    {127, 10, 0, "Dark Room Drum Kit", 0, kDrums},                // 1106
    {0, 11, 65, "Small Orgel", 0, kChromaticPercussion},          // 1107
    {0, 13, 96, "Balafon", 0, kChromaticPercussion},              // 1108
    {0, 16, 98, "Yang Qin", 0, kChromaticPercussion},             // 1109
    {0, 17, 3, "Stereo Drawbar Organ", 0, kOrgan},                // 1110
    {0, 17, 68, "Stadium Organ", 0, kOrgan},                      // 1111
    {0, 17, 69, "Stadium Organ 2", 0, kOrgan},                    // 1112
    {0, 17, 70, "Gospel Organ", 0, kOrgan},                       // 1113
    {0, 17, 71, "Click Gospel Organ", 0, kOrgan},                 // 1114
    {0, 17, 72, "Chapel Organ", 0, kOrgan},                       // 1115
    {0, 17, 73, "Dim Chorus Organ", 0, kOrgan},                   // 1116
    {0, 17, 74, "Dawn Organ", 0, kOrgan},                         // 1117
    {0, 17, 75, "Mellorgan", 0, kOrgan},                          // 1118
    {0, 17, 76, "Fuzzorgan", 0, kOrgan},                          // 1119
    {0, 17, 77, "FM Organ", 0, kOrgan},                           // 1120
    {0, 17, 78, "70's Drawbar Organ 3", 0, kOrgan},               // 1121
    {0, 17, 79, "Mood Organ", 0, kOrgan},                         // 1122
    {126, 17, 0, "Techno SFX Kit K/S", 0, kSpecialFxKit},         // 1123
    {0, 18, 64, "Jazz Organ", 0, kOrgan},                         // 1124
    {0, 18, 65, "Warm Jazz Organ", 0, kOrgan},                    // 1125
    {0, 18, 66, "Click Organ", 0, kOrgan},                        // 1126
    {0, 18, 67, "Grace Organ", 0, kOrgan},                        // 1127
    {0, 18, 68, "Crunchy Grace", 0, kOrgan},                      // 1128
    {0, 18, 69, "Dim Click Organ", 0, kOrgan},                    // 1129
    {0, 18, 70, "Dusk Organ", 0, kOrgan},                         // 1130
    {0, 18, 71, "FM Click Organ", 0, kOrgan},                     // 1131
    {0, 18, 72, "Spoony Organ", 0, kOrgan},                       // 1132
    {0, 18, 73, "Super Rotary Organ", 0, kOrgan},                 // 1133
    {0, 18, 74, "Lo Fi Organ", 0, kOrgan},                        // 1134
    {0, 18, 75, "Beep Organ", 0, kOrgan},                         // 1135
    {0, 18, 76, "Belief Organ", 0, kOrgan},                       // 1136
    {0, 18, 77, "Snap Organ", 0, kOrgan},                         // 1137
    {126, 18, 0, "Techno SFX Kit Hi", 0, kSpecialFxKit},          // 1138
    {127, 18, 0, "Rock Drum Kit 2", 0, kDrums},                   // 1139
    {0, 19, 67, "Glacial Rotary Organ", 0, kOrgan},               // 1140
    {126, 19, 0, "Techno SFX Kit Lo", 0, kSpecialFxKit},          // 1141
    {0, 21, 32, "Reed Organ Detuned", 0, kOrgan},                 // 1142
    {0, 21, 64, "Synth Reed Dark Organ", 0, kOrgan},              // 1143
    {0, 24, 65, "Tight Accordion", 0, kOrgan},                    // 1144
    {0, 24, 66, "Tight Accordion Detuned", 0, kOrgan},            // 1145
    {0, 25, 32, "Nylon Guitar Detuned", 0, kGuitar},              // 1146
    {0, 25, 40, "Wayside", 0, kGuitar},                           // 1147
    {0, 25, 64, "Spanish Guitar", 0, kGuitar},                    // 1148
    {0, 25, 65, "Spanish Guitar Hard", 0, kGuitar},               // 1149
    {0, 25, 66, "Spanish Guitar Mellow", 0, kGuitar},             // 1150
    {0, 25, 67, "Spanish Guitar Decay", 0, kGuitar},              // 1151
    {0, 26, 32, "Steel Guitar Detuned", 0, kGuitar},              // 1152
    {0, 26, 64, "Nashville Guitar", 0, kGuitar},                  // 1153
    {0, 26, 65, "Nashville Resonant Guitar", 0, kGuitar},         // 1154
    {0, 26, 66, "Nashville 12 Guitar", 0, kGuitar},               // 1155
    {0, 26, 67, "Old Sample Guitar", 0, kGuitar},                 // 1156
    {0, 26, 97, "Mandolin Ensemble", 0, kGuitar},                 // 1157
    {0, 27, 40, "Organ Guitar", 0, kGuitar},                      // 1158
    {0, 27, 41, "Octave Plate", 0, kGuitar},                      // 1159
    {0, 27, 64, "Super Jazz Middle Guitar", 0, kGuitar},          // 1160
    {0, 27, 65, "Super Jazz Bridge Guitar", 0, kGuitar},          // 1161
    {0, 27, 66, "Super Jazz Detuned Guitar", 0, kGuitar},         // 1162
    {0, 27, 67, "Super Jazz Resonant Guitar", 0, kGuitar},        // 1163
    {0, 27, 68, "DX Jazz Guitar", 0, kGuitar},                    // 1164
    {0, 27, 69, "DX Jazz Guitar Detuned", 0, kGuitar},            // 1165
    {0, 27, 70, "Pulse Jazz Guitar", 0, kGuitar},                 // 1166
    {0, 27, 71, "Roughcaster Neck Guitar", 0, kGuitar},           // 1167
    {0, 27, 72, "Roughcaster Middle Guitar", 0, kGuitar},         // 1168
    {0, 27, 96, "Pedal Steel Guitar", 0, kGuitar},                // 1169
    {127, 27, 0, "Analog Drum Kit 2", 0, kDrums},                 // 1170
    {0, 28, 33, "Chorus Guitar Light", 0, kGuitar},               // 1171
    {0, 28, 64, "Clean Guitar 2", 0, kGuitar},                    // 1172
    {0, 28, 65, "Mid Tone Guitar", 0, kGuitar},                   // 1173
    {0, 28, 66, "Mid Tone Guitar Stereo", 0, kGuitar},            // 1174
    {0, 28, 67, "Nasal Guitar", 0, kGuitar},                      // 1175
    {0, 28, 68, "Nasal Guitar Stereo", 0, kGuitar},               // 1176
    {0, 28, 69, "Hammer Middle Guitar", 0, kGuitar},              // 1177
    {0, 28, 70, "Hammer Bridge Guitar", 0, kGuitar},              // 1178
    {0, 28, 71, "Hammer Double Guitar", 0, kGuitar},              // 1179
    {0, 28, 72, "Hammer Stereo Guitar", 0, kGuitar},              // 1180
    {0, 28, 73, "FM Chorus Guitar", 0, kGuitar},                  // 1181
    {0, 28, 74, "FM Chorus Guitar Soft", 0, kGuitar},             // 1182
    {0, 28, 75, "Pesky Guitar", 0, kGuitar},                      // 1183
    {0, 28, 76, "Clavi Guitar", 0, kGuitar},                      // 1184
    {127, 28, 0, "Dance Drum Kit", 0, kDrums},                    // 1185
    {0, 29, 64, "Wrench Guitar", 0, kGuitar},                     // 1186
    {0, 29, 65, "Wrench Heavy Guitar", 0, kGuitar},               // 1187
    {0, 29, 66, "Wrench Double Guitar", 0, kGuitar},              // 1188
    {0, 29, 67, "Tin Guitar", 0, kGuitar},                        // 1189
    {0, 29, 68, "Groovey Muted Guitar", 0, kGuitar},              // 1190
    {0, 29, 96, "Muted Distortion Guitar", 0, kGuitar},           // 1191
    {127, 29, 0, "Hip Hop Drum Kit", 0, kDrums},                  // 1192
    {0, 30, 32, "Overdriven Guitar Detuned", 0, kGuitar},         // 1193
    {0, 30, 40, "Parallel Guitar", 0, kGuitar},                   // 1194
    {0, 30, 64, "Manhattan Middle Guitar", 0, kGuitar},           // 1195
    {0, 30, 65, "Manhattan Bridge Guitar", 0, kGuitar},           // 1196
    {0, 30, 66, "Manhattan Detuned Guitar", 0, kGuitar},          // 1197
    {0, 30, 67, "Manhattan Powered Guitar", 0, kGuitar},          // 1198
    {127, 30, 0, "Jungle Drum Kit", 0, kDrums},                   // 1199
    {0, 31, 12, "Distorted Rhythm Guitar", 0, kGuitar},           // 1200
    {0, 31, 24, "Distortion Guitar 2", 0, kGuitar},               // 1201
    {0, 31, 35, "Distortion Guitar 3", 0, kGuitar},               // 1202
    {0, 31, 36, "Power Guitar 2", 0, kGuitar},                    // 1203
    {0, 31, 37, "Power Guitar 1", 0, kGuitar},                    // 1204
    {0, 31, 38, "Distorted Fifths Guitar", 0, kGuitar},           // 1205
    {0, 31, 42, "Twin Distortion Guitar", 0, kGuitar},            // 1206
    {0, 31, 43, "Rock Rhythm Guitar 2", 0, kGuitar},              // 1207
    {0, 31, 45, "Rock Rhythm Guitar 1", 0, kGuitar},              // 1208
    {0, 31, 64, "Bite Guitar", 0, kGuitar},                       // 1209
    {0, 31, 65, "Bite Resonant Guitar", 0, kGuitar},              // 1210
    {0, 31, 66, "Bite Detuned Guitar", 0, kGuitar},               // 1211
    {0, 31, 67, "Bite Plus Guitar", 0, kGuitar},                  // 1212
    {0, 31, 68, "Burnout Guitar", 0, kGuitar},                    // 1213
    {0, 31, 69, "Bombay Guitar", 0, kGuitar},                     // 1214
    {0, 31, 70, "Bombay Sustained Guitar", 0, kGuitar},           // 1215
    {0, 31, 71, "Jaipur", 0, kGuitar},                            // 1216
    {127, 31, 0, "Apogee Drum Kit", 0, kDrums},                   // 1217
    {0, 32, 64, "Acoustic Harmonics", 0, kGuitar},                // 1218
    {0, 32, 67, "Shimla", 0, kGuitar},                            // 1219
    {127, 32, 0, "Perigee Drum Kit", 0, kDrums},                  // 1220
    {0, 33, 41, "Pick Acoustic Bass", 0, kBass},                  // 1221
    {0, 33, 43, "Blink Bass", 0, kBass},                          // 1222
    {0, 33, 64, "Boston Bass", 0, kBass},                         // 1223
    {0, 33, 65, "Boston Bright Bass", 0, kBass},                  // 1224
    {0, 33, 66, "Coolth Bass", 0, kBass},                         // 1225
    {0, 33, 67, "Coolth Bright Bass", 0, kBass},                  // 1226
    {0, 33, 96, "Walking Synth Bass", 0, kBass},                  // 1227
    {0, 33, 97, "Dim & Cool Bass", 0, kBass},                     // 1228
    {126, 33, 0, "Sakura SFX Kit", 0, kSpecialFxKit},             // 1229
    {0, 34, 32, "Finger Bass Detuned", 0, kBass},                 // 1230
    {0, 34, 64, "Jazzy Bass", 0, kBass},                          // 1231
    {0, 34, 66, "Chase Bass", 0, kBass},                          // 1232
    {0, 34, 67, "Chase Resonant Bass", 0, kBass},                 // 1233
    {0, 34, 68, "Blue Bass", 0, kBass},                           // 1234
    {0, 34, 69, "Jazzy Bass 2", 0, kBass},                        // 1235
    {126, 34, 0, "Small Latin SFX Kit", 0, kSpecialFxKit},        // 1236
    {127, 34, 0, "Jazz Drum Kit 2", 0, kDrums},                   // 1237
    {0, 35, 6, "Pick Bass 2", 0, kBass},                          // 1238
    {0, 35, 40, "Pick Bass & Muted Guitar", 0, kBass},            // 1239
    {0, 35, 64, "Hard Pick Bass", 0, kBass},                      // 1240
    {0, 35, 65, "Hard Pick Resonant Bass", 0, kBass},             // 1241
    {0, 35, 66, "Pick Bass Plus", 0, kBass},                      // 1242
    {0, 35, 67, "Pick Bass 4", 0, kBass},                         // 1243
    {126, 35, 0, "China SFX Kit", 0, kSpecialFxKit},              // 1244
    {0, 36, 64, "Powered Fretless Bass", 0, kBass},               // 1245
    {0, 36, 65, "Powered Fretless Resonant Bass", 0, kBass},      // 1246
    {0, 36, 66, "Talking Bass", 0, kBass},                        // 1247
    {0, 36, 67, "Noisy Fretless Bass", 0, kBass},                 // 1248
    {126, 36, 0, "Arabic Kit", 0, kSpecialFxKit},                 // 1249
    {0, 37, 21, "Cosmic Slap", 0, kBass},                         // 1250
    {0, 37, 64, "Slapper Bass", 0, kBass},                        // 1251
    {0, 37, 65, "Thumb & Slap Bass", 0, kBass},                   // 1252
    {0, 37, 66, "Glitzy Slap Bass", 0, kBass},                    // 1253
    {0, 37, 67, "FM Slap Bass", 0, kBass},                        // 1254
    {0, 37, 68, "FM Slap Detuned Bass", 0, kBass},                // 1255
    {0, 38, 16, "Bright Slap Split Bass", 0, kBass},              // 1256
    {0, 38, 22, "Wah Slap Bass", 0, kBass},                       // 1257
    {0, 39, 21, "TL66", 0, kBass},                                // 1258
    {0, 39, 27, "Resonant Bass", 0, kBass},                       // 1259
    {0, 39, 28, "Muted Pulse Bass", 0, kBass},                    // 1260
    {0, 39, 29, "Slow Attack", 0, kBass},                         // 1261
    {0, 39, 41, "Kick'n'Bass", 0, kBass},                         // 1262
    {0, 39, 42, "NEP", 0, kBass},                                 // 1263
    {0, 39, 67, "Fish", 0, kBass},                                // 1264
    {0, 39, 68, "Hard Resonance", 0, kBass},                      // 1265
    {0, 39, 69, "Wah Saw", 0, kBass},                             // 1266
    {0, 39, 70, "Pluto", 0, kBass},                               // 1267
    {0, 39, 71, "Pluto Plus", 0, kBass},                          // 1268
    {0, 39, 72, "Stimuli", 0, kBass},                             // 1269
    {0, 39, 73, "Running Pulse", 0, kBass},                       // 1270
    {0, 39, 74, "Talking Pulse", 0, kBass},                       // 1271
    {0, 39, 75, "Node", 0, kBass},                                // 1272
    {0, 39, 76, "Stainer", 0, kBass},                             // 1273
    {0, 39, 77, "Stainer Attack", 0, kBass},                      // 1274
    {0, 39, 78, "Sweep Square", 0, kBass},                        // 1275
    {0, 39, 79, "Sweep Square Plus", 0, kBass},                   // 1276
    {0, 39, 80, "Stinks", 0, kBass},                              // 1277
    {0, 39, 81, "Stinks Resonant", 0, kBass},                     // 1278
    {0, 39, 82, "Resonant Square", 0, kBass},                     // 1279
    {0, 39, 83, "Dagger", 0, kBass},                              // 1280
    {0, 39, 84, "Zinc", 0, kBass},                                // 1281
    {0, 39, 85, "SweePWM", 0, kBass},                             // 1282
    {0, 39, 86, "SweePWM Stereo", 0, kBass},                      // 1283
    {0, 39, 87, "Slow Wah", 0, kBass},                            // 1284
    {0, 39, 88, "Crook", 0, kBass},                               // 1285
    {0, 39, 89, "Fast Fretless Bass", 0, kBass},                  // 1286
    {0, 39, 90, "Rubber30", 0, kBass},                            // 1287
    {0, 39, 91, "Fast Resonant Bass 2", 0, kBass},                // 1288
    {0, 39, 92, "Minneapolis Bass", 0, kBass},                    // 1289
    {0, 39, 93, "Miami Bass", 0, kBass},                          // 1290
    {0, 39, 94, "Resonace Talking Box", 0, kBass},                // 1291
    {64, 39, 0, "Cave", 0, kSpecialFxVoice},                      // 1292
    {0, 40, 22, "Zealot", 0, kBass},                              // 1293
    {0, 40, 42, "DX Bass Bright", 0, kBass},                      // 1294
    {0, 40, 65, "Attack Pulse", 0, kBass},                        // 1295
    {0, 40, 66, "CS Light", 0, kBass},                            // 1296
    {0, 40, 67, "Metal Bass", 0, kBass},                          // 1297
    {0, 40, 68, "Forced Oscillation Bass", 0, kBass},             // 1298
    {0, 40, 69, "Cubit", 0, kBass},                               // 1299
    {0, 40, 70, "Cubit Plus", 0, kBass},                          // 1300
    {0, 40, 71, "Keel", 0, kBass},                                // 1301
    {0, 40, 72, "Keel Powered", 0, kBass},                        // 1302
    {0, 40, 73, "Plain Pulse", 0, kBass},                         // 1303
    {0, 40, 74, "Powered Pulse", 0, kBass},                       // 1304
    {0, 40, 75, "Powered Pulse Bright", 0, kBass},                // 1305
    {0, 40, 76, "Powered Sawtooth", 0, kBass},                    // 1306
    {0, 40, 77, "Smooth Bass", 0, kBass},                         // 1307
    {0, 40, 78, "Synth Attack", 0, kBass},                        // 1308
    {0, 41, 40, "Unison Violin", 0, kStrings},                    // 1309
    {0, 41, 64, "Cadenza Violin", 0, kStrings},                   // 1310
    {0, 41, 65, "Cadenza Dark Violin", 0, kStrings},              // 1311
    {0, 41, 66, "Violin Section", 0, kStrings},                   // 1312
    {0, 41, 67, "Hard Attack Violin Section", 0, kStrings},       // 1313
    {0, 41, 68, "Slow Attack Violin Section", 0, kStrings},       // 1314
    {126, 41, 0, "Live! AfroCuban SFX Kit", 0, kSpecialFxKit},    // 1315
    {0, 42, 40, "Viola Double", 0, kStrings},                     // 1316
    {0, 42, 64, "Sonata Viola", 0, kStrings},                     // 1317
    {0, 42, 65, "Viola Section", 0, kStrings},                    // 1318
    {0, 42, 66, "Hard Attack Viola Section", 0, kStrings},        // 1319
    {0, 42, 67, "Slow Attack Viola Section", 0, kStrings},        // 1320
    {126, 42, 0, "Live! AfroCuban SFX Kit 2", 0, kSpecialFxKit},  // 1321
    {127, 42, 0, "Brush Drum Kit 2", 0, kDrums},                  // 1322
    {0, 43, 64, "Cello Section", 0, kStrings},                    // 1323
    {0, 43, 65, "Hard Attack Cello Section", 0, kStrings},        // 1324
    {0, 43, 66, "Slow Attack Cello Section", 0, kStrings},        // 1325
    {126, 43, 0, "Live! Brazilian SFX Kit", 0, kSpecialFxKit},    // 1326
    {0, 44, 64, "Contrabass Section", 0, kStrings},               // 1327
    {0, 44, 65, "Hard Attack Contrabass Section", 0, kStrings},   // 1328
    {0, 44, 66, "Slow Attack Contrabass Section", 0, kStrings},   // 1329
    {126, 44, 0, "Live! PopLatin SFX Kit", 0, kSpecialFxKit},     // 1330
    {0, 45, 45, "Suspense Strings", 0, kStrings},                 // 1331
    {0, 45, 64, "Fear Strings", 0, kStrings},                     // 1332
    {0, 45, 65, "Fear Detuned Strings", 0, kStrings},             // 1333
    {0, 45, 66, "Apocalypse Strings", 0, kStrings},               // 1334
    {0, 45, 67, "Bright Tremolo Strings", 0, kStrings},           // 1335
    {0, 46, 35, "Pizzicato Octave", 0, kStrings},                 // 1336
    {0, 46, 40, "Sleep", 0, kStrings},                            // 1337
    {0, 46, 64, "Collegno", 0, kStrings},                         // 1338
    {0, 47, 64, "Electric Harp", 0, kStrings},                    // 1339
    {0, 47, 96, "Violin Harp", 0, kStrings},                      // 1340
    {0, 47, 97, "Violin Harp Detuned", 0, kStrings},              // 1341
    {0, 48, 43, "Roll & Hit", 0, kStrings},                       // 1342
    {0, 49, 14, "Sforzando Strings", 0, kEnsemble},               // 1343
    {0, 49, 52, "Lento Strings", 0, kEnsemble},                   // 1344
    {0, 49, 64, "Super Strings", 0, kEnsemble},                   // 1345
    {0, 49, 65, "Super Strings Stereo", 0, kEnsemble},            // 1346
    {0, 49, 66, "Triste Strings", 0, kEnsemble},                  // 1347
    {0, 49, 67, "Basso Strings", 0, kEnsemble},                   // 1348
    {0, 49, 68, "Staccato High Strings", 0, kEnsemble},           // 1349
    {0, 49, 69, "Staccato Low Strings", 0, kEnsemble},            // 1350
    {0, 49, 70, "Hall Strings", 0, kEnsemble},                    // 1351
    {0, 49, 71, "Strings + French Horn", 0, kEnsemble},           // 1352
    {0, 49, 72, "Solid Strings", 0, kEnsemble},                   // 1353
    {0, 49, 73, "Swell Strings", 0, kEnsemble},                   // 1354
    {0, 49, 74, "Strings + Brass Section", 0, kEnsemble},         // 1355
    {0, 49, 75, "3 Octave Strings", 0, kEnsemble},                // 1356
    {0, 49, 76, "5 Part Strings", 0, kEnsemble},                  // 1357
    {0, 51, 8, "Memory", 0, kEnsemble},                           // 1358
    {0, 51, 18, "Zephyr", 0, kEnsemble},                          // 1359
    {0, 51, 35, "Synth Strings 3", 0, kEnsemble},                 // 1360
    {0, 51, 39, "Monarchy", 0, kEnsemble},                        // 1361
    {0, 51, 40, "Grand Pad", 0, kEnsemble},                       // 1362
    {0, 51, 41, "Sweep Strings", 0, kEnsemble},                   // 1363
    {0, 51, 42, "Sweep Strings Octave", 0, kEnsemble},            // 1364
    {0, 51, 66, "Solitude", 0, kEnsemble},                        // 1365
    {0, 51, 67, "Fate", 0, kEnsemble},                            // 1366
    {0, 51, 68, "Thulium", 0, kEnsemble},                         // 1367
    {0, 51, 69, "Brook", 0, kEnsemble},                           // 1368
    {0, 51, 70, "Brook Stereo", 0, kEnsemble},                    // 1369
    {0, 51, 71, "Old Syhth Strings", 0, kEnsemble},               // 1370
    {0, 52, 21, "Trade Wind", 0, kEnsemble},                      // 1371
    {0, 52, 39, "Worm Hole", 0, kEnsemble},                       // 1372
    {0, 52, 64, "Hope", 0, kEnsemble},                            // 1373
    {0, 52, 65, "Virgo", 0, kEnsemble},                           // 1374
    {0, 52, 66, "Platinum", 0, kEnsemble},                        // 1375
    {0, 52, 67, "Octave PWM", 0, kEnsemble},                      // 1376
    {0, 52, 68, "Taurus", 0, kEnsemble},                          // 1377
    {0, 52, 69, "Frost", 0, kEnsemble},                           // 1378
    {0, 52, 70, "Leo", 0, kEnsemble},                             // 1379
    {0, 52, 71, "Solar Plexus", 0, kEnsemble},                    // 1380
    {0, 52, 72, "Sun Rise", 0, kEnsemble},                        // 1381
    {64, 52, 0, "Kitty", 0, kSpecialFxVoice},                     // 1382
    {0, 53, 39, "Gasp", 0, kEnsemble},                            // 1383
    {0, 53, 41, "Dead Sea", 0, kEnsemble},                        // 1384
    {0, 53, 64, "Strings & Choir Aahs", 0, kEnsemble},            // 1385
    {0, 53, 65, "Male Choir Aahs", 0, kEnsemble},                 // 1386
    {0, 53, 66, "Scroll", 0, kEnsemble},                          // 1387
    {0, 53, 67, "Scroll Plus", 0, kEnsemble},                     // 1388
    {0, 53, 68, "Aah Stereo", 0, kEnsemble},                      // 1389
    {0, 53, 69, "Aah Mix", 0, kEnsemble},                         // 1390
    {0, 53, 70, "Aah with Orchestra", 0, kEnsemble},              // 1391
    {64, 53, 0, "Growl", 0, kSpecialFxVoice},                     // 1392
    {0, 54, 64, "Voice Doo", 0, kEnsemble},                       // 1393
    {0, 54, 65, "Hmn", 0, kEnsemble},                             // 1394
    {0, 54, 66, "Whirl Choir", 0, kEnsemble},                     // 1395
    {0, 54, 67, "Ooh Stereo", 0, kEnsemble},                      // 1396
    {0, 54, 96, "Voice Humming", 0, kEnsemble},                   // 1397
    {64, 54, 0, "Haunted", 0, kSpecialFxVoice},                   // 1398
    {0, 55, 65, "Aspirate", 0, kEnsemble},                        // 1399
    {0, 55, 66, "Aspirate Detuned", 0, kEnsemble},                // 1400
    {0, 55, 67, "Facula", 0, kEnsemble},                          // 1401
    {0, 56, 12, "Lo-Fi Hit", 0, kEnsemble},                       // 1402
    {0, 56, 40, "Throne", 0, kEnsemble},                          // 1403
    {0, 56, 54, "Impact", 0, kEnsemble},                          // 1404
    {0, 56, 65, "Brass Stab", 0, kEnsemble},                      // 1405
    {0, 56, 66, "Double Hit", 0, kEnsemble},                      // 1406
    {0, 56, 67, "Brass Stab 80", 0, kEnsemble},                   // 1407
    {0, 56, 68, "Bass Hit", 0, kEnsemble},                        // 1408
    {0, 56, 69, "Bass Hit Plus", 0, kEnsemble},                   // 1409
    {0, 56, 70, "6th Hit", 0, kEnsemble},                         // 1410
    {0, 56, 71, "6th Hit Plus", 0, kEnsemble},                    // 1411
    {0, 56, 72, "Euro Hit", 0, kEnsemble},                        // 1412
    {0, 56, 73, "Euro Hit Plus", 0, kEnsemble},                   // 1413
    {0, 56, 74, "Blowout", 0, kEnsemble},                         // 1414
    {0, 56, 75, "Triceratops", 0, kEnsemble},                     // 1415
    {0, 57, 64, "Dark Trumpet", 0, kBrass},                       // 1416
    {0, 57, 65, "Dark Trumpet Soft", 0, kBrass},                  // 1417
    {0, 57, 66, "Soft Trumpet", 0, kBrass},                       // 1418
    {0, 57, 67, "Blow", 0, kBrass},                               // 1419
    {0, 57, 68, "Blow Double", 0, kBrass},                        // 1420
    {0, 57, 69, "4th Trumpet", 0, kBrass},                        // 1421
    {0, 57, 70, "Synth Trumpet", 0, kBrass},                      // 1422
    {0, 57, 71, "Sweet Trumpet", 0, kBrass},                      // 1423
    {0, 57, 72, "Mewllow Sweet Trumpet", 0, kBrass},              // 1424
    {0, 57, 73, "Normal Trumpets", 0, kBrass},                    // 1425
    {0, 57, 74, "Brilliant Trumpet", 0, kBrass},                  // 1426
    {0, 57, 75, "Fanfare", 0, kBrass},                            // 1427
    {0, 57, 96, "Flugel Horn", 0, kBrass},                        // 1428
    {0, 57, 97, "Cornet", 0, kBrass},                             // 1429
    {64, 57, 0, "Insects", 0, kSpecialFxVoice},                   // 1430
    {127, 57, 0, "Natural Drum Kit", 0, kDrums},                  // 1431
    {0, 58, 64, "Bright Trombone", 0, kBrass},                    // 1432
    {0, 58, 65, "Mellow Trombone", 0, kBrass},                    // 1433
    {0, 58, 66, "JJJ", 0, kBrass},                                // 1434
    {0, 58, 67, "Brilliant Trombone", 0, kBrass},                 // 1435
    {0, 58, 68, "Hard Attack Trombone", 0, kBrass},               // 1436
    {0, 58, 69, "Bright Bass Trombone", 0, kBrass},               // 1437
    {0, 58, 70, "Hard Attack Bass Trombone", 0, kBrass},          // 1438
    {64, 58, 0, "Bacteria", 0, kSpecialFxVoice},                  // 1439
    {127, 58, 0, "Natural Funk Drum Kit", 0, kDrums},             // 1440
    {0, 59, 64, "Hard Attack Tuba", 0, kBrass},                   // 1441
    {0, 59, 65, "Slow Attack Tuba", 0, kBrass},                   // 1442
    {0, 59, 66, "Euphonium", 0, kBrass},                          // 1443
    {0, 60, 40, "Backyard", 0, kBrass},                           // 1444
    {0, 60, 64, "Muted Trumpet 2", 0, kBrass},                    // 1445
    {0, 60, 65, "Backstairs", 0, kBrass},                         // 1446
    {0, 61, 64, "Synth Horn", 0, kBrass},                         // 1447
    {0, 61, 65, "Horn Orchestra 2", 0, kBrass},                   // 1448
    {0, 61, 66, "Bright French Horn", 0, kBrass},                 // 1449
    {0, 61, 67, "Hard Attack French Horn", 0, kBrass},            // 1450
    {0, 62, 3, "Stereo Brass Section", 0, kBrass},                // 1451
    {0, 62, 14, "Sforzando Brass", 0, kBrass},                    // 1452
    {0, 62, 18, "Mild Brass", 0, kBrass},                         // 1453
    {0, 62, 36, "Trumpet & Trombone Section 2", 0, kBrass},       // 1454
    {0, 62, 39, "Brass Fall", 0, kBrass},                         // 1455
    {0, 62, 52, "Bund", 0, kBrass},                               // 1456
    {0, 62, 53, "Fake Horns", 0, kBrass},                         // 1457
    {0, 62, 54, "Fake Horns Octave", 0, kBrass},                  // 1458
    {0, 62, 64, "Super Brass", 0, kBrass},                        // 1459
    {0, 62, 65, "Super Brass Cut", 0, kBrass},                    // 1460
    {0, 62, 66, "Super Brass Blown", 0, kBrass},                  // 1461
    {0, 62, 67, "Powered Sforzando", 0, kBrass},                  // 1462
    {0, 62, 68, "Powered Sforzando Bright", 0, kBrass},           // 1463
    {0, 62, 69, "Alto & Trumpet", 0, kBrass},                     // 1464
    {0, 62, 70, "Tenor & Trumpet", 0, kBrass},                    // 1465
    {0, 62, 71, "Brass Brothers", 0, kBrass},                     // 1466
    {0, 62, 72, "Vague Brothers", 0, kBrass},                     // 1467
    {0, 62, 73, "Brass Section 3", 0, kBrass},                    // 1468
    {0, 62, 74, "Sforzando Brass 2", 0, kBrass},                  // 1469
    {0, 62, 75, "Octave Brass", 0, kBrass},                       // 1470
    {0, 62, 76, "Alps", 0, kBrass},                               // 1471
    {0, 62, 77, "Symphonic Brass Ensemble", 0, kBrass},           // 1472
    {0, 62, 78, "Phoenix", 0, kBrass},                            // 1473
    {0, 63, 29, "Analog Sforzando", 0, kBrass},                   // 1474
    {0, 63, 40, "Synth Brass with Sub Oscillator", 0, kBrass},    // 1475
    {0, 63, 65, "Synth Then", 0, kBrass},                         // 1476
    {0, 63, 66, "Sync Brass", 0, kBrass},                         // 1477
    {0, 63, 67, "Sync Brass Stereo", 0, kBrass},                  // 1478
    {0, 63, 68, "Analog Horns 1", 0, kBrass},                     // 1479
    {0, 63, 69, "Analog Horns 2", 0, kBrass},                     // 1480
    {0, 63, 70, "Analog Horns Octave", 0, kBrass},                // 1481
    {0, 63, 71, "Sawtooth Brass Powered", 0, kBrass},             // 1482
    {0, 64, 24, "Poly Brass", 0, kBrass},                         // 1483
    {0, 64, 42, "Analog Horns Rich", 0, kBrass},                  // 1484
    {0, 64, 65, "Soft Cut", 0, kBrass},                           // 1485
    {0, 64, 66, "Analog Horns Soft", 0, kBrass},                  // 1486
    {0, 65, 8, "Vague Soprano Sax", 0, kReed},                    // 1487
    {0, 65, 64, "Meditation", 0, kReed},                          // 1488
    {0, 65, 65, "Meditation Resonant", 0, kReed},                 // 1489
    {127, 65, 0, "Tramp Drum Kit", 0, kDrums},                    // 1490
    {0, 66, 18, "Alto Sax Legato", 0, kReed},                     // 1491
    {0, 66, 64, "Alto Sax Powered", 0, kReed},                    // 1492
    {0, 66, 65, "Fake Alto", 0, kReed},                           // 1493
    {0, 66, 66, "Fake Alto Plus", 0, kReed},                      // 1494
    {0, 66, 67, "Fake Alto Detuned", 0, kReed},                   // 1495
    {127, 66, 0, "Amber Drum Kit", 0, kDrums},                    // 1496
    {0, 67, 65, "Super Tenor", 0, kReed},                         // 1497
    {0, 67, 66, "Super Tenor Plus", 0, kReed},                    // 1498
    {0, 67, 67, "Super Tenor Stereo", 0, kReed},                  // 1499
    {0, 67, 68, "Tenor & Alto", 0, kReed},                        // 1500
    {127, 67, 0, "Coffin Drum Kit", 0, kDrums},                   // 1501
    {0, 69, 64, "Heinz", 0, kReed},                               // 1502
    {0, 69, 65, "Heinz Unison", 0, kReed},                        // 1503
    {0, 69, 66, "Oboe Expressive", 0, kReed},                     // 1504
    {0, 72, 40, "Synth & Clarinet", 0, kReed},                    // 1505
    {0, 72, 96, "Bass Clarinet", 0, kReed},                       // 1506
    {64, 72, 0, "Another Scratch", 0, kSpecialFxVoice},           // 1507
    {0, 73, 96, "Bang Di", 0, kPipe},                             // 1508
    {64, 73, 0, "Turn Table", 0, kSpecialFxVoice},                // 1509
    {0, 74, 40, "Neat Breath", 0, kPipe},                         // 1510
    {0, 74, 64, "Boehm", 0, kPipe},                               // 1511
    {0, 74, 65, "Boehm Breathy", 0, kPipe},                       // 1512
    {0, 74, 66, "Pastorale", 0, kPipe},                           // 1513
    {0, 74, 67, "Shepherd", 0, kPipe},                            // 1514
    {0, 74, 96, "Qu Di", 0, kPipe},                               // 1515
    {0, 75, 64, "Piplith", 0, kPipe},                             // 1516
    {0, 75, 65, "Home", 0, kPipe},                                // 1517
    {0, 76, 64, "Pan Flute 2", 0, kPipe},                         // 1518
    {0, 76, 65, "Meadow", 0, kPipe},                              // 1519
    {0, 76, 96, "Kawala", 0, kPipe},                              // 1520
    {0, 77, 64, "Bottle Legato", 0, kPipe},                       // 1521
    {0, 79, 64, "Reverie", 0, kPipe},                             // 1522
    {0, 80, 64, "Opalina", 0, kPipe},                             // 1523
    {0, 81, 35, "2 Oscillators", 0, kSynthLead},                  // 1524
    {0, 81, 67, "Pulse Lead", 0, kSynthLead},                     // 1525
    {0, 81, 68, "Sync Lead", 0, kSynthLead},                      // 1526
    {0, 81, 69, "Forced Oscillation", 0, kSynthLead},             // 1527
    {0, 81, 70, "Accent", 0, kSynthLead},                         // 1528
    {0, 81, 71, "Brick", 0, kSynthLead},                          // 1529
    {0, 81, 72, "Alum", 0, kSynthLead},                           // 1530
    {0, 81, 73, "Query", 0, kSynthLead},                          // 1531
    {0, 81, 74, "FM Slow Sweep", 0, kSynthLead},                  // 1532
    {0, 81, 75, "Sync Lead Double", 0, kSynthLead},               // 1533
    {0, 81, 76, "Curse", 0, kSynthLead},                          // 1534
    {0, 81, 77, "Octave Beep", 0, kSynthLead},                    // 1535
    {0, 81, 78, "Sine Lead 2", 0, kSynthLead},                    // 1536
    {0, 81, 79, "Square Lead 3", 0, kSynthLead},                  // 1537
    {0, 81, 80, "Square Lead 4", 0, kSynthLead},                  // 1538
    {127, 81, 0, "Live! Standard Drum Kit", 0, kDrums},           // 1539
    {0, 82, 26, "Mondo", 0, kSynthLead},                          // 1540
    {0, 82, 27, "Rezzy Sawtooth", 0, kSynthLead},                 // 1541
    {0, 82, 32, "Double Sawtooth", 0, kSynthLead},                // 1542
    {0, 82, 35, "Toy Lead", 0, kSynthLead},                       // 1543
    {0, 82, 36, "Dim Sawtooth", 0, kSynthLead},                   // 1544
    {0, 82, 64, "Digger", 0, kSynthLead},                         // 1545
    {0, 82, 65, "Dunce", 0, kSynthLead},                          // 1546
    {0, 82, 66, "Brass Sawtooth", 0, kSynthLead},                 // 1547
    {0, 82, 67, "Sawtooth River", 0, kSynthLead},                 // 1548
    {0, 82, 68, "Brass Pulse Double", 0, kSynthLead},             // 1549
    {0, 82, 69, "Sawtooth Trumpet", 0, kSynthLead},               // 1550
    {0, 82, 70, "Hue", 0, kSynthLead},                            // 1551
    {0, 82, 71, "Straight Sawtooth", 0, kSynthLead},              // 1552
    {0, 82, 72, "Straight Pulse", 0, kSynthLead},                 // 1553
    {0, 82, 73, "PWMania", 0, kSynthLead},                        // 1554
    {0, 82, 74, "Mod Saw", 0, kSynthLead},                        // 1555
    {0, 82, 75, "Toad", 0, kSynthLead},                           // 1556
    {0, 82, 76, "Fat Octave", 0, kSynthLead},                     // 1557
    {0, 82, 77, "Overdose", 0, kSynthLead},                       // 1558
    {0, 82, 78, "PWM Decay", 0, kSynthLead},                      // 1559
    {0, 82, 79, "Saw Decay", 0, kSynthLead},                      // 1560
    {0, 82, 80, "Fat Saw Lead", 0, kSynthLead},                   // 1561
    {0, 82, 81, "Duck Lead", 0, kSynthLead},                      // 1562
    {0, 82, 82, "Boost Saw", 0, kSynthLead},                      // 1563
    {0, 82, 83, "Mr. Saw", 0, kSynthLead},                        // 1564
    {0, 82, 84, "Thin Saw Lead", 0, kSynthLead},                  // 1565
    {0, 82, 85, "Mouth Saw", 0, kSynthLead},                      // 1566
    {0, 82, 86, "Dr. Lead 2", 0, kSynthLead},                     // 1567
    {0, 82, 87, "Saw Unison", 0, kSynthLead},                     // 1568
    {0, 82, 88, "Octave Saw Lead", 0, kSynthLead},                // 1569
    {0, 82, 89, "Sequenced Saw 1", 0, kSynthLead},                // 1570
    {0, 82, 90, "Sequenced Saw 2", 0, kSynthLead},                // 1571
    {0, 82, 91, "Simple Saw Lead", 0, kSynthLead},                // 1572
    {127, 82, 0, "Live! Funk Drum Kit", 0, kDrums},               // 1573
    {0, 83, 40, "Novice", 0, kSynthLead},                         // 1574
    {0, 83, 64, "Vent Synth", 0, kSynthLead},                     // 1575
    {0, 83, 66, "Electro Primitive", 0, kSynthLead},              // 1576
    {127, 83, 0, "Live! Brush Drum Kit", 0, kDrums},              // 1577
    {0, 84, 40, "Salt Lead", 0, kSynthLead},                      // 1578
    {0, 84, 65, "Hard Sync", 0, kSynthLead},                      // 1579
    {127, 84, 0, "Live! Standard + Percussion Kit", 0, kDrums},   // 1580
    {0, 85, 66, "Synth Pluck", 0, kSynthLead},                    // 1581
    {0, 85, 67, "The Sync Lead", 0, kSynthLead},                  // 1582
    {127, 85, 0, "Live! Funk + Percussion Kit", 0, kDrums},       // 1583
    {0, 86, 65, "Breathy Layer", 0, kSynthLead},                  // 1584
    {0, 86, 66, "Cypher 1", 0, kSynthLead},                       // 1585
    {0, 86, 67, "Cypher 2", 0, kSynthLead},                       // 1586
    {0, 86, 68, "Cypher 3", 0, kSynthLead},                       // 1587
    {0, 86, 69, "Super Cypher", 0, kSynthLead},                   // 1588
    {127, 86, 0, "Live! Brush + Percussion Kit", 0, kDrums},      // 1589
    {0, 87, 8, "Fifths Lead Soft", 0, kSynthLead},                // 1590
    {0, 88, 66, "Cant", 0, kSynthLead},                           // 1591
    {0, 88, 67, "Mogul", 0, kSynthLead},                          // 1592
    {0, 88, 68, "Distance", 0, kSynthLead},                       // 1593
    {0, 88, 69, "Sync B&L", 0, kSynthLead},                       // 1594
    {0, 88, 70, "Bass Lead", 0, kSynthLead},                      // 1595
    {0, 89, 65, "Libra", 0, kSynthPad},                           // 1596
    {0, 89, 66, "Bell Pad", 0, kSynthPad},                        // 1597
    {0, 90, 40, "Vishnu", 0, kSynthPad},                          // 1598
    {0, 90, 66, "Light Pad", 0, kSynthPad},                       // 1599
    {0, 91, 68, "Snow Pad", 0, kSynthPad},                        // 1600
    {0, 91, 69, "Pixie", 0, kSynthPad},                           // 1601
    {0, 91, 70, "Pisces", 0, kSynthPad},                          // 1602
    {0, 91, 71, "Spiral", 0, kSynthPad},                          // 1603
    {0, 91, 72, "Poly Synth Pad 2", 0, kSynthPad},                // 1604
    {0, 91, 73, "Poly Synth Pad King", 0, kSynthPad},             // 1605
    {0, 92, 65, "Light Pad", 0, kSynthPad},                       // 1606
    {0, 92, 68, "Cosmic Pad", 0, kSynthPad},                      // 1607
    {0, 92, 69, "Aah Pad", 0, kSynthPad},                         // 1608
    {0, 92, 70, "Ooh Pad", 0, kSynthPad},                         // 1609
    {0, 92, 71, "Ooh Aah", 0, kSynthPad},                         // 1610
    {64, 92, 0, "Connectivity", 0, kSpecialFxVoice},              // 1611
    {0, 93, 66, "Square Twang", 0, kSynthPad},                    // 1612
    {0, 93, 67, "Square Pad 8", 0, kSynthPad},                    // 1613
    {64, 93, 0, "Mystery", 0, kSpecialFxVoice},                   // 1614
    {0, 94, 66, "Queever", 0, kSynthPad},                         // 1615
    {64, 94, 0, "Charging", 0, kSpecialFxVoice},                  // 1616
    {0, 95, 40, "Tiu", 0, kSynthPad},                             // 1617
    {0, 95, 64, "Aries", 0, kSynthPad},                           // 1618
    {0, 95, 65, "Chorus Pad", 0, kSynthPad},                      // 1619
    {0, 96, 65, "Sweepy", 0, kSynthPad},                          // 1620
    {0, 96, 67, "Monsoon", 0, kSynthPad},                         // 1621
    {0, 96, 68, "Io", 0, kSynthPad},                              // 1622
    {0, 98, 65, "Rave", 0, kSynthEffects},                        // 1623
    {0, 98, 66, "Fairy", 0, kSynthEffects},                       // 1624
    {0, 98, 67, "Hermit", 0, kSynthEffects},                      // 1625
    {0, 99, 73, "Bounce", 0, kSynthEffects},                      // 1626
    {0, 99, 74, "Analog Bell", 0, kSynthEffects},                 // 1627
    {0, 100, 68, "Lyra", 0, kSynthEffects},                       // 1628
    {0, 100, 69, "Akasaka", 0, kSynthEffects},                    // 1629
    {0, 100, 70, "Digital Bermuda", 0, kSynthEffects},            // 1630
    {0, 100, 71, "Cloud Pad", 0, kSynthEffects},                  // 1631
    {0, 100, 72, "Pulse Key", 0, kSynthEffects},                  // 1632
    {0, 100, 73, "Noise Piano", 0, kSynthEffects},                // 1633
    {0, 101, 65, "Shining Star", 0, kSynthEffects},               // 1634
    {0, 101, 66, "Bright Stab", 0, kSynthEffects},                // 1635
    {0, 102, 69, "Milky Way", 0, kSynthEffects},                  // 1636
    {0, 102, 72, "Puffy", 0, kSynthEffects},                      // 1637
    {0, 102, 73, "Mimicry", 0, kSynthEffects},                    // 1638
    {0, 102, 74, "Parasite", 0, kSynthEffects},                   // 1639
    {0, 102, 75, "Cicada", 0, kSynthEffects},                     // 1640
    {0, 102, 76, "Beacon", 0, kSynthEffects},                     // 1641
    {0, 102, 77, "Goblins' Talk", 0, kSynthEffects},              // 1642
    {0, 102, 78, "Temple", 0, kSynthEffects},                     // 1643
    {0, 102, 97, "Dharma", 0, kSynthEffects},                     // 1644
    {64, 102, 0, "Applause 2", 0, kSpecialFxVoice},               // 1645
    {0, 103, 70, "Analog Echo", 0, kSynthEffects},                // 1646
    {0, 104, 65, "Odin", 0, kSynthEffects},                       // 1647
    {0, 105, 40, "Bhuj", 0, kEthnic},                             // 1648
    {0, 105, 64, "Raga Synth", 0, kEthnic},                       // 1649
    {0, 106, 64, "Electric Banjo", 0, kEthnic},                   // 1650
    {0, 106, 99, "Pi Pa", 0, kEthnic},                            // 1651
    {0, 107, 96, "Tsugaru", 0, kEthnic},                          // 1652
    {0, 108, 64, "FM Koto", 0, kEthnic},                          // 1653
    {0, 108, 98, "Zheng", 0, kEthnic},                            // 1654
    {0, 109, 64, "Big Kalimba", 0, kEthnic},                      // 1655
    {0, 110, 64, "Thistle", 0, kEthnic},                          // 1656
    {0, 110, 96, "Sheng", 0, kEthnic},                            // 1657
    {0, 111, 96, "Er Hu", 0, kEthnic},                            // 1658
    {0, 111, 97, "Ban Hu", 0, kEthnic},                           // 1659
    {0, 111, 98, "Jing Hu", 0, kEthnic},                          // 1660
    {0, 112, 98, "Suo Na", 0, kEthnic},                           // 1661
    {0, 113, 64, "Tickle Bell", 0, kPercussive},                  // 1662
    {0, 114, 96, "Atarigane", 0, kPercussive},                    // 1663
    {0, 115, 96, "Tablas", 0, kPercussive},                       // 1664
    {64, 117, 0, "Fireball", 0, kSpecialFxVoice},                 // 1665
    {0, 118, 67, "Tim's Set", 0, kPercussive},                    // 1666
    {0, 119, 66, "Synth Percussion", 0, kPercussive},             // 1667
    {0, 120, 64, "Reverse Cymbal 2", 0, kPercussive},             // 1668
    {0, 120, 65, "Reverse Cymbal 3", 0, kPercussive},             // 1669
    {0, 120, 96, "Reverse Snare 1", 0, kPercussive},              // 1670
    {0, 120, 97, "Reverse Snare 2", 0, kPercussive},              // 1671
    {0, 120, 98, "Reverse Kick 1", 0, kPercussive},               // 1672
    {0, 120, 99, "Reverse Concert Bass Drum", 0, kPercussive},    // 1673
    {0, 120, 100, "Reverse Tom 1", 0, kPercussive},               // 1674
    {0, 120, 101, "Reverse Tom 2", 0, kPercussive},               // 1675
}};

}  // namespace ravlo
