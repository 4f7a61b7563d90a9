#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "model/ImageCell.h"

namespace ravlo {

class XgModel;

// The parts of the image the edit history compares, each a run of cells
// laid out by its block.
enum class ImageArea {
  System,
  Effect,
  Part,
  Drum,
  Channel,
  BankVoice,
  VBankVoice,
  Insertion,
  MultiEq,
  DisplayText
};

// One run of cells: an area, which one of it (effect kind, part, setup,
// channel, user voice slot), and where its cells sit in a whole image.
struct ImageRegion {
  ImageArea area = ImageArea::System;
  int index = 0;
  std::size_t first = 0;
  std::size_t count = 0;
};

// Every stored value of a model as one flat run of cells, so that what an
// edit changed is found by comparing the image before it with the image
// after it, and can be put back region by region.
class ModelImage {
 public:
  explicit ModelImage(const XgModel& model);

  const std::vector<ImageRegion>& Regions() const { return regions_; }
  std::size_t CellCount() const { return cellCount_; }
  // The region of an area's index; nothing when the model has none.
  std::optional<std::size_t> Find(ImageArea area, int index) const;

  // The whole image, into `cells` (resized to CellCount()).
  void Capture(const XgModel& model, std::vector<ImageCell>& cells) const;
  // One region's cells (`cells` holds region.count).
  void CaptureRegion(const XgModel& model, const ImageRegion& region,
                     std::span<ImageCell> cells) const;
  // Stores a region's cells without a message; the block tells its observers.
  void PutRegion(XgModel& model, const ImageRegion& region, std::span<const ImageCell> cells) const;
  // Sends the parameter a cell belongs to with the value `target` holds for it.
  CellSend SendCell(XgModel& model, const ImageRegion& region, std::size_t cell,
                    std::span<const ImageCell> target) const;

 private:
  void Add(ImageArea area, int index, std::size_t count);

  std::vector<ImageRegion> regions_;
  std::size_t cellCount_ = 0;
};

}  // namespace ravlo
