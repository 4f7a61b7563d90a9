// Opens the main bar on the built-in monitor port, then every window in turn,
// and saves each as docs/<name>.png.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QTreeWidget>
#include <map>

#include "PlatformMidi.h"
#include "editors/CPartDlg.h"
#include "editors/CPartRunDlg.h"
#include "model/XgModel.h"
#include "parts/PartMuting.h"
#include "piano/KeyboardPiano.h"
#include "piano/PianoKeyboardWindow.h"
#include "platform/QuietPlatform.h"
#include "platform/SettingsStore.h"
#include "shell/ColorScheme.h"
#include "shell/EditorDialog.h"
#include "shell/MainBar.h"
#include "uservoice/CElementDlg.h"
#include "uservoice/CUserVoiceDlg.h"
#include "voices/CChannelVoiceDlg.h"

namespace {

// Settings for one run only: the monitor port, nothing written anywhere.
class RunSettings final : public ravlo::SettingsStore {
 public:
  int ReadInt(std::string_view key, int defaultValue) override {
    const auto found = ints_.find(std::string(key));
    return found != ints_.end() ? found->second : defaultValue;
  }
  void WriteInt(std::string_view key, int value) override { ints_[std::string(key)] = value; }
  std::optional<std::string> ReadString(std::string_view) override { return std::nullopt; }
  void WriteString(std::string_view, std::string_view) override {}

 private:
  std::map<std::string, int> ints_{{"MIDIOutPort", 0}, {"SendReset", 0}};
};

bool Save(QWidget& window, const QDir& directory, const QString& name) {
  window.adjustSize();
  QApplication::processEvents();
  return window.grab().save(directory.filePath(name + QStringLiteral(".png")));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    qWarning("usage: ravlo-screenshots DIRECTORY");
    return 2;
  }
  ravlo::ColorScheme::Apply(application);
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  ravlo::PlatformMidi midi("ravlo-screenshots", ravlo::PlatformMidi::Ports::MonitorOnly);
  ravlo::QuietPrompts prompts;
  RunSettings settings;
  ravlo::NoPauser pauser;
  ravlo::MainBar bar({midi.Backend(), prompts, settings, pauser, &midi.Monitor()});
  bar.show();
  bar.Start();

  bool saved = Save(bar, directory, QStringLiteral("main-bar"));
  const std::pair<ravlo::EditorSlot, const char*> windows[] = {
      {ravlo::EditorSlot::Controllers, "controllers"},
      {ravlo::EditorSlot::SystemControl, "system-control"},
      {ravlo::EditorSlot::ChannelVoice, "channel-voice"},
      {ravlo::EditorSlot::Reverb, "reverb"},
      {ravlo::EditorSlot::Chorus, "chorus"},
      {ravlo::EditorSlot::Variation, "variation"},
      {ravlo::EditorSlot::Part, "part"},
      {ravlo::EditorSlot::DrumSets, "drum-sets"},
      {ravlo::EditorSlot::UserVoice, "user-voice"},
      {ravlo::EditorSlot::Mixer, "mixer"}};
  // A mix to look at: parts spread across the stereo field at their own levels.
  ravlo::PartModel& parts = bar.Model().Parts();
  for (int part = 0; part < 8; ++part) {
    const ravlo::PartIndex index = ravlo::PartIndex::FromIndex(part);
    parts.SetPartValue(index, 0x0B, 70 + part * 7);
    parts.SetPartValue(index, 0x0E, 64 + (part % 2 == 0 ? -1 : 1) * (part * 8 + 4));
    parts.SetPartValue(index, 0x13, 20 + part * 9);
  }
  // A muted part beside the others, to show the strip's buttons.
  ravlo::part_muting::SetMuted(parts, ravlo::PartIndex::FromIndex(2), true);
  for (const auto& [slot, name] : windows) {
    bar.OpenEditor(slot);
    ravlo::EditorDialog* editor = bar.Editor(slot);
    if (slot == ravlo::EditorSlot::ChannelVoice) {
      auto* tree = editor->findChild<QTreeWidget*>();
      if (tree != nullptr && tree->topLevelItemCount() > 0) tree->expandItem(tree->topLevelItem(0));
    }
    saved = Save(*editor, directory, QString::fromUtf8(name)) && saved;
  }
  // The part's pictures, with offsets that move them away from the typical voice.
  const ravlo::PartIndex first = ravlo::PartIndex::FromIndex(0);
  for (const auto& [address, value] : {std::pair{0x18, 12},
                                       {0x19, 30},
                                       {0x1A, -8},
                                       {0x1B, 20},
                                       {0x1C, 16},
                                       {0x69, -40},
                                       {0x6A, 8},
                                       {0x6B, 24},
                                       {0x6C, -8}}) {
    parts.SetPartValue(first, address, value);
  }
  const std::pair<ravlo::PartRunKind, const char*> partDialogs[] = {
      {ravlo::PartRunKind::ToneControl, "tone-control"},
      {ravlo::PartRunKind::PitchEnvelope, "pitch-envelope"}};
  for (const auto& [kind, name] : partDialogs) {
    ravlo::CPartRunDlg dialog(bar.Model(), first, kind, 0);
    dialog.show();
    saved = Save(dialog, directory, QString::fromUtf8(name)) && saved;
  }
  // An element whose envelopes have somewhere to go.
  ravlo::UserVoiceElement shown =
      *bar.Model().UserVoices().GetUserVoice(0, ravlo::UserBank::Bank)->Element(0);
  const std::pair<std::size_t, std::uint8_t> bytes[] = {
      {19, 1},  {24, 40},  {25, 30}, {26, 20}, {27, 30}, {28, 40},  {29, 90},  {30, 58}, {31, 64},
      {32, 50}, {48, 50},  {49, 28}, {50, 20}, {51, 36}, {52, 20},  {53, 127}, {54, 80}, {55, 70},
      {56, 30}, {71, 100}, {72, 70}, {73, 40}, {74, 60}, {75, 100}, {76, 72}};
  for (const auto& [at, value] : bytes) shown[at] = value;
  const std::pair<ravlo::ElementPage, const char*> elementDialogs[] = {
      {ravlo::ElementPage::Amplitude, "element-amplitude"},
      {ravlo::ElementPage::Pitch, "element-pitch"},
      {ravlo::ElementPage::Filter, "element-filter"}};
  for (const auto& [page, name] : elementDialogs) {
    ravlo::CElementDlg element(page, prompts);
    element.Fill(shown);
    element.show();
    saved = Save(element, directory, QString::fromUtf8(name)) && saved;
  }
  // The keyboard on screen with a bass note and a chord held.
  bar.PianoCommand(true);
  for (int note : {48, 64, 67, 71}) bar.Piano().PressNote(note, 100);
  if (ravlo::PianoKeyboardWindow* keyboard = bar.Keyboard()) {
    keyboard->resize(900, 170);
    saved = Save(*keyboard, directory, QStringLiteral("keyboard")) && saved;
  }
  for (int note : {48, 64, 67, 71}) bar.Piano().ReleaseNote(note);
  bar.PianoCommand(false);
  bar.CloseAll();
  return saved ? 0 : 1;
}
