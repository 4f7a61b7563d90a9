#pragma once

#include <cstdint>

namespace ravlo {

// One stored value of the image as the edit history compares and puts it
// back: a byte, or an effect parameter of up to 14 bits. Each block lays its
// values out as a run of cells.
using ImageCell = std::int32_t;

// What sending one cell's value by its parameter's own setter came to.
enum class CellSend {
  NotSent,  // the cell has no message of its own (it follows another value)
  Sent,
  Failed,  // the port refused it; nothing was stored
};

}  // namespace ravlo
