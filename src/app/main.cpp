// Ravlo, the editor: one running copy per user, the main bar for the life of
// the process. The command line is not read.
#include <QApplication>

#include "PlatformMidi.h"
#include "app/SingleInstance.h"
#include "shell/ColorScheme.h"
#include "shell/MainBar.h"
#include "shell/QtPrompts.h"
#include "shell/QtSettingsStore.h"
#include "shell/UiPauser.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Quorvik"));
  QApplication::setApplicationName(QStringLiteral("Ravlo"));

  ravlo::SingleInstance instance(
      ravlo::SingleInstance::UserScopedName(ravlo::MainBar::kApplicationTitle));
  if (!instance.Claim()) return 0;

  ravlo::ColorScheme::Apply(application);
  ravlo::PlatformMidi midi;
  ravlo::QtPrompts prompts;
  ravlo::QtSettingsStore settings;
  ravlo::UiPauser pauser;
  ravlo::MainBar mainBar({midi.Backend(), prompts, settings, pauser, &midi.Monitor()});
  if (!mainBar.Initialised()) return 1;
  prompts.SetOwner(&mainBar);
  mainBar.show();
  mainBar.Start();
  return application.exec();
}
