#pragma once

#include <QSettings>

#include <memory>

#include "settings/settingsstore.h"

namespace tonewright {

// A settings store on QSettings. Numbers are stored as integers, texts as strings; a value
// is addressed as "group/name". QSettings replaces its file atomically, so a failed write
// leaves the previous file intact.
class QSettingsStore : public SettingsStore {
public:
    explicit QSettingsStore(std::unique_ptr<QSettings> settings);

    bool readable() const override { return readable_; }
    bool writable() const override;
    bool hasGroup(const std::string& group) const override;
    std::optional<std::string> readText(const std::string& group, const std::string& name) const override;
    void writeInt(const std::string& group, const std::string& name, int value) override;
    void writeText(const std::string& group, const std::string& name, const std::string& value) override;
    void flush() override;

private:
    std::unique_ptr<QSettings> settings_;
    // False when opening met a file that cannot be read (no permission, a folder in its place).
    bool readable_;
};

}  // namespace tonewright
