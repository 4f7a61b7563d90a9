#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QStringList>
#include <QTreeWidget>
#include <map>
#include <set>

#include "voices/ExtendedVoiceData.h"
#include "voices/VoiceCatalogue.h"
#include "voices/VoiceTree.h"

namespace ravlo {
namespace {

TEST(VoiceTreeTest, HoldsTheCategoriesInOrderAndEveryVoiceOnceUnderItsOwnWithItsIndex) {
  QTreeWidget tree;
  ASSERT_TRUE(FillVoiceTree(&tree, InstrumentModel::Extended));
  ASSERT_EQ(tree.topLevelItemCount(), static_cast<int>(kVoiceCategoryCount));
  EXPECT_EQ(tree.topLevelItem(0)->text(0), "Piano");
  EXPECT_EQ(tree.topLevelItem(tree.topLevelItemCount() - 1)->text(0), "User");
  std::set<int> seen;
  std::map<QString, QStringList> names;  // under each category, in the tree's order
  for (int c = 0; c < tree.topLevelItemCount(); ++c) {
    const QTreeWidgetItem* category = tree.topLevelItem(c);
    EXPECT_EQ(category->text(0).toStdString(), kVoiceCategoryNames[static_cast<std::size_t>(c)]);
    EXPECT_FALSE(VoiceOfItem(category).has_value());
    for (int v = 0; v < category->childCount(); ++v) {
      const std::optional<int> index = VoiceOfItem(category->child(v));
      ASSERT_TRUE(index.has_value()) << c << " " << v;
      const VoiceRecord& record = *CatalogueVoice(*index);
      EXPECT_EQ(category->child(v)->text(0).toStdString(), record.Name());
      EXPECT_EQ(static_cast<int>(record.category), c);
      EXPECT_TRUE(seen.insert(*index).second) << *index;
      names[category->text(0)] << category->child(v)->text(0);
    }
  }
  EXPECT_EQ(seen.size(), kVoiceCount + kExtendedVoiceCount);
  EXPECT_GT(tree.minimumWidth(),
            QFontMetrics(tree.font()).horizontalAdvance("Synth Brass with Sub Oscillator"))
      << "the longest name shows whole";
  EXPECT_EQ(names["Special FX Kit"].first(), "Arabic Kit");
  QStringList userSlots;
  for (int i = 1; i <= 32; ++i) userSlots << QString("UVox %1").arg(i, 2, 10, QChar('0'));
  EXPECT_EQ(names["User"], userSlots);
}

TEST(VoiceTreeTest, AMissingTreeAndItemsWithoutAVoiceAreRefused) {
  EXPECT_FALSE(FillVoiceTree(nullptr, InstrumentModel::Basic) || VoiceOfItem(nullptr).has_value());
  QTreeWidgetItem item;
  EXPECT_FALSE(VoiceOfItem(&item).has_value());  // no data
  for (int data : {-1, static_cast<int>(kVoiceCount)}) {
    item.setData(0, Qt::UserRole, data);
    EXPECT_FALSE(VoiceOfItem(&item).has_value()) << data;
  }
}

}  // namespace
}  // namespace ravlo
