#include "sendpass/SendChoices.h"

#include <initializer_list>
#include <utility>

namespace ravlo {

void SendChoices::ClearCategories() {
  reset = false;
  extensions = false;
  userVoices = false;
  display = false;
  for (CategoryChoice* choice : {&system, &reverb, &chorus, &variation, &part, &drum1, &drum2,
                                 &drum3, &drum4, &controllers, &insertion, &multiEq}) {
    choice->send = false;
  }
}

void SendChoices::ClearNonDefaultBoxes() {
  for (CategoryChoice* choice : {&system, &reverb, &chorus, &variation, &part, &drum1, &drum2,
                                 &drum3, &drum4, &controllers, &insertion, &multiEq}) {
    choice->nonDefaultOnly = false;
  }
}

CategoryChoice& SendChoices::Drum(int setup) {
  return const_cast<CategoryChoice&>(std::as_const(*this).Drum(setup));
}

const CategoryChoice& SendChoices::Drum(int setup) const {
  switch (setup) {
    case 0:
      return drum1;
    case 1:
      return drum2;
    case 2:
      return drum3;
    default:
      return drum4;
  }
}

}  // namespace ravlo
