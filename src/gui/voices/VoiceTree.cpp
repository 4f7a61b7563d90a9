#include "voices/VoiceTree.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "sound/SoundView.h"
#include "voices/VoiceCatalogue.h"
#include "voices/VoiceSearch.h"
#include "widgets/Buttons.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

// The arrow and page keys in the search box move in the tree below it, so
// that a voice found can be reached without leaving the box.
class SearchKeysToTree final : public QObject {
 public:
  SearchKeysToTree(QTreeWidget& tree, QObject* parent) : QObject(parent), tree_(tree) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
          QCoreApplication::sendEvent(&tree_, event);
          return true;
        default:
          break;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QTreeWidget& tree_;
};

QTreeWidgetItem* VoiceItem(const QTreeWidget& tree, int voice) {
  for (int c = 0; c < tree.topLevelItemCount(); ++c) {
    QTreeWidgetItem* category = tree.topLevelItem(c);
    for (int v = 0; v < category->childCount(); ++v) {
      if (VoiceOfItem(category->child(v)) == voice) return category->child(v);
    }
  }
  return nullptr;
}

}  // namespace

void SetUpVoiceTree(QTreeWidget& tree) {
  tree.setColumnCount(4);
  tree.setHeaderLabels({QStringLiteral("Voice"), QStringLiteral("MSB"), QStringLiteral("LSB"),
                        QStringLiteral("Program")});
  tree.header()->setStretchLastSection(false);
  tree.header()->setSectionResizeMode(kVoiceNameColumn, QHeaderView::Stretch);
  for (int column : {kBankMsbColumn, kBankLsbColumn, kProgramColumn})
    tree.header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  tree.setRootIsDecorated(true);
  tree.setItemsExpandable(true);
  tree.setExpandsOnDoubleClick(true);
  tree.setSortingEnabled(false);
  tree.setSelectionMode(QAbstractItemView::SingleSelection);
  tree.setSelectionBehavior(QAbstractItemView::SelectRows);
  tree.setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree.setUniformRowHeights(true);
}

