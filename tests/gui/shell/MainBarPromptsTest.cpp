// The main bar with the program's own message boxes and file dialogs,
// answered as a musician would answer them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "files/FileIo.h"
#include "platform/Pauser.h"
#include "shell/MainBar.h"
#include "shell/QtPrompts.h"
#include "support/Bytes.h"
#include "support/FakeMidiBackend.h"
#include "support/MemorySettings.h"
#include "support/ModalAnswerer.h"
#include "support/QtPrinters.h"

namespace ravlo {
namespace {

// The pauses between messages are the work: which cursor is up during each.
class CursorPauser final : public Pauser {
 public:
  void Pause(unsigned) override {
    const QCursor* cursor = QApplication::overrideCursor();
    cursors.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
  }
  std::vector<Qt::CursorShape> cursors;
};

class MainBarPromptsTest : public ::testing::Test {
 protected:
  MainBarPromptsTest() {
    settings.ints["MIDIOutPort"] = 0;
    settings.ints["SendReset"] = 0;
    settings.ints["AutoSendResetOnFileOpen"] = 0;
    bar = std::make_unique<MainBar>(ShellServices{backend, prompts, settings, pauser});
    bar->show();
    bar->Start();
  }
  QTemporaryDir directory;
  test::FakeMidiBackend backend;
  QtPrompts prompts;
  test::MemorySettings settings;
  CursorPauser pauser;
  std::unique_ptr<MainBar> bar;
};

TEST_F(MainBarPromptsTest, OpeningAFileAsksUnderTheArrowAndReadsUnderTheWaitCursor) {
  // A Roland message among XG ones: the load asks what to do with it.
  const std::string path = directory.filePath("mixed.syx").toStdString();
  ASSERT_TRUE(WriteWholeFile(
                  path, test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7, 0xF0,
                                     0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7}))
                  .ok);
  bar->MarkModified();
  test::ModalAnswerer answerer([&](QWidget& modal) {
    if (auto* dialog = qobject_cast<QFileDialog*>(&modal)) {
      dialog->selectFile(QString::fromStdString(path));
      static_cast<QDialog*>(dialog)->accept();  // as the Open button does
    } else if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
      box->button(box->button(QMessageBox::No) != nullptr ? QMessageBox::No : QMessageBox::Ok)
          ->click();
    }
  });
  pauser.cursors.clear();
  bar->OpenCommand();
  const std::vector<QString> expected{"QMessageBox", "QFileDialog", "QMessageBox", "QMessageBox"};
  ASSERT_EQ(answerer.All().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const test::ModalAnswerer::Seen& seen = answerer.All()[i];
    EXPECT_EQ(seen.className, expected[i]) << i;
    EXPECT_TRUE(!seen.cursor || *seen.cursor == Qt::ArrowCursor)
        << seen.className.toStdString() << " " << seen.text.toStdString() << " under cursor "
        << *seen.cursor;
  }
  EXPECT_EQ(answerer.All()[2].text.left(34), "There were 11 bytes in 1 messages ");
  EXPECT_EQ(bar->FilePath(), QString::fromStdString(path)) << "the file was read";
  ASSERT_FALSE(pauser.cursors.empty());
  for (const Qt::CursorShape cursor : pauser.cursors) EXPECT_EQ(cursor, Qt::WaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone afterwards";
}

// The real dialogs: each says what it is for, the Open dialog comes back with
// the filter used last, and Save As offers a name.
TEST_F(MainBarPromptsTest, FileDialogsAreTitledRememberTheFilterAndSuggestAName) {
  const std::string path = directory.filePath("song.mid").toStdString();
  ASSERT_TRUE(WriteWholeFile(
                  path, test::MidiFile(test::Bytes({0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x08, 0x02,
                                                    0x0B, 0x33, 0xF7, 0x00, 0xFF, 0x2F, 0x00})))
                  .ok);
  struct Shown {
    QString title;
    QString filter;
    QString name;
  };
  std::vector<Shown> shown;
  test::ModalAnswerer answerer([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    if (dialog == nullptr) {
      // A MIDI file leaves the star: the next Open asks first.
      auto& box = static_cast<QMessageBox&>(modal);
      QAbstractButton* no = box.button(QMessageBox::No);
      (no != nullptr ? no : box.button(QMessageBox::Ok))->click();
      return;
    }
    const QStringList selected = dialog->selectedFiles();
    shown.push_back({dialog->windowTitle(), dialog->selectedNameFilter(),
                     selected.isEmpty() ? QString() : QFileInfo(selected.front()).fileName()});
    if (shown.size() == 1) {
      dialog->selectNameFilter(QStringLiteral("XG MIDI Files(*.mid)"));
      dialog->selectFile(QString::fromStdString(path));
      static_cast<QDialog*>(dialog)->accept();
    } else {
      dialog->reject();
    }
  });
  bar->OpenCommand();
  ASSERT_EQ(bar->FilePath(), QString::fromStdString(path));
  bar->OpenCommand();
  bar->SaveAsCommand();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].title, "Open File");
  EXPECT_EQ(shown[0].filter, "XG Sysex Files(*.syx)");
  EXPECT_EQ(shown[1].filter, "XG MIDI Files(*.mid)") << "the filter used last";
  EXPECT_EQ(shown[2].title, "Save As");
  EXPECT_EQ(shown[2].name, "song.syx");
}

}  // namespace
}  // namespace ravlo
