#pragma once

#include <fluidsynth.h>

#include <string>

namespace ravlo {

// The FluidSynth functions this program calls.
#define RAVLO_FLUID_FUNCTIONS(X)           \
  X(delete_fluid_audio_driver)             \
  X(delete_fluid_settings)                 \
  X(delete_fluid_synth)                    \
  X(fluid_preset_get_name)                 \
  X(fluid_set_log_function)                \
  X(fluid_settings_setint)                 \
  X(fluid_settings_setnum)                 \
  X(fluid_settings_setstr)                 \
  X(fluid_sfont_get_preset)                \
  X(fluid_synth_cc)                        \
  X(fluid_synth_channel_pressure)          \
  X(fluid_synth_get_polyphony)             \
  X(fluid_synth_get_sfont_by_id)           \
  X(fluid_synth_get_voicelist)             \
  X(fluid_synth_key_pressure)              \
  X(fluid_synth_noteoff)                   \
  X(fluid_synth_noteon)                    \
  X(fluid_synth_pitch_bend)                \
  X(fluid_synth_pitch_wheel_sens)          \
  X(fluid_synth_process)                   \
  X(fluid_synth_program_select)            \
  X(fluid_synth_set_channel_type)          \
  X(fluid_synth_set_chorus_group_depth)    \
  X(fluid_synth_set_chorus_group_nr)       \
  X(fluid_synth_set_chorus_group_speed)    \
  X(fluid_synth_set_gen)                   \
  X(fluid_synth_set_reverb_group_damp)     \
  X(fluid_synth_set_reverb_group_roomsize) \
  X(fluid_synth_set_reverb_group_width)    \
  X(fluid_synth_sfload)                    \
  X(fluid_voice_gen_incr)                  \
  X(fluid_voice_get_channel)               \
  X(fluid_voice_get_id)                    \
  X(fluid_voice_get_key)                   \
  X(fluid_voice_update_param)              \
  X(new_fluid_audio_driver2)               \
  X(new_fluid_settings)                    \
  X(new_fluid_synth)

// FluidSynth, opened when sound is first wanted rather than linked: the
// library and the dozens it loads in turn would cost every start of the
// editor and of each command-line run, most of which make no sound.
struct FluidLibrary {
#define RAVLO_FLUID_POINTER(name) decltype(&::name) name = nullptr;
  RAVLO_FLUID_FUNCTIONS(RAVLO_FLUID_POINTER)
#undef RAVLO_FLUID_POINTER

  // The library, opened on the first call; null, with the reason in
  // `error`, when it cannot be.
  static const FluidLibrary* Open(std::string& error);
};

// The library once Open has succeeded.
const FluidLibrary& Fluid();

}  // namespace ravlo
