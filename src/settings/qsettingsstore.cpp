#include "settings/qsettingsstore.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace tonewright {

namespace {

QString Key(const std::string& group, const std::string& name) {
    return QString::fromStdString(group + "/" + name);
}

}  // namespace

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)), readable_(settings_->status() != QSettings::AccessError) {}

// Content that could not be read must not be replaced by a save.
bool QSettingsStore::writable() const { return readable_ && settings_->isWritable(); }

bool QSettingsStore::hasGroup(const std::string& group) const {
    const QString prefix = QString::fromStdString(group + "/");
    const QStringList keys = settings_->allKeys();
    return std::any_of(keys.begin(), keys.end(), [&](const QString& key) { return key.startsWith(prefix); });
}

std::optional<std::string> QSettingsStore::readText(const std::string& group, const std::string& name) const {
    const QVariant value = settings_->value(Key(group, name));
    // An unquoted text with commas in a hand-edited file is read back as a list of its pieces.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
    if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

void QSettingsStore::writeInt(const std::string& group, const std::string& name, int value) {
    settings_->setValue(Key(group, name), value);
}

void QSettingsStore::writeText(const std::string& group, const std::string& name, const std::string& value) {
    settings_->setValue(Key(group, name), QString::fromStdString(value));
}

void QSettingsStore::flush() { settings_->sync(); }

std::unique_ptr<SettingsStore> OpenUserSettingsStore() {
    // The names are given here rather than taken from the application object, so the store
    // also opens where no QCoreApplication exists (the command-line program, the tests).
    return std::make_unique<QSettingsStore>(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quellbrook"), QStringLiteral("Tonecraft")));
}

std::unique_ptr<SettingsStore> OpenSettingsFile(const std::string& path) {
    return std::make_unique<QSettingsStore>(
        std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat));
}

}  // namespace tonewright
