#include "sources/bass/filebytes.h"

#include <sys/stat.h>


namespace tonewright {

UniqueFile OpenForReading(const std::string& path) { return UniqueFile(std::fopen(path.c_str(), "rb")); }

bool FileLength(const std::string& path, uint64_t& size) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    size = static_cast<uint64_t>(info.st_size);
    return true;
}

std::vector<uint8_t> ReadFileRange(const std::string& path, uint64_t offset, uint64_t count) {
    const UniqueFile file = OpenForReading(path);
    if (!file || fseeko(file.get(), static_cast<off_t>(offset), SEEK_SET) != 0) return {};
    std::vector<uint8_t> bytes(count);
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return {};
    return bytes;
}

}  // namespace tonewright
