#pragma once

#include <string>

namespace ravlo {

class XgModel;

// The model as text, one line per item (the `state` command's output).
std::string DescribeModelState(XgModel& model);

}  // namespace ravlo
