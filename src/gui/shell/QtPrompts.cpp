#include "shell/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QThread>

#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"
#include "widgets/WaitCursor.h"

namespace ravlo {

namespace {

const QString kTitle = QStringLiteral("Ravlo");

// The core's texts use Windows line ends; a message box wants plain ones.
QString Text(std::string_view text) {
  QString converted = ToQString(text);
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return converted;
}

QString Filters(const FileDialogRequest& request) {
  QStringList filters;
  for (const FileFilter& filter : request.filters) {
    // "XG Sysex Files(*.syx)" already names its pattern the way Qt reads it.
    filters << QString::fromStdString(filter.label);
  }
  return filters.join(QStringLiteral(";;"));
}

FileChoice Chosen(const QStringList& paths, const QString& filter) {
  FileChoice choice;
  if (paths.isEmpty()) return choice;
  choice.status = FileChoice::Status::Chosen;
  for (const QString& path : paths) choice.paths.push_back(path.toStdString());
  choice.filter = filter.toStdString();
  return choice;
}

}  // namespace

void QtPrompts::ShowMessage(std::string_view text, MessageIcon icon) {
  // The piano's step player reports its send errors from its own thread; a
  // message box belongs to the user-interface thread, so it is posted there
  // (not waited for: the interface thread may be waiting for the player).
  if (QThread::currentThread() != qApp->thread()) {
    QMetaObject::invokeMethod(
        qApp, [this, message = std::string(text), icon] { ShowMessage(message, icon); },
        Qt::QueuedConnection);
    return;
  }
  QMessageBox box(owner_);
  box.setWindowTitle(kTitle);
  box.setText(Text(text));
  switch (icon) {
    case MessageIcon::Stop:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageIcon::None:
      break;
  }
  RunModally(box);
}

Answer QtPrompts::AskYesNo(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, Text(text), QMessageBox::Yes | QMessageBox::No,
                  owner_);
  return RunModally(box) == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtPrompts::AskYesNoCancel(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, Text(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner_);
  switch (RunModally(box)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

void QtPrompts::Beep() {
  QApplication::beep();
}

FileChoice QtPrompts::ChooseFileToOpen(const FileDialogRequest& request) {
  const ArrowWhileAsking arrow;
  const QString title = QString::fromStdString(request.title);
  const QString directory = QString::fromStdString(request.initialDirectory);
  QString filter = QString::fromStdString(request.filter);
  if (request.multiple) {
    const QStringList paths =
        QFileDialog::getOpenFileNames(owner_, title, directory, Filters(request), &filter);
    return Chosen(paths, filter);
  }
  const QString path =
      QFileDialog::getOpenFileName(owner_, title, directory, Filters(request), &filter);
  return Chosen(path.isEmpty() ? QStringList() : QStringList{path}, filter);
}

FileChoice QtPrompts::ChooseFileToSave(const FileDialogRequest& request) {
  QFileDialog dialog(owner_, QString::fromStdString(request.title),
                     QString::fromStdString(request.initialDirectory), Filters(request));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!request.defaultExtension.empty()) {
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  }
  if (!request.suggestedName.empty()) {
    dialog.selectFile(QString::fromStdString(request.suggestedName));
  }
  if (RunModally(dialog) != QDialog::Accepted) return {};
  return Chosen(dialog.selectedFiles(), dialog.selectedNameFilter());
}

}  // namespace ravlo
