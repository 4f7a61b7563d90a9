#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace ravlo::test {

// Byte vectors written as hex literals in tests.
std::vector<std::uint8_t> Bytes(std::initializer_list<int> values);

}  // namespace ravlo::test
