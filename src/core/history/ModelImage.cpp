#include "history/ModelImage.h"

#include "model/XgModel.h"

namespace ravlo {

namespace {

constexpr EffectKind kEffectKinds[] = {EffectKind::Reverb, EffectKind::Chorus,
                                       EffectKind::Variation};

EffectKind KindOf(const ImageRegion& region) {
  return kEffectKinds[static_cast<std::size_t>(region.index)];
}

UserBank BankOf(const ImageRegion& region) {
  return region.area == ImageArea::BankVoice ? UserBank::Bank : UserBank::VBank;
}

// Calls `visit` with the block that holds a region and the keys that name
// the region within it: capture, put and send share this one dispatch.
template <typename Model, typename Visit>
decltype(auto) VisitRegion(Model& model, const ImageRegion& region, Visit&& visit) {
  switch (region.area) {
    case ImageArea::System:
      return visit(model.System());
    case ImageArea::Effect:
      return visit(model.Effects(), KindOf(region));
    case ImageArea::Part:
      return visit(model.Parts(), PartIndex::FromIndex(region.index));
    case ImageArea::Drum:
      return visit(model.Drums(), region.index);
    case ImageArea::Channel:
      return visit(model.Channels(), MidiChannel::FromIndex(region.index));
    case ImageArea::BankVoice:
    case ImageArea::VBankVoice:
      return visit(model.UserVoices(), BankOf(region), region.index);
    case ImageArea::Insertion:
      return visit(model.Insertions(), region.index);
    case ImageArea::MultiEq:
      return visit(model.MultiEq());
    case ImageArea::DisplayText:
      return visit(model.DisplayText());
  }
  return decltype(visit(model.System()))();
}

}  // namespace

ModelImage::ModelImage(const XgModel& model) {
  Add(ImageArea::System, 0, SystemModel::kCellCount);
  for (std::size_t kind = 0; kind < std::size(kEffectKinds); ++kind) {
    Add(ImageArea::Effect, static_cast<int>(kind), EffectModel::CellCount(kEffectKinds[kind]));
  }
  for (int part = 0; part < model.Parts().Count(); ++part) {
    Add(ImageArea::Part, part, PartModel::kCellCount);
  }
  // Every stored setup: the image keeps its size when the instrument changes.
  for (int setup = 0; setup < model.Drums().StoredCount(); ++setup) {
    Add(ImageArea::Drum, setup, DrumModel::kCellCount);
  }
  for (int channel = 0; channel < MidiChannel::kCount; ++channel) {
    Add(ImageArea::Channel, channel, ChannelModel::kCellCount);
  }
  for (ImageArea bank : {ImageArea::BankVoice, ImageArea::VBankVoice}) {
    for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
      Add(bank, slot, UserVoiceModel::kCellCount);
    }
  }
  // The later blocks are there in both models; with Basic they only stay put.
  for (int block = 0; block < InsertionEffectModel::kBlockCount; ++block) {
    Add(ImageArea::Insertion, block, InsertionEffectModel::kCellCount);
  }
  Add(ImageArea::MultiEq, 0, model.MultiEq().CellCount());
  Add(ImageArea::DisplayText, 0, DisplayTextModel::kCellCount);
}

void ModelImage::Add(ImageArea area, int index, std::size_t count) {
  regions_.push_back({area, index, cellCount_, count});
  cellCount_ += count;
}

std::optional<std::size_t> ModelImage::Find(ImageArea area, int index) const {
  for (std::size_t i = 0; i < regions_.size(); ++i) {
    if (regions_[i].area == area && regions_[i].index == index) return i;
  }
  return std::nullopt;
}

void ModelImage::Capture(const XgModel& model, std::vector<ImageCell>& cells) const {
  cells.resize(cellCount_);
  for (const ImageRegion& region : regions_) {
    CaptureRegion(model, region, std::span(cells).subspan(region.first, region.count));
  }
}

void ModelImage::CaptureRegion(const XgModel& model, const ImageRegion& region,
                               std::span<ImageCell> cells) const {
  VisitRegion(model, region,
              [&](const auto& block, auto... key) { block.CopyCells(key..., cells); });
}

void ModelImage::PutRegion(XgModel& model, const ImageRegion& region,
                           std::span<const ImageCell> cells) const {
  VisitRegion(model, region, [&](auto& block, auto... key) { block.PutCells(key..., cells); });
}

CellSend ModelImage::SendCell(XgModel& model, const ImageRegion& region, std::size_t cell,
                              std::span<const ImageCell> target) const {
  return VisitRegion(model, region, [&](auto& block, auto... key) {
    if constexpr (requires { block.SendCell(key..., cell, target); }) {
      return block.SendCell(key..., cell, target);
    } else {
      // Channel rows follow their parts, and user voices go out whole.
      return CellSend::NotSent;
    }
  });
}

}  // namespace ravlo
