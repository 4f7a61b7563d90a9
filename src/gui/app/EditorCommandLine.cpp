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