bool FillVoiceTree(QTreeWidget* tree, InstrumentModel instrument) {
  if (tree == nullptr) return false;
  // The core already gives the display order; the tree must keep it as inserted.
  const auto categories = BuildVoiceTree(instrument);
  QList<QTreeWidgetItem*> topLevel;
  topLevel.reserve(static_cast<qsizetype>(categories.size()));
  const QFontMetrics metrics(tree->font());
  int widestName = 0;
  for (const VoiceTreeCategory& category : categories) {
    auto* categoryItem = new QTreeWidgetItem(QStringList{ToQString(category.name)});
    categoryItem->setData(0, Qt::UserRole, kVoiceTreeCategoryItemData);
    for (int index : category.voices) {
      const VoiceRecord& voice = *CatalogueVoice(index);
      widestName = std::max(widestName, metrics.horizontalAdvance(ToQString(voice.Name())));
      auto* voiceItem = new QTreeWidgetItem(
          categoryItem,
          QStringList{ToQString(voice.Name()), QString::number(voice.bankMsb),
                      QString::number(voice.bankLsb), QString::number(voice.program)});
      voiceItem->setData(0, Qt::UserRole, index);
      for (int column : {kBankMsbColumn, kBankLsbColumn, kProgramColumn})
        voiceItem->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    topLevel.append(categoryItem);
  }
  tree->addTopLevelItems(topLevel);
  // Every name shows whole: the later instruments' names run to 31 letters, and the window grows
  // for them.
  int width = widestName + 3 * tree->indentation() + 2 * tree->frameWidth() +
              tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (int column : {kBankMsbColumn, kBankLsbColumn, kProgramColumn})
    width += tree->header()->sectionSizeHint(column);
  tree->setMinimumWidth(width);
  return true;
}

std::optional<int> VoiceOfItem(const QTreeWidgetItem* item) {
  if (item == nullptr || item->childCount() != 0) return std::nullopt;
  bool ok = false;
  const int index = item->data(0, Qt::UserRole).toInt(&ok);
  if (!ok || CatalogueVoice(index) == nullptr) return std::nullopt;
  return index;
}

QTreeWidgetItem* SelectedVoiceTreeItem(const QTreeWidget& tree) {
  const QList<QTreeWidgetItem*> selected = tree.selectedItems();
  return selected.isEmpty() ? nullptr : selected.first();
}

void FilterVoiceTree(QTreeWidget& tree, const QString& query) {
  const std::string typed = query.toStdString();
  const bool filtering = !query.trimmed().isEmpty();
  QTreeWidgetItem* first = nullptr;
  for (int c = 0; c < tree.topLevelItemCount(); ++c) {
    QTreeWidgetItem* category = tree.topLevelItem(c);
    bool any = false;
    for (int v = 0; v < category->childCount(); ++v) {
      QTreeWidgetItem* item = category->child(v);
      const std::optional<int> voice = VoiceOfItem(item);
      const bool found = voice && VoiceMatches(*CatalogueVoice(*voice), typed);
      item->setHidden(!found);
      if (found && first == nullptr) first = item;
      any = any || found;
    }
    category->setHidden(filtering && !any);
    if (filtering && any) category->setExpanded(true);
  }
  QTreeWidgetItem* selected = SelectedVoiceTreeItem(tree);
  if (filtering && first != nullptr) {
    tree.setCurrentItem(first);
    tree.scrollToItem(first);
  } else if (selected != nullptr && selected->isHidden()) {
    tree.clearSelection();
  }
}

void MarkVoiceInUse(QTreeWidget& tree, std::optional<int> voice) {
  for (int c = 0; c < tree.topLevelItemCount(); ++c) {
    QTreeWidgetItem* category = tree.topLevelItem(c);
    for (int v = 0; v < category->childCount(); ++v) {
      QTreeWidgetItem* item = category->child(v);
      const bool inUse = voice && VoiceOfItem(item) == voice;
      if (item->font(kVoiceNameColumn).bold() == inUse) continue;
      QFont font = item->font(kVoiceNameColumn);
      font.setBold(inUse);
      item->setFont(kVoiceNameColumn, font);
    }
  }
}

void OpenTreeAtVoice(QTreeWidget& tree, std::optional<int> voice) {
  MarkVoiceInUse(tree, voice);
  QTreeWidgetItem* item = voice ? VoiceItem(tree, *voice) : nullptr;
  if (item == nullptr) return;
  item->parent()->setExpanded(true);
  tree.setCurrentItem(item, kVoiceNameColumn, QItemSelectionModel::NoUpdate);
  // Again once the window is laid out: only then does the middle lie where it shows.
  QTreeWidget* view = &tree;
  const auto centre = [view] {
    if (QTreeWidgetItem* current = view->currentItem())
      view->scrollToItem(current, QAbstractItemView::PositionAtCenter);
  };
  centre();
  QTimer::singleShot(0, view, centre);
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
  VoiceBrowserControls controls{new QLineEdit(&window), new QTreeWidget(&window),
                                button(QStringLiteral("OK")), button(QStringLiteral("Cancel")),
                                new QCheckBox(QStringLiteral("&Audition"), &window)};
  controls.audition->setObjectName(QStringLiteral("Audition"));
  controls.audition->setToolTip(QStringLiteral("Play a short note of each voice chosen"));
  controls.audition->hide();
  controls.tree->setObjectName(QStringLiteral("VoiceTree"));
  SetUpVoiceTree(*controls.tree);
  controls.search->setObjectName(QStringLiteral("VoiceSearch"));
  controls.search->setPlaceholderText(QStringLiteral("name or numbers"));
  // The hint reads in the colour of a disabled value, which shows on the edit background.
  QPalette hint = controls.search->palette();
  hint.setColor(QPalette::PlaceholderText, hint.color(QPalette::Disabled, QPalette::Text));
  controls.search->setPalette(hint);
  controls.search->setClearButtonEnabled(true);
  controls.search->installEventFilter(new SearchKeysToTree(*controls.tree, controls.search));
  QTreeWidget* tree = controls.tree;
  QObject::connect(controls.search, &QLineEdit::textChanged, tree,
                   [tree](const QString& query) { FilterVoiceTree(*tree, query); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(controls.audition);
  buttons->addStretch();
  buttons->addWidget(controls.ok);
  buttons->addWidget(controls.cancel);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(&window);
  const QSize margin = DialogUnitsToPixels(window, kMarginUnits, kMarginUnits);
  layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
  auto* searchRow = new QHBoxLayout;
  auto* searchLabel = new QLabel(QStringLiteral("&Search"), &window);
  searchLabel->setBuddy(controls.search);
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(controls.search, 1);
  layout->addLayout(searchRow);
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
