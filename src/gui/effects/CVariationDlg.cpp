#include "effects/CVariationDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "effects/EffectLookups.h"
#include "effects/EffectModel.h"
#include "effects/EffectParameters.h"
#include "effects/EffectTypeList.h"
#include "model/XgModel.h"
#include "widgets/Buttons.h"
#include "widgets/EditSpinPair.h"
#include "widgets/QtText.h"
#include "widgets/WaitCursor.h"

namespace ravlo {
namespace {

// With a system connection the return does the mixing: Param 10 (Dry-Wet)
// has no use.
constexpr std::size_t kDryWetParam = 9;  // Param 10

const VariationSettingInfo& SettingInfo(VariationSetting setting) {
  return kVariationSettings[static_cast<std::size_t>(setting)];
}

}  // namespace

CVariationDlg::CVariationDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::Variation, QStringLiteral("Variation"), parent),
      model_(model) {
  BuildWindow();
  Follow(model);
}

void CVariationDlg::BuildWindow() {
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);

  typeList_ = MakeEffectTypeList(EffectKind::Variation, this);
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
    box->SetGetter([this, p] { return model_.Effects().CurrentRow(EffectKind::Variation)[p]; });
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

  // The connection under the type, the settings in the parameters' columns.
  auto* connection = new QGroupBox(this);
  auto* connectionLayout = new QHBoxLayout(connection);
  systemButton_ = new QRadioButton(tr("&System"), connection);
  systemButton_->setObjectName("System");
  partButton_ = new QRadioButton(tr("&Part"), connection);
  partButton_->setObjectName("Part");
  const ParameterDescriptor& part = SettingInfo(VariationSetting::Part).parameter;
  partBox_ = new EditSpinPair(connection);
  partBox_->Describe(part);
  partBox_->SetEnds(EditSpinPair::Ends::Wrap);
  partBox_->SetGetter([this] { return ShownPart(); });
  partBox_->SetSetter([this](int value) { return SendPart(value); });
  connectionLayout->addWidget(systemButton_);
  connectionLayout->addWidget(partButton_);
  connectionLayout->addWidget(partBox_);
  connect(systemButton_, &QRadioButton::clicked, this, [this] { SwitchConnection(true); });
  connect(partButton_, &QRadioButton::clicked, this, [this] { SwitchConnection(false); });
  grid->addWidget(connection, 4, 0, 2, 1);

  for (std::size_t s = 0; s < kVariationSettingCount; ++s) {
    const ParameterDescriptor& info = kVariationSettings[s].parameter;
    if (info.label.empty()) continue;
    const auto setting = static_cast<VariationSetting>(s);
    const int column = 1 + static_cast<int>(settingBoxes_.size());
    auto* box = new EditSpinPair(this);
    box->Describe(info);
    box->SetGetter([this, setting] { return Setting(setting); });
    box->SetSetter([this, setting](int value) { return SendSetting(setting, value); });
    auto* label = new QLabel(ToQString(info.label), this);
    label->setObjectName(box->objectName() + "Label");
    grid->addWidget(box, 4, column);
    grid->addWidget(label, 5, column, Qt::AlignLeft | Qt::AlignTop);
    shownSettings_.push_back(setting);
    settingBoxes_.push_back(box);
    settingLabels_.push_back(label);
  }
  // Room the window has to spare goes to the right of the fields.
  grid->setColumnStretch(grid->columnCount(), 1);
}

int CVariationDlg::CurrentType() const {
  return model_.Effects().Type(EffectKind::Variation);
}

std::uint8_t CVariationDlg::Setting(VariationSetting setting) const {
  return model_.Effects().CurrentVariationSettings()[static_cast<std::size_t>(setting)];
}

bool CVariationDlg::SystemConnection() const {
  return Setting(VariationSetting::Connection) == kVariationConnectionSystem;
}

int CVariationDlg::ShownPart() const {
  return SettingInfo(VariationSetting::Part).parameter.Shown(Setting(VariationSetting::Part));
}

