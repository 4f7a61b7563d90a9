#include "effects/CVariationDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "effects/EffectLookups.h"
#include "effects/EffectModel.h"
#include "model/XgModel.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"
#include "widgets/WaitCursor.h"

namespace ravlo {
namespace {

constexpr int kDefaultType = static_cast<int>(VariationType::DelayLcr);
constexpr int kAmpSimulatorType = static_cast<int>(VariationType::AmpSimulator);
constexpr std::size_t kAmpTypeParam = 1;  // Param 2
// With a system connection the return does the mixing: Param 10 (Dry-Wet)
// has no use.
constexpr std::size_t kDryWetParam = 9;  // Param 10
constexpr int kMaxSettingValue = 127;
constexpr std::size_t kConnectionSetting = static_cast<std::size_t>(VariationSetting::Connection);
constexpr std::size_t kPartSetting = static_cast<std::size_t>(VariationSetting::Part);

// One settings field: which VariationSettings byte it edits, its label, and
// whether it only means something with a system connection.
struct SettingField {
  VariationSetting setting;
  const char* label;
  const char* name;
  bool systemOnly;
};

constexpr std::array<SettingField, CVariationDlg::kShownSettingCount> kSettingFields{{
    {VariationSetting::Return, "Return", "Return", true},
    {VariationSetting::Pan, "Pan", "Pan", true},
    {VariationSetting::SendToReverb, "To Reverb", "ToReverb", true},
    {VariationSetting::SendToChorus, "To Chorus", "ToChorus", true},
    {VariationSetting::ModDepth, "Mod Depth", "ModDepth", false},
    {VariationSetting::BendDepth, "Bend Dpth", "BendDepth", false},
    {VariationSetting::CatDepth, "CAT Depth", "CatDepth", false},
    {VariationSetting::Ac1Depth, "AC1 Depth", "Ac1Depth", false},
    {VariationSetting::Ac2Depth, "AC2 Depth", "Ac2Depth", false},
}};
static_assert(kSettingFields.size() == CVariationDlg::kShownSettingCount);

std::size_t SettingIndex(VariationSetting setting) {
  return static_cast<std::size_t>(setting);
}

}  // namespace

CVariationDlg::CVariationDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::Variation, QStringLiteral("Variation"), parent),
      model_(model),
      type_(kDefaultType) {
  BuildWindow();
  LoadRowToDisplay();
}

void CVariationDlg::BuildWindow() {
  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  outer->addLayout(grid);

  typeList_ = new QComboBox(this);
  typeList_->setObjectName("TypeList");
  grid->addWidget(typeList_, 0, 0);
  connect(typeList_, &QComboBox::currentIndexChanged, this, &CVariationDlg::OnTypeChosen);

  default_ = MakeButton(tr("&Default"), QStringLiteral("Default"), this);
  grid->addWidget(default_, 2, 0);
  connect(default_, &QPushButton::clicked, this, &CVariationDlg::OnDefault);

  // Params 1..8 above 9..16, each box with its label below it.
  constexpr std::size_t kPerRow = kVariationParamCount / 2;
  for (std::size_t p = 0; p < kVariationParamCount; ++p) {
    const QString name = QStringLiteral("Param%1").arg(p + 1);
    auto* box = new EditSpinPair(this);
    box->setObjectName(name);
    box->SetSetter([this, p](int value) { return SendParameter(p, value); });
    auto* label = new QLabel(name, this);
    label->setObjectName(name + "Label");
    const int row = static_cast<int>(p / kPerRow) * 2;
    const int column = 1 + static_cast<int>(p % kPerRow);
    grid->addWidget(box, row, column);
    grid->addWidget(label, row + 1, column, Qt::AlignLeft | Qt::AlignTop);
    paramBoxes_[p] = box;
    paramLabels_[p] = label;
  }
  // Amp Simulator's Param 2 is labelled with what it holds, also after a
  // refused entry.
  connect(paramBoxes_[kAmpTypeParam], &EditSpinPair::Beeped, this, &CVariationDlg::RelabelAmpType);

  auto* bottom = new QHBoxLayout;
  outer->addLayout(bottom);

  auto* connection = new QGroupBox(this);
  auto* connectionLayout = new QHBoxLayout(connection);
  systemButton_ = new QRadioButton(tr("&System"), connection);
  systemButton_->setObjectName("System");
  partButton_ = new QRadioButton(tr("&Part"), connection);
  partButton_->setObjectName("Part");
  partBox_ = new EditSpinPair(connection);
  partBox_->setObjectName("PartNumber");
  partBox_->SetRange(1, kPartOffShown);
  partBox_->SetEnds(EditSpinPair::Ends::Wrap);
  partBox_->SetSetter([this](int value) { return SendPart(value); });
  connectionLayout->addWidget(systemButton_);
  connectionLayout->addWidget(partButton_);
  connectionLayout->addWidget(partBox_);
  connect(systemButton_, &QRadioButton::clicked, this, &CVariationDlg::OnSystemClicked);
  connect(partButton_, &QRadioButton::clicked, this, &CVariationDlg::OnPartClicked);
  bottom->addWidget(connection);

  auto* settingsGrid = new QGridLayout;
  settingsGrid->setHorizontalSpacing(6);
  settingsGrid->setVerticalSpacing(2);
  for (std::size_t i = 0; i < kShownSettingCount; ++i) {
    const SettingField& field = kSettingFields[i];
    auto* box = new EditSpinPair(this);
    box->setObjectName(QString::fromLatin1(field.name));
    box->SetRange(0, kMaxSettingValue);
    box->SetSetter([this, i](int value) { return SendSetting(i, value); });
    auto* label = new QLabel(QString::fromLatin1(field.label), this);
    label->setObjectName(box->objectName() + "Label");
    settingsGrid->addWidget(box, 0, static_cast<int>(i));
    settingsGrid->addWidget(label, 1, static_cast<int>(i), Qt::AlignLeft | Qt::AlignTop);
    settingBoxes_[i] = box;
    settingLabels_[i] = label;
  }
  bottom->addLayout(settingsGrid);
}

