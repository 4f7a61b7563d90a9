#pragma once

namespace ravlo {

// What the Send dialog chose for one category: whether it is sent, and
// whether only the parameters that differ from their defaults go.
struct CategoryChoice {
  bool send = true;
  bool nonDefaultOnly = true;
};

// The Send dialog's values, as it opens: every box on.
struct SendChoices {
  static constexpr unsigned kMaxDelayMs = 1000;

  bool reset = true;
  CategoryChoice system;
  CategoryChoice reverb;
  CategoryChoice chorus;
  CategoryChoice variation;
  CategoryChoice part;
  CategoryChoice drum1;
  CategoryChoice drum2;
  // The extended instrument's setups 3 and 4; a pass sends them only where
  // the model has them.
  CategoryChoice drum3;
  CategoryChoice drum4;
  CategoryChoice controllers;
  // The later instruments' blocks, sent only with the Extended model.
  CategoryChoice insertion;
  CategoryChoice multiEq;
  bool display = true;
  // The kept extension parameters, after the blocks: always each on its own.
  bool extensions = true;
  // A save also carries the Bank voices that differ from fresh ones, after
  // the drum setups, so that its file gives them back. A live send leaves
  // them to the User Voice window.
  bool userVoices = true;
  unsigned delayMs = 0;
  // Save, Save As and Review record the pass; channel messages cannot be
  // recorded, so the Controllers category is off in this mode.
  bool savingMode = false;

  // "&Clear": every category box off; "C&lear": every non-default box off.
  void ClearCategories();
  void ClearNonDefaultBoxes();

  // The choice of drum setup 0 .. 3 (anything past the last: the last).
  CategoryChoice& Drum(int setup);
  const CategoryChoice& Drum(int setup) const;
};

}  // namespace ravlo
