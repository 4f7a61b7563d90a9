#include "history/EditHistory.h"

#include <algorithm>

#include "model/XgModel.h"

namespace ravlo {

namespace {

// Clears a flag however the scope is left.
class BusyScope {
 public:
  explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyScope() { flag_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

EditHistory::EditHistory(XgModel& model, std::size_t limit)
    : model_(model), limit_(std::max<std::size_t>(limit, 1)) {}

EditHistory::~EditHistory() = default;

const ModelImage& EditHistory::Image() {
  if (!image_) image_ = std::make_unique<ModelImage>(model_);
  return *image_;
}

bool EditHistory::Record(std::string name, const StepReplay& replay,
                         const std::function<bool()>& edit, StepJoin join) {
  if (busy_ || !model_.IsInitialised()) return edit();
  Image().Capture(model_, before_);
  bool result = false;
  {
    const BusyScope scope(busy_);
    result = edit();
  }
  image_->Capture(model_, after_);
  EditStep step{std::move(name), replay, Differences(), join != StepJoin::Separate};
  if (step.changes.empty()) return result;
  if (EditStep* newest = JoinTarget(step, join)) {
    newest->Absorb(step);
    // Typed and typed back: nothing is left to take back.
    if (newest->changes.empty()) {
      steps_.pop_back();
      --position_;
    }
    Tell();
  } else {
    Push(std::move(step));
  }
  return result;
}

EditStep* EditHistory::JoinTarget(const EditStep& step, StepJoin join) {
  if (join != StepJoin::WithSameName || position_ == 0 || position_ != steps_.size()) {
    return nullptr;
  }
  if (savePoint_ == position_) return nullptr;
  EditStep& newest = steps_.back();
  return newest.joinable && newest.name == step.name ? &newest : nullptr;
}

std::vector<RegionChange> EditHistory::Differences() const {
  std::vector<RegionChange> changes;
  const std::vector<ImageRegion>& regions = image_->Regions();
  for (std::size_t r = 0; r < regions.size(); ++r) {
    const ImageRegion& region = regions[r];
    RegionChange change{r, {}};
    for (std::size_t cell = 0; cell < region.count; ++cell) {
      const ImageCell before = before_[region.first + cell];
      const ImageCell after = after_[region.first + cell];
      if (before != after)
        change.cells.push_back({static_cast<std::uint32_t>(cell), before, after});
    }
    if (!change.cells.empty()) changes.push_back(std::move(change));
  }
  return changes;
}

void EditHistory::Push(EditStep step) {
  // A new edit ends the steps that could have been done again.
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
  if (savePoint_ && *savePoint_ > position_) savePoint_.reset();
  steps_.push_back(std::move(step));
  ++position_;
  if (steps_.size() > limit_) {
    steps_.pop_front();
    --position_;
    if (savePoint_) savePoint_ = *savePoint_ == 0 ? std::nullopt : std::optional(*savePoint_ - 1);
  }
  Tell();
}

bool EditHistory::Undo() {
  if (!CanUndo()) return false;
  bool applied = false;
  {
    const BusyScope scope(busy_);
    applied = Apply(steps_[position_ - 1], StepSide::Before);
  }
  if (applied) --position_;
  Tell();
  return applied;
}

bool EditHistory::Redo() {
  if (!CanRedo()) return false;
  bool applied = false;
  {
    const BusyScope scope(busy_);
    applied = Apply(steps_[position_], StepSide::After);
  }
  if (applied) ++position_;
  Tell();
  return applied;
}

bool EditHistory::Apply(const EditStep& step, StepSide side) {
  return ReplayOperation(model_, Image(), step, side) && Converge(step, side);
}

bool EditHistory::Converge(const EditStep& step, StepSide side) {
  const ModelImage& image = Image();
  std::vector<ImageCell> now;
  std::vector<ImageCell> target;
  for (const RegionChange& change : step.changes) {
    const ImageRegion& region = image.Regions()[change.region];
    const auto look = [&] {
      now.resize(region.count);
      image.CaptureRegion(model_, region, now);
      target = now;
      step.Patch(change.region, side, target);
    };
    look();
    for (const CellChange& cell : change.cells) {
      if (now[cell.cell] == target[cell.cell]) continue;
      const CellSend sent = image.SendCell(model_, region, cell.cell, target);
      if (sent == CellSend::Failed) return false;
      // A setter may carry other values along (a pair, a spread setting).
      if (sent == CellSend::Sent) look();
    }
    // What has no message of its own is stored as it was.
    if (now != target) image.PutRegion(model_, region, target);
  }
  return true;
}

std::string_view EditHistory::UndoName() const {
  return position_ > 0 ? std::string_view(steps_[position_ - 1].name) : std::string_view();
}

std::string_view EditHistory::RedoName() const {
  return position_ < steps_.size() ? std::string_view(steps_[position_].name) : std::string_view();
}

void EditHistory::Clear(bool saved) {
  steps_.clear();
  position_ = 0;
  savePoint_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
  Tell();
}

void EditHistory::Tell() const {
  if (listener_) listener_();
}

}  // namespace ravlo