void CVariationDlg::WindowStart() {
  FillTypeList();
  for (EditSpinPair* box : settingBoxes_) box->SetRange(0, kMaxSettingValue);
  partBox_->SetRange(1, kPartOffShown);
  LoadRowToDisplay();
  RefreshWindow();
}

void CVariationDlg::FillTypeList() {
  const QSignalBlocker blocker(typeList_);
  typeList_->clear();
  for (std::size_t type = 0; type < kVariationTypeCount; ++type) {
    typeList_->addItem(ToQString(EffectTypeName(EffectKind::Variation, type)));
  }
  if (static_cast<std::size_t>(typeList_->count()) == kVariationTypeCount) {
    SelectTypeInList();
  } else {
    typeList_->setCurrentIndex(-1);
  }
}

void CVariationDlg::SelectTypeInList() {
  const QSignalBlocker blocker(typeList_);
  typeList_->setCurrentIndex(type_);
}

bool CVariationDlg::SetType(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kVariationTypeCount) return false;
  type_ = index;
  LoadRowToDisplay();
  if (IsOpen()) RefreshWindow();
  return true;
}

void CVariationDlg::Reset() {
  system_ = false;
  part_ = kPartOffShown;
  SetType(kDefaultType);
}

void CVariationDlg::SaveDisplayToRow() {
  EffectRows& rows = model_.Effects();
  const auto type = static_cast<std::size_t>(type_);
  rows.PutEffectRow(EffectKind::Variation, type, EffectRow(std::span<const int32_t>(params_)));
  VariationSettings settings{};
  for (std::size_t i = 0; i < kShownSettingCount; ++i) {
    settings[SettingIndex(kSettingFields[i].setting)] = settings_[i];
  }
  settings[kConnectionSetting] =
      system_ ? kVariationConnectionSystem : kVariationConnectionInsertion;
  settings[kPartSetting] = static_cast<uint8_t>(part_ - 1);
  rows.PutVariationSettings(type, settings);
}

void CVariationDlg::LoadRowToDisplay() {
  const auto type = static_cast<std::size_t>(type_);
  const EffectRows& rows = model_.Effects();
  if (const auto row = rows.GetEffectRow(EffectKind::Variation, type)) {
    for (std::size_t p = 0; p < params_.size(); ++p) params_[p] = (*row)[p];
  }
  if (const auto settings = rows.GetVariationSettings(type)) {
    for (std::size_t i = 0; i < kShownSettingCount; ++i) {
      settings_[i] = (*settings)[SettingIndex(kSettingFields[i].setting)];
    }
    system_ = (*settings)[kConnectionSetting] == kVariationConnectionSystem;
    part_ = (*settings)[kPartSetting] + 1;
  }
  SetSelectionCaption(ToQString(EffectTypeName(EffectKind::Variation, type)));
}

void CVariationDlg::ApplyLayout() {
  const auto type = static_cast<std::size_t>(type_);
  const bool hasParams = VariationHasParams(type);
  for (EditSpinPair* box : paramBoxes_) box->setEnabled(hasParams);
  for (EditSpinPair* box : settingBoxes_) box->setEnabled(hasParams);
  default_->setEnabled(hasParams);
  systemButton_->setEnabled(hasParams);
  partButton_->setEnabled(hasParams);
  partBox_->setEnabled(hasParams);
  if (!hasParams) return;

  for (std::size_t p = 0; p < kVariationParamCount; ++p) {
    const std::size_t descriptor = VariationParamDescriptor(type, p);
    const bool used = descriptor != 0 && !(system_ && p == kDryWetParam);
    paramBoxes_[p]->setEnabled(used);
    paramLabels_[p]->setText(
        used ? ToQString(VariationParamLabel(descriptor, params_[kAmpTypeParam])) : QString());
    if (const auto range = VariationParamRange(descriptor)) {
      paramBoxes_[p]->SetRange(range->minimum, range->maximum);
    }
  }
  ApplySendLabels();
}

