#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "effects/EffectTypeTables.h"

namespace ravlo {
namespace {

template <typename Records>
std::set<std::pair<int, int>> ByteRowTypeNumbers(const Records& records) {
  std::set<std::pair<int, int>> numbers;
  for (const auto& record : records) numbers.insert({record.defaults[0], record.defaults[1]});
  return numbers;
}

TEST(EffectTypeTables, TypeNumbersAreUniqueWithinEachBlock) {
  EXPECT_EQ(ByteRowTypeNumbers(kReverbTypes).size(), 12u);
  EXPECT_EQ(ByteRowTypeNumbers(kChorusTypes).size(), 12u);

  std::set<std::pair<int, int>> variation;
  for (const VariationTypeRecord& record : kVariationTypes) {
    variation.insert({record.typeMsb, record.typeLsb});
    EXPECT_EQ(record.typeAddressLow, 0x40) << record.name;
    EXPECT_LE(record.name.size(), 15u) << record.name;
  }
  EXPECT_EQ(variation.size(), 46u);
}

TEST(EffectTypeTables, LayoutsServeExactlyTheirListedTypes) {
  // The types that use each layout, as the layout table lists them.
  const std::vector<std::vector<std::size_t>> typesByLayout = {{0, 45},
                                                               {1, 2, 3, 4, 5, 6, 7, 8},
                                                               {9, 10, 11, 12, 13, 14, 15, 16},
                                                               {17, 18, 19},
                                                               {20},
                                                               {21},
                                                               {22},
                                                               {23},
                                                               {24, 25},
                                                               {26, 27},
                                                               {28, 29, 30},
                                                               {31},
                                                               {32},
                                                               {33},
                                                               {34},
                                                               {35},
                                                               {36},
                                                               {37, 38},
                                                               {39},
                                                               {40},
                                                               {41},
                                                               {42},
                                                               {43},
                                                               {44}};
  ASSERT_EQ(typesByLayout.size(), kParamLayoutCount);
  for (std::size_t layout = 0; layout < kParamLayoutCount; ++layout) {
    std::vector<std::size_t> users;
    for (std::size_t type = 0; type < kVariationTypeCount; ++type) {
      if (kVariationTypes[type].layout == layout) users.push_back(type);
    }
    EXPECT_EQ(users, typesByLayout[layout]) << "layout " << layout;
  }
}

TEST(EffectTypeTables, DescriptorsAndLayoutsAgree) {
  ASSERT_EQ(kParamDescriptors.size(), 62u);
  EXPECT_TRUE(kParamDescriptors[0].label.empty());
  std::set<int> used;
  for (const ParamLayout& layout : kParamLayouts) {
    for (uint8_t number : layout.descriptors) {
      ASSERT_LT(number, kParamDescriptorCount);
      if (number != 0) used.insert(number);
    }
  }
  for (std::size_t number = 1; number < kParamDescriptorCount; ++number) {
    const ParamDescriptor& descriptor = kParamDescriptors[number];
    EXPECT_FALSE(descriptor.label.empty()) << number;
    EXPECT_LE(descriptor.label.size(), 15u) << number;
    EXPECT_LT(descriptor.minimum, descriptor.maximum) << number;
  }
  // Every descriptor serves some layout.
  EXPECT_EQ(used.size(), kParamDescriptorCount - 1);
}

TEST(EffectTypeTables, VariationDefaultsFitTheirLayout) {
  // A parameter the layout uses has a default within its range; one it does not use holds 255.
  for (std::size_t type = 0; type < kVariationTypeCount; ++type) {
    const ParamLayout& layout = kParamLayouts[kVariationTypes[type].layout];
    for (std::size_t param = 0; param < kVariationParamCount; ++param) {
      const int32_t value = kVariationDefaultRows[type][param];
      const uint8_t number = layout.descriptors[param];
      if (number == 0) {
        EXPECT_EQ(value, kEffectParamUnused) << kVariationTypes[type].name << " P" << param + 1;
      } else {
        EXPECT_GE(value, kParamDescriptors[number].minimum) << kVariationTypes[type].name;
        EXPECT_LE(value, kParamDescriptors[number].maximum) << kVariationTypes[type].name;
      }
    }
  }
}

template <typename Records, typename Ranges>
void ExpectByteDefaultsFitRanges(const Records& records, const Ranges& ranges) {
  for (const auto& record : records) {
    for (std::size_t slot = kFirstEffectParamSlot; slot < ranges.size(); ++slot) {
      const int value = record.defaults[slot];
      if (value == kEffectParamUnused) continue;
      ASSERT_TRUE(ranges[slot].has_value()) << record.name << " slot " << slot;
      EXPECT_GE(value, ranges[slot]->minimum) << record.name << " slot " << slot;
      EXPECT_LE(value, ranges[slot]->maximum) << record.name << " slot " << slot;
    }
  }
}

TEST(EffectTypeTables, ReverbAndChorusDefaultsFitTheSlotRanges) {
  ExpectByteDefaultsFitRanges(kReverbTypes, kReverbSlotRanges);
  ExpectByteDefaultsFitRanges(kChorusTypes, kChorusSlotRanges);
}

TEST(EffectTypeTables, DefaultRowSpotChecks) {
  const ReverbRow& whiteRoom =
      kReverbTypes[static_cast<std::size_t>(ReverbType::WhiteRoom)].defaults;
  EXPECT_EQ(kReverbTypes[static_cast<std::size_t>(ReverbType::WhiteRoom)].name, "White Room");
  EXPECT_EQ((std::array{whiteRoom[7], whiteRoom[8], whiteRoom[9], whiteRoom[10]}),
            (std::array<uint8_t, 4>{30, 50, 70, 7}));

  const std::size_t delayLcr = static_cast<std::size_t>(VariationType::DelayLcr);
  EXPECT_EQ(kVariationTypes[delayLcr].name, "Delay LCR");
  EXPECT_EQ(kVariationDefaultRows[delayLcr][0], 3330);
  EXPECT_EQ(kVariationDefaultRows[delayLcr][1], 1670);
  EXPECT_EQ(kVariationDefaultRows[delayLcr][2], 5000);

  const ChorusRow& flanger3 = kChorusTypes[static_cast<std::size_t>(ChorusType::Flanger3)].defaults;
  EXPECT_EQ(flanger3[0], 67);
  EXPECT_EQ(flanger3[1], 8);
  EXPECT_EQ(flanger3[18], 4);  // Param 14, LFO phase
  EXPECT_EQ(flanger3[19], kEffectParamUnused);

  EXPECT_EQ(kVariationTypes[static_cast<std::size_t>(VariationType::Through)].name, "Through");
  EXPECT_EQ(kVariationTypes[static_cast<std::size_t>(VariationType::AmpSimulator)].layout, 18u);
  EXPECT_EQ(kVariationSettingsDefaults,
            (VariationSettings{64, 64, 0, 0, 0, 127, 64, 64, 64, 64, 64}));
}

TEST(EffectTypeTables, ParamMapsRiseWithTheSlots) {
  EXPECT_TRUE(std::ranges::is_sorted(kReverbParamMap));
  EXPECT_TRUE(std::ranges::adjacent_find(kReverbParamMap) == kReverbParamMap.end());
  EXPECT_TRUE(std::ranges::is_sorted(kChorusParamMap));
  EXPECT_TRUE(std::ranges::adjacent_find(kChorusParamMap) == kChorusParamMap.end());
  EXPECT_EQ(kReverbParamMap[13], 0x0D);
  EXPECT_EQ(kReverbParamMap[14], 0x10);
  EXPECT_EQ(kReverbParamMap[19], 0x15);
  EXPECT_EQ(kChorusParamMap[14], 0x2E);
  EXPECT_EQ(kChorusParamMap[15], 0x30);
  EXPECT_EQ(kChorusParamMap[20], 0x35);
}

}  // namespace
}  // namespace ravlo
