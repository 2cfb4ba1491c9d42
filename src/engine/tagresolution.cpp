#include "engine/tagresolution.h"

#include <cctype>
#include <climits>

#include "base/inputtype.h"
#include "base/pathutil.h"
#include "metadata/keptfields.h"
#include "metadata/mp4tags.h"
#include "metadata/pictures.h"
#include "metadata/textconversion.h"
#include "settings/settings.h"
#include "sources/audiosource.h"

namespace tonewright {

namespace {

TagInfo FromTemplate(const TagTemplate& tagTemplate, int batchNumber, const std::string& sourcePath) {
    TagInfo tags;
    if (tagTemplate.TitleAsFileName) {
        // File names need not be valid UTF-8; tag texts must be.
        Utf8ToAnsi(StripExtension(LastPathComponent(sourcePath)), tags.title);
    } else {
        tags.title = tagTemplate.Title;
    }
    tags.artist = tagTemplate.Artist;
    tags.album = tagTemplate.Album;
    tags.year = tagTemplate.Year;
    tags.genre = tagTemplate.Genre;
    tags.comment = tagTemplate.Comment;
    tags.composer = tagTemplate.Composer;
    tags.copyright = tagTemplate.Copyright;
    int track = 0;
    if (tagTemplate.TrackNumType == 1)
        track = batchNumber;
    else if (tagTemplate.TrackNumType == 2)
        track = tagTemplate.CustomTrackNum;
    tags.track = std::to_string(track);
    return tags;
}

bool FromSource(const std::string& sourcePath, int inputType, AudioSource& source, TagInfo& tags) {
    if (inputType == kInputM4a || inputType == kInputMp4) {
        TagInfo read;
        if (ReadMp4Tags(sourcePath, read)) {
            tags = read;
            return true;
        }
    }
    TagInfo read;
    if (!source.GetTags(read)) return false;
    tags = read;
    return true;
}

}  // namespace

bool ResolveTags(int tagMode, const TagTemplate& tagTemplate, int batchNumber, const std::string& sourcePath,
                 int inputType, AudioSource& source, TagInfo& tags) {
    switch (tagMode) {
        case kTagFromTemplate:
            tags = FromTemplate(tagTemplate, batchNumber, sourcePath);
            return true;
        case kTagFromSource:
            return FromSource(sourcePath, inputType, source, tags);
        default:
            return false;
    }
}

std::string AddKeptTags(const std::string& sourcePath, bool coverFromFolder, TagInfo& tags) {
    int leftOut = ReadKeptTags(sourcePath, tags);
    if (tags.pictures.empty() && leftOut == 0 && coverFromFolder) {
        Picture cover;
        const FolderCover found = ReadFolderCover(sourcePath, cover);
        if (found == FolderCover::Found) tags.pictures.push_back(std::move(cover));
        if (found == FolderCover::TooLarge) leftOut = 1;
    }
    if (leftOut == 0) return {};
    return leftOut == 1 ? "cover picture over 16 MiB left out"
                        : std::to_string(leftOut) + " pictures over 16 MiB left out";
}

}  // namespace tonewright
