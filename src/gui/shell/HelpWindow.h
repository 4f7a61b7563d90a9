#pragma once

#include <QDialog>

class QTextBrowser;

namespace ravlo {

// The program's own help page, opened at its contents or at a topic.
class HelpWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void ShowContents();
  // Topics are numbered control id x 65536 + dialog id; the page has an
  // anchor "topic-<number>" for each.
  void ShowTopic(unsigned topic);
  static QString TopicAnchor(unsigned topic);
  QString CurrentAnchor() const { return anchor_; }

 private:
  QTextBrowser* browser_;
  QString anchor_;
};

}  // namespace ravlo
