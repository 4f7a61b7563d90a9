#include "app/EditorCommandLine.h"

#include <QCoreApplication>
#include <QDir>

namespace ravlo {

EditorCommandLine::EditorCommandLine() {
  parser_.setApplicationDescription(
      QStringLiteral("Editor and librarian for XG MIDI tone generators."));
  parser_.addHelpOption();
  parser_.addVersionOption();
  parser_.addPositionalArgument(
      QStringLiteral("files"),
      QStringLiteral("Sysex (.syx), MIDI (.mid) or QS300 voice bank (.q3v) files to open, in "
                     "order, as File > Open does. When Ravlo already runs, the running copy "
                     "comes forward and opens them."),
      QStringLiteral("[FILE...]"));
}

bool EditorCommandLine::AsksForTextOnly(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (argument == "--") return false;  // files from here on
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
      if (argument == option) return true;
    }
  }
  return false;
}

bool EditorCommandLine::Parse(const QStringList& arguments) {
  return parser_.parse(arguments);
}

void EditorCommandLine::Process(const QCoreApplication& application) {
  parser_.process(application);
}

QStringList EditorCommandLine::Files(const QString& workingDirectory) const {
  const QDir base(workingDirectory);
  QStringList files;
  for (const QString& name : parser_.positionalArguments()) {
    files << QDir::cleanPath(base.absoluteFilePath(name));
  }
  return files;
}

}  // namespace ravlo
