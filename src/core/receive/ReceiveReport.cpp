#include "receive/ReceiveReport.h"

#include <algorithm>

namespace ravlo {

namespace {

using Kind = ImageBlock::Kind;

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string ReceiveReport::Summary() const {
  const auto count = [this](Kind kind) {
    return static_cast<std::size_t>(std::count_if(
        received.begin(), received.end(), [kind](const ImageBlock& b) { return b.kind == kind; }));
  };
  std::vector<std::string> pieces;
  if (count(Kind::System) > 0) pieces.emplace_back("System");
  if (count(Kind::Reverb) + count(Kind::Chorus) + count(Kind::Variation) == 3) {
    pieces.emplace_back("effects");
  } else {
    for (Kind kind : {Kind::Reverb, Kind::Chorus, Kind::Variation}) {
      if (count(kind) > 0) pieces.push_back(ImageBlock{kind}.Name());
    }
  }
  if (count(Kind::Insertion) > 0) {
    pieces.push_back(Counted(count(Kind::Insertion), "insertion effect", "insertion effects"));
  }
  if (count(Kind::MultiEq) > 0) pieces.emplace_back("multi EQ");
  if (count(Kind::Part) > 0) pieces.push_back(Counted(count(Kind::Part), "part", "parts"));
  if (count(Kind::DrumSetup) > 0) {
    pieces.push_back(Counted(count(Kind::DrumSetup), "drum setup", "drum setups"));
  }

  std::string text;
  if (pieces.empty()) {
    text = "Nothing was received.";
  } else {
    for (std::size_t i = 0; i < pieces.size(); ++i) text += (i == 0 ? "" : ", ") + pieces[i];
    text += " received.";
  }
  if (!missing.empty()) {
    text += "\nNot received:";
    for (const Missing& miss : missing) {
      text += '\n';
      text += miss.block.Name();
      text += ": ";
      text += miss.reason;
    }
  }
  if (cancelled) text += "\nReceiving was cancelled.";
  return text;
}

SendChoices ReceiveReport::SaveChoices() const {
  SendChoices choices;
  choices.ClearCategories();
  choices.ClearNonDefaultBoxes();
  choices.reset = true;
  for (const ImageBlock& block : received) {
    switch (block.kind) {
      case Kind::System:
        choices.system.send = true;
        break;
      case Kind::Reverb:
        choices.reverb.send = true;
        break;
      case Kind::Chorus:
        choices.chorus.send = true;
        break;
      case Kind::Variation:
        choices.variation.send = true;
        break;
      case Kind::Part:
        choices.part.send = true;
        break;
      case Kind::DrumSetup:
        choices.Drum(block.index).send = true;
        break;
      case Kind::Insertion:
        choices.insertion.send = true;
        break;
      case Kind::MultiEq:
        choices.multiEq.send = true;
        break;
    }
  }
  return choices;
}

std::string NoInputPortText(UnitNumber unit) {
  return "No MIDI input port is chosen, so nothing can be received from unit " +
         std::to_string(unit.Value()) + ": choose one with Options > Devices.";
}

std::string NoAnswerText(std::string_view inputPort, UnitNumber unit) {
  return "Nothing answered on the MIDI input port \"" + std::string(inputPort) + "\" from unit " +
         std::to_string(unit.Value()) +
         ": check that the synthesizer is connected both ways and set to that unit. Nothing "
         "was changed.";
}

}  // namespace ravlo