void CVariationDlg::ApplyLayout() {
  const EffectModel& effects = model_.Effects();
  const auto type = static_cast<std::size_t>(CurrentType());
  const bool known = effects.IsKnownType(EffectKind::Variation);
  // "No Effect" and "Through" have nothing to set; a type the tables lack
  // shows its parameters raw, as "Parameter 1"..
  const bool hasParams = !known || VariationHasParams(type);
  const bool system = SystemConnection();
  default_->setEnabled(hasParams);
  systemButton_->setEnabled(hasParams);
  partButton_->setEnabled(hasParams);
  systemButton_->setChecked(system);
  partButton_->setChecked(!system);
  partBox_->setEnabled(hasParams && !system);

  for (std::size_t p = 0; p < kVariationParamCount; ++p) {
    const ParameterDescriptor parameter = effects.CurrentVariationParameter(p);
    const bool dryWetUnused = known && system && p == kDryWetParam;
    const bool used = hasParams && !parameter.label.empty() && !dryWetUnused;
    if (!parameter.label.empty()) {
      paramBoxes_[p]->SetRange(parameter.minimum, parameter.maximum);
      paramBoxes_[p]->SetUnit(parameter);
    }
    paramBoxes_[p]->setEnabled(used);
    paramLabels_[p]->setText(used ? ToQString(parameter.label) : QString());
  }
  for (std::size_t i = 0; i < settingBoxes_.size(); ++i) {
    const VariationSettingInfo& info = SettingInfo(shownSettings_[i]);
    const bool shown = !info.systemOnly || system;
    settingBoxes_[i]->setEnabled(hasParams && shown);
    settingLabels_[i]->setText(shown ? ToQString(info.parameter.label) : QString());
  }
}

void CVariationDlg::ShowAll() {
  ShowEffectType(*typeList_, model_.Effects(), EffectKind::Variation);
  SetSelectionCaption(
      QString::fromStdString(model_.Effects().TypeDisplayName(EffectKind::Variation)));
  ApplyLayout();
  for (EditSpinPair* box : paramBoxes_) box->Refresh();
  for (EditSpinPair* box : settingBoxes_) box->Refresh();
  partBox_->Refresh();
}

void CVariationDlg::WindowStart() {
  ShowAll();
}

void CVariationDlg::ShowChange(const ModelChange& change) {
  if (change.block == ModelBlock::Variation) ShowAll();
}

bool CVariationDlg::SendParameter(std::size_t param, int value) {
  const std::string_view label = model_.Effects().CurrentVariationParameter(param).label;
  const QString name = label.empty() ? QStringLiteral("Param %1").arg(param + 1) : ToQString(label);
  return Send(name, [&] {
    return model_.Effects().SetEffectParameter(EffectKind::Variation, static_cast<int>(param + 1),
                                               value);
  });
}

bool CVariationDlg::SendSetting(VariationSetting setting, int value) {
  return Send(ToQString(SettingInfo(setting).parameter.label),
              [&] { return model_.Effects().SetEffectParameter(setting, value); });
}

bool CVariationDlg::SendPart(int shownPart) {
  // The part means nothing to a system effect.
  if (SystemConnection()) return false;
  const ParameterDescriptor& part = SettingInfo(VariationSetting::Part).parameter;
  return Send(ToQString(part.label),
              [&] { return model_.Effects().SetVariationPart(part.Stored(shownPart)); });
}

bool CVariationDlg::Send(const QString& label, const std::function<bool()>& send) {
  if (!RecordEdit(QStringLiteral("Variation ") + label, replay::Values{}, send)) return false;
  Host().MarkModified();
  return true;
}

void CVariationDlg::SwitchConnection(bool system) {
  // A system effect counts by the send level of the Controllers window's
  // channel; an insertion goes to the part shown.
  const MidiChannel channel = Host().ControllersChannel();
  const bool switched =
      RecordEdit(QStringLiteral("Variation Connection"), replay::VariationConnection{channel},
                 [&] { return model_.Effects().SwitchVariationConnection(system, channel); });
  if (!switched) {
    ShowAll();
    return;
  }
  Host().MarkModified();
}

void CVariationDlg::OnTypeChosen(int index) {
  if (index == model_.Effects().ListedType(EffectKind::Variation)) return;
  // The dumps carry the settings too, so the connection and part go along.
  if (RecordEdit(QStringLiteral("Variation Type"), replay::EffectBlock{EffectKind::Variation}, [&] {
        return model_.Effects().ChangeToListedType(EffectKind::Variation, index);
      })) {
    Host().MarkModified();
  } else {
    ShowAll();
  }
}

void CVariationDlg::OnDefault() {
  const WaitCursor wait;
  if (RecordEdit(QStringLiteral("Variation Default"), replay::EffectBlock{EffectKind::Variation},
                 [&] { return model_.Effects().RestoreTypeDefaults(EffectKind::Variation); })) {
    Host().MarkModified();
  }
}

}  // namespace ravlo
