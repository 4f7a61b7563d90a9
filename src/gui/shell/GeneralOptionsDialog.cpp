#include "shell/GeneralOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/AppSettings.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {

namespace {

QCheckBox* Box(const char* text, const char* name, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(text), parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setChecked(checked);
  return box;
}

}  // namespace

GeneralOptionsDialog::GeneralOptionsDialog(const AppSettings& settings, UserPrompts& prompts,
                                           QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      warnToSave_(Box("Warn to Save Edits", "WarnToSave", settings.warnToSave, this)),
      openWindows_(Box("Open All affected Windows when loading a file", "OpenWindowsOnFileOpen",
                       settings.openWindowsOnFileOpen, this)),
      resetAdMixer_(
          Box("Reset A/D Parts and Mixer on a Reset", "ResetAdMixer", settings.resetAdMixer, this)),
      autoReset_(Box("Automatic Reset On File Open", "AutoSendResetOnFileOpen",
                     settings.autoSendResetOnFileOpen, this)),
      keepExtensions_(
          Box("Keep XG extension parameters", "KeepExtensions", settings.keepExtensions, this)),
      receiveTimeout_(new EditSpinPair(this)) {
  setWindowTitle(QStringLiteral("General Options"));
  auto* layout = new QVBoxLayout(this);
  keepExtensions_->setToolTip(
      QStringLiteral("Keep the XG parameters of larger instruments that no editor shows (display, "
                     "insertion effects, multi EQ, parts and drums past the tables) when a file "
                     "is read, and save them after the blocks."));
  for (QCheckBox* box : {warnToSave_, openWindows_, resetAdMixer_, autoReset_, keepExtensions_})
    layout->addWidget(box);
  receiveTimeout_->setObjectName(QStringLiteral("ReceiveTimeout"));
  receiveTimeout_->SetRange(AppSettings::kMinReceiveTimeout, AppSettings::kMaxReceiveTimeout);
  receiveTimeout_->SetValue(settings.receiveTimeout);
  auto* timeoutRow = new QHBoxLayout;
  timeoutRow->addWidget(receiveTimeout_);
  timeoutRow->addWidget(new QLabel(
      QStringLiteral("ms to wait for each answer when receiving from the synthesizer"), this));
  timeoutRow->addStretch();
  layout->addLayout(timeoutRow);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  // OK must not take the focus: leaving the timeout box would settle it first.
  for (QAbstractButton* button : buttons->buttons()) button->setFocusPolicy(Qt::NoFocus);
  connect(buttons, &QDialogButtonBox::accepted, this, &GeneralOptionsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void GeneralOptionsDialog::Store(AppSettings& settings) const {
  settings.warnToSave = warnToSave_->isChecked();
  settings.openWindowsOnFileOpen = openWindows_->isChecked();
  settings.resetAdMixer = resetAdMixer_->isChecked();
  settings.autoSendResetOnFileOpen = autoReset_->isChecked();
  settings.keepExtensions = keepExtensions_->isChecked();
  settings.receiveTimeout = receiveTimeout_->Value();
}

void GeneralOptionsDialog::accept() {
  const std::optional<int> timeout = ValueForOk(*receiveTimeout_, prompts_);
  if (!timeout) return;
  receiveTimeout_->SetValue(*timeout);
  QDialog::accept();
}

}  // namespace ravlo
