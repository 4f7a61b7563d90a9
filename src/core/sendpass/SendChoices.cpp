#include "sendpass/SendChoices.h"

#include <initializer_list>

namespace ravlo {

void SendChoices::ClearCategories() {
  reset = false;
  extensions = false;
  display = false;
  for (CategoryChoice* choice : {&system, &reverb, &chorus, &variation, &part, &drum1, &drum2,
                                 &controllers, &insertion, &multiEq}) {
    choice->send = false;
  }
}

void SendChoices::ClearNonDefaultBoxes() {
  for (CategoryChoice* choice : {&system, &reverb, &chorus, &variation, &part, &drum1, &drum2,
                                 &controllers, &insertion, &multiEq}) {
    choice->nonDefaultOnly = false;
  }
}

}  // namespace ravlo
