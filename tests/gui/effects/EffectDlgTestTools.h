#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "effects/EffectKind.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "widgets/EditSpinPair.h"

namespace ravlo::test {

// Drives one effect window over the fake port: opened, with nothing sent yet.
template <typename Dialog>
class EffectDlgTest : public ::testing::Test {
 protected:
  EffectDlgTest() {
    dlg.OpenWindow();
    rig.ClearSent();
  }

  template <typename Widget>
  Widget* Find(const QString& name) {
    auto* widget = dlg.template findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  EditSpinPair* Box(const QString& name) { return Find<EditSpinPair>(name); }
  QString Text(const QString& name) { return Box(name)->Edit()->text(); }
  // A field's text, after "off " while the field is disabled.
  QString Shown(const QString& name) { return (Box(name)->isEnabled() ? "" : "off ") + Text(name); }
  QString Label(const QString& name) { return Find<QLabel>(name + "Label")->text(); }
  void Type(const QString& name, const QString& text) {
    Box(name)->Edit()->setText(text);
    Box(name)->Commit();
  }
  void ChooseType(int index) { Find<QComboBox>("TypeList")->setCurrentIndex(index); }
  int Stored(EffectKind kind, int type, std::size_t slot) {
    return (*rig.model.Effects().GetEffectRow(kind, static_cast<std::size_t>(type)))[slot];
  }

  ModelRig rig;
  FakeEditorHost host;
  Dialog dlg{rig.model, host};
};

}  // namespace ravlo::test
