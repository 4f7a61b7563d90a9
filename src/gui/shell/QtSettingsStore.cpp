#include "shell/QtSettingsStore.h"

#include "widgets/QtText.h"

namespace ravlo {

QtSettingsStore::QtSettingsStore()
    : settings_(QStringLiteral("Quorvik"), QStringLiteral("Ravlo")) {}

QString QtSettingsStore::Key(std::string_view key) {
  return QStringLiteral("Config/") + ToQString(key);
}

int QtSettingsStore::ReadInt(std::string_view key, int defaultValue) {
  bool number = false;
  const int value = settings_.value(Key(key), defaultValue).toInt(&number);
  return number ? value : defaultValue;
}

void QtSettingsStore::WriteInt(std::string_view key, int value) {
  settings_.setValue(Key(key), value);
}

std::optional<std::string> QtSettingsStore::ReadString(std::string_view key) {
  const QVariant value = settings_.value(Key(key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtSettingsStore::WriteString(std::string_view key, std::string_view value) {
  settings_.setValue(Key(key), ToQString(value));
}

}  // namespace ravlo
