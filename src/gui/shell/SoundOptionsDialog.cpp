#include "shell/SoundOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "SoundFonts.h"
#include "platform/UserPrompts.h"
#include "shell/SoundSettings.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

struct DriverChoice {
  const char* label;
  const char* driver;
};
constexpr DriverChoice kDriverChoices[] = {{"Automatic (JACK, then PulseAudio, then ALSA)", ""},
                                           {"JACK", "jack"},
                                           {"PulseAudio or PipeWire", "pulseaudio"},
                                           {"ALSA", "alsa"}};
constexpr int kRates[] = {22050, 32000, 44100, 48000, 96000};
constexpr int kBuffers[] = {128, 256, 512, 1024, 2048, 4096};

QComboBox* NumberList(std::span<const int> numbers, int current, const char* name,
                      QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromUtf8(name));
  for (const int number : numbers) list->addItem(QString::number(number), number);
  const int found = list->findData(current);
  if (found < 0) list->addItem(QString::number(current), current);
  list->setCurrentIndex(list->findData(current));
  return list;
}

}  // namespace

SoundOptionsDialog::SoundOptionsDialog(const SoundSettings& settings, const QString& status,
                                       UserPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      on_(new QCheckBox(QStringLiteral("Play what \"Ravlo Monitor\" is sent"), this)),
      driver_(new QComboBox(this)),
      device_(new QLineEdit(ToQString(settings.device), this)),
      rate_(NumberList(kRates, settings.sampleRate, "SampleRate", this)),
      buffer_(NumberList(kBuffers, settings.bufferFrames, "BufferSize", this)),
      soundFont_(new QLineEdit(ToQString(settings.soundFont), this)) {
  setWindowTitle(QStringLiteral("Sound Options"));
  on_->setObjectName(QStringLiteral("SoundOn"));
  on_->setChecked(settings.on);
  driver_->setObjectName(QStringLiteral("SoundDriver"));
  for (const DriverChoice& choice : kDriverChoices) {
    driver_->addItem(QString::fromUtf8(choice.label), QString::fromUtf8(choice.driver));
  }
  driver_->setCurrentIndex(std::max(0, driver_->findData(ToQString(settings.driver))));
  device_->setObjectName(QStringLiteral("SoundDevice"));
  device_->setPlaceholderText(QStringLiteral("the driver's default"));
  soundFont_->setObjectName(QStringLiteral("SoundFont"));
  const QString standard = ToQString(FindSoundFont(""));
  soundFont_->setPlaceholderText(standard);
  soundFont_->setToolTip(standard.isEmpty()
                             ? QString::fromUtf8(kNoSoundFontText)
                             : QStringLiteral("Empty: the system's General MIDI SoundFont, ") +
                                   standard);
  soundFont_->setMinimumWidth(soundFont_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);

  auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
  browse->setObjectName(QStringLiteral("Browse"));
  connect(browse, &QPushButton::clicked, this, &SoundOptionsDialog::Browse);
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(soundFont_, 1);
  fontRow->addWidget(browse);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Driver:"), driver_);
  form->addRow(QStringLiteral("D&evice:"), device_);
  form->addRow(QStringLiteral("Sample &rate (Hz):"), rate_);
  form->addRow(QStringLiteral("B&uffer (frames):"), buffer_);
  // A row of two has no buddy of its own: the label needs one for its key.
  auto* fontLabel = new QLabel(QStringLiteral("&SoundFont:"), this);
  fontLabel->setBuddy(soundFont_);
  form->addRow(fontLabel, fontRow);

  auto* state = new QLabel(status, this);
  state->setObjectName(QStringLiteral("SoundStatus"));
  state->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(on_);
  layout->addLayout(form);
  layout->addWidget(state);
  layout->addWidget(buttons);
}

void SoundOptionsDialog::Browse() {
  FileDialogRequest request;
  request.title = "SoundFont";
  request.filters = {{"SoundFonts (*.sf2 *.sf3)", "*.sf2 *.sf3"}};
  const FileChoice choice = prompts_.ChooseFileToOpen(request);
  if (choice.Chosen()) soundFont_->setText(QString::fromStdString(choice.paths.front()));
}

void SoundOptionsDialog::Store(SoundSettings& settings) const {
  settings.on = on_->isChecked();
  settings.driver = driver_->currentData().toString().toStdString();
  settings.device = device_->text().trimmed().toStdString();
  settings.sampleRate = rate_->currentData().toInt();
  settings.bufferFrames = buffer_->currentData().toInt();
  settings.soundFont = soundFont_->text().trimmed().toStdString();
}

}  // namespace ravlo
