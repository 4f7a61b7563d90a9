#pragma once

#include <QDialog>
#include <cstdint>

namespace ravlo {

// "About Ravlo": the version and the machine's physical memory.
class AboutDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  struct Memory {
    std::uint64_t totalBytes = 0;
    std::uint64_t availableBytes = 0;
  };
  // From the operating system; zeros where it cannot tell.
  static Memory PhysicalMemory();
  // "%lu Meg Total" (MiB, plus one) and "%lu Meg Free" (MiB).
  static QString TotalText(const Memory& memory);
  static QString FreeText(const Memory& memory);
};

}  // namespace ravlo
