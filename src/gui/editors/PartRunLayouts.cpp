#include "editors/PartRunLayouts.h"

#include <algorithm>

#include "parts/PartParameterTable.h"
#include "parts/PartRecord.h"
#include "parts/PartTemplates.h"

namespace ravlo {

namespace {

constexpr std::array<std::uint8_t, 12> kPartControl = {0x0B, 0x0E, 0x67, 0x68, 0x0F, 0x10,
                                                       0x08, 0x09, 0x0C, 0x0D, 0x6D, 0x6E};
constexpr std::array kPartControlGroups = {PartRunGroup{"", kPartControl}};

constexpr std::array<std::uint8_t, 4> kPartFxSend = {0x11, 0x13, 0x12, 0x14};
constexpr std::array kPartFxSendGroups = {PartRunGroup{"", kPartFxSend}};

constexpr std::array<std::uint8_t, 3> kVibrato = {0x15, 0x16, 0x17};
constexpr std::array<std::uint8_t, 2> kFilter = {0x18, 0x19};
constexpr std::array<std::uint8_t, 3> kAmplitudeEnvelope = {0x1A, 0x1B, 0x1C};
constexpr std::array kToneControlGroups = {
    PartRunGroup{"Vibrato", kVibrato},
    PartRunGroup{"Filter", kFilter, PartPicture::FilterResponse},
    PartRunGroup{"Amplitude Envelope Generator", kAmplitudeEnvelope,
                 PartPicture::AmplitudeEnvelope},
};

constexpr std::array<std::uint8_t, 3> kControlChanges = {0, 1, 2};
constexpr std::array<std::uint8_t, 3> kLfoDepths = {3, 4, 5};
constexpr std::array kControlGroups = {
    PartRunGroup{"Control Changes", kControlChanges},
    PartRunGroup{"LFO Modulation Depth", kLfoDepths},
};

constexpr std::array<std::uint8_t, 1> kControllerNumber = {0};
constexpr std::array<std::uint8_t, 3> kAssignedChanges = {1, 2, 3};
constexpr std::array<std::uint8_t, 3> kAssignedLfoDepths = {4, 5, 6};
constexpr std::array kAssignableControllerGroups = {
    PartRunGroup{"", kControllerNumber},
    PartRunGroup{"Control Changes", kAssignedChanges},
    PartRunGroup{"LFO Modulation Depth", kAssignedLfoDepths},
};

// One field per note of the octave, from C.
constexpr std::array<std::uint8_t, 12> kScaleTuning = {0x41, 0x42, 0x43, 0x44, 0x45, 0x46,
                                                       0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C};
constexpr std::array kScaleTuningGroups = {PartRunGroup{"", kScaleTuning}};

constexpr std::array<std::uint8_t, 4> kPitchEnvelope = {0x69, 0x6A, 0x6B, 0x6C};
constexpr std::array kPitchEnvelopeGroups = {
    PartRunGroup{"", kPitchEnvelope, PartPicture::PitchEnvelope}};

// Absolute addresses, past the first level's record.
constexpr std::array<std::uint8_t, 4> kPartEq = {part_eq::kBassGain, part_eq::kBassFrequency,
                                                 part_eq::kTrebleGain, part_eq::kTrebleFrequency};
constexpr std::array kPartEqGroups = {PartRunGroup{"", kPartEq}};

constexpr std::array<PartRunLayout, kPartRunKindCount> kLayouts = {{
    {"Part Control", kPartControlGroups, false},
    {"Part FX Send", kPartFxSendGroups, false},
    {"Tone Control", kToneControlGroups, false},
    {"Control", kControlGroups, true},
    {"Assignable Controller", kAssignableControllerGroups, true},
    {"Scale Tuning - +/- Cents", kScaleTuningGroups, false},
    {"Pitch Envelope", kPitchEnvelopeGroups, false},
    {"Part EQ", kPartEqGroups, false},
}};
static_assert(kLayouts.size() == kPartRunKindCount);

// The runs that one layout serves, by the base their button gives.
constexpr std::pair<int, std::string_view> kRunTitles[] = {
    {0x1D, "Modulation Wheel Control"},   {0x23, "Pitch Bend Control"},
    {0x4D, "Channel Aftertouch Control"}, {0x53, "Poly Aftertouch Control"},
    {0x59, "Assignable Controller 1"},    {0x60, "Assignable Controller 2"},
};

}  // namespace

const PartRunLayout& GetPartRunLayout(PartRunKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  // An unknown kind falls back to the first layout rather than reading past the table.
  return kLayouts[index < kLayouts.size() ? index : 0];
}

std::string_view PartRunTitle(const PartRunLayout& layout, int base) {
  if (layout.baseFromButton) {
    for (const auto& [runBase, title] : kRunTitles) {
      if (runBase == base) return title;
    }
  }
  return layout.title;
}

std::vector<PartRunSpan> PartRunSpans(const PartRunLayout& layout, int base) {
  std::vector<int> addresses;
  for (const PartRunGroup& group : layout.groups) {
    for (std::uint8_t offset : group.offsets) {
      const int address = base + offset;
      addresses.push_back(address);
      const PartParameter* entry = FindPartParameter(address);
      if (entry != nullptr && entry->parameter.ByteCount() == 2) addresses.push_back(address + 1);
    }
  }
  std::sort(addresses.begin(), addresses.end());
  addresses.erase(std::unique(addresses.begin(), addresses.end()), addresses.end());

  std::vector<PartRunSpan> spans;
  for (int address : addresses) {
    const bool lacking = !PartKindHas(true, address);
    if (!spans.empty() && spans.back().address + spans.back().count == address) {
      PartRunSpan& span = spans.back();
      ++span.count;
      span.drumless = span.drumless && lacking;
    } else {
      spans.push_back({address, 1, lacking});
    }
  }
  return spans;
}

}  // namespace ravlo
