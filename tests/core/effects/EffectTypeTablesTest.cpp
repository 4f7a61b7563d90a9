#include <gtest/gtest.h>

#include <set>

#include "effects/EffectParameters.h"
#include "effects/EffectTypeTables.h"

namespace ravlo {
namespace {

// Unique type numbers: the lookups find every type again by its number.
template <typename Records, typename Slots>
void ExpectByteRowsFit(const Records& records, const Slots& slots) {
  for (const auto& record : records) {
    for (std::size_t slot = kFirstEffectParamSlot; slot < slots.size(); ++slot) {
      const int value = record.defaults[slot];
      if (value == kEffectParamUnused) continue;
      // A value a type uses has a field to show it in, and fits its range.
      const ParameterDescriptor& parameter = slots[slot].parameter;
      ASSERT_TRUE(slots[slot].HasField()) << record.name << " slot " << slot;
      EXPECT_TRUE(parameter.InRange(value)) << record.name << " slot " << slot;
    }
  }
}

TEST(EffectTypeTables, TypesAreUniqueDefaultsFitTheirRangesAndVariationLayoutsAgree) {
  ExpectByteRowsFit(kReverbTypes, kReverbSlots);
  ExpectByteRowsFit(kChorusTypes, kChorusSlots);
  // Review names are unique within a block, the type slots have no field, and a
  // gated field follows a slot that has one.
  for (const auto& slots :
       {std::span<const EffectSlot>(kReverbSlots), std::span<const EffectSlot>(kChorusSlots)}) {
    std::set<std::string_view> names;
    for (const EffectSlot& slot : slots) {
      EXPECT_TRUE(names.insert(slot.parameter.reviewName).second) << slot.parameter.reviewName;
      EXPECT_TRUE(slot.gateSlot == kNoGate || slots[slot.gateSlot].HasField());
    }
    EXPECT_FALSE(slots[0].HasField() || slots[1].HasField());
  }

  // The Variation types, their layouts and descriptors agree.
  std::set<std::size_t> layouts;
  for (const VariationTypeRecord& record : kVariationTypes) {
    layouts.insert(record.layout);
    EXPECT_EQ(record.typeAddressLow, 0x40) << record.name;
    EXPECT_LE(record.name.size(), 15u) << record.name;
  }
  EXPECT_EQ(layouts.size(), kParamLayoutCount) << "every layout serves some type";

  ASSERT_EQ(kParamDescriptors.size(), 62u);
  EXPECT_TRUE(kParamDescriptors[0].label.empty());
  std::set<int> used;
  for (const ParamLayout& layout : kParamLayouts) {
    for (uint8_t number : layout.descriptors) {
      ASSERT_LT(number, kParamDescriptorCount);
      if (number != 0) used.insert(number);
    }
  }
  EXPECT_EQ(used.size(), kParamDescriptorCount - 1) << "every descriptor serves some layout";
  for (std::size_t number = 1; number < kParamDescriptorCount; ++number) {
    const ParamDescriptor& descriptor = kParamDescriptors[number];
    EXPECT_FALSE(descriptor.label.empty()) << number;
    EXPECT_LE(descriptor.label.size(), 15u) << number;
    EXPECT_LT(descriptor.minimum, descriptor.maximum) << number;
  }

  // A parameter the layout uses has a default within its range; one it does not use holds 255.
  for (std::size_t type = 0; type < kVariationTypeCount; ++type) {
    const ParamLayout& layout = kParamLayouts[kVariationTypes[type].layout];
    for (std::size_t param = 0; param < kVariationParamCount; ++param) {
      SCOPED_TRACE(testing::Message() << kVariationTypes[type].name << " P" << param + 1);
      const int32_t value = kVariationDefaultRows[type][param];
      const uint8_t number = layout.descriptors[param];
      if (number == 0) {
        EXPECT_EQ(value, kEffectParamUnused);
      } else {
        EXPECT_GE(value, kParamDescriptors[number].minimum);
        EXPECT_LE(value, kParamDescriptors[number].maximum);
      }
    }
  }
}

}  // namespace
}  // namespace ravlo
