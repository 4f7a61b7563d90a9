// Ravlo, the editor: one running copy per user, the main bar for the life of
// the process. Files named on the command line are opened in order; when a
// copy already runs, they are handed to it.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>

#include "MonitorSound.h"
#include "PlatformMidi.h"
#include "app/EditorCommandLine.h"
#include "app/SingleInstance.h"
#include "shell/ColorScheme.h"
#include "shell/MainBar.h"
#include "shell/QtPrompts.h"
#include "shell/QtSettingsStore.h"
#include "shell/UiPauser.h"

namespace {

void NameTheApplication() {
  QCoreApplication::setOrganizationName(QStringLiteral("Quorvik"));
  QCoreApplication::setApplicationName(QStringLiteral("Ravlo"));
  QCoreApplication::setApplicationVersion(QStringLiteral(RAVLO_VERSION));
}

}  // namespace

int main(int argc, char** argv) {
  // --help and --version are answered without a window system: a shell or a
  // packaging tool without a display asks them too.
  if (ravlo::EditorCommandLine::AsksForTextOnly(argc, argv)) {
    const QCoreApplication text(argc, argv);
    NameTheApplication();
    ravlo::EditorCommandLine().Process(text);  // prints, and ends the process
  }
  QApplication application(argc, argv);
  NameTheApplication();

  ravlo::EditorCommandLine commandLine;
  commandLine.Process(application);
  const QStringList files = commandLine.Files(QDir::currentPath());

  ravlo::SingleInstance instance(
      ravlo::SingleInstance::SocketPath(ravlo::MainBar::kApplicationTitle));
  if (!instance.Claim(files)) return 0;

  ravlo::ColorScheme::Apply(application);
  ravlo::PlatformMidi midi;
  ravlo::QtPrompts prompts;
  ravlo::QtSettingsStore settings;
  ravlo::UiPauser pauser;
  ravlo::MonitorSound sound(midi.Monitor());
  ravlo::MainBar mainBar(
      {midi.Backend(), prompts, settings, pauser, &midi.Monitor(), &midi.InputBackend(), &sound});
  if (!mainBar.Initialised()) return 1;
  prompts.SetOwner(&mainBar);
  QObject::connect(&instance, &ravlo::SingleInstance::OpenRequested, &mainBar,
                   &ravlo::MainBar::OpenFiles);
  mainBar.show();
  mainBar.Start();
  mainBar.OpenFiles(files);
  return application.exec();
}
