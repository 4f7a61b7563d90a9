#include "StateReport.h"

#include <cstdio>
#include <span>

#include "model/XgModel.h"

namespace ravlo {

namespace {

void AppendHex(std::string& out, std::span<const std::uint8_t> bytes) {
  char text[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(text, sizeof text, i == 0 ? "%02X" : " %02X", bytes[i]);
    out += text;
  }
}

void AppendHexValues(std::string& out, std::span<const std::int32_t> values) {
  char text[16];
  for (std::size_t i = 0; i < values.size(); ++i) {
    std::snprintf(text, sizeof text, i == 0 ? "%02X" : " %02X",
                  static_cast<unsigned>(values[i] & 0xFF));
    out += text;
  }
}

void AppendEffect(std::string& out, XgModel& model, EffectKind kind, const char* name) {
  const int type = model.Effects().Type(kind);
  out += name + (" " + std::to_string(type)) + ": ";
  if (const auto row = model.Effects().GetEffectRow(kind, static_cast<std::size_t>(type))) {
    AppendHexValues(out, row->Values());
  }
  out += '\n';
}

}  // namespace

std::string DescribeModelState(XgModel& model) {
  std::string out = "system: ";
  AppendHex(out, model.System().Bytes());
  out += '\n';

  AppendEffect(out, model, EffectKind::Reverb, "reverb");
  AppendEffect(out, model, EffectKind::Chorus, "chorus");
  const int variation = model.Effects().Type(EffectKind::Variation);
  out += "variation " + std::to_string(variation) + ":";
  if (const auto row = model.Effects().GetEffectRow(EffectKind::Variation,
                                                    static_cast<std::size_t>(variation))) {
    for (std::int32_t value : row->Values()) out += " " + std::to_string(value);
  }
  out += " |";
  if (const auto settings =
          model.Effects().GetVariationSettings(static_cast<std::size_t>(variation))) {
    out += ' ';
    AppendHex(out, *settings);
  }
  out += '\n';

  for (int part = 0; part < model.Parts().Count(); ++part) {
    out += "part " + std::to_string(part + 1) + ": ";
    AppendHex(out, *model.Parts().Record(part));
    out += '\n';
  }
  for (int setup = 0; setup < model.Drums().Count(); ++setup) {
    const DrumKitVoice& kit = model.Drums().Setup(setup)->kitVoice;
    out += "drumkit " + std::to_string(setup + 1) + ": ";
    const std::uint8_t voice[] = {kit.bankMsb, kit.program, kit.bankLsb};
    AppendHex(out, voice);
    out += '\n';
  }
  for (int setup = 0; setup < model.Drums().Count(); ++setup) {
    for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
      out += "drum " + std::to_string(setup + 1) + " " + std::to_string(note) + ": ";
      AppendHex(out, model.Drums().Note(setup, note)->Parameters());
      out += '\n';
    }
  }
  for (int channel = 0; channel < kMidiChannelCount; ++channel) {
    ChannelVoice voice;
    ControllerRow controllers{};
    model.Channels().GetChannelVoice(channel, voice);
    model.Channels().GetChannelControllers(channel, controllers);
    out += "channel " + std::to_string(channel + 1) + ": ";
    const std::uint8_t bytes[] = {voice.bankMsb, voice.program, voice.bankLsb};
    AppendHex(out, bytes);
    out += " | ";
    AppendHex(out, controllers);
    out += '\n';
  }
  for (int number = 0; number < kUserVoicesPerBank; ++number) {
    const UserVoice& voice = *model.UserVoices().GetUserVoice(number, UserBank::Bank);
    out += "uservoice " + std::to_string(number + 1) + ": ";
    AppendHex(out, voice.Common());
    out += " |";
    for (int element = 0; element < kUserVoiceElementCount; ++element) {
      out += ' ';
      AppendHex(out, *voice.Element(element));
    }
    out += '\n';
  }
  return out;
}

}  // namespace ravlo
