#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace ravlo {

// What `ravlo` takes from its command line: the files to open, in order,
// besides --help and --version.
class EditorCommandLine final {
 public:
  EditorCommandLine();

  // Whether the command line asks for --help or --version, which print
  // their text and end before any window could be made.
  static bool AsksForTextOnly(int argc, const char* const* argv);

  // Parses `arguments` (the program's name first): false on an option it
  // does not know, with the reason in ErrorText().
  bool Parse(const QStringList& arguments);
  // For main(): parses the application's arguments, answers --help and
  // --version, and ends the process on those and on a bad command line.
  void Process(const QCoreApplication& application);
  QString ErrorText() const { return parser_.errorText(); }

  // The files named, made absolute against `workingDirectory`: a running copy
  // that is handed them works in a directory of its own.
  QStringList Files(const QString& workingDirectory) const;

 private:
  QCommandLineParser parser_;
};

}  // namespace ravlo
