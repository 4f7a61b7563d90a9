#include "editors/CPartReceiveDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "editors/PartDialogHooks.h"
#include "model/XgModel.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

struct ReceiveBox {
  std::string_view name;
  std::string_view caption;
  bool drumless;  // a drum part lacks the byte: disabled, and it stays 0xFF
};

// In address order from 30.
constexpr std::array<ReceiveBox, CPartReceiveDlg::kBoxCount> kReceiveBoxes = {{
    {"PitchBend", "Pitch Bend", false},
    {"ChannelAftertouch", "Ch. AftTch", false},
    {"ProgramChange", "Prog Chg", false},
    {"ControlChange", "Control Chg", false},
    {"PolyAftertouch", "Poly AftTch", true},
    {"Note", "Note", false},
    {"Rpn", "RPN", false},
    {"Nrpn", "NRPN", false},
    {"Modulation", "Modulation", false},
    {"Volume", "Volume", false},
    {"Pan", "Pan", false},
    {"Expression", "Expression", false},
    {"Hold1", "Hold 1", false},
    {"Portamento", "Portamento", true},
    {"Sostenuto", "Sostenuto", false},
    {"SoftPedal", "Soft Pedal", true},
    {"BankSelect", "Bank Select", false},
}};

constexpr int kRowsPerColumn = 6;

}  // namespace

CPartReceiveDlg::CPartReceiveDlg(XgModel& model, int part, QWidget* parent)
    : QDialog(parent), model_(model), part_(part), drum_(model.Parts().IsDrumPart(part)) {
  setModal(true);
  setWindowTitle(QStringLiteral("Receive"));
  bytes_.fill(kNoParameter);
  model_.Parts().GetPartBytes(part_, kFirstAddress, bytes_);

  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    const ReceiveBox& entry = kReceiveBoxes[i];
    auto* box = new QCheckBox(ToQString(entry.caption), this);
    box->setObjectName(ToQString(entry.name));
    const bool absent = drum_ && entry.drumless;
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
      const bool absent = drum_ && kReceiveBoxes[i].drumless;
      bytes[i] = absent ? kNoParameter : (boxes_[i]->isChecked() ? 1 : 0);
    }
    // The run skips the 0xFF bytes, so a drum part's missing receivers never go out.
    if (model_.Parts().SetPartParameters(part_, kFirstAddress, bytes)) {
      model_.Parts().PutPartBytes(part_, kFirstAddress, bytes);
      bytes_ = bytes;
      stored_ = true;
    }
  }
  QDialog::accept();
}

}  // namespace ravlo
