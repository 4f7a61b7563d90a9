#pragma once

namespace ravlo {

// Starting an API whose system is absent (no ALSA sequencer, no JACK server)
// makes the libraries beneath RtMidi print several lines each; a missing
// system is normal here and the ports that work are what counts. While one
// of these lives, standard error goes nowhere.
class QuietStandardError {
 public:
  QuietStandardError();
  ~QuietStandardError();
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace ravlo
