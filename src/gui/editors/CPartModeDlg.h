#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <cstdint>

#include "model/Indices.h"
#include "parts/PartModel.h"

class QButtonGroup;

namespace ravlo {

class XgModel;

// A part's mono/poly mode, same-key assignment and part mode (run 05 .. 07),
// one radio group each, named and captioned by the part parameter table. OK
// sends the run; a changed part mode also gives the part the voice that goes
// with the new mode.
class CPartModeDlg final : public QDialog {
  Q_OBJECT

 public:
  static constexpr std::size_t kGroupCount = 3;

  CPartModeDlg(XgModel& model, PartIndex part, QWidget* parent = nullptr);

  // The checked button's value in each group, -1 for none.
  int Selection(std::size_t group) const;
  // OK sent the run and the record took it.
  bool Stored() const { return stored_; }
  // OK changed the part mode (and the part's voice followed it).
  bool ModeChanged() const { return modeChanged_; }

  void accept() override;

 private:
  void ApplyEnabling();

  XgModel& model_;
  PartIndex part_;
  bool stored_ = false;
  bool modeChanged_ = false;
  PartModel::ModeBytes kept_{};
  std::array<QButtonGroup*, kGroupCount> groups_{};
};

}  // namespace ravlo
