#pragma once

#include <QPoint>
#include <QString>
#include <QTest>
#include <QTreeWidget>

namespace ravlo::test {

inline QTreeWidgetItem* FindTreeItem(QTreeWidget& tree, const QString& text) {
  const QList<QTreeWidgetItem*> found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.first();
}

// Selects as a click would, opening the item's category so it can be seen.
inline void SelectTreeItem(QTreeWidget& tree, QTreeWidgetItem* item) {
  if (item->parent() != nullptr) item->parent()->setExpanded(true);
  tree.setCurrentItem(item);
}

// A real double click on the item, as the mouse delivers it.
inline void DoubleClickTreeItem(QTreeWidget& tree, QTreeWidgetItem* item) {
  if (item->parent() != nullptr) item->parent()->setExpanded(true);
  tree.scrollToItem(item);
  const QPoint centre = tree.visualItemRect(item).center();
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

}  // namespace ravlo::test
