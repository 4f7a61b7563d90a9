#include "editors/CPartReceiveDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "editors/PartDialogHooks.h"
#include "model/XgModel.h"
#include "parts/PartParameterTable.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

constexpr int kRowsPerColumn = 6;

int Address(std::size_t box) {
  return static_cast<int>(CPartReceiveDlg::kFirstAddress + box);
}

const ParameterDescriptor& BoxParameter(std::size_t box) {
  return kPartParameters[static_cast<std::size_t>(Address(box))].parameter;
}

}  // namespace

CPartReceiveDlg::CPartReceiveDlg(XgModel& model, PartIndex part, QWidget* parent)
    : QDialog(parent), model_(model), part_(part) {
  setModal(true);
  setWindowTitle(QStringLiteral("Part %1 Receive").arg(part_.Number()));
  bytes_.fill(kNoParameter);
  model_.Parts().GetPartBytes(part_, kFirstAddress, bytes_);

  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    const ParameterDescriptor& parameter = BoxParameter(i);
    auto* box = new QCheckBox(ToQString(parameter.label), this);
    box->setObjectName(ToQString(parameter.name));
    // A part that lacks the byte has the box disabled, and the byte stays 0xFF.
    const bool absent = !model_.Parts().HasParameter(part_, Address(i));
    box->setEnabled(!absent);
    // The first box shows only a 1 as ticked; the others any value but 0.
    if (!absent) box->setChecked(i == 0 ? bytes_[i] == 1 : bytes_[i] != 0);
    connect(box, &QCheckBox::clicked, this, [this] { changed_ = true; });
    const int index = static_cast<int>(i);
    grid->addWidget(box, index % kRowsPerColumn, index / kRowsPerColumn);
    boxes_[i] = box;
  }

  FinishPartDialog(*this, grid);
}

void CPartReceiveDlg::accept() {
  if (changed_) {
    std::array<std::uint8_t, kBoxCount> bytes{};
    for (std::size_t i = 0; i < kBoxCount; ++i) {
      const bool absent = !model_.Parts().HasParameter(part_, Address(i));
      bytes[i] = absent ? kNoParameter : (boxes_[i]->isChecked() ? 1 : 0);
    }
    // The run skips the 0xFF bytes, so a drum part's missing receivers never go out.
    stored_ = model_.Parts().SetPartParameters(part_, kFirstAddress, bytes);
    if (stored_) bytes_ = bytes;
  }
  QDialog::accept();
}

}  // namespace ravlo
