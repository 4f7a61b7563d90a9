#include <gtest/gtest.h>

#include <QStringList>
#include <QTreeWidget>
#include <set>

#include "voices/VoiceCatalogue.h"
#include "voices/VoiceTree.h"

namespace ravlo {
namespace {

QTreeWidgetItem* Category(QTreeWidget& tree, const QString& name) {
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    if (tree.topLevelItem(i)->text(0) == name) return tree.topLevelItem(i);
  }
  return nullptr;
}

QStringList ChildTexts(const QTreeWidgetItem& item) {
  QStringList texts;
  for (int i = 0; i < item.childCount(); ++i) texts << item.child(i)->text(0);
  return texts;
}

class VoiceTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpVoiceTree(tree);
    ASSERT_TRUE(FillVoiceTree(&tree));
  }
  QTreeWidget tree;
};

TEST_F(VoiceTreeTest, CategoriesInTableOrderPianoFirstUserLast) {
  ASSERT_EQ(tree.topLevelItemCount(), 20);
  EXPECT_EQ(tree.topLevelItem(0)->text(0), "Piano");
  EXPECT_EQ(tree.topLevelItem(1)->text(0), "Chromatic Percussion");
  EXPECT_EQ(tree.topLevelItem(16)->text(0), "Drums");
  EXPECT_EQ(tree.topLevelItem(19)->text(0), "User");
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    const QTreeWidgetItem* category = tree.topLevelItem(i);
    EXPECT_EQ(category->text(0).toStdString(), kVoiceCategoryNames[static_cast<std::size_t>(i)]);
    EXPECT_EQ(category->data(0, Qt::UserRole).toInt(), 523);
    EXPECT_GE(category->childCount(), 2);
    EXPECT_FALSE(VoiceOfItem(category).has_value());
  }
  EXPECT_EQ(Category(tree, "Piano")->childCount(), 39);
  EXPECT_EQ(Category(tree, "Synth Effects")->childCount(), 56);
}

TEST_F(VoiceTreeTest, EveryVoiceOnceUnderItsCategoryWithItsIndex) {
  std::set<int> seen;
  for (int c = 0; c < tree.topLevelItemCount(); ++c) {
    const QTreeWidgetItem* category = tree.topLevelItem(c);
    for (int v = 0; v < category->childCount(); ++v) {
      const QTreeWidgetItem* voice = category->child(v);
      EXPECT_EQ(voice->childCount(), 0);
      const std::optional<int> index = VoiceOfItem(voice);
      ASSERT_TRUE(index.has_value());
      const VoiceRecord& record = kVoiceRecords[static_cast<std::size_t>(*index)];
      EXPECT_EQ(voice->text(0).toStdString(), record.Name());
      EXPECT_EQ(static_cast<int>(record.category), c);
      EXPECT_TRUE(seen.insert(*index).second) << *index;
    }
  }
  EXPECT_EQ(seen.size(), 523u);
}

TEST_F(VoiceTreeTest, CategoriesKeepTheCataloguesAlphabeticalOrder) {
  EXPECT_EQ(ChildTexts(*Category(tree, "Special FX Kit")), (QStringList{"SFX Kit1", "SFX Kit2"}));
  QStringList userSlots;
  for (int i = 1; i <= 32; ++i) userSlots << QString("UVox %1").arg(i, 2, 10, QChar('0'));
  EXPECT_EQ(ChildTexts(*Category(tree, "User")), userSlots);
  const QStringList drums = ChildTexts(*Category(tree, "Drums"));
  ASSERT_EQ(drums.size(), 9);
  EXPECT_EQ(drums.first(), "Analog");
  EXPECT_EQ(drums.last(), "StndKit2");
  const QStringList piano = ChildTexts(*Category(tree, "Piano"));
  for (int i = 1; i < piano.size(); ++i) {
    EXPECT_LE(QString::compare(piano[i - 1], piano[i], Qt::CaseInsensitive), 0) << i;
  }
  // The one name with a trailing blank keeps it.
  EXPECT_TRUE(ChildTexts(*Category(tree, "Organ")).contains("Harmo 2 "));
}

TEST(VoiceTreeItems, MissingTreeAndBadItemsAreRefused) {
  EXPECT_FALSE(FillVoiceTree(nullptr));
  EXPECT_FALSE(VoiceOfItem(nullptr).has_value());
  QTreeWidgetItem outOfRange;
  outOfRange.setData(0, Qt::UserRole, 523);
  EXPECT_FALSE(VoiceOfItem(&outOfRange).has_value());
  QTreeWidgetItem negative;
  negative.setData(0, Qt::UserRole, -1);
  EXPECT_FALSE(VoiceOfItem(&negative).has_value());
  QTreeWidgetItem noData;
  EXPECT_FALSE(VoiceOfItem(&noData).has_value());
  QTreeWidgetItem last;
  last.setData(0, Qt::UserRole, 522);
  EXPECT_EQ(VoiceOfItem(&last), 522);
}

}  // namespace
}  // namespace ravlo
