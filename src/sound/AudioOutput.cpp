#include "AudioOutput.h"

#include <optional>

#include "FluidEngine.h"
#include "FluidLibrary.h"
#include "QuietStandardError.h"

#ifdef RAVLO_HAVE_JACK
#include <jack/jack.h>
#endif

namespace ravlo {

namespace {

constexpr int kPeriods = 2;

// The rate of the JACK server that runs now; none when none does. Never
// starts one.
std::optional<int> RunningJackRate() {
#ifdef RAVLO_HAVE_JACK
  const QuietStandardError quiet;
  jack_status_t status{};
  jack_client_t* client = jack_client_open("ravlo-synth-probe", JackNoStartServer, &status);
  if (client == nullptr) return std::nullopt;
  const int rate = static_cast<int>(jack_get_sample_rate(client));
  jack_client_close(client);
  return rate;
#else
  return std::nullopt;
#endif
}

int Process(void* data, int frames, int, float*[], int outputs, float* out[]) {
  if (outputs < 2) return FLUID_FAILED;
  auto* engine = static_cast<FluidEngine*>(data);
  const auto count = static_cast<std::size_t>(frames);
  engine->Render({out[0], count}, {out[1], count});
  return FLUID_OK;
}

}  // namespace

int AudioOutput::RateFor(const AudioOptions& options) {
  if (options.driver.empty() || options.driver == "jack") {
    if (const std::optional<int> rate = RunningJackRate()) return *rate;
  }
  return options.sampleRate;
}

std::unique_ptr<AudioOutput> AudioOutput::Open(FluidEngine& engine, const AudioOptions& options) {
  if (!options.driver.empty()) return TryDriver(engine, options, options.driver);
  for (const char* driver : kDrivers) {
    if (auto output = TryDriver(engine, options, driver)) return output;
  }
  return nullptr;
}

std::unique_ptr<AudioOutput> AudioOutput::TryDriver(FluidEngine& engine,
                                                    const AudioOptions& options,
                                                    const std::string& driver) {
  // JACK's library would start a server of its own where none runs.
  if (driver == "jack" && !RunningJackRate()) return nullptr;
  fluid_settings_t* settings = Fluid().new_fluid_settings();
  if (settings == nullptr) return nullptr;
  Fluid().fluid_settings_setstr(settings, "audio.driver", driver.c_str());
  Fluid().fluid_settings_setnum(settings, "synth.sample-rate", engine.SampleRate());
  Fluid().fluid_settings_setint(settings, "audio.period-size", options.periodFrames);
  Fluid().fluid_settings_setint(settings, "audio.periods", kPeriods);
  Fluid().fluid_settings_setstr(settings, "audio.jack.id", kJackClientName);
  Fluid().fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
  if (!options.device.empty()) {
    Fluid().fluid_settings_setstr(settings, "audio.alsa.device", options.device.c_str());
    Fluid().fluid_settings_setstr(settings, "audio.pulseaudio.device", options.device.c_str());
  }
  fluid_audio_driver_t* opened = nullptr;
  {
    // A missing sound system makes its library talk; that it is missing is
    // all the caller needs.
    const QuietStandardError quiet;
    opened = Fluid().new_fluid_audio_driver2(settings, Process, &engine);
  }
  if (opened == nullptr) {
    Fluid().delete_fluid_settings(settings);
    return nullptr;
  }
  return std::unique_ptr<AudioOutput>(new AudioOutput(settings, opened, driver));
}

AudioOutput::AudioOutput(fluid_settings_t* settings, fluid_audio_driver_t* driver, std::string name)
    : settings_(settings), fluidDriver_(driver), driver_(std::move(name)) {}

AudioOutput::~AudioOutput() {
  Fluid().delete_fluid_audio_driver(fluidDriver_);
  Fluid().delete_fluid_settings(settings_);
}

}  // namespace ravlo
