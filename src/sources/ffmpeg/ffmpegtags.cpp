#include "sources/ffmpeg/ffmpegtags.h"

#include <string>

#include "metadata/filetags.h"
#include "metadata/textconversion.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

namespace tonewright {

namespace {

// The first value of the keys (compared without regard to case) found in the container's
// metadata or, failing that, the stream's; "" when none is there.
std::string Lookup(const AVFormatContext& container, const AVDictionary* streamMetadata,
                   std::initializer_list<const char*> keys) {
    for (const AVDictionary* metadata : {static_cast<const AVDictionary*>(container.metadata), streamMetadata})
        for (const char* key : keys)
            if (const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0)) {
                std::string text;
                Utf8ToAnsi(entry->value, text);
                if (!text.empty()) return text;
            }
    return "";
}

std::string PositiveNumber(int number) { return number > 0 ? std::to_string(number) : ""; }

// Keeps the values read, the year and track as their positive numbers, when any is there.
int KeepIfAny(TagInfo read, TagInfo& tags) {
    read.year = PositiveNumber(YearNumber(read.year));
    read.track = PositiveNumber(TrackNumber(read.track));
    const bool any = !read.title.empty() || !read.artist.empty() || !read.album.empty() || !read.year.empty() ||
                     !read.genre.empty() || !read.comment.empty() || !read.track.empty() ||
                     !read.composer.empty() || !read.copyright.empty();
    if (!any) return 0;
    tags = read;
    return 1;
}

}  // namespace

int ReadContainerTags(const AVFormatContext& container, int audioStream, TagInfo& tags) {
    const AVDictionary* streamMetadata =
        audioStream >= 0 && static_cast<unsigned>(audioStream) < container.nb_streams
            ? container.streams[audioStream]->metadata
            : nullptr;
    TagInfo read;
    read.title = Lookup(container, streamMetadata, {"title"});
    read.artist = Lookup(container, streamMetadata, {"artist", "author"});
    read.album = Lookup(container, streamMetadata, {"album"});
    read.year = Lookup(container, streamMetadata, {"date", "year"});
    read.genre = Lookup(container, streamMetadata, {"genre"});
    read.comment = Lookup(container, streamMetadata, {"comment"});
    read.track = Lookup(container, streamMetadata, {"track"});
    read.composer = Lookup(container, streamMetadata, {"composer"});
    read.copyright = Lookup(container, streamMetadata, {"copyright"});
    return KeepIfAny(read, tags);
}

int ReadFileTagsAsContainer(const std::string& path, TagInfo& tags) {
    TagInfo read;
    if (!ReadFileTags(path, read)) return 0;
    for (std::string* value : {&read.title, &read.artist, &read.album, &read.year, &read.genre, &read.comment,
                               &read.track, &read.composer, &read.copyright}) {
        std::string text;
        Utf8ToAnsi(*value, text);
        *value = text;
    }
    return KeepIfAny(read, tags);
}

}  // namespace tonewright
