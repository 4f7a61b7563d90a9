#include "MonitorSound.h"

#include "FluidEngine.h"
#include "MonitorBackend.h"
#include "SoundFonts.h"
#include "sound/XgSoundMap.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {

namespace {

constexpr double kAuditionSeconds = 0.6;
constexpr int kAuditionKey = 60;
// A kit is heard by its snare.
constexpr int kAuditionDrumKey = 38;
constexpr int kDrumKitBankMsb = 127;
constexpr int kSfxKitBankMsb = 126;

}  // namespace

MonitorSound::MonitorSound(MonitorBackend& monitor) : monitor_(monitor) {}

MonitorSound::~MonitorSound() {
  Stop();
}

MonitorSound::Started MonitorSound::Start(const std::string& soundFont,
                                          const AudioOptions& options) {
  Stop();
  const std::string path = FindSoundFont(soundFont);
  if (path.empty()) return {Outcome::NoSoundFont, kNoSoundFontText};
  std::string error;
  engine_ = FluidEngine::Create(path, AudioOutput::RateFor(options), error);
  if (!engine_) {
    return {Outcome::NoSoundFont, error + ". Choose another SoundFont in Options > Sound."};
  }
  output_ = AudioOutput::Open(*engine_, options);
  monitor_.AttachSound(engine_.get());
  if (!output_) {
    return {Outcome::Silent,
            "No audio device could be opened, so \"Ravlo Monitor\" plays silently. Options > "
            "Sound chooses the driver and device."};
  }
  return {Outcome::Playing, {}};
}

void MonitorSound::Stop() {
  // The output stops calling the engine, the monitor stops playing on it,
  // then it goes.
  output_.reset();
  monitor_.AttachSound(nullptr);
  engine_.reset();
}

std::string MonitorSound::Driver() const {
  return output_ ? output_->Driver() : std::string();
}

int MonitorSound::SampleRate() const {
  return engine_ ? engine_->SampleRate() : 0;
}

std::string MonitorSound::HeardText(PartIndex part) const {
  if (!engine_) return {};
  return HeardPresetText(monitor_.Heard(part));
}

float MonitorSound::TakePeak(PartIndex part) {
  return engine_ ? engine_->TakePeak(part.Index()) : 0.0f;
}

void MonitorSound::Audition(int voiceIndex) {
  // The browsers offer only voices the model knows, so any catalogue voice may be heard.
  const std::optional<VoiceBank> bank = GetVoiceBank(voiceIndex, InstrumentModel::Extended);
  if (!engine_ || !auditionOn_ || !bank) return;
  const bool drums = bank->bankMsb == kDrumKitBankMsb || bank->bankMsb == kSfxKitBankMsb;
  const XgVoice voice{bank->bankMsb, bank->bankLsb, bank->program - 1, drums};
  if (const std::optional<HeardPreset> heard = ChoosePreset(*engine_, voice)) {
    engine_->Audition(heard->preset, drums, drums ? kAuditionDrumKey : kAuditionKey,
                      kAuditionSeconds);
  }
}

}  // namespace ravlo
