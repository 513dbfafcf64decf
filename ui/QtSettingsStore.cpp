#include "ui/QtSettingsStore.h"

#include "ui/AppInfo.h"

namespace lumoscope::ui {
namespace {

QString KeyOf(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication)) {}

int QtSettingsStore::GetInt(const std::string& section, const std::string& key, int fallback) const {
  const QVariant v = settings_.value(KeyOf(section, key));
  bool ok = false;
  const int n = v.toInt(&ok);
  return v.isValid() && ok ? n : fallback;
}

void QtSettingsStore::SetInt(const std::string& section, const std::string& key, int value) {
  settings_.setValue(KeyOf(section, key), value);
}

std::string QtSettingsStore::GetString(const std::string& section, const std::string& key,
                                       const std::string& fallback) const {
  const QVariant v = settings_.value(KeyOf(section, key));
  return v.isValid() ? v.toString().toStdString() : fallback;
}

void QtSettingsStore::SetString(const std::string& section, const std::string& key,
                                const std::string& value) {
  settings_.setValue(KeyOf(section, key), QString::fromStdString(value));
}

}  // namespace lumoscope::ui
