#include "intake/SysexIntake.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <new>

#include "effects/MultiEqParameters.h"
#include "files/FileIo.h"
#include "intake/IntakeHost.h"
#include "intake/SysexScanner.h"
#include "messages/XgMessages.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"
#include "parts/PartParameterTable.h"
#include "platform/ProgressLabel.h"
#include "platform/UserPrompts.h"
#include "song/ChannelSetup.h"
#include "song/SongSetup.h"
#include "system/SystemParameters.h"

namespace ravlo {

namespace {

constexpr std::size_t kParameterChangeMinimum = 9;
constexpr std::size_t kUniversalMinimum = 6;
constexpr std::size_t kDrumNoteDumpSize = 16;
// F0 43 0n 4B 02 7D 11 vv: both kinds of QS300 message name the voice here.
constexpr std::size_t kUserVoiceNumberByte = 7;
using xg_block::kAllParameterResetLow;
using xg_block::kDrumSetupResetLow;
using xg_block::kXgSystemOnLow;

// True when a parameter change holds `count` data bytes before its F7.
bool CarriesData(std::span<const std::uint8_t> m, int count) {
  return m.size() >= kChangeHeaderSize + static_cast<std::size_t>(count) + 1;
}

// Every byte between F0 and F7 is a data byte.
bool AllDataBytes(std::span<const std::uint8_t> m) {
  // Eight bytes a word and no early exit: most messages are short, and a
  // vector loop's set-up would cost more than the bytes.
  const std::span<const std::uint8_t> data = m.subspan(1, m.size() - 2);
  std::uint64_t high = 0;
  std::size_t at = 0;
  for (; at + sizeof high <= data.size(); at += sizeof high) {
    std::uint64_t word;
    std::memcpy(&word, data.data() + at, sizeof word);
    high |= word;
  }
  for (; at < data.size(); ++at) high |= data[at];
  return (high & 0x8080808080808080ULL) == 0;
}

// The data bytes of the part parameter at `low` (detune travels as a pair).
int PartDataCount(std::uint8_t low) {
  const PartParameter* entry = FindPartParameter(low);
  return entry != nullptr ? entry->parameter.ByteCount() : 1;
}

std::string Format(const char* format, std::uint32_t first, std::uint32_t second) {
  char text[160];
  std::snprintf(text, sizeof text, format, first, second);
  return text;
}

}  // namespace

SysexIntake::SysexIntake(XgModel& model, UserPrompts& prompts, ProgressLabel& progress,
                         IntakeHost& host)
    : model_(model), prompts_(prompts), progress_(progress), host_(host) {}

IntakeResult SysexIntake::LoadSysexStream(std::span<std::uint8_t> image,
                                          const std::string& errorDirectory) {
  progress_.ShowCancellable();
  const IntakeResult result = TakeIn(image);
  if (!result.noMemory) OfferUnrecognised(result, errorDirectory);
  progress_.Close();
  return result;
}

IntakeResult SysexIntake::TakeIn(std::span<std::uint8_t> image) {
  IntakeResult result;
  result.midiFile = SysexScanner::IsMidiFile(image);
  // All the room the load can need, before anything changes: a file too
  // large for memory leaves the model as it was.
  if (!Reserve(result, image.size())) return result;
  SysexScanner scanner =
      result.midiFile ? SysexScanner::MidiFile(image) : SysexScanner::Plain(image);
  StartTake();
  while (const auto scanned = scanner.Next()) {
    if (!TakeMessage(scanner.MessageBytes(*scanned), result)) break;
  }
  FinishTake();
  return result;
}

std::optional<int> SysexIntake::PartChannelOf(std::span<const std::uint8_t> m) const {
  // An XG message for a multi part: a parameter change 08 pp .. or a dump.
  if (m.size() < kParameterChangeMinimum || m[1] != kYamahaId || m[3] != kXgModelId) {
    return std::nullopt;
  }
  const bool bulk = m[2] >> 4 == 0;
  const std::size_t high = bulk ? 6 : 4;
  if (m.size() <= high + 1 || m[high] != xg_block::kPartHigh) return std::nullopt;
  const std::uint8_t* channel =
      model_.Parts().Byte(PartIndex::FromIndex(m[high + 1]), part_address::kReceiveChannel);
  if (channel == nullptr) return std::nullopt;
  return *channel;
}

IntakeResult SysexIntake::LoadSong(const SongSetup& song, const std::string& errorDirectory) {
  progress_.ShowCancellable();
  IntakeResult result;
  result.midiFile = true;
  std::size_t sysexBytes = 0;
  for (const SongEvent& event : song.Events()) sysexBytes += event.length;
  if (!Reserve(result, sysexBytes)) {
    progress_.Close();
    return result;
  }
  StartTake();
  ChannelSetup channels(model_, [this] { BeforeApplying(); });
  const std::vector<SongEvent>& events = song.Events();
  for (std::size_t index = 0; index < events.size(); ++index) {
    const SongEvent& event = events[index];
    if (event.IsSysex()) {
      const std::span<const std::uint8_t> message = song.MessageBytes(event);
      // A part's setup ends where its channel plays: later sysex for it (a
      // program change at bar 30) is the performance, left alone.
      if (const std::optional<int> channel = PartChannelOf(message);
          channel && song.HasStarted(*channel, index)) {
        continue;
      }
      if (!TakeMessage(message, result)) break;
      continue;
    }
    switch (channels.Apply(event.status, event.data1, event.data2)) {
      case ChannelSetup::Outcome::Taken:
        ++result.channelMessages;
        break;
      case ChannelSetup::Outcome::Left:
        ++result.channelMessagesLeft;
        break;
      case ChannelSetup::Outcome::Ignored:
        break;
    }
  }
  FinishTake();
  OfferUnrecognised(result, errorDirectory);
  if (result.channelMessagesLeft > 0) {
    prompts_.ShowMessage(
        Format("%d channel messages of the song's setup have no place in the "
               "model and were left out; %d were taken in.",
               result.channelMessagesLeft, result.channelMessages));
  }
  progress_.Close();
  return result;
}

bool SysexIntake::Reserve(IntakeResult& result, std::size_t bytes) {
  try {
    result.errorBuffer.reserve(bytes);
  } catch (const std::bad_alloc&) {
    result.noMemory = true;
  }
  return !result.noMemory;
}

void SysexIntake::StartTake() {
  partsTouched_ = false;
  resetSent_ = false;
}

bool SysexIntake::TakeMessage(std::span<const std::uint8_t> message, IntakeResult& result) {
  if (progress_.CancelRequested()) {
    result.cancelled = true;
    return false;
  }
  IntakeCounts& counts = result.counts;
  const std::uint32_t number = counts.recognisedMessages + counts.unrecognisedMessages + 1;
  // Built in place: this runs once a message, and most files hold thousands.
  constexpr std::string_view kItem = "Sysex Msg ";
  std::array<char, kItem.size() + 10> item{};
  std::copy(kItem.begin(), kItem.end(), item.begin());
  const char* end =
      std::to_chars(item.data() + kItem.size(), item.data() + item.size(), number).ptr;
  progress_.SetItem({item.data(), end});
  const auto length = static_cast<std::uint32_t>(message.size());
  const Route route = Classify(message);
  if (route != Route::Unrecognised) BeforeApplying();
  if (route != Route::Unrecognised && Apply(route, message)) {
    ++counts.recognisedMessages;
    counts.recognisedBytes += length;
  } else {
    result.errorBuffer.insert(result.errorBuffer.end(), message.begin(), message.end());
    ++counts.unrecognisedMessages;
    counts.unrecognisedBytes += length;
  }
  return true;
}

void SysexIntake::BeforeApplying() {
  // Just before the first change, so that a file with nothing to apply
  // leaves the synthesizer alone.
  if (resetSent_) return;
  resetSent_ = true;
  host_.AutoReset();
}

void SysexIntake::FinishTake() {
  // The channel rows follow what the file left in the parts.
  if (partsTouched_) model_.Channels().SyncAllChannelsFromParts();
}

void SysexIntake::OfferUnrecognised(const IntakeResult& result, const std::string& errorDirectory) {
  const IntakeCounts& counts = result.counts;
  if (counts.unrecognisedBytes == 0) return;
  if (policy_ == UnrecognisedPolicy::Report) {
    prompts_.ShowMessage(Format("There were %d bytes in %d messages unrecognized.",
                                counts.unrecognisedBytes, counts.unrecognisedMessages));
    return;
  }
  const std::string question =
      Format("There were %d bytes in %d messages unrecognized.\r\n Send these bytes anyway?",
             counts.unrecognisedBytes, counts.unrecognisedMessages);
  if (policy_ == UnrecognisedPolicy::Ask && prompts_.AskYesNo(question) == Answer::Yes) {
    model_.Emit(result.errorBuffer);
    return;
  }
  const std::string path = JoinPath(errorDirectory, kErrorFileName);
  prompts_.ShowMessage("The bytes will be stored in " + path + ".");
  const FileResult written = WriteWholeFile(path, result.errorBuffer);
  if (!written.ok) prompts_.ShowMessage(written.error, MessageIcon::Stop);
}

bool SysexIntake::ApplyMessage(std::span<const std::uint8_t> m) {
  return ClassifyAndApply(m);
}

bool SysexIntake::ApplyReceived(std::span<const std::uint8_t> m) {
  passingOn_ = false;
  const bool applied = ClassifyAndApply(m);
  passingOn_ = true;
  return applied;
}

bool SysexIntake::ClassifyAndApply(std::span<const std::uint8_t> m) {
  const Route route = Classify(m);
  return route != Route::Unrecognised && Apply(route, m);
}

// --- Where a message goes ------------------------------------------------------

SysexIntake::Route SysexIntake::Classify(std::span<const std::uint8_t> m) const {
  const Route route = ClassifyKnown(m);
  if (route == Route::Unrecognised && keepExtensions_ && IsExtension(m)) return Route::Extension;
  return route;
}

SysexIntake::Route SysexIntake::ClassifyKnown(std::span<const std::uint8_t> m) const {
  const std::size_t length = m.size();
  if (length >= kParameterChangeMinimum) {
    // A byte of eight bits would be stored as it came and leave as seven.
    if (m[1] != kYamahaId || !IsXgFamilyModel(m[3]) || !AllDataBytes(m)) {
      return Route::Unrecognised;
    }
    switch (m[2] >> 4) {
      case 0:
        return ClassifyBulk(m);
      case 1:
        return ClassifyParameterChange(m);
      default:
        return Route::Unrecognised;
    }
  }
  if (length >= kUniversalMinimum &&
      (m[1] == kUniversalNonRealTime || m[1] == kUniversalRealTime)) {
    return Route::PassOn;
  }
  return Route::Unrecognised;
}

SysexIntake::Route SysexIntake::ClassifyBulk(std::span<const std::uint8_t> m) const {
  if (m.size() != *BulkByteCount(m) + kBulkOverhead) return Route::Unrecognised;
  const std::uint8_t id = m[3];
  if (id == kAdModelId || id == kMixerModelId) return Route::PassOn;
  if (id == kQs300ModelId) return Route::UserVoice;

  const std::uint8_t high = m[6];
  const std::uint8_t mid = m[7];
  if (xg_block::IsSystem(high, mid)) return Route::SystemBulk;
  if (xg_block::IsEffect(high, mid)) return Route::EffectBulk;
  const std::uint8_t low = m[8];
  if (high == xg_block::kPartHigh && mid < kPartCount) {
    // A dump is stored from the start of one of the record's halves: from
    // anywhere else its bytes would land at the wrong addresses.
    const bool half = low == 0 || low == part_address::kSecondHalfStart;
    return model_.Parts().IsPart(PartIndex::FromIndex(mid)) && half ? Route::PartBulk
                                                                    : Route::Unrecognised;
  }
  if (xg_block::IsAd(high, mid)) return Route::PassOn;
  if (ExtendedDataSize({high, mid, low})) return Route::ExtendedBulk;
  if (xg_block::IsDrumSetup(high)) {
    const bool note = model_.Drums().Note(high & 0x0F, DrumNote::FromMidiNote(mid)) != nullptr;
    // With the extensions kept, a longer dump leaves its later parameters there.
    const bool size =
        m[5] == kDrumNoteDumpSize || (keepExtensions_ && *BulkByteCount(m) > kDrumNoteDumpSize);
    return note && low == 0 && size ? Route::DrumBulk : Route::Unrecognised;
  }
  return Route::Unrecognised;
}

SysexIntake::Route SysexIntake::ClassifyParameterChange(std::span<const std::uint8_t> m) const {
  const std::uint8_t id = m[3];
  if (id == kAdModelId || id == kMixerModelId) return Route::PassOn;
  if (id == kQs300ModelId) return Route::UserVoice;

  const std::uint8_t high = m[4];
  const std::uint8_t mid = m[5];
  const std::uint8_t low = m[6];
  if (xg_block::IsSystem(high, mid)) {
    if (const ParameterDescriptor* parameter = FindSystemParameter(low);
        parameter != nullptr && model_.System().HasChange(*parameter)) {
      return CarriesData(m, parameter->ByteCount()) ? Route::SystemParameter : Route::Unrecognised;
    }
    switch (low) {
      case kXgSystemOnLow:
      case kAllParameterResetLow:
        return Route::SystemParameter;
      case kDrumSetupResetLow:
        return model_.Drums().IsSetup(m[kChangeHeaderSize]) ? Route::SystemParameter
                                                            : Route::Unrecognised;
      default:
        return Route::Unrecognised;
    }
  }
  if (xg_block::IsEffect(high, mid)) return Route::EffectParameter;
  if (high == xg_block::kPartHigh && mid < kPartCount) {
    const bool part = model_.Parts().IsPart(PartIndex::FromIndex(mid));
    return part && model_.Parts().IsParameterAddress(low) && CarriesData(m, PartDataCount(low))
               ? Route::PartParameter
               : Route::Unrecognised;
  }
  if (xg_block::IsAd(high, mid)) return Route::PassOn;
  if (const auto size = ExtendedDataSize({high, mid, low})) {
    return CarriesData(m, static_cast<int>(*size)) ? Route::ExtendedParameter : Route::Unrecognised;
  }
  if (xg_block::IsDrumSetup(high) && DrumSetups::IsNote(mid)) {
    const bool note = model_.Drums().Note(high & 0x0F, DrumNote::FromMidiNote(mid)) != nullptr;
    return note && low < kDrumParameterCount ? Route::DrumParameter : Route::Unrecognised;
  }
  return Route::Unrecognised;
}

bool SysexIntake::IsExtension(std::span<const std::uint8_t> m) const {
  // Checked in ClassifyKnown before: Yamaha, the XG family, seven-bit bytes.
  if (m.size() < kParameterChangeMinimum || m[3] != kXgModelId || !AllDataBytes(m)) return false;
  switch (m[2] >> 4) {
    case 0: {
      // A dump the synthesizer would refuse is no value it holds.
      const std::size_t count = *BulkByteCount(m);
      if (m.size() != count + kBulkOverhead) return false;
      if (BulkChecksum(m.subspan(4, count + 5)) != m[m.size() - 2]) return false;
      return !model_.KnowsAddress({m[6], m[7], m[8]});
    }
    case 1:
      return m.size() - kChangeHeaderSize - 1 <= kMaxChangeData &&
             !model_.KnowsAddress({m[4], m[5], m[6]});
    default:
      return false;
  }
}

bool SysexIntake::Apply(Route route, std::span<const std::uint8_t> m) {
  switch (route) {
    case Route::Unrecognised:
      return false;
    case Route::PassOn:
      return PassOn(m);
    case Route::UserVoice:
      // A voice number past the bank's is refused before anything goes.
      if (UserVoiceModel::IsVoiceNumber(m[kUserVoiceNumberByte])) PauseBeforeSending();
      return model_.UserVoices().TakeInUserVoice(m);
    case Route::SystemBulk:
      return PassOn(m) && StoreSystemBulk(m);
    case Route::EffectBulk:
      return PassOn(m) && model_.Effects().StoreEffectBulk(m);
    case Route::PartBulk:
      return PassOn(m) && StorePartBulk(m);
    case Route::DrumBulk:
      return PassOn(m) && StoreDrumBulk(m);
    case Route::SystemParameter:
      return ApplySystemParameter(m);
    case Route::EffectParameter:
      return PassOn(m) && model_.Effects().StoreEffectParameter(m);
    case Route::PartParameter:
      return PassOn(m) && StorePartParameter(m);
    case Route::DrumParameter:
      return PassOn(m) && StoreDrumParameter(m);
    case Route::ExtendedBulk:
      return PassOn(m) && StoreExtended({m[6], m[7], m[8]},
                                        m.subspan(kBulkHeaderSize, m.size() - kBulkOverhead));
    case Route::ExtendedParameter:
      return PassOn(m) &&
             StoreExtended({m[4], m[5], m[6]},
                           m.subspan(kChangeHeaderSize, m.size() - kChangeHeaderSize - 1));
    case Route::Extension:
      return PassOn(m) && StoreExtension(m);
  }
  return false;
}

bool SysexIntake::PassOn(std::span<const std::uint8_t> m) {
  // What the synthesizer sent itself goes nowhere: it holds it already.
  if (!passingOn_) return true;
  PauseBeforeSending();
  return model_.Emit(m);
}

void SysexIntake::PauseBeforeSending() {
  if (passingOn_) model_.Emitter().Pause(messagePauseMs_);
}

// --- Storing what went ------------------------------------------------------------

bool SysexIntake::StoreSystemBulk(std::span<const std::uint8_t> m) {
  // A dump may carry only part of the block; its bytes land at their own
  // addresses and nothing past the block is written.
  model_.System().StoreBytes(m[8], m.subspan(kBulkHeaderSize, m.size() - kBulkOverhead));
  model_.Events().RaiseMark(RefreshMark::System, 0);
  return true;
}

bool SysexIntake::StorePartBulk(std::span<const std::uint8_t> m) {
  const auto first = m[8] == 0 ? 0 : static_cast<int>(part_address::kSecondHalfStart);
  const auto data = m.subspan(kBulkHeaderSize, m.size() - kBulkOverhead);
  if (!model_.Parts().StorePartDump(PartIndex::FromIndex(m[7]), first, data)) return false;
  KeepUnheldBytes(xg_block::PartAddress(m[7], first), data);
  partsTouched_ = true;
  model_.Events().RaiseMark(RefreshMark::Part, m[7]);
  return true;
}

bool SysexIntake::StoreDrumBulk(std::span<const std::uint8_t> m) {
  const auto data = m.subspan(kBulkHeaderSize, m.size() - kBulkOverhead);
  if (!model_.Drums().StoreDrumParameters(m[6] & 0x0F, DrumNote::FromMidiNote(m[7]), 0,
                                          data.first(kDrumNoteDumpSize))) {
    return false;
  }
  KeepUnheldBytes({m[6], m[7], 0}, data);
  model_.Events().RaiseMark(RefreshMark::Drum, 0);
  return true;
}

bool SysexIntake::StorePartParameter(std::span<const std::uint8_t> m) {
  const std::uint8_t low = m[6];
  const auto count = static_cast<std::size_t>(PartDataCount(low));
  if (!model_.Parts().StorePartBytes(PartIndex::FromIndex(m[5]), low,
                                     m.subspan(kChangeHeaderSize, count))) {
    return false;
  }
  partsTouched_ = true;
  model_.Events().RaiseMark(RefreshMark::Part, m[5]);
  return true;
}

bool SysexIntake::StoreDrumParameter(std::span<const std::uint8_t> m) {
  if (!model_.Drums().StoreDrumParameters(m[4] & 0x0F, DrumNote::FromMidiNote(m[5]), m[6],
                                          m.subspan(kChangeHeaderSize, 1))) {
    return false;
  }
  model_.Events().RaiseMark(RefreshMark::Drum, 0);
  return true;
}

bool SysexIntake::ApplySystemParameter(std::span<const std::uint8_t> m) {
  const std::uint8_t low = m[6];
  switch (low) {
    case kXgSystemOnLow:
    case kAllParameterResetLow:
      model_.Events().ResetRequested();
      return true;
    case kDrumSetupResetLow:
      // The program's own message and the notes, then the file's message.
      PauseBeforeSending();
      model_.System().DrumSetupReset(m[kChangeHeaderSize]);
      model_.Events().RaiseMark(RefreshMark::System, 0);
      return PassOn(m);
    default:
      break;
  }
  if (!PassOn(m)) return false;
  // Classified: a parameter of the block with a change of its own.
  const auto count = static_cast<std::size_t>(FindSystemParameter(low)->ByteCount());
  model_.System().StoreBytes(low, m.subspan(kChangeHeaderSize, count));
  model_.Events().RaiseMark(RefreshMark::System, 0);
  return true;
}

bool SysexIntake::StoreExtension(std::span<const std::uint8_t> m) {
  ExtensionModel& extensions = model_.Extensions();
  const bool bulk = m[2] >> 4 == 0;
  const bool stored =
      bulk
          ? extensions.StoreBytes({m[6], m[7], m[8]},
                                  m.subspan(kBulkHeaderSize, m.size() - kBulkOverhead))
          : extensions.StoreParameter(
                {m[4], m[5], m[6]}, m.subspan(kChangeHeaderSize, m.size() - kChangeHeaderSize - 1));
  if (stored) model_.Events().RaiseMark(RefreshMark::Extension, 0);
  return stored;
}

std::optional<std::size_t> SysexIntake::ExtendedDataSize(XgAddress address) const {
  if (!model_.IsExtended() || !model_.KnowsAddress(address)) return std::nullopt;
  const auto [high, mid, low] = address;
  if (high == InsertionEffectModel::kHigh) return InsertionEffectModel::ParameterSize(low);
  if (high == kMultiEqHigh && mid == kMultiEqMid) {
    return model_.MultiEq().Parameter(low) != nullptr ? std::optional<std::size_t>(1)
                                                      : std::nullopt;
  }
  // A display text may come in pieces, from any letter on.
  return 1;
}

bool SysexIntake::StoreExtended(XgAddress address, std::span<const std::uint8_t> data) {
  const auto [high, mid, low] = address;
  bool stored = false;
  RefreshMark mark = RefreshMark::DisplayText;
  if (high == InsertionEffectModel::kHigh) {
    stored = model_.Insertions().Store(mid, low, data);
    mark = RefreshMark::Insertion;
  } else if (high == kMultiEqHigh) {
    stored = model_.MultiEq().StoreBytes(low, data);
    mark = RefreshMark::MultiEq;
  } else {
    stored = model_.DisplayText().StoreLetters(low, data);
  }
  if (!stored) return false;
  KeepUnheldBytes(address, data);
  model_.Events().RaiseMark(mark, high == InsertionEffectModel::kHigh ? mid : 0);
  return true;
}

void SysexIntake::KeepUnheldBytes(XgAddress first, std::span<const std::uint8_t> data) {
  if (keepExtensions_ && model_.Extensions().StoreBytes(first, data)) {
    model_.Events().RaiseMark(RefreshMark::Extension, 0);
  }
}

}  // namespace ravlo
