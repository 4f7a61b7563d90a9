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
  switch (region.area) {
    case ImageArea::System:
      model.System().CopyCells(cells);
      break;
    case ImageArea::Effect:
      model.Effects().CopyCells(KindOf(region), cells);
      break;
    case ImageArea::Part:
      model.Parts().CopyCells(PartIndex::FromIndex(region.index), cells);
      break;
    case ImageArea::Drum:
      model.Drums().CopyCells(region.index, cells);
      break;
    case ImageArea::Channel:
      model.Channels().CopyCells(MidiChannel::FromIndex(region.index), cells);
      break;
    case ImageArea::BankVoice:
    case ImageArea::VBankVoice:
      model.UserVoices().CopyCells(BankOf(region), region.index, cells);
      break;
    case ImageArea::Insertion:
      model.Insertions().CopyCells(region.index, cells);
      break;
    case ImageArea::MultiEq:
      model.MultiEq().CopyCells(cells);
      break;
    case ImageArea::DisplayText:
      model.DisplayText().CopyCells(cells);
      break;
  }
}

void ModelImage::PutRegion(XgModel& model, const ImageRegion& region,
                           std::span<const ImageCell> cells) const {
  switch (region.area) {
    case ImageArea::System:
      model.System().PutCells(cells);
      break;
    case ImageArea::Effect:
      model.Effects().PutCells(KindOf(region), cells);
      break;
    case ImageArea::Part:
      model.Parts().PutCells(PartIndex::FromIndex(region.index), cells);
      break;
    case ImageArea::Drum:
      model.Drums().PutCells(region.index, cells);
      break;
    case ImageArea::Channel:
      model.Channels().PutCells(MidiChannel::FromIndex(region.index), cells);
      break;
    case ImageArea::BankVoice:
    case ImageArea::VBankVoice:
      model.UserVoices().PutCells(BankOf(region), region.index, cells);
      break;
    case ImageArea::Insertion:
      model.Insertions().PutCells(region.index, cells);
      break;
    case ImageArea::MultiEq:
      model.MultiEq().PutCells(cells);
      break;
    case ImageArea::DisplayText:
      model.DisplayText().PutCells(cells);
      break;
  }
}

CellSend ModelImage::SendCell(XgModel& model, const ImageRegion& region, std::size_t cell,
                              std::span<const ImageCell> target) const {
  switch (region.area) {
    case ImageArea::System:
      return model.System().SendCell(cell, target);
    case ImageArea::Effect:
      return model.Effects().SendCell(KindOf(region), cell, target);
    case ImageArea::Part:
      return model.Parts().SendCell(PartIndex::FromIndex(region.index), cell, target);
    case ImageArea::Drum:
      return model.Drums().SendCell(region.index, cell, target);
    case ImageArea::Insertion:
      return model.Insertions().SendCell(region.index, cell, target);
    case ImageArea::MultiEq:
      return model.MultiEq().SendCell(cell, target);
    case ImageArea::DisplayText:
      return model.DisplayText().SendCell(cell, target);
    case ImageArea::Channel:
    case ImageArea::BankVoice:
    case ImageArea::VBankVoice:
      break;
  }
  // Channel rows follow their parts, and user voices go out whole.
  return CellSend::NotSent;
}

}  // namespace ravlo
