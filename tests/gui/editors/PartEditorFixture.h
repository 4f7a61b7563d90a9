#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "editors/CPartDlg.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "widgets/EditSpinPair.h"

namespace ravlo::test {

// The Part window over the fake backend; its modal dialogs are answered by
// `answer` (Cancel when none is set) and its prompts are recorded.
class PartEditorFixture : public ::testing::Test {
 protected:
  PartEditorFixture() {
    window.SetModalRunner([this](QDialog& dialog) {
      ++dialogsRun;
      if (!answer) return static_cast<int>(QDialog::Rejected);
      return answer(dialog);
    });
    window.SetMessageShower([this](const QString& text) { prompts.push_back(text); });
    rig.ClearSent();
  }

  template <typename T = QWidget>
  static T* Child(const QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  static void Type(EditSpinPair* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    field->Edit()->setText(text);
    field->Commit();
  }

  // Presses a button of the Part window.
  void Press(const char* name) {
    QPushButton* button = Child<QPushButton>(window, name);
    ASSERT_NE(button, nullptr);
    button->click();
  }

  static int Ok(QDialog& dialog) {
    Child<QPushButton>(dialog, "Ok")->click();
    return dialog.result();
  }
  static int Cancel(QDialog& dialog) {
    Child<QPushButton>(dialog, "Cancel")->click();
    return dialog.result();
  }

  // One 9-byte multi part parameter change (unit 0).
  static std::vector<std::uint8_t> Change(int part, int address, int value) {
    return Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, part, address, value, 0xF7});
  }
  static std::vector<std::uint8_t> Pair(int part, int address, int first, int second) {
    return Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, part, address, first, second, 0xF7});
  }

  const std::vector<std::vector<std::uint8_t>>& Messages() const { return rig.backend.pieces; }

  std::uint8_t Byte(int part, int address) const {
    std::uint8_t value = 0;
    EXPECT_TRUE(rig.model.Parts().GetPartByte(part, address, value));
    return value;
  }

  ModelRig rig;
  FakeEditorHost host;
  CPartDlg window{rig.model, host};
  std::function<int(QDialog&)> answer;
  int dialogsRun = 0;
  std::vector<QString> prompts;
};

}  // namespace ravlo::test
