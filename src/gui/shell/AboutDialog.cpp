#include "shell/AboutDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/AppIcons.h"

#if defined(__unix__)
#include <unistd.h>
#endif

namespace ravlo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Ravlo"));
  auto* icon = new QLabel(this);
  icon->setPixmap(AppIcons::Application().pixmap(32, 32));
  auto* version = new QLabel(QStringLiteral("Ravlo Version RC4"), this);
  // The package's own version, beside the line the box always had.
  auto* package = new QLabel(QStringLiteral(RAVLO_VERSION), this);
  package->setObjectName(QStringLiteral("PackageVersion"));
  const Memory memory = PhysicalMemory();
  auto* group = new QGroupBox(QStringLiteral("Physical Memory"), this);
  auto* total = new QLabel(TotalText(memory), group);
  auto* free = new QLabel(FreeText(memory), group);
  total->setObjectName(QStringLiteral("Total"));
  free->setObjectName(QStringLiteral("Free"));
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(total);
  groupLayout->addWidget(free);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(version);
  top->addWidget(package, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(group);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

AboutDialog::Memory AboutDialog::PhysicalMemory() {
  Memory memory;
#if defined(__unix__)
  const long page = sysconf(_SC_PAGESIZE);
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long available = sysconf(_SC_AVPHYS_PAGES);
  if (page > 0 && pages > 0) memory.totalBytes = static_cast<std::uint64_t>(page) * pages;
  if (page > 0 && available > 0)
    memory.availableBytes = static_cast<std::uint64_t>(page) * available;
#endif
  return memory;
}

QString AboutDialog::TotalText(const Memory& memory) {
  return QStringLiteral("%1 Meg Total").arg((memory.totalBytes >> 20) + 1);
}

QString AboutDialog::FreeText(const Memory& memory) {
  return QStringLiteral("%1 Meg Free").arg(memory.availableBytes >> 20);
}

}  // namespace ravlo
