#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <cstdint>

#include "model/Indices.h"

class QCheckBox;

namespace ravlo {

class XgModel;

// Which messages a part receives: one box per byte of the run 30 .. 40,
// captioned by the part parameter table.
// Nothing is sent while the dialog is open; OK sends the run if a box was
// clicked.
class CPartReceiveDlg final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFirstAddress = 0x30;
  static constexpr std::size_t kBoxCount = 17;

  CPartReceiveDlg(XgModel& model, PartIndex part, QWidget* parent = nullptr);

  // A box was clicked.
  bool Changed() const { return changed_; }
  // OK sent the run and the record took it.
  bool Stored() const { return stored_; }

  void accept() override;

 private:
  XgModel& model_;
  PartIndex part_;
  bool changed_ = false;
  bool stored_ = false;
  std::array<std::uint8_t, kBoxCount> bytes_{};
  std::array<QCheckBox*, kBoxCount> boxes_{};
};

}  // namespace ravlo
