#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QTreeWidget>

namespace ravlo::test {

// Selects the first item showing `text` as a click would, opening its category; null if none.
inline QTreeWidgetItem* SelectTreeItem(QTreeWidget& tree, const QString& text) {
  const QList<QTreeWidgetItem*> found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  EXPECT_FALSE(found.isEmpty()) << text.toStdString();
  QTreeWidgetItem* item = found.isEmpty() ? nullptr : found.first();
  if (item != nullptr && item->parent() != nullptr) item->parent()->setExpanded(true);
  tree.setCurrentItem(item);
  return item;
}

// A real double click on the item, as the mouse delivers it.
inline QTreeWidgetItem* DoubleClickTreeItem(QTreeWidget& tree, const QString& text) {
  QTreeWidgetItem* item = SelectTreeItem(tree, text);
  if (item == nullptr) return nullptr;
  tree.scrollToItem(item);
  const QPoint centre = tree.visualItemRect(item).center();
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  return item;
}

}  // namespace ravlo::test
