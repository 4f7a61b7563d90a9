#include "StateReport.h"

#include <span>
#include <string_view>
#include <vector>

#include "messages/HexDigit.h"
#include "model/XgModel.h"

namespace ravlo {

namespace {

// Two upper-case digits per byte, a space between; written by hand, as the
// report of a large file is thousands of bytes long.
template <typename Value>
void AppendHexBytes(std::string& out, std::span<const Value> values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    const auto byte = static_cast<unsigned>(values[i]) & 0xFF;
    if (i != 0) out += ' ';
    out += HexDigit(byte >> 4);
    out += HexDigit(byte);
  }
}

void AppendHex(std::string& out, std::span<const std::uint8_t> bytes) {
  AppendHexBytes(out, bytes);
}

void AppendHexValues(std::string& out, std::span<const std::int32_t> values) {
  AppendHexBytes(out, values);
}

// "name number" (GCC 12 warns wrongly about literal + std::to_string).
void AppendLabel(std::string& out, std::string_view name, int number) {
  out += name;
  out += ' ';
  out += std::to_string(number);
}

void AppendEffect(std::string& out, XgModel& model, EffectKind kind, const char* name) {
  const int type = model.Effects().Type(kind);
  AppendLabel(out, name, type);
  out += ": ";
  if (const auto row = model.Effects().GetEffectRow(kind, static_cast<std::size_t>(type))) {
    AppendHexValues(out, row->Values());
  }
  out += '\n';
}

// The later instruments' blocks: each insertion's type, values, part and
// depths, then the multi EQ's and the display's bytes.
void AppendExtendedBlocks(std::string& out, XgModel& model) {
  const InsertionEffectModel& insertions = model.Insertions();
  for (int block = 0; block < InsertionEffectModel::kBlockCount; ++block) {
    AppendLabel(out, "insertion", block + 1);
    out += ": ";
    AppendHex(out, insertions.TypeNumber(block));
    out += " |";
    for (std::size_t param = 0; param < InsertionEffectModel::kParamCount; ++param) {
      AppendLabel(out, "", insertions.Value(block, param));
    }
    out += " | ";
    std::vector<std::uint8_t> rest{insertions.Part(block)};
    for (std::size_t depth = 0; depth < InsertionEffectModel::kDepthCount; ++depth) {
      rest.push_back(insertions.Depth(block, depth));
    }
    AppendHex(out, rest);
    out += '\n';
  }
  out += "multieq: ";
  AppendHex(out, model.MultiEq().Bytes());
  out += "\ndisplay: ";
  AppendHex(out, model.DisplayText().Letters());
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
  AppendLabel(out, "variation", variation);
  out += ":";
  if (const auto row = model.Effects().GetEffectRow(EffectKind::Variation,
                                                    static_cast<std::size_t>(variation))) {
    for (std::int32_t value : row->Values()) AppendLabel(out, "", value);
  }
  out += " |";
  if (const auto settings =
          model.Effects().GetVariationSettings(static_cast<std::size_t>(variation))) {
    out += ' ';
    AppendHex(out, *settings);
  }
  out += '\n';

  if (model.IsExtended()) AppendExtendedBlocks(out, model);

  for (int part = 0; part < model.Parts().Count(); ++part) {
    AppendLabel(out, "part", part + 1);
    out += ": ";
    AppendHex(out, *model.Parts().Record(PartIndex::FromIndex(part)));
    // The extended instrument's part EQ: bass and treble gain, bass and treble frequency.
    if (model.Instrument() == InstrumentModel::Extended) {
      out += " | eq";
      for (const PartParameter& entry : kPartEqParameters) {
        const std::uint8_t eq[] = {
            *model.Parts().Byte(PartIndex::FromIndex(part), entry.parameter.address)};
        out += ' ';
        AppendHex(out, eq);
      }
    }
    out += '\n';
  }
  for (int setup = 0; setup < model.Drums().Count(); ++setup) {
    const DrumKitVoice& kit = model.Drums().Setup(setup)->kitVoice;
    AppendLabel(out, "drumkit", setup + 1);
    out += ": ";
    const std::uint8_t voice[] = {kit.bankMsb, kit.program, kit.bankLsb};
    AppendHex(out, voice);
    out += '\n';
  }
  for (int setup = 0; setup < model.Drums().Count(); ++setup) {
    for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
      AppendLabel(out, "drum", setup + 1);
      AppendLabel(out, "", note);
      out += ": ";
      AppendHex(out, model.Drums().Note(setup, DrumNote::FromMidiNote(note))->Parameters());
      out += '\n';
    }
  }
  for (int index = 0; index < MidiChannel::kCount; ++index) {
    const MidiChannel channel = MidiChannel::FromIndex(index);
    const ChannelVoice voice = model.Channels().Voice(channel);
    const ControllerRow controllers = model.Channels().Controllers(channel);
    AppendLabel(out, "channel", channel.Number());
    out += ": ";
    const std::uint8_t bytes[] = {voice.bankMsb, voice.program, voice.bankLsb};
    AppendHex(out, bytes);
    out += " | ";
    AppendHex(out, controllers);
    out += '\n';
  }
  for (int number = 0; number < kUserVoicesPerBank; ++number) {
    const UserVoice& voice = *model.UserVoices().GetUserVoice(number, UserBank::Bank);
    AppendLabel(out, "uservoice", number + 1);
    out += ": ";
    AppendHex(out, voice.Common());
    out += " |";
    for (int element = 0; element < kUserVoiceElementCount; ++element) {
      out += ' ';
      AppendHex(out, *voice.Element(element));
    }
    out += '\n';
  }
  for (const ExtensionModel::Parameter& parameter : model.Extensions().Parameters()) {
    out += "extension ";
    const std::uint8_t address[] = {parameter.address.high, parameter.address.mid,
                                    parameter.address.low};
    AppendHex(out, address);
    out += ": ";
    AppendHex(out, parameter.data);
    out += '\n';
  }
  return out;
}

}  // namespace ravlo
