#include "FluidLibrary.h"

#include <dlfcn.h>

#include <array>
#include <optional>

namespace ravlo {

namespace {

struct Opened {
  std::optional<FluidLibrary> library;
  std::string error;
};

template <typename Function>
bool Find(void* handle, const char* name, Function& function, std::string& error) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  if (function == nullptr && error.empty()) {
    error = std::string("the sound engine's library lacks ") + name;
  }
  return function != nullptr;
}

Opened OpenOnce() {
  // The run-time name first; the development link where only that exists.
  constexpr std::array kNames = {"libfluidsynth.so.3", "libfluidsynth.so"};
  void* handle = nullptr;
  for (const char* name : kNames) {
    handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (handle != nullptr) break;
  }
  if (handle == nullptr)
    return {std::nullopt, "the sound engine's library (FluidSynth) is not installed"};
  Opened opened{FluidLibrary{}, {}};
  FluidLibrary& library = *opened.library;
#define RAVLO_FLUID_FIND(name) Find(handle, #name, library.name, opened.error);
  RAVLO_FLUID_FUNCTIONS(RAVLO_FLUID_FIND)
#undef RAVLO_FLUID_FIND
  // Kept open for the life of the process, as a linked library would be.
  if (!opened.error.empty()) opened.library.reset();
  return opened;
}

const Opened& Library() {
  static const Opened opened = OpenOnce();
  return opened;
}

}  // namespace

const FluidLibrary* FluidLibrary::Open(std::string& error) {
  const Opened& opened = Library();
  if (!opened.library) error = opened.error;
  return opened.library ? &*opened.library : nullptr;
}

const FluidLibrary& Fluid() {
  return *Library().library;
}

}  // namespace ravlo
