#include "voices/VoiceTree.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>

#include "sound/SoundView.h"
#include "voices/VoiceCatalogue.h"
#include "widgets/Buttons.h"
#include "widgets/QtText.h"

namespace ravlo {

void SetUpVoiceTree(QTreeWidget& tree) {
  tree.setColumnCount(1);
  tree.setHeaderHidden(true);
  tree.setRootIsDecorated(true);
  tree.setItemsExpandable(true);
  tree.setExpandsOnDoubleClick(true);
  tree.setSortingEnabled(false);
  tree.setSelectionMode(QAbstractItemView::SingleSelection);
  tree.setSelectionBehavior(QAbstractItemView::SelectRows);
  tree.setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree.setUniformRowHeights(true);
}

bool FillVoiceTree(QTreeWidget* tree) {
  if (tree == nullptr) return false;
  // The core already gives the display order; the tree must keep it as inserted.
  const auto categories = BuildVoiceTree();
  QList<QTreeWidgetItem*> topLevel;
  topLevel.reserve(static_cast<qsizetype>(categories.size()));
  for (const VoiceTreeCategory& category : categories) {
    auto* categoryItem = new QTreeWidgetItem(QStringList{ToQString(category.name)});
    categoryItem->setData(0, Qt::UserRole, kVoiceTreeCategoryItemData);
    for (int index : category.voices) {
      auto* voiceItem = new QTreeWidgetItem(
          categoryItem,
          QStringList{ToQString(kVoiceRecords[static_cast<std::size_t>(index)].Name())});
      voiceItem->setData(0, Qt::UserRole, index);
    }
    topLevel.append(categoryItem);
  }
  tree->addTopLevelItems(topLevel);
  return true;
}

std::optional<int> VoiceOfItem(const QTreeWidgetItem* item) {
  if (item == nullptr || item->childCount() != 0) return std::nullopt;
  bool ok = false;
  const int index = item->data(0, Qt::UserRole).toInt(&ok);
  if (!ok || index < 0 || index >= static_cast<int>(kVoiceCount)) return std::nullopt;
  return index;
}

QTreeWidgetItem* SelectedVoiceTreeItem(const QTreeWidget& tree) {
  const QList<QTreeWidgetItem*> selected = tree.selectedItems();
  return selected.isEmpty() ? nullptr : selected.first();
}

QSize DialogUnitsToPixels(const QWidget& widget, int width, int height) {
  const QFontMetrics metrics = widget.fontMetrics();
  return QSize(width * metrics.averageCharWidth() / 4, height * metrics.height() / 8);
}

VoiceBrowserControls BuildVoiceBrowser(QWidget& window, int widthUnits, int heightUnits) {
  constexpr int kMarginUnits = 7;
  constexpr int kButtonWidthUnits = 40;
  const auto button = [&window](const QString& text) {
    QPushButton* made = MakeButton(text, text, &window);
    made->setMinimumWidth(DialogUnitsToPixels(window, kButtonWidthUnits, 0).width());
    return made;
  };
  VoiceBrowserControls controls{new QTreeWidget(&window), button(QStringLiteral("OK")),
                                button(QStringLiteral("Cancel")),
                                new QCheckBox(QStringLiteral("&Audition"), &window)};
  controls.audition->setObjectName(QStringLiteral("Audition"));
  controls.audition->setToolTip(QStringLiteral("Play a short note of each voice chosen"));
  controls.audition->hide();
  controls.tree->setObjectName(QStringLiteral("VoiceTree"));
  SetUpVoiceTree(*controls.tree);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(controls.audition);
  buttons->addStretch();
  buttons->addWidget(controls.ok);
  buttons->addWidget(controls.cancel);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(&window);
  const QSize margin = DialogUnitsToPixels(window, kMarginUnits, kMarginUnits);
  layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
  layout->addWidget(controls.tree, 1);
  layout->addLayout(buttons);
  window.resize(DialogUnitsToPixels(window, widthUnits, heightUnits));
  return controls;
}

void ConnectAudition(QTreeWidget& tree, QCheckBox& box, SoundView* sound) {
  box.setVisible(sound != nullptr);
  if (sound == nullptr) return;
  box.setChecked(sound->AuditionOn());
  QObject::connect(&box, &QCheckBox::toggled, &box, [sound](bool on) { sound->SetAuditionOn(on); });
  QObject::connect(&tree, &QTreeWidget::currentItemChanged, &box,
                   [sound](QTreeWidgetItem* item, QTreeWidgetItem*) {
                     if (const std::optional<int> voice = VoiceOfItem(item))
                       sound->Audition(*voice);
                   });
}

}  // namespace ravlo
