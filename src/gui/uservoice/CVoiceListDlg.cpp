#include "uservoice/CVoiceListDlg.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "uservoice/UserVoiceModel.h"

namespace ravlo {

CVoiceListDlg::CVoiceListDlg(UserVoiceModel& voices, UserBank bank, QWidget* parent)
    : QDialog(parent), voices_(voices), bank_(bank), list_(new QListWidget(this)) {
  setWindowTitle(bank == UserBank::Bank ? QStringLiteral("Bank") : QStringLiteral("Virtual Bank"));
  setModal(true);
  list_->setObjectName(QStringLiteral("VoiceList"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  // The names are fixed-width columns of the voice data.
  list_->setFont(QFont(QStringLiteral("monospace")));
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  ok->setObjectName(QStringLiteral("OK"));
  cancel->setObjectName(QStringLiteral("Cancel"));
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

bool CVoiceListDlg::Fill() {
  list_->clear();
  const std::vector<std::string> lines = voices_.ListUserVoices(bank_);
  if (lines.size() != static_cast<std::size_t>(kUserVoicesPerBank)) return false;
  for (const std::string& line : lines) list_->addItem(QString::fromStdString(line));
  return list_->count() == kUserVoicesPerBank;
}

std::optional<int> CVoiceListDlg::Selection() const {
  const int row = list_->currentRow();
  const bool selected =
      row >= 0 && list_->currentItem() != nullptr && list_->currentItem()->isSelected();
  if (!selected || !UserVoiceBanks::IsVoiceNumber(row)) return std::nullopt;
  return row;
}

}  // namespace ravlo
