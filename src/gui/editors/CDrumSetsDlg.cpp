#include "editors/CDrumSetsDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
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

// An object name for a field from its label: "Flt Res." -> "FltRes".
QString FieldName(std::string_view label) {
  QString name;
  for (char c : label) {
    if (c != ' ' && c != '.') name += QLatin1Char(c);
  }
  return name;
}

bool IsAddress(int address) {
  return address >= 0 && address < static_cast<int>(kDrumParameterCount);
}

}  // namespace

CDrumSetsDlg::CDrumSetsDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::DrumSets, QStringLiteral("Drum"), parent), model_(model) {
  BuildControls();
  LoadNote();
  ShowNote();
}

void CDrumSetsDlg::BuildControls() {
  // Set and note choose what is shown; they send nothing.
  setField_ = new EditSpinPair(this);
  setField_->setObjectName(QStringLiteral("Set"));
  setField_->SetSigned(true);
  setField_->SetRange(1, model_.IsInitialised() ? model_.Drums().Count() : kDrumSetupCount);
  setField_->SetSetter([this](int setup) {
    setup_ = setup;
    LoadNote();
    ShowNote();
    return true;
  });
  noteField_ = new EditSpinPair(this);
  noteField_->setObjectName(QStringLiteral("Note"));
  noteField_->SetSigned(true);
  noteField_->SetRange(kFirstDrumNote, kLastDrumNote);
  noteField_->SetSetter([this](int note) {
    note_ = note;
    LoadNote();
    ShowNote();
    return true;
  });
  noteName_ = new QLabel(this);
  noteName_->setObjectName(QStringLiteral("NoteName"));
  noteName_->setMinimumWidth(110);
  default_ = MakeButton(QStringLiteral("&Default"), QStringLiteral("Default"), this);
  connect(default_, &QPushButton::clicked, this, &CDrumSetsDlg::RestoreNoteDefaults);

  auto* selection = new QGridLayout;
  selection->addWidget(new QLabel(QStringLiteral("Set"), this), 0, 0);
  selection->addWidget(setField_, 0, 1);
  selection->addWidget(noteField_, 1, 1);
  selection->addWidget(noteName_, 2, 0, 1, 2);
  selection->addWidget(default_, 3, 0, 1, 2);

  auto* parameters = new QGridLayout;
  for (int address = 0; address < static_cast<int>(kDrumParameterCount); ++address) {
    const DrumParameterInfo& info = kDrumParameters[static_cast<std::size_t>(address)];
    auto* field = new EditSpinPair(this);
    field->setObjectName(FieldName(info.label));
    field->SetSigned(true);
    field->SetRange(info.displayMinimum, info.displayMaximum);
    field->SetSetter([this, address](int shown) { return TakeParameter(address, shown); });
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

bool CDrumSetsDlg::TakeParameter(int address, int shown) {
  const DrumParameterInfo& info = kDrumParameters[static_cast<std::size_t>(address)];
  const std::uint8_t byte = DrumByteFromDisplay(info.display, shown);
  const int setup = setup_ - 1;
  const int noteIndex = note_ - kFirstDrumNote;
  if (!model_.Drums().SetDrumParameter(setup, noteIndex, address, byte)) return false;
  model_.Drums().PutDrumParameter(address, noteIndex, setup, byte);
  shown_[static_cast<std::size_t>(address)] = shown;
  Host().MarkModified();
  return true;
}

void CDrumSetsDlg::RestoreNoteDefaults() {
  // Only the image goes back: the synthesizer keeps the edited sound until
  // the next send.
  if (!model_.Drums().ResetDrumNote(setup_ - 1, note_ - kFirstDrumNote)) return;
  LoadNote();
  ShowNote();
  Host().MarkModified();
}

void CDrumSetsDlg::LoadNote() {
  if (!model_.IsInitialised()) return;
  const DrumModel& drums = model_.Drums();
  const int setup = setup_ - 1;
  const int noteIndex = note_ - kFirstDrumNote;
  DrumParameterBytes bytes{};
  if (drums.GetDrumNote(setup, noteIndex, bytes)) {
    for (std::size_t address = 0; address < kDrumParameterCount; ++address) {
      shown_[address] = DrumDisplayValue(kDrumParameters[address].display, bytes[address]);
    }
  }
  noteNameText_ = ToQString(drums.DrumNoteName(setup, noteIndex));
  kitName_ = ToQString(drums.DrumKitName(setup));
}

void CDrumSetsDlg::ShowNote() {
  setField_->SetValue(setup_);
  noteField_->SetValue(note_);
  for (std::size_t address = 0; address < kDrumParameterCount; ++address) {
    fields_[address]->SetValue(shown_[address]);
  }
  noteName_->setText(noteNameText_);
  SetSelectionCaption(kitName_);
}

void CDrumSetsDlg::WindowStart() {
  RefreshFromModel();
}

void CDrumSetsDlg::RefreshFromModel() {
  LoadNote();
  ShowNote();
}

int CDrumSetsDlg::ShownParameter(int address) const {
  return IsAddress(address) ? shown_[static_cast<std::size_t>(address)] : 0;
}

EditSpinPair* CDrumSetsDlg::ParameterField(int address) {
  return IsAddress(address) ? fields_[static_cast<std::size_t>(address)] : nullptr;
}

}  // namespace ravlo
