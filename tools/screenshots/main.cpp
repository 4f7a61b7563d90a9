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
#include "model/XgModel.h"
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
  for (const auto& [slot, name] : windows) {
    bar.OpenEditor(slot);
    ravlo::EditorDialog* editor = bar.Editor(slot);
    if (slot == ravlo::EditorSlot::ChannelVoice) {
      auto* tree = editor->findChild<QTreeWidget*>();
      if (tree != nullptr && tree->topLevelItemCount() > 0) tree->expandItem(tree->topLevelItem(0));
    }
    saved = Save(*editor, directory, QString::fromUtf8(name)) && saved;
  }
  ravlo::CElementDlg element(ravlo::ElementPage::Amplitude, prompts);
  element.Fill(*bar.Model().UserVoices().GetUserVoice(0, ravlo::UserBank::Bank)->Element(0));
  element.show();
  saved = Save(element, directory, QStringLiteral("element-amplitude")) && saved;
  bar.CloseAll();
  return saved ? 0 : 1;
}
