#pragma once

#include <string>
#include <utility>
#include <vector>

#include "midi/MidiResult.h"

namespace ravlo {

// The ports of several backends of one kind (outputs or inputs) seen as one
// list, the first backend's first: the list, opening a port in the backend
// that owns it, closing, and the error texts, which the backend that failed
// last knows best. Each chain adds what only its kind of backend does.
template <class Backend>
class PortChain : public Backend {
 public:
  int PortCount() override {
    int count = 0;
    for (Backend* backend : backends_) count += backend->PortCount();
    return count;
  }

  MidiResult PortName(int index, std::string& name) override {
    const Route route = Locate(index);
    if (route.backend == nullptr) return kMidiBadDeviceId;
    const MidiResult result = route.backend->PortName(route.local, name);
    if (result != kMidiOk) lastFailed_ = route.backend;
    return result;
  }

  void Close() override {
    if (open_ != nullptr) open_->Close();
    open_ = nullptr;
  }

  std::string ErrorText(MidiResult code) override {
    Backend* source = lastFailed_ != nullptr ? lastFailed_ : open_;
    return source != nullptr ? source->ErrorText(code) : StandardMidiErrorText(code);
  }

 protected:
  // The backends are not owned and must outlive the chain.
  explicit PortChain(std::vector<Backend*> backends) : backends_(std::move(backends)) {}

  // Where a port of the list lives: its backend and its index there.
  struct Route {
    Backend* backend = nullptr;
    int local = -1;
  };
  Route Locate(int index) const {
    if (index < 0) return {};
    for (Backend* backend : backends_) {
      const int count = backend->PortCount();
      if (index < count) return {backend, index};
      index -= count;
    }
    return {};
  }

  // Opens port `index` in the backend that owns it, with whatever else that
  // backend's Open takes.
  template <class... Extra>
  MidiResult OpenAt(int index, Extra&&... extra) {
    Close();
    const Route route = Locate(index);
    if (route.backend == nullptr) return kMidiBadDeviceId;
    const MidiResult result = route.backend->Open(route.local, std::forward<Extra>(extra)...);
    if (result != kMidiOk) {
      lastFailed_ = route.backend;
      return result;
    }
    open_ = route.backend;
    return kMidiOk;
  }

  std::vector<Backend*> backends_;
  Backend* open_ = nullptr;
  Backend* lastFailed_ = nullptr;
};

}  // namespace ravlo
