#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <vector>

#include "editors/CPartDlg.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "support/TypedIndices.h"
#include "widgets/EditSpinPair.h"

namespace ravlo::test {

// The open Part window over the fake backend; its modal dialogs are answered by
// `answer` (Cancel when none is set) and its prompts are recorded.
class PartEditorFixture : public ::testing::Test {
 protected:
  PartEditorFixture() {
    window.SetModalRunner([this](QDialog& dialog) {
      return answer ? answer(dialog) : static_cast<int>(QDialog::Rejected);
    });
    window.SetMessageShower([this](const QString& text) { prompts.push_back(text); });
    // Open, as a closed window does not redraw on the model's notices.
    window.OpenWindow();
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
  void Press(const char* name) { Child<QPushButton>(window, name)->click(); }
  static int Ok(QDialog& dialog) {
    Child<QPushButton>(dialog, "Ok")->click();
    return dialog.result();
  }

  using Sent = std::vector<std::vector<std::uint8_t>>;
  // Multi part parameter changes of one and two data bytes.
  static std::vector<std::uint8_t> Change(int part, int address, int value) {
    return Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, part, address, value, 0xF7});
  }
  static std::vector<std::uint8_t> Pair(int part, int address, int first, int second) {
    return Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, part, address, first, second, 0xF7});
  }
  const Sent& Messages() const { return rig.backend.pieces; }
  std::uint8_t Byte(int part, int address) const {
    std::uint8_t value = 0;
    EXPECT_TRUE(rig.model.Parts().GetPartByte(PartAt(part), address, value));
    return value;
  }
  // As a file would put it: stored, nothing sent.
  void Put(int part, int address, std::uint8_t value) {
    const std::uint8_t bytes[] = {value};
    ASSERT_TRUE(rig.model.Parts().StorePartBytes(PartAt(part), address, bytes));
  }

  ModelRig rig;
  FakeEditorHost host;
  CPartDlg window{rig.model, host};
  std::function<int(QDialog&)> answer;
  std::vector<QString> prompts;
};

}  // namespace ravlo::test
