#include "metadata/wmaattributes.h"

#include <taglib/asffile.h>
#include <taglib/asftag.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "base/filecloser.h"

namespace tonewright {

namespace {

TagLib::String Text(const std::string& utf8) { return TagLib::String(utf8, TagLib::String::UTF8); }

using Guid = std::array<unsigned char, 16>;
// The ASF header object and its file properties object, as stored.
constexpr Guid kHeaderObject = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
constexpr Guid kFilePropertiesObject = {0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11,
                                        0x8E, 0xE4, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
// The file size sits after the object's GUID and size (24 bytes) and the file's id (16).
constexpr long kFileSizeOffset = 40;

uint64_t LittleEndian64(const unsigned char* bytes) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

// Saving the tags grows the header, which TagLib does not count in the file size the
// file properties give; readers that find that size far off distrust the stated
// duration. Writes the file's real size there.
bool StoreFileSize(const std::string& path) {
    UniqueFile file(std::fopen(path.c_str(), "r+b"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    const long fileSize = std::ftell(file.get());
    unsigned char header[30];
    if (fileSize < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0 || std::fread(header, 1, 30, file.get()) != 30 ||
        std::memcmp(header, kHeaderObject.data(), 16) != 0)
        return false;
    const uint64_t headerSize = LittleEndian64(header + 16);
    uint64_t position = 30;
    while (position + 24 <= headerSize) {
        unsigned char object[24];
        if (std::fseek(file.get(), static_cast<long>(position), SEEK_SET) != 0 ||
            std::fread(object, 1, 24, file.get()) != 24)
            return false;
        const uint64_t objectSize = LittleEndian64(object + 16);
        if (std::memcmp(object, kFilePropertiesObject.data(), 16) == 0) {
            unsigned char size[8];
            for (int i = 0; i < 8; ++i) size[i] = static_cast<unsigned char>(static_cast<uint64_t>(fileSize) >> (8 * i));
            return std::fseek(file.get(), static_cast<long>(position) + kFileSizeOffset, SEEK_SET) == 0 &&
                   std::fwrite(size, 1, 8, file.get()) == 8 && std::fflush(file.get()) == 0;
        }
        if (objectSize < 24) return false;
        position += objectSize;
    }
    return false;
}

// Sets the attributes and saves; TagLib's file is closed on return, its writes all made.
bool SaveAttributes(const std::string& path, const TagInfo& tags) {
    TagLib::ASF::File file(path.c_str(), false);
    TagLib::ASF::Tag* tag = file.isValid() ? file.tag() : nullptr;
    if (!tag) return false;
    tag->setTitle(Text(tags.title));
    tag->setArtist(Text(tags.artist));
    tag->setComment(Text(tags.comment));
    tag->setCopyright(Text(tags.copyright));
    tag->setAttribute("WM/AlbumArtist", TagLib::ASF::Attribute(Text(tags.artist)));
    tag->setAttribute("WM/AlbumTitle", TagLib::ASF::Attribute(Text(tags.album)));
    tag->setAttribute("WM/Genre", TagLib::ASF::Attribute(Text(tags.genre)));
    tag->setAttribute("WM/TrackNumber",
                      TagLib::ASF::Attribute(static_cast<unsigned int>(TrackNumber(tags.track))));
    tag->setAttribute("WM/Year", TagLib::ASF::Attribute(Text(tags.year)));
    tag->setAttribute("WM/Composer", TagLib::ASF::Attribute(Text(tags.composer)));
    return file.save();
}

}  // namespace

bool WriteWmaAttributes(const std::string& path, const TagInfo& tags) {
    return SaveAttributes(path, tags) && StoreFileSize(path);
}

}  // namespace tonewright
