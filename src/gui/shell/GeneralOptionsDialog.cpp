#include "shell/GeneralOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "shell/AppSettings.h"

namespace ravlo {

namespace {

QCheckBox* Box(const char* text, const char* name, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(text), parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setChecked(checked);
  return box;
}

}  // namespace

GeneralOptionsDialog::GeneralOptionsDialog(const AppSettings& settings, QWidget* parent)
    : QDialog(parent),
      warnToSave_(Box("Warn to Save Edits", "WarnToSave", settings.warnToSave, this)),
      openWindows_(Box("Open All affected Windows when loading a file", "OpenWindowsOnFileOpen",
                       settings.openWindowsOnFileOpen, this)),
      resetAdMixer_(
          Box("Reset A/D Parts and Mixer on a Reset", "ResetAdMixer", settings.resetAdMixer, this)),
      autoReset_(Box("Automatic Reset On File Open", "AutoSendResetOnFileOpen",
                     settings.autoSendResetOnFileOpen, this)),
      keepExtensions_(
          Box("Keep XG extension parameters", "KeepExtensions", settings.keepExtensions, this)) {
  setWindowTitle(QStringLiteral("General Options"));
  auto* layout = new QVBoxLayout(this);
  keepExtensions_->setToolTip(
      QStringLiteral("Keep the XG parameters of larger instruments that no editor shows (display, "
                     "insertion effects, multi EQ, parts and drums past the tables) when a file "
                     "is read, and save them after the blocks."));
  for (QCheckBox* box : {warnToSave_, openWindows_, resetAdMixer_, autoReset_, keepExtensions_})
    layout->addWidget(box);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void GeneralOptionsDialog::Store(AppSettings& settings) const {
  settings.warnToSave = warnToSave_->isChecked();
  settings.openWindowsOnFileOpen = openWindows_->isChecked();
  settings.resetAdMixer = resetAdMixer_->isChecked();
  settings.autoSendResetOnFileOpen = autoReset_->isChecked();
  settings.keepExtensions = keepExtensions_->isChecked();
}

}  // namespace ravlo
