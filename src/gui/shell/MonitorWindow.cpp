#include "shell/MonitorWindow.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "MonitorBackend.h"
#include "midi/ShortMessage.h"
#include "review/ReviewText.h"
#include "sound/XgSoundMap.h"
#include "widgets/Buttons.h"

namespace ravlo {

namespace {

QString Hex(const std::vector<std::uint8_t>& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size() * 3));
  for (std::uint8_t byte : bytes) {
    if (!text.isEmpty()) text += ' ';
    text += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
  }
  return text;
}

}  // namespace

MonitorWindow::MonitorWindow(MonitorBackend& monitor, const XgModel& model, QWidget* parent)
    : QDialog(parent, Qt::Window),
      monitor_(monitor),
      model_(model),
      list_(new QPlainTextEdit(this)) {
  setWindowTitle(QStringLiteral("Monitor -- Ravlo Monitor"));
  list_->setObjectName(QStringLiteral("Messages"));
  list_->setReadOnly(true);
  list_->setLineWrapMode(QPlainTextEdit::NoWrap);
  list_->setMaximumBlockCount(static_cast<int>(MonitorBackend::kCapacity));
  auto* clear = MakeButton(QStringLiteral("C&lear"), QStringLiteral("Clear"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(clear);
  // What the built-in sound leaves out is said where its messages are seen.
  auto* notPlayed = new QLabel(QString::fromUtf8(kNotPlayedText), this);
  notPlayed->setObjectName(QStringLiteral("NotPlayed"));
  notPlayed->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(notPlayed);
  layout->addLayout(buttons);
  resize(720, 400);
  connect(clear, &QPushButton::clicked, this, &MonitorWindow::Clear);

  // The monitor calls from whatever thread sent; the list is brought up to
  // date on this one, once per burst.
  QPointer<MonitorWindow> self(this);
  monitor_.SetListener([self] {
    if (!self) return;
    QMetaObject::invokeMethod(
        self,
        [self] {
          if (self && !self->refreshQueued_) {
            self->refreshQueued_ = true;
            QTimer::singleShot(50, self, [self] {
              self->refreshQueued_ = false;
              self->Refresh();
            });
          }
        },
        Qt::QueuedConnection);
  });
}

MonitorWindow::~MonitorWindow() {
  monitor_.SetListener({});
}

void MonitorWindow::Refresh() {
  const auto messages = monitor_.Messages();
  const std::uint64_t total = monitor_.TotalReceived();
  if (total < shown_) shown_ = 0;  // cleared elsewhere
  const std::uint64_t fresh = total - shown_;
  const std::size_t first =
      fresh >= messages.size() ? 0 : messages.size() - static_cast<std::size_t>(fresh);
  for (std::size_t i = first; i < messages.size(); ++i) {
    const MonitoredMessage& message = messages[i];
    const QString time =
        QDateTime::fromMSecsSinceEpoch(
            std::chrono::duration_cast<std::chrono::milliseconds>(message.time.time_since_epoch())
                .count())
            .toString(QStringLiteral("HH:mm:ss.zzz"));
    std::string meaning;
    if (!message.bytes.empty() && message.bytes.front() == 0xF0) {
      meaning = DescribeMessage(model_, message.bytes);
    } else {
      std::uint32_t packed = 0;
      for (std::size_t b = 0; b < message.bytes.size() && b < 3; ++b)
        packed |= static_cast<std::uint32_t>(message.bytes[b]) << (8 * b);
      meaning = ShortMessage(packed).Describe();
    }
    // What Ravlo sent goes one way, what the virtual synthesizer answered the other.
    const QString way = message.direction == MonitoredMessage::Direction::Sent
                            ? QStringLiteral("-> ")
                            : QStringLiteral("<- ");
    list_->appendPlainText(time + QStringLiteral("  ") + way + Hex(message.bytes) +
                           QStringLiteral("  ") +
                           QString::fromStdString(meaning).replace('\t', ' '));
  }
  shown_ = total;
}

void MonitorWindow::Clear() {
  monitor_.Clear();
  list_->clear();
  shown_ = 0;
}

QString MonitorWindow::Text() const {
  return list_->toPlainText();
}

}  // namespace ravlo
