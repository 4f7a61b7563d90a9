#include "voices/CChannelVoiceDlg.h"

#include <QColor>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>

#include "model/XgModel.h"
#include "voices/VoiceCatalogue.h"
#include "voices/VoiceTree.h"

namespace ravlo {

namespace {

// Template size in dialog units, widened for the bank and program columns.
constexpr int kChannelBrowserWidthUnits = 195;
constexpr int kChannelBrowserHeightUnits = 180;

// The window's own large icon: a beamed pair of notes over a keyboard strip.
QIcon BrowserIcon(const QPalette& palette) {
  constexpr int kSize = 32;
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor ink = palette.color(QPalette::WindowText);
  painter.setPen(QPen(ink, 1));
  painter.setBrush(palette.color(QPalette::Base));
  painter.drawRect(2, 22, 27, 8);
  for (int x = 6; x < 29; x += 4) painter.drawLine(x, 22, x, 30);
  painter.setBrush(ink);
  painter.drawEllipse(QRectF(6, 13, 7, 5));
  painter.drawEllipse(QRectF(19, 10, 7, 5));
  painter.setPen(QPen(ink, 2));
  painter.drawLine(QPointF(12.5, 15), QPointF(12.5, 3));
  painter.drawLine(QPointF(25.5, 12), QPointF(25.5, 1));
  painter.setPen(QPen(ink, 3));
  painter.drawLine(QPointF(12.5, 3.5), QPointF(25.5, 1.5));
  painter.end();
  return QIcon(pixmap);
}

}  // namespace

CChannelVoiceDlg::CChannelVoiceDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::ChannelVoice, "Channel Voice", parent), model_(model) {
  setObjectName("ChannelVoiceDlg");
  const VoiceBrowserControls controls =
      BuildVoiceBrowser(*this, kChannelBrowserWidthUnits, kChannelBrowserHeightUnits);
  search_ = controls.search;
  tree_ = controls.tree;
  ok_ = controls.ok;
  cancel_ = controls.cancel;
  audition_ = controls.audition;

  connect(ok_, &QPushButton::clicked, this, &CChannelVoiceDlg::OkPressed);
  connect(cancel_, &QPushButton::clicked, this, &CChannelVoiceDlg::CloseWindow);
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, &CChannelVoiceDlg::ItemDoubleClicked);
  Follow(model);
}

std::optional<int> CChannelVoiceDlg::VoiceInUse() {
  if (!model_.IsInitialised()) return std::nullopt;
  const ChannelVoice voice = model_.Channels().Voice(Host().ControllersChannel());
  const int index =
      FindVoice(voice.program, voice.bankMsb, voice.bankLsb, model_, model_.Instrument()).index;
  return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

void CChannelVoiceDlg::WindowStart() {
  // Rebuilt on every opening; a fill that stops short still leaves a usable window.
  search_->clear();
  tree_->clear();
  FillVoiceTree(tree_, model_.Instrument());
  OpenTreeAtVoice(*tree_, VoiceInUse());
  search_->setFocus();
  setWindowIcon(BrowserIcon(palette()));
}

void CChannelVoiceDlg::ShowChange(const ModelChange& change) {
  if (change.Concerns(ModelBlock::Channel, Host().ControllersChannel().Index()))
    MarkVoiceInUse(*tree_, VoiceInUse());
}

bool CChannelVoiceDlg::ApplySelection() {
  const std::optional<int> voice = VoiceOfItem(SelectedVoiceTreeItem(*tree_));
  if (!voice) return false;
  Host().ChannelVoiceSelected(*voice);
  return true;
}

void CChannelVoiceDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    EnterPressed();
    return;
  }
  EditorDialog::keyPressEvent(event);
}

void CChannelVoiceDlg::EnterPressed() {
  QTreeWidgetItem* item = SelectedVoiceTreeItem(*tree_);
  if (item == nullptr) return;
  if (item->childCount() != 0) {
    item->setExpanded(!item->isExpanded());
    return;
  }
  ApplySelection();  // the window stays open for the next try
}

void CChannelVoiceDlg::OkPressed() {
  ApplySelection();
  CloseWindow();
}

void CChannelVoiceDlg::ItemDoubleClicked(QTreeWidgetItem* /*item*/, int /*column*/) {
  // A category opens or closes by the tree's own handling; the selection decides the rest.
  ApplySelection();
}

void CChannelVoiceDlg::SetSound(SoundView* sound) {
  ConnectAudition(*tree_, *audition_, sound);
}

}  // namespace ravlo
