#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "messages/XgMessage.h"

namespace ravlo {

class XgModel;

// What a file brought for addresses that no block of the model holds (the
// display, the insertion effects and multi EQ of the larger XG instruments,
// part and drum parameters past the model's tables, and on the first level
// the part EQ, the master attenuator's change and drum setups 3 and 4),
// kept by address when the intake is told to keep them. The last value
// wins; each parameter keeps the size its message gave it, a bulk dump's
// bytes become one parameter per address. A save sends them after the
// blocks the model knows, in address order, as parameter changes.
class ExtensionModel {
 public:
  struct Parameter {
    XgAddress address;
    std::vector<std::uint8_t> data;
  };

  explicit ExtensionModel(XgModel& model) : model_(model) {}

  // The data of one parameter change, from `address` on. False (nothing
  // stored) for no data, more than one message can send, or a run past the
  // last address.
  bool StoreParameter(XgAddress address, std::span<const std::uint8_t> data);
  // A bulk dump's data from `first` on: each byte at an address no block
  // holds becomes a parameter of its own (the others are the blocks'
  // business). True when any was kept.
  bool StoreBytes(XgAddress first, std::span<const std::uint8_t> data);

  void Clear() { cells_.clear(); }
  bool Empty() const { return cells_.empty(); }
  // Every parameter in address order.
  std::vector<Parameter> Parameters() const;

  // Each parameter as a parameter change followed by the delay; false at the
  // first that failed.
  bool SendParameters(unsigned delayMs);

 private:
  // One address: its value, and the size of the parameter that starts
  // there (0 where the address continues the parameter before it).
  struct Cell {
    std::uint8_t value = 0;
    std::uint16_t size = 0;
  };
  using Number = std::uint32_t;

  // Makes `number` the start of a parameter when it lies inside one, so
  // that a store from there on leaves what comes before it whole.
  void SplitAt(Number number);
  bool Put(Number first, std::span<const std::uint8_t> data);

  XgModel& model_;
  std::map<Number, Cell> cells_;
};

}  // namespace ravlo
