#include "history/StepReplay.h"

#include <array>

#include "history/EditStep.h"
#include "history/ModelImage.h"
#include "model/XgModel.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {

namespace {

// A region's cells as `side` of the step has them (the rest as they are now).
class Target {
 public:
  Target(XgModel& model, const ModelImage& image, const EditStep& step, StepSide side,
         ImageArea area, int index) {
    const std::optional<std::size_t> found = image.Find(area, index);
    if (!found) return;
    region_ = *found;
    const ImageRegion& region = image.Regions()[region_];
    cells_.resize(region.count);
    image.CaptureRegion(model, region, cells_);
    changed_ = step.Changes(region_) != nullptr;
    step.Patch(region_, side, cells_);
  }

  // True when the step changed the region at all.
  bool Changed() const { return changed_; }
  std::uint8_t Byte(std::size_t cell) const {
    return cell < cells_.size() ? static_cast<std::uint8_t>(cells_[cell]) : 0;
  }
  ImageCell Cell(std::size_t cell) const { return cell < cells_.size() ? cells_[cell] : 0; }
  std::span<const ImageCell> Cells() const { return cells_; }
  std::size_t Region() const { return region_; }

 private:
  std::size_t region_ = 0;
  std::vector<ImageCell> cells_;
  bool changed_ = false;
};

class Replayer {
 public:
  Replayer(XgModel& model, const ModelImage& image, const EditStep& step, StepSide side)
      : model_(model), image_(image), step_(step), side_(side) {}

  bool operator()(const replay::Values&) const { return true; }

  bool operator()(const replay::Controller& r) const {
    const Target row = Of(ImageArea::Channel, r.channel.Index());
    if (!row.Changed()) return true;
    return model_.Channels().SetController(r.channel, r.slot,
                                           row.Cell(ChannelModel::SlotCell(r.slot)));
  }

  bool operator()(const replay::ChannelVoice& r) const {
    const Target row = Of(ImageArea::Channel, r.channel.Index());
    if (!row.Changed()) return true;
    return model_.Channels().SetChannelVoice(r.channel, {row.Byte(0), row.Byte(1), row.Byte(2)});
  }

  bool operator()(const replay::PartVoice& r) const {
    const Target part = Of(ImageArea::Part, r.part.Index());
    const int voice =
        FindVoice(part.Byte(part_address::kProgram) + 1, part.Byte(part_address::kBankMsb),
                  part.Byte(part_address::kBankLsb), model_, model_.Instrument())
            .index;
    // Bytes the catalogue does not hold go back parameter by parameter.
    if (!part.Changed() || voice < 0) return true;
    return model_.Parts().SelectPartVoice(r.part, voice);
  }

  bool operator()(const replay::PartMode& r) const {
    const Target part = Of(ImageArea::Part, r.part.Index());
    if (!part.Changed()) return true;
    PartModel::ModeBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      bytes[i] = part.Byte(PartModel::kModeFirstAddress + i);
    }
    return model_.Parts().SetPartMode(r.part, bytes);
  }

  bool operator()(const replay::PartRun& r) const {
    const Target part = Of(ImageArea::Part, r.part.Index());
    if (!part.Changed() || r.first < 0 || r.count <= 0) return true;
    std::vector<std::uint8_t> bytes;
    for (int address = r.first; address < r.first + r.count; ++address) {
      bytes.push_back(part.Byte(static_cast<std::size_t>(address)));
    }
    return model_.Parts().SetPartParameters(r.part, r.first, bytes);
  }

  bool operator()(const replay::EffectBlock& r) const {
    const Target block = Of(ImageArea::Effect, static_cast<int>(r.kind));
    if (!block.Changed()) return true;
    const ImageRegion& region = image_.Regions()[block.Region()];
    std::vector<ImageCell> now(region.count);
    image_.CaptureRegion(model_, region, now);
    // The dumps carry what the block is to hold; if they do not go, it holds
    // what it had.
    image_.PutRegion(model_, region, block.Cells());
    if (model_.Effects().SendEffectBlock(r.kind, false, EffectModel::kEditorBlockPauseMs)) {
      return true;
    }
    image_.PutRegion(model_, region, now);
    return false;
  }

  bool operator()(const replay::VariationConnection& r) const {
    const Target block = Of(ImageArea::Effect, static_cast<int>(EffectKind::Variation));
    if (!block.Changed()) return true;
    const bool system = block.Cell(EffectModel::ConnectionCell()) == kVariationConnectionSystem;
    return model_.Effects().SwitchVariationConnection(system, r.sendChannel);
  }

  bool operator()(const replay::DrumSetupReset& r) const {
    // Going back, the notes return one parameter at a time.
    if (side_ == StepSide::Before) return true;
    return model_.System().DrumSetupReset(r.setup);
  }

  bool operator()(const replay::UserVoices&) const {
    for (const RegionChange& change : step_.changes) {
      const ImageRegion& region = image_.Regions()[change.region];
      const bool bank = region.area == ImageArea::BankVoice;
      if (!bank && region.area != ImageArea::VBankVoice) continue;
      const Target voice = Of(region.area, region.index);
      std::vector<ImageCell> now(region.count);
      image_.CaptureRegion(model_, region, now);
      image_.PutRegion(model_, region, voice.Cells());
      // The synthesizer holds the Bank: what does not reach it stays as it was.
      if (bank && !model_.UserVoices().SendUserVoice(region.index, UserBank::Bank)) {
        image_.PutRegion(model_, region, now);
        return false;
      }
    }
    return true;
  }

 private:
  Target Of(ImageArea area, int index) const {
    return Target(model_, image_, step_, side_, area, index);
  }

  XgModel& model_;
  const ModelImage& image_;
  const EditStep& step_;
  StepSide side_;
};

}  // namespace

bool ReplayOperation(XgModel& model, const ModelImage& image, const EditStep& step, StepSide side) {
  return std::visit(Replayer(model, image, step, side), step.replay);
}

}  // namespace ravlo
