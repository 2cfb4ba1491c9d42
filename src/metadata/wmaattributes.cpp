#include "metadata/wmaattributes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <taglib/asffile.h>
#include <taglib/asftag.h>
#include <taglib/tfilestream.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "base/outputtarget.h"
#include "metadata/keptfields.h"

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
constexpr uint64_t kFileSizeOffset = 40;

uint64_t LittleEndian64(const unsigned char* bytes) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

bool ReadAt(int fd, uint64_t offset, unsigned char* bytes, size_t size) {
    return pread(fd, bytes, size, static_cast<off_t>(offset)) == static_cast<ssize_t>(size);
}

// Saving the tags grows the header, which TagLib does not count in the file size the
// file properties give; readers that find that size far off distrust the stated
// duration. Writes the file's real size there.
bool StoreFileSize(int fd) {
    struct stat st;
    unsigned char header[30];
    if (fstat(fd, &st) != 0 || !ReadAt(fd, 0, header, 30) || std::memcmp(header, kHeaderObject.data(), 16) != 0)
        return false;
    const auto fileSize = static_cast<uint64_t>(st.st_size);
    const uint64_t headerSize = LittleEndian64(header + 16);
    uint64_t position = 30;
    while (position + 24 <= headerSize) {
        unsigned char object[24];
        if (!ReadAt(fd, position, object, 24)) return false;
        const uint64_t objectSize = LittleEndian64(object + 16);
        if (std::memcmp(object, kFilePropertiesObject.data(), 16) == 0) {
            unsigned char size[8];
            for (int i = 0; i < 8; ++i) size[i] = static_cast<unsigned char>(fileSize >> (8 * i));
            return pwrite(fd, size, 8, static_cast<off_t>(position + kFileSizeOffset)) == 8;
        }
        if (objectSize < 24) return false;
        position += objectSize;
    }
    return false;
}

struct KeptAttribute {
    const char* field;  // the kept field
    const char* name;   // the attribute's usual name
};

const KeptAttribute kKeptAttributes[] = {
    {"BPM", "WM/BeatsPerMinute"},
    {"LYRICS", "WM/Lyrics"},
    {"REPLAYGAIN_TRACK_GAIN", "replaygain_track_gain"},
    {"REPLAYGAIN_TRACK_PEAK", "replaygain_track_peak"},
    {"REPLAYGAIN_ALBUM_GAIN", "replaygain_album_gain"},
    {"REPLAYGAIN_ALBUM_PEAK", "replaygain_album_peak"},
    {"MUSICBRAINZ_TRACKID", "MusicBrainz/Track Id"},
    {"MUSICBRAINZ_ALBUMID", "MusicBrainz/Album Id"},
    {"MUSICBRAINZ_ARTISTID", "MusicBrainz/Artist Id"},
    {"MUSICBRAINZ_ALBUMARTISTID", "MusicBrainz/Album Artist Id"},
    {"MUSICBRAINZ_RELEASEGROUPID", "MusicBrainz/Release Group Id"},
    {"MUSICBRAINZ_RELEASETRACKID", "MusicBrainz/Release Track Id"},
};

// The kept fields Windows Media has attributes for (the track total has none) and the
// pictures as WM/Picture.
void SetKeptAttributes(TagLib::ASF::Tag& tag, const TagInfo& tags) {
    for (const KeptAttribute& kept : kKeptAttributes) {
        const std::string& value = KeptField(tags, kept.field);
        if (!value.empty()) tag.setAttribute(kept.name, TagLib::ASF::Attribute(Text(value)));
    }
    std::string part = KeptField(tags, "DISCNUMBER");
    if (!part.empty() && !KeptField(tags, "DISCTOTAL").empty()) part += "/" + KeptField(tags, "DISCTOTAL");
    if (!part.empty()) tag.setAttribute("WM/PartOfSet", TagLib::ASF::Attribute(Text(part)));
    if (!KeptField(tags, "COMPILATION").empty())
        tag.setAttribute("WM/IsCompilation", TagLib::ASF::Attribute(TrackNumber(KeptField(tags, "COMPILATION")) != 0));
    TagLib::ASF::AttributeList pictures;
    for (const Picture& picture : tags.pictures) {
        TagLib::ASF::Picture asf;
        asf.setType(static_cast<TagLib::ASF::Picture::Type>(picture.type));
        asf.setMimeType(Text(picture.mimeType));
        asf.setDescription(Text(picture.description));
        asf.setPicture(TagLib::ByteVector(picture.data.data(), static_cast<unsigned>(picture.data.size())));
        pictures.append(TagLib::ASF::Attribute(asf));
    }
    if (!pictures.isEmpty()) tag.setAttribute("WM/Picture", pictures);
}

// Sets the attributes and saves through a stream of its own over `fd` (which it closes);
// TagLib's writes are all made on return.
bool SaveAttributes(int fd, const TagInfo& tags) {
    TagLib::FileStream stream(fd, false);
    if (!stream.isOpen()) close(fd);
    if (!stream.isOpen() || stream.readOnly()) return false;
    TagLib::ASF::File file(&stream, false);
    TagLib::ASF::Tag* tag = file.isValid() ? file.tag() : nullptr;
    if (!tag) return false;
    tag->setTitle(Text(tags.title));
    tag->setArtist(Text(tags.artist));
    tag->setComment(Text(tags.comment));
    tag->setCopyright(Text(tags.copyright));
    const std::string& albumArtist = KeptField(tags, "ALBUMARTIST");
    tag->setAttribute("WM/AlbumArtist", TagLib::ASF::Attribute(Text(albumArtist.empty() ? tags.artist : albumArtist)));
    tag->setAttribute("WM/AlbumTitle", TagLib::ASF::Attribute(Text(tags.album)));
    tag->setAttribute("WM/Genre", TagLib::ASF::Attribute(Text(tags.genre)));
    tag->setAttribute("WM/TrackNumber",
                      TagLib::ASF::Attribute(static_cast<unsigned int>(TrackNumber(tags.track))));
    tag->setAttribute("WM/Year", TagLib::ASF::Attribute(Text(tags.year)));
    tag->setAttribute("WM/Composer", TagLib::ASF::Attribute(Text(tags.composer)));
    SetKeptAttributes(*tag, tags);
    return file.save();
}

}  // namespace

bool WriteWmaAttributes(const std::string& path, const TagInfo& tags) {
    const int forTags = OpenOutputFile(path, false);
    if (forTags < 0) return false;
    const int forSize = fcntl(forTags, F_DUPFD_CLOEXEC, 0);
    const bool saved = SaveAttributes(forTags, tags);
    const bool ok = saved && forSize >= 0 && StoreFileSize(forSize);
    if (forSize >= 0) close(forSize);
    return ok;
}

}  // namespace tonewright
