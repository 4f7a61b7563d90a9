#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/EditStep.h"
#include "history/ModelImage.h"

namespace ravlo {

class XgModel;

// The edits that can be taken back and done again. An edit runs through
// Record, which compares the image before and after it: what it changed
// becomes one step, holding only those cells. Undo and Redo send the
// synthesizer what the equivalent edit would send, by the same setters, so
// the model still holds only what went out. A refused message stops an
// undo or redo where it is: the model keeps what did go, and the step stays.
class EditHistory {
 public:
  static constexpr std::size_t kStepLimit = 1000;

  explicit EditHistory(XgModel& model, std::size_t limit = kStepLimit);
  ~EditHistory();
  EditHistory(const EditHistory&) = delete;
  EditHistory& operator=(const EditHistory&) = delete;

  // Runs `edit` as one step named `name`, replayed by `replay`; returns what
  // `edit` returned. An edit that changes nothing leaves no step, and an edit
  // made while another (or an undo) is under way is part of it.
  // With StepJoin::WithSameName it joins the newest step when that one was
  // recorded so too, under the same name, and nothing was undone or saved
  // since.
  bool Record(std::string name, const StepReplay& replay, const std::function<bool()>& edit,
              StepJoin join = StepJoin::Separate);

  bool Undo();
  bool Redo();
  bool CanUndo() const { return !busy_ && position_ > 0; }
  bool CanRedo() const { return !busy_ && position_ < steps_.size(); }
  // The name of the step Undo or Redo would take; empty when there is none.
  std::string_view UndoName() const;
  std::string_view RedoName() const;
  std::size_t StepCount() const { return steps_.size(); }
  // True while an edit or an undo is under way.
  bool Busy() const { return busy_; }

  // Forgets every step (a file, New, a reset or a read-back replaced the
  // image). `saved`: the image is the document as saved.
  void Clear(bool saved);
  // The document was saved here; undoing or redoing back to this point
  // brings back the unmodified state.
  void MarkSaved() { savePoint_ = position_; }
  bool AtSavePoint() const { return savePoint_ == position_; }

  // Called after every change of the steps or of the position among them.
  void SetListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  const ModelImage& Image();
  bool Apply(const EditStep& step, StepSide side);
  bool Converge(const EditStep& step, StepSide side);
  std::vector<RegionChange> Differences() const;
  void Push(EditStep step);
  // The newest step, when `step` may join it.
  EditStep* JoinTarget(const EditStep& step, StepJoin join);
  void Tell() const;

  XgModel& model_;
  std::size_t limit_;
  // Built on first use: the model's blocks exist by then.
  std::unique_ptr<ModelImage> image_;
  std::deque<EditStep> steps_;
  // Steps before it are done; those from it on can be done again.
  std::size_t position_ = 0;
  // Where the document was saved; none once that point cannot be reached.
  std::optional<std::size_t> savePoint_ = 0;
  std::vector<ImageCell> before_;
  std::vector<ImageCell> after_;
  bool busy_ = false;
  std::function<void()> listener_;
};

}  // namespace ravlo
