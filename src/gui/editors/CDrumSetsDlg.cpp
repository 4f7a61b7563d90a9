#include "editors/CDrumSetsDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>

#include "drums/DrumNoteTables.h"
#include "model/XgModel.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

// The parameter fields stand in two rows of eight, in address order.
constexpr int kFieldsPerRow = 8;

bool IsAddress(int address) {
  return address >= 0 && address < static_cast<int>(kDrumParameterCount);
}

}  // namespace

CDrumSetsDlg::CDrumSetsDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::DrumSets, QStringLiteral("Drum"), parent), model_(model) {
  BuildControls();
  Follow(model);
  ShowNote();
}

void CDrumSetsDlg::BuildControls() {
  // Set and note choose what is shown; they send nothing.
  setField_ = new EditSpinPair(this);
  setField_->setObjectName(QStringLiteral("Set"));
  setField_->SetSigned(true);
  setField_->SetRange(1, model_.IsInitialised() ? model_.Drums().Count() : kDrumSetupCount);
  setField_->SetGetter([this] { return setup_; });
  setField_->SetSetter([this](int setup) {
    setup_ = setup;
    ShowNote();
    return true;
  });
  noteField_ = new EditSpinPair(this);
  noteField_->setObjectName(QStringLiteral("Note"));
  noteField_->SetSigned(true);
  noteField_->SetRange(kFirstDrumNote, kLastDrumNote);
  noteField_->SetGetter([this] { return note_; });
  noteField_->SetSetter([this](int note) {
    note_ = note;
    ShowNote();
    return true;
  });
  noteName_ = new QLabel(this);
  noteName_->setObjectName(QStringLiteral("NoteName"));
  noteName_->setMinimumWidth(110);
  default_ = MakeButton(QStringLiteral("&Default"), QStringLiteral("Default"), this);
  // The note goes back to its kit's defaults, on the synthesizer too.
  connect(default_, &QPushButton::clicked, this, [this] {
    RecordEdit(StepName(QStringLiteral("Default")), replay::Values{}, [this] {
      if (!model_.Drums().ResetDrumNote(setup_ - 1, Note())) return false;
      Host().MarkModified();
      return true;
    });
  });

  auto* selection = new QGridLayout;
  selection->addWidget(new QLabel(QStringLiteral("Set"), this), 0, 0);
  selection->addWidget(setField_, 0, 1);
  selection->addWidget(noteField_, 1, 1);
  selection->addWidget(noteName_, 2, 0, 1, 2);
  selection->addWidget(default_, 3, 0, 1, 2);

  auto* parameters = new QGridLayout;
  for (int address = 0; address < static_cast<int>(kDrumParameterCount); ++address) {
    const ParameterDescriptor& info = kDrumParameters[static_cast<std::size_t>(address)];
    auto* field = new EditSpinPair(this);
    field->Describe(info);
    field->SetSigned(true);  // every box here reads a sign
    field->SetGetter([this, address] { return ShownParameter(address); });
    field->SetSetter([this, address, label = ToQString(info.label)](int shown) {
      return RecordEdit(StepName(label), replay::Values{}, [&] {
        if (!model_.Drums().SetDrumValue(setup_ - 1, Note(), address, shown)) return false;
        Host().MarkModified();
        return true;
      });
    });
    fields_[static_cast<std::size_t>(address)] = field;
    // Each field with its label under it.
    const int row = (address / kFieldsPerRow) * 2;
    const int column = address % kFieldsPerRow;
    parameters->addWidget(field, row, column);
    parameters->addWidget(new QLabel(ToQString(info.label), this), row + 1, column,
                          Qt::AlignHCenter);
  }

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(selection);
  layout->addLayout(parameters);
}

void CDrumSetsDlg::ShowNote() {
  if (!model_.IsInitialised()) return;
  // The instrument decides how many setups there are.
  const int setups = model_.Drums().Count();
  setField_->SetRange(1, setups);
  setup_ = std::clamp(setup_, 1, setups);
  setField_->Refresh();
  noteField_->Refresh();
  for (EditSpinPair* field : fields_) field->Refresh();
  noteName_->setText(ToQString(model_.Drums().DrumNoteName(setup_ - 1, Note())));
  SetSelectionCaption(KitName());
}

void CDrumSetsDlg::WindowStart() {
  ShowNote();
}

void CDrumSetsDlg::ShowChange(const ModelChange& change) {
  // Any setup's notice: the setups there are may have changed with it.
  if (change.block == ModelBlock::Drum) ShowNote();
}

QString CDrumSetsDlg::StepName(const QString& what) const {
  return QStringLiteral("Drum Setup %1 Note %2 %3").arg(setup_).arg(note_).arg(what);
}

QString CDrumSetsDlg::KitName() const {
  return model_.IsInitialised() ? ToQString(model_.Drums().DrumKitName(setup_ - 1)) : QString();
}

int CDrumSetsDlg::ShownParameter(int address) const {
  if (!IsAddress(address) || !model_.IsInitialised()) return 0;
  return model_.Drums().DrumValue(setup_ - 1, Note(), address).value_or(0);
}

EditSpinPair* CDrumSetsDlg::ParameterField(int address) {
  return IsAddress(address) ? fields_[static_cast<std::size_t>(address)] : nullptr;
}

}  // namespace ravlo
