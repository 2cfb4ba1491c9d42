#include "metadata/pictures.h"

#include <dirent.h>
#include <strings.h>

#include <taglib/flacpicture.h>

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

std::string VorbisPictureComment(const Picture& picture) {
    // TagLib renders the FLAC picture block (width, height, depth and colours 0: unknown).
    TagLib::FLAC::Picture block;
    block.setType(static_cast<TagLib::FLAC::Picture::Type>(picture.type));
    block.setMimeType(TagLib::String(picture.mimeType, TagLib::String::UTF8));
    block.setDescription(TagLib::String(picture.description, TagLib::String::UTF8));
    block.setData(TagLib::ByteVector(picture.data.data(), static_cast<unsigned int>(picture.data.size())));
    const TagLib::ByteVector text = block.render().toBase64();
    return std::string(text.data(), text.size());
}

}  // namespace tonewright
