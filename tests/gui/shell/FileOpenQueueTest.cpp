#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <QTimer>

#include "shell/FileOpenQueue.h"
#include "support/QtPrinters.h"

namespace ravlo {
namespace {

using Way = FileOpenQueue::Way;

TEST(FileOpenQueue, FilesWaitWhileAModalWindowIsUpThenOpenInOrder) {
  QStringList opened;
  FileOpenQueue queue([&](const QString& path, Way) { opened << path; });
  QDialog modal;
  qsizetype openedWhileModal = -1;
  QTimer::singleShot(0, &modal, [&] { queue.Add({"/a.syx", "/b.syx"}, Way::AsFileOpen); });
  QTimer::singleShot(400, &modal, [&] {
    openedWhileModal = opened.size();
    modal.accept();
  });
  modal.exec();
  EXPECT_EQ(openedWhileModal, 0) << "nothing opens under a modal window";
  ASSERT_TRUE(QTest::qWaitFor([&] { return queue.Empty(); }, 2000));
  EXPECT_EQ(opened, QStringList({"/a.syx", "/b.syx"}));
}

TEST(FileOpenQueue, FilesThatComeWhileOneOpensJoinTheEndOfTheLine) {
  QStringList opened;
  int depth = 0;
  int deepest = 0;
  std::vector<Way> ways;
  FileOpenQueue* queue = nullptr;
  FileOpenQueue line([&](const QString& path, Way way) {
    deepest = std::max(deepest, ++depth);
    opened << path;
    ways.push_back(way);
    if (path == "/a.syx") {
      queue->Add({"/dropped.q3v"}, Way::Dropped);
      QTest::qWait(20);  // as a message box would run the loop
    }
    --depth;
  });
  queue = &line;
  line.Add({"/a.syx", "/b.syx"}, Way::AsFileOpen);
  EXPECT_TRUE(opened.isEmpty()) << "never inside the caller";
  ASSERT_TRUE(QTest::qWaitFor([&] { return line.Empty(); }, 2000));
  EXPECT_EQ(opened, QStringList({"/a.syx", "/b.syx", "/dropped.q3v"}));
  EXPECT_EQ(ways, (std::vector<Way>{Way::AsFileOpen, Way::AsFileOpen, Way::Dropped}));
  EXPECT_EQ(deepest, 1) << "one at a time";
}

}  // namespace
}  // namespace ravlo
