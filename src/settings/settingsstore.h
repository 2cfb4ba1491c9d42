#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tonewright {

// Where the settings persist: named values in groups ("Options", "Options/MP3Tag", ...).
// Numbers are 32-bit signed integers, texts UTF-8. Failures are never reported: a store
// that cannot be read reads as empty, and writes to a store that cannot be written are lost.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // False when the store exists but could not be read; nothing is then read from it.
    virtual bool readable() const = 0;
    // False when writes would fail, or would replace stored content that could not be read.
    virtual bool writable() const = 0;
    // True when at least one value is stored in `group` or below it.
    virtual bool hasGroup(const std::string& group) const = 0;

    // The stored value as text, whatever its stored type; std::nullopt when absent.
    virtual std::optional<std::string> readText(const std::string& group, const std::string& name) const = 0;
    // The stored value as a number; std::nullopt when absent or not a whole number in range.
    std::optional<int> readInt(const std::string& group, const std::string& name) const;

    virtual void writeInt(const std::string& group, const std::string& name, int value) = 0;
    virtual void writeText(const std::string& group, const std::string& name, const std::string& value) = 0;
    // Makes the writes so far permanent.
    virtual void flush() = 0;
};

// `text` as a 32-bit signed decimal number ("-12"), or std::nullopt when it is anything else
// (empty, other characters, out of range).
std::optional<int> ParseWholeNumber(const std::string& text);

// A store held in memory, for tests: values can be preset as raw text (as a hand-edited
// store would hold them), and the writes are recorded in order.
class MemorySettingsStore : public SettingsStore {
public:
    bool readable() const override { return readable_; }
    bool writable() const override { return writable_; }
    bool hasGroup(const std::string& group) const override;
    std::optional<std::string> readText(const std::string& group, const std::string& name) const override;
    void writeInt(const std::string& group, const std::string& name, int value) override;
    void writeText(const std::string& group, const std::string& name, const std::string& value) override;
    void flush() override {}  // every write is already in place

    void preset(const std::string& group, const std::string& name, const std::string& raw);
    void setReadable(bool readable) { readable_ = readable; }
    void setWritable(bool writable) { writable_ = writable; }

    // Every stored value, keyed "group/name".
    const std::map<std::string, std::string>& values() const { return values_; }
    // The keys ("group/name") written since construction, in the order of the writes.
    const std::vector<std::string>& writes() const { return writes_; }

private:
    void store(const std::string& group, const std::string& name, const std::string& raw);

    std::map<std::string, std::string> values_;
    std::vector<std::string> writes_;
    bool readable_ = true;
    bool writable_ = true;
};

// The user's settings store: organisation "Quellbrook", application "Tonecraft" in the
// platform's native settings store ($XDG_CONFIG_HOME/Quellbrook/Tonecraft.conf on Linux).
std::unique_ptr<SettingsStore> OpenUserSettingsStore();
// A settings store kept in the given INI file.
std::unique_ptr<SettingsStore> OpenSettingsFile(const std::string& path);

}  // namespace tonewright
