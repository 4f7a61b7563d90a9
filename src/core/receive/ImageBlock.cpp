#include "receive/ImageBlock.h"

#include "messages/XgMessages.h"
#include "model/XgModel.h"
#include "parts/PartParameterTable.h"

namespace ravlo {

namespace {

EffectKind KindOfEffect(ImageBlock::Kind kind) {
  switch (kind) {
    case ImageBlock::Kind::Chorus:
      return EffectKind::Chorus;
    case ImageBlock::Kind::Variation:
      return EffectKind::Variation;
    default:
      return EffectKind::Reverb;
  }
}

}  // namespace

std::string ImageBlock::Name() const {
  switch (kind) {
    case Kind::System:
      return "System";
    case Kind::Reverb:
      return "Reverb";
    case Kind::Chorus:
      return "Chorus";
    case Kind::Variation:
      return "Variation";
    case Kind::Part:
      return "Part " + std::to_string(index + 1);
    case Kind::DrumSetup:
      return "Drum setup " + std::to_string(index + 1);
    case Kind::Insertion:
      return "Insertion " + std::to_string(index + 1);
    case Kind::MultiEq:
      return "Multi EQ";
  }
  return {};
}

std::vector<XgMessage> ImageBlock::Dumps(const XgModel& model) const {
  switch (kind) {
    case Kind::System:
      return {model.System().BulkDump()};
    case Kind::Reverb:
    case Kind::Chorus:
    case Kind::Variation: {
      const auto dumps = model.Effects().BlockDumps(KindOfEffect(kind));
      if (!dumps) return {};
      return {dumps->begin(), dumps->end()};
    }
    case Kind::Part: {
      const PartIndex part = PartIndex::FromIndex(index);
      if (!model.Parts().IsPart(part)) return {};
      const auto dumps = model.Parts().BulkDumps(part);
      std::vector<XgMessage> messages(dumps.begin(), dumps.end());
      // The part EQ lies past the record the dumps carry: the extended instrument gives it one
      // parameter at a time.
      if (model.IsExtended()) {
        for (const PartParameter& entry : kPartEqParameters) {
          const int address = entry.parameter.address;
          std::uint8_t value = 0;
          model.Parts().GetPartByte(part, address, value);
          messages.push_back(
              BuildParameterChange(model.Unit(), xg_block::PartAddress(index, address), value));
        }
      }
      return messages;
    }
    case Kind::Insertion:
      return model.Insertions().BlockDumps(index);
    case Kind::MultiEq:
      return {model.MultiEq().BulkDump()};
    case Kind::DrumSetup: {
      std::vector<XgMessage> dumps;
      for (const DrumNote note : model.Drums().KitNotes(index)) {
        dumps.push_back(*model.Drums().NoteDump(index, note));
      }
      return dumps;
    }
  }
  return {};
}

std::vector<ImageBlock> ImageBlocks(const XgModel& model) {
  std::vector<ImageBlock> blocks{{ImageBlock::Kind::System},
                                 {ImageBlock::Kind::Reverb},
                                 {ImageBlock::Kind::Chorus},
                                 {ImageBlock::Kind::Variation}};
  if (model.IsExtended()) {
    for (int block = 0; block < InsertionEffectModel::kBlockCount; ++block) {
      blocks.push_back({ImageBlock::Kind::Insertion, block});
    }
    blocks.push_back({ImageBlock::Kind::MultiEq});
  }
  for (int part = 0; part < model.Parts().Count(); ++part) {
    blocks.push_back({ImageBlock::Kind::Part, part});
  }
  for (int setup = 0; setup < model.Drums().Count(); ++setup) {
    blocks.push_back({ImageBlock::Kind::DrumSetup, setup});
  }
  return blocks;
}

}  // namespace ravlo
