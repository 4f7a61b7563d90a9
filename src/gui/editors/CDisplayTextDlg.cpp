#include "editors/CDisplayTextDlg.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "model/XgModel.h"

namespace ravlo {

CDisplayTextDlg::CDisplayTextDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EditorDialog(host, EditorSlot::DisplayText, QStringLiteral("Display Text"), parent),
      model_(model),
      text_(new QLineEdit(this)) {
  text_->setObjectName(QStringLiteral("Text"));
  text_->setMaxLength(static_cast<int>(DisplayTextModel::kLetterCount));
  // The display shows ASCII letters only.
  text_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x20-\\x7E]*")), text_));
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance(QString(34, 'W')));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QStringLiteral("&Text (32 letters)"), this);
  label->setBuddy(text_);
  layout->addWidget(label);
  layout->addWidget(text_);
  connect(text_, &QLineEdit::editingFinished, this, &CDisplayTextDlg::SendText);
  Follow(model);
}

void CDisplayTextDlg::SendText() {
  const std::string text = text_->text().toStdString();
  if (text == model_.DisplayText().Text()) return;
  if (RecordEdit(QStringLiteral("Display Text"), replay::Values{},
                 [&] { return model_.DisplayText().SetText(text); })) {
    Host().MarkModified();
  } else {
    text_->setText(QString::fromStdString(model_.DisplayText().Text()));
  }
}

void CDisplayTextDlg::WindowStart() {
  text_->setText(QString::fromStdString(model_.DisplayText().Text()));
}

void CDisplayTextDlg::ShowChange(const ModelChange& change) {
  if (change.block == ModelBlock::DisplayText) {
    text_->setText(QString::fromStdString(model_.DisplayText().Text()));
  }
}

}  // namespace ravlo
