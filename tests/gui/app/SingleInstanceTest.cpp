#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include "app/SingleInstance.h"
#include "instance/HandoverReader.h"

namespace ravlo {
namespace {

QString UniquePath(const QString& tag = {}) {
  return QDir::tempPath() +
         QStringLiteral("/RavloTest-%1%2").arg(QCoreApplication::applicationPid()).arg(tag);
}

TEST(SingleInstance, ASecondStartAsksTheFirstToComeForwardAndEnds) {
  SingleInstance first(UniquePath());
  ASSERT_TRUE(first.Claim());
  QSignalSpy activated(&first, &SingleInstance::ActivationRequested);
  QSignalSpy opened(&first, &SingleInstance::OpenRequested);

  SingleInstance second(UniquePath());
  EXPECT_FALSE(second.Claim()) << "only one copy runs";
  EXPECT_TRUE(QTest::qWaitFor([&] { return activated.count() == 1; }, 3000));
  QCoreApplication::processEvents();
  EXPECT_EQ(opened.count(), 0) << "no files, no open";

  // A start after the first ended is a first start again.
  {
    SingleInstance ended(UniquePath("-b"));
    ASSERT_TRUE(ended.Claim());
  }
  SingleInstance again(UniquePath("-b"));
  EXPECT_TRUE(again.Claim());
}

TEST(SingleInstance, AConnectionThatBreaksABoundOrTakesTooLongOpensNothing) {
  SingleInstance running(UniquePath("-c"), nullptr, 300);
  ASSERT_TRUE(running.Claim());
  QSignalSpy opened(&running, &SingleInstance::OpenRequested);
  const std::string tooLong = "open " + std::string(HandoverReader::kMaxLineBytes, 'x') + "\n";
  for (const std::string& bytes : {tooLong + "activate\n", std::string("open /a\n")}) {
    QLocalSocket client;
    client.connectToServer(UniquePath("-c"));
    ASSERT_TRUE(client.waitForConnected(1000));
    client.write(bytes.data(), static_cast<qint64>(bytes.size()));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }, 3000))
        << "dropped";
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(opened.count(), 0);
}

TEST(SingleInstance, TheSocketLivesWhereOnlyTheUserCanEnter) {
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  const QString title = QStringLiteral("RavloTest%1").arg(QCoreApplication::applicationPid());
  const QString runtime = UniquePath("-runtime");
  QDir().mkpath(runtime);
  ::chmod(QFile::encodeName(runtime).constData(), 0700);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
  const QString name = QStringLiteral("/%1-%2.socket").arg(title).arg(::getuid());
  EXPECT_EQ(SingleInstance::SocketPath(title), runtime + name);
  // A runtime directory others may enter is not used; a private one of its own is made.
  ::chmod(QFile::encodeName(runtime).constData(), 0777);
  const QString own = QDir::tempPath() + QStringLiteral("/%1-%2").arg(title).arg(::getuid());
  EXPECT_EQ(SingleInstance::SocketPath(title), own + name);
  struct stat status {};
  ASSERT_EQ(::lstat(QFile::encodeName(own).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
  // Where that one was opened to others, no copy meets another.
  ::chmod(QFile::encodeName(own).constData(), 0755);
  EXPECT_EQ(SingleInstance::SocketPath(title), QString());
  qputenv("XDG_RUNTIME_DIR", saved);
  QDir(runtime).removeRecursively();
  QDir(own).removeRecursively();
}

}  // namespace
}  // namespace ravlo
