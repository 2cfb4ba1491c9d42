#include "metadata/id3tagbuilder.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tpropertymap.h>
#include <taglib/unsynchronizedlyricsframe.h>

#include <strings.h>

#include <algorithm>
#include <memory>
#include <string>

#include "metadata/genres.h"
#include "metadata/keptfields.h"
#include "metadata/textconversion.h"

namespace tonewright {

namespace {

constexpr int kGenreOther = 12;
constexpr size_t kId3v1Size = 128;

// Tag texts are UTF-8; malformed bytes (from a file name, say) are repaired by the text
// conversion before TagLib decodes the text.
TagLib::String FromUtf8(const std::string& text) {
    std::string utf8;
    if (text.empty() || AnsiToUtf8(text, utf8) != 0) return TagLib::String();
    return TagLib::String(utf8, TagLib::String::UTF8);
}

// ID3v1 fields are Latin-1; TagLib leaves a field empty when any character lies beyond it,
// so such characters become "?" and the rest of the text is kept.
TagLib::String Latin1Text(const std::string& text) {
    TagLib::String latin1 = FromUtf8(text);
    for (auto it = latin1.begin(); it != latin1.end(); ++it)
        if (static_cast<unsigned>(*it) > 0xFF) *it = L'?';
    return latin1;
}

std::vector<uint8_t> ToBytes(const TagLib::ByteVector& data) {
    return std::vector<uint8_t>(data.begin(), data.end());
}

std::vector<uint8_t> RenderId3v1(const TagInfo& values, unsigned track) {
    TagLib::ID3v1::Tag tag;
    tag.setTitle(Latin1Text(values.title));
    tag.setArtist(Latin1Text(values.artist));
    tag.setAlbum(Latin1Text(values.album));
    tag.setYear(static_cast<unsigned>(YearNumber(values.year)));
    tag.setComment(Latin1Text(values.comment));
    tag.setGenreNumber(static_cast<unsigned>(Id3v1GenreNumber(values.genre)));
    tag.setTrack(track);
    const TagLib::ByteVector data = tag.render();
    if (data.size() != kId3v1Size) return {};
    return ToBytes(data);
}

void AddTextFrame(TagLib::ID3v2::Tag& tag, const char* id, const std::string& text) {
    auto frame = std::make_unique<TagLib::ID3v2::TextIdentificationFrame>(id, TagLib::String::Latin1);
    frame->setText(FromUtf8(text));
    tag.addFrame(frame.release());
}

// The kept fields as TagLib's property interface makes them ID3v2 frames: TPE2, TPOS
// ("n/total"), TBPM, TCMP, USLT, UFID for the MusicBrainz track id and TXXX for ReplayGain and
// the other MusicBrainz ids. The totals alone have no frame: the disc's goes into TPOS, the
// track's into TRCK. The lyrics get no description (TagLib would name them "LYRICS"), as
// other taggers write them.
void AddKeptFrames(TagLib::ID3v2::Tag& tag, const TagInfo& values) {
    TagLib::PropertyMap properties;
    for (const char* name : kKeptFieldNames) {
        const std::string& value = KeptField(values, name);
        const std::string field = name;
        if (value.empty() || field == "DISCTOTAL" || field == "TRACKTOTAL") continue;
        std::string text = value;
        if (field == "DISCNUMBER" && !KeptField(values, "DISCTOTAL").empty())
            text += "/" + KeptField(values, "DISCTOTAL");
        const TagLib::String converted = FromUtf8(text);
        if (!converted.isEmpty()) properties.insert(name, TagLib::StringList(converted));
    }
    TagLib::ID3v2::Tag made;
    made.setProperties(properties);
    // Moved one at a time: a copy of the list would share the tag's own list, which deletes
    // its frames when the copy is the last to hold it.
    while (!made.frameList().isEmpty()) {
        TagLib::ID3v2::Frame* frame = made.frameList().front();
        made.removeFrame(frame, false);
        if (auto* lyrics = dynamic_cast<TagLib::ID3v2::UnsynchronizedLyricsFrame*>(frame))
            lyrics->setDescription(TagLib::String());
        tag.addFrame(frame);
    }
}

void AddPictureFrames(TagLib::ID3v2::Tag& tag, const std::vector<Picture>& pictures) {
    for (const Picture& picture : pictures) {
        auto frame = std::make_unique<TagLib::ID3v2::AttachedPictureFrame>();
        frame->setType(static_cast<TagLib::ID3v2::AttachedPictureFrame::Type>(picture.type));
        frame->setMimeType(TagLib::String(picture.mimeType, TagLib::String::Latin1));
        frame->setDescription(FromUtf8(picture.description));
        frame->setPicture(TagLib::ByteVector(picture.data.data(), static_cast<unsigned>(picture.data.size())));
        tag.addFrame(frame.release());
    }
}

// ID3v2.3, which readers that know only 2.3 (many players, car stereos and tag tools) see
// as well as every later one. Its year frame is TYER, given the year text as it is (TagLib
// would cut a TDRC frame it converts to four characters, or drop a shorter one). TagLib
// writes TCON, in its 2.3 form, after the other frames, and raises a frame's text encoding
// from Latin-1 to UTF-16 by itself when the text needs it.
std::vector<uint8_t> RenderId3v2(const TagInfo& values, unsigned track, unsigned total) {
    TagLib::ID3v2::Tag tag;
    AddTextFrame(tag, "TIT2", values.title);
    AddTextFrame(tag, "TPE1", values.artist);
    AddTextFrame(tag, "TALB", values.album);
    AddTextFrame(tag, "TYER", values.year);
    AddTextFrame(tag, "TCON", values.genre);
    if (!values.composer.empty()) AddTextFrame(tag, "TCOM", values.composer);
    if (!values.copyright.empty()) AddTextFrame(tag, "TCOP", values.copyright);
    auto comment = std::make_unique<TagLib::ID3v2::CommentsFrame>(TagLib::String::Latin1);
    comment->setLanguage("XXX");
    comment->setDescription(TagLib::String());
    comment->setText(FromUtf8(values.comment));
    tag.addFrame(comment.release());
    if (track != 0) {
        AddTextFrame(tag, "TRCK",
                     total != 0 ? std::to_string(track) + "/" + std::to_string(total) : std::to_string(track));
    }
    AddKeptFrames(tag, values);
    AddPictureFrames(tag, values.pictures);
    return ToBytes(tag.render(TagLib::ID3v2::v3));
}

}  // namespace

int Id3v1GenreNumber(const std::string& genre) {
    for (int i = 0; Id3v1GenreNames[i] != nullptr; ++i)
        if (strcasecmp(genre.c_str(), Id3v1GenreNames[i]) == 0) return i;
    return kGenreOther;
}

std::vector<uint8_t> BuildId3Tag(int version, const TagInfo& values, int trackNumber, int trackTotal) {
    // Only the low byte of the numbers counts: the width of the ID3v1 track field.
    const unsigned track = static_cast<unsigned>(trackNumber) & 0xFF;
    const unsigned total = static_cast<unsigned>(trackTotal) & 0xFF;
    if (version == kId3v1) return RenderId3v1(values, track);
    return RenderId3v2(values, track, total);
}

}  // namespace tonewright
