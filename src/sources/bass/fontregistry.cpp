#include "sources/bass/fontregistry.h"

#include <cstring>
#include <mutex>

#include "sources/bass/filebytes.h"

namespace tonewright {

namespace {

struct Registry {
    std::mutex mutex;
    std::vector<std::string> fonts;  // handle n is fonts[n - 1]
    std::vector<std::string> defaults;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

bool IsSoundFontFile(const std::string& path) {
    const std::vector<uint8_t> header = ReadFileRange(path, 0, 12);
    return header.size() == 12 && std::memcmp(header.data(), "RIFF", 4) == 0 &&
           std::memcmp(header.data() + 8, "sfbk", 4) == 0;
}

}  // namespace

uint32_t RegisterSoundFont(const std::string& path) {
    if (!IsSoundFontFile(path)) return 0;
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    for (size_t i = 0; i < registry.fonts.size(); ++i)
        if (registry.fonts[i] == path) return static_cast<uint32_t>(i + 1);
    registry.fonts.push_back(path);
    return static_cast<uint32_t>(registry.fonts.size());
}

bool SoundFontPaths(const std::vector<uint32_t>& handles, std::vector<std::string>& paths) {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    paths.clear();
    for (uint32_t handle : handles) {
        if (handle == 0 || handle > registry.fonts.size()) return false;
        paths.push_back(registry.fonts[handle - 1]);
    }
    return true;
}

void SetDefaultSoundFonts(std::vector<std::string> paths) {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    registry.defaults = std::move(paths);
}

std::vector<std::string> DefaultSoundFonts() {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    return registry.defaults;
}

}  // namespace tonewright
