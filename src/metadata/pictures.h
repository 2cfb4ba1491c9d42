#pragma once

#include <string>

#include "metadata/taginfo.h"

namespace tonewright {

// What a look for a folder picture found.
enum class FolderCover { None, Found, TooLarge };

// The front cover kept beside a source: the first of cover.jpg, cover.png, folder.jpg and
// front.jpg (in that order, the names compared without regard to case) in the source's
// folder, read whole with its MIME type from its extension. A file over kLargestPicture is
// not read (TooLarge).
FolderCover ReadFolderCover(const std::string& sourcePath, Picture& picture);

// The value of a METADATA_BLOCK_PICTURE Vorbis comment (Ogg Vorbis, Opus): the FLAC picture
// block (type, MIME type, description, data; the image's size left unknown) in base64.
std::string VorbisPictureComment(const Picture& picture);

}  // namespace tonewright
