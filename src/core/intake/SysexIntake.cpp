#include "intake/SysexIntake.h"

#include <algorithm>
#include <cstdio>

#include "files/FileIo.h"
#include "intake/IntakeHost.h"
#include "intake/SysexScanner.h"
#include "messages/XgMessages.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"
#include "parts/PartTemplates.h"
#include "platform/ProgressLabel.h"
#include "platform/UserPrompts.h"

namespace ravlo {

namespace {

constexpr std::size_t kParameterChangeMinimum = 9;
constexpr std::size_t kUniversalMinimum = 6;
constexpr std::uint8_t kDrumSetupHigh = 0x30;
constexpr std::size_t kDrumNoteDumpSize = 16;

bool IsAdAddress(std::uint8_t high, std::uint8_t mid) {
  return (high == 0x10 && (mid == 0x00 || mid == 0x01)) || (high == 0x11 && mid == 0x00);
}

bool IsDrumSetupHigh(std::uint8_t high) {
  return high == kDrumSetupHigh || high == kDrumSetupHigh + 1;
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
  progress_.Show();
  host_.AutoReset();
  const IntakeResult result = TakeIn(image);
  OfferUnrecognised(result, errorDirectory);
  progress_.Close();
  return result;
}

IntakeResult SysexIntake::TakeIn(std::span<std::uint8_t> image) {
  IntakeResult result;
  result.midiFile = SysexScanner::IsMidiFile(image);
  result.errorBuffer.reserve(image.size());
  SysexScanner scanner =
      result.midiFile ? SysexScanner::MidiFile(image) : SysexScanner::Plain(image);
  IntakeCounts& counts = result.counts;
  while (const auto scanned = scanner.Next()) {
    const std::uint32_t number = counts.recognisedMessages + counts.unrecognisedMessages + 1;
    progress_.SetItem("Sysex Msg " + std::to_string(number));
    const std::span<const std::uint8_t> message = scanner.MessageBytes(*scanned);
    const auto length = static_cast<std::uint32_t>(message.size());
    if (ApplyMessage(message)) {
      ++counts.recognisedMessages;
      counts.recognisedBytes += length;
    } else {
      result.errorBuffer.insert(result.errorBuffer.end(), message.begin(), message.end());
      ++counts.unrecognisedMessages;
      counts.unrecognisedBytes += length;
    }
  }
  return result;
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
  model_.Emitter().Pause(messagePauseMs_);
  const std::size_t length = m.size();
  if (length >= kParameterChangeMinimum) {
    if (m[1] != kYamahaId || !IsXgFamilyModel(m[3])) return false;
    switch (m[2] >> 4) {
      case 0:
        return ApplyBulkDump(m);
      case 1:
        return ApplyParameterChange(m);
      default:
        return false;
    }
  }
  if (length >= kUniversalMinimum &&
      (m[1] == kUniversalNonRealTime || m[1] == kUniversalRealTime)) {
    return PassOn(m);
  }
  return false;
}

bool SysexIntake::PassOn(std::span<const std::uint8_t> m) {
  return model_.Emit(m);
}

bool SysexIntake::ApplyBulkDump(std::span<const std::uint8_t> m) {
  if (m.size() != *BulkByteCount(m) + kBulkOverhead) return false;
  const std::uint8_t id = m[3];
  if (id == kAdModelId || id == kMixerModelId) return PassOn(m);
  if (id == kQs300ModelId) return model_.UserVoices().TakeInUserVoice(m);

  const std::uint8_t high = m[6];
  const std::uint8_t mid = m[7];
  if (high == 0x00 && mid == 0x00) {
    StoreSystemBulk(m);
    model_.Events().RaiseMark(RefreshMark::System, 0);
    return PassOn(m);
  }
  if (high == 0x02 && mid == 0x01) return PassOn(m) && model_.Effects().StoreEffectBulk(m);
  if (high == 0x08 && mid < kPartCount) {
    if (!StorePartBulk(m)) return false;
    model_.Events().RaiseMark(RefreshMark::Part, mid);
    return PassOn(m);
  }
  if (IsAdAddress(high, mid)) return PassOn(m);
  if (IsDrumSetupHigh(high)) {
    if (!StoreDrumBulk(m)) return false;
    model_.Events().RaiseMark(RefreshMark::Drum, 0);
    return PassOn(m);
  }
  return false;
}

bool SysexIntake::StoreSystemBulk(std::span<const std::uint8_t> m) {
  // A dump may carry only part of the block; its bytes land at their own
  // addresses and nothing past the block is written.
  const std::span<const std::uint8_t> data = m.subspan(kBulkHeaderSize, m.size() - kBulkOverhead);
  SystemBytes& block = model_.System().Bytes();
  for (std::size_t i = 0; i < data.size() && m[8] + i < block.size(); ++i)
    block[m[8] + i] = data[i];
  return true;
}

bool SysexIntake::StorePartBulk(std::span<const std::uint8_t> m) {
  PartRecord* record = model_.Parts().Record(m[7]);
  if (record == nullptr) return false;
  const std::span<const std::uint8_t> data = m.subspan(kBulkHeaderSize, m.size() - kBulkOverhead);
  const bool fromStart = m[8] == 0;
  const std::size_t first = fromStart ? 0 : part_address::kSecondHalfStart;
  // From the start, the dump's own part mode decides which parameters exist.
  const bool drum = fromStart && data.size() > part_address::kPartMode
                        ? PartTable::IsDrumMode(data[part_address::kPartMode])
                        : PartTable::IsDrumMode((*record)[part_address::kPartMode]);
  const PartRecord& defaults = PartTemplateFor(drum);
  for (std::size_t i = 0; i < data.size() && first + i <= part_address::kLast; ++i) {
    const std::size_t address = first + i;
    (*record)[address] = defaults[address] == kNoParameter ? kNoParameter : data[i];
  }
  return true;
}

bool SysexIntake::StoreDrumBulk(std::span<const std::uint8_t> m) {
  if (m[5] != kDrumNoteDumpSize || m.size() < kBulkHeaderSize + kDrumNoteDumpSize) return false;
  DrumNoteRecord* note = model_.Drums().Note(m[6] & 0x0F, m[7]);
  if (note == nullptr) return false;
  return note->SetParameters(m.subspan(kBulkHeaderSize, kDrumNoteDumpSize));
}

bool SysexIntake::ApplyParameterChange(std::span<const std::uint8_t> m) {
  const std::uint8_t id = m[3];
  if (id == kAdModelId || id == kMixerModelId) return PassOn(m);
  if (id == kQs300ModelId) return model_.UserVoices().TakeInUserVoice(m);

  const std::uint8_t high = m[4];
  const std::uint8_t mid = m[5];
  const std::uint8_t low = m[6];
  if (high == 0x00 && mid == 0x00) return ApplySystemParameter(m);
  if (high == 0x02 && mid == 0x01) return PassOn(m) && model_.Effects().StoreEffectParameter(m);
  if (high == 0x08 && mid < kPartCount) {
    PartRecord* record = model_.Parts().Record(mid);
    if (record == nullptr || low > part_address::kLast) return false;
    const bool detune = low == part_address::kDetuneMsb;
    if (detune && m.size() < 10) return false;
    if (!PassOn(m)) return false;
    (*record)[low] = m[7];
    if (detune) (*record)[part_address::kDetuneLsb] = m[8];
    model_.Events().RaiseMark(RefreshMark::Part, mid);
    return true;
  }
  if (IsAdAddress(high, mid)) return PassOn(m);
  if (IsDrumSetupHigh(high) && DrumSetups::IsNote(mid)) {
    DrumNoteRecord* note = model_.Drums().Note(high - kDrumSetupHigh, mid);
    if (note == nullptr || low >= kDrumParameterCount) return false;
    if (!PassOn(m)) return false;
    note->SetParameter(low, m[7]);
    model_.Events().RaiseMark(RefreshMark::Drum, 0);
    return true;
  }
  return false;
}

bool SysexIntake::ApplySystemParameter(std::span<const std::uint8_t> m) {
  SystemBytes& block = model_.System().Bytes();
  switch (m[6]) {
    case 0x00:  // Master Tune: four nibbles
      if (m.size() < 12) return false;
      std::copy_n(m.begin() + 7, 4, block.begin());
      break;
    case 0x04:
      block[SystemBlock::kVolume] = m[7];
      break;
    case 0x06:
      block[SystemBlock::kTranspose] = m[7];
      break;
    case 0x7D: {  // Drum Setup Reset: the program's own message, then the notes
      const int setup = m[7];
      if (!model_.Drums().IsSetup(setup) || setup > 1) return false;
      model_.System().DrumSetupReset(setup);
      break;
    }
    case 0x7E:  // XG System On
    case 0x7F:  // All Parameter Reset
      model_.Events().ResetRequested();
      return true;
    default:
      return false;
  }
  model_.Events().RaiseMark(RefreshMark::System, 0);
  return PassOn(m);
}

}  // namespace ravlo