void CVariationDlg::ApplySendLabels() {
  for (std::size_t i = 0; i < kShownSettingCount; ++i) {
    if (!kSettingFields[i].systemOnly) continue;
    settingBoxes_[i]->setEnabled(system_);
    settingLabels_[i]->setText(system_ ? QString::fromLatin1(kSettingFields[i].label) : QString());
  }
}

void CVariationDlg::ApplyConnectionControls() {
  systemButton_->setChecked(system_);
  partButton_->setChecked(!system_);
  partBox_->setEnabled(!system_);
}

void CVariationDlg::ShowValues() {
  for (std::size_t p = 0; p < kVariationParamCount; ++p) paramBoxes_[p]->SetValue(params_[p]);
  for (std::size_t i = 0; i < kShownSettingCount; ++i) settingBoxes_[i]->SetValue(settings_[i]);
  partBox_->SetValue(part_);
}

void CVariationDlg::RefreshWindow() {
  SelectTypeInList();
  ApplyLayout();
  ApplyConnectionControls();
  ShowValues();
}

void CVariationDlg::RelabelAmpType() {
  if (type_ != kAmpSimulatorType) return;
  const std::size_t descriptor = VariationParamDescriptor(type_, kAmpTypeParam);
  paramLabels_[kAmpTypeParam]->setText(
      ToQString(VariationParamLabel(descriptor, params_[kAmpTypeParam])));
}

bool CVariationDlg::SendParameter(std::size_t param, int value) {
  const bool sent = model_.Effects().SetEffectParameter(EffectKind::Variation,
                                                        static_cast<int>(param + 1), value);
  if (sent) {
    params_[param] = value;
    Host().MarkModified();
  }
  if (param == kAmpTypeParam) RelabelAmpType();
  return sent;
}

bool CVariationDlg::SendSetting(std::size_t shown, int value) {
  if (!model_.Effects().SetEffectParameter(kSettingFields[shown].setting, value)) return false;
  settings_[shown] = static_cast<uint8_t>(value);
  Host().MarkModified();
  return true;
}

bool CVariationDlg::SendPart(int shownPart) {
  // The part means nothing to a system effect.
  if (system_) return false;
  if (!model_.Effects().SetVariationPart(shownPart - 1)) return false;
  part_ = shownPart;
  model_.Effects().SpreadConnectionAndPart(
      system_ ? kVariationConnectionSystem : kVariationConnectionInsertion,
      static_cast<uint8_t>(part_ - 1));
  Host().MarkModified();
  return true;
}

void CVariationDlg::OnSystemClicked() {
  if (!model_.Effects().SetVariationConnection(true)) {
    ApplyConnectionControls();
    return;
  }
  system_ = true;
  model_.Effects().SpreadConnectionAndPart(kVariationConnectionSystem,
                                           static_cast<uint8_t>(part_ - 1));
  partBox_->setEnabled(false);
  paramBoxes_[kDryWetParam]->setEnabled(false);
  paramLabels_[kDryWetParam]->clear();
  ApplySendLabels();
  Host().MarkModified();
  // The send level now matters: the Controllers window sends its channel's.
  Host().SendVariationController();
}

void CVariationDlg::OnPartClicked() {
  if (!model_.Effects().SetVariationConnection(false)) {
    ApplyConnectionControls();
    return;
  }
  system_ = false;
  model_.Effects().SpreadConnectionAndPart(kVariationConnectionInsertion,
                                           static_cast<uint8_t>(part_ - 1));
  model_.Effects().SetVariationPart(part_ - 1);  // a failure changes nothing shown
  partBox_->setEnabled(true);
  const bool dryWetUsed =
      VariationParamDescriptor(static_cast<std::size_t>(type_), kDryWetParam) != 0;
  paramBoxes_[kDryWetParam]->setEnabled(dryWetUsed);
  paramLabels_[kDryWetParam]->setText(dryWetUsed ? tr("Dry-Wet") : QString());
  ApplySendLabels();
  Host().MarkModified();
}

void CVariationDlg::OnTypeChosen(int index) {
  if (index < 0 || index == type_) return;
  SaveDisplayToRow();  // the old type keeps its edits
  type_ = index;
  LoadRowToDisplay();
  ApplyLayout();
  ApplyConnectionControls();
  ShowValues();
  // The dumps carry the settings too, so the connection and part go along.
  model_.Effects().SendEffectBlock(EffectKind::Variation, type_, false,
                                   EffectModel::kEditorBlockPauseMs);
  Host().MarkModified();
}

void CVariationDlg::OnDefault() {
  // Default works through every type's connection: the hourglass says so.
  const WaitCursor wait;
  EffectModel& effects = model_.Effects();
  const auto type = static_cast<std::size_t>(type_);
  effects.ResetEffectRow(EffectKind::Variation, type);
  effects.ResetVariationSettings(type);
  effects.SpreadConnectionAndPart(kVariationConnectionInsertion, kVariationPartOff);
  LoadRowToDisplay();
  ApplyLayout();
  ApplyConnectionControls();
  ShowValues();
  effects.SendEffectBlock(EffectKind::Variation, type_, false, EffectModel::kEditorBlockPauseMs);
  Host().MarkModified();
}

}  // namespace ravlo
