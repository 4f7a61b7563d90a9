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

  ModelRig rig;
  FakeEditorHost host;
  CPartDlg window{rig.model, host};
  std::function<int(QDialog&)> answer;
  std::vector<QString> prompts;
};

}  // namespace ravlo::test
