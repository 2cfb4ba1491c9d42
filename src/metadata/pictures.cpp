#include "metadata/pictures.h"

#include <dirent.h>
#include <strings.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "base/pathutil.h"

namespace tonewright {

namespace {

struct CoverName {
    const char* name;
    const char* mimeType;
};

constexpr std::array<CoverName, 4> kCoverNames = {{{"cover.jpg", "image/jpeg"},
                                                   {"cover.png", "image/png"},
                                                   {"folder.jpg", "image/jpeg"},
                                                   {"front.jpg", "image/jpeg"}}};

void PutBigEndian32(std::string& out, size_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

std::string Base64(const std::string& bytes) {
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t at = 0;
    for (; at + 3 <= bytes.size(); at += 3) {
        const uint32_t group = static_cast<uint8_t>(bytes[at]) << 16 | static_cast<uint8_t>(bytes[at + 1]) << 8 |
                               static_cast<uint8_t>(bytes[at + 2]);
        for (int shift = 18; shift >= 0; shift -= 6) out += kAlphabet[(group >> shift) & 0x3F];
    }
    const size_t left = bytes.size() - at;
    if (left > 0) {
        uint32_t group = static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 16;
        if (left == 2) group |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8;
        out += kAlphabet[(group >> 18) & 0x3F];
        out += kAlphabet[(group >> 12) & 0x3F];
        out += left == 2 ? kAlphabet[(group >> 6) & 0x3F] : '=';
        out += '=';
    }
    return out;
}

// The folder's entry with the name, compared without regard to case; "" when none.
std::string FindEntry(const std::string& folder, const char* name) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return {};
    std::string found;
    while (const dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name) == 0) {
            found = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

}  // namespace

FolderCover ReadFolderCover(const std::string& sourcePath, Picture& picture) {
    const std::string folder = FolderOf(sourcePath);
    for (const CoverName& cover : kCoverNames) {
        const std::string entry = FindEntry(folder, cover.name);
        if (entry.empty()) continue;
        const std::string path = folder + entry;
        uint64_t size = 0;
        if (IsFolder(path) || !FileSize(path, size)) continue;
        if (size > kLargestPicture) return FolderCover::TooLarge;
        std::ifstream in(path, std::ios::binary);
        std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad() || data.empty() || data.size() > kLargestPicture) continue;
        picture = Picture{3, cover.mimeType, "", std::move(data)};
        return FolderCover::Found;
    }
    return FolderCover::None;
}

std::string FlacPictureBlock(const Picture& picture) {
    std::string block;
    block.reserve(32 + picture.mimeType.size() + picture.description.size() + picture.data.size());
    PutBigEndian32(block, static_cast<size_t>(picture.type));
    PutBigEndian32(block, picture.mimeType.size());
    block += picture.mimeType;
    PutBigEndian32(block, picture.description.size());
    block += picture.description;
    for (int unknown = 0; unknown < 4; ++unknown) PutBigEndian32(block, 0);  // width, height, depth, colours
    PutBigEndian32(block, picture.data.size());
    block += picture.data;
    return block;
}

std::string VorbisPictureComment(const Picture& picture) { return Base64(FlacPictureBlock(picture)); }

}  // namespace tonewright
