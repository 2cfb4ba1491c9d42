#include "sources/vorbis/vorbislinks.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>

#include "base/filecloser.h"
#include "sources/vorbis/vorbisheadercheck.h"

namespace tonewright {

namespace {

// The file behind vorbisfile's callbacks. Reads end at `limit`, as if the file ended there.
struct LimitedFile {
    UniqueFile file;
    int64_t limit = std::numeric_limits<int64_t>::max();
};

size_t ReadBelowLimit(void* buffer, size_t size, size_t count, void* source) {
    auto* in = static_cast<LimitedFile*>(source);
    const int64_t at = ftello(in->file.get());
    if (size == 0 || at < 0 || at >= in->limit) return 0;
    const auto room = static_cast<uint64_t>(in->limit - at) / size;
    return std::fread(buffer, size, static_cast<size_t>(std::min<uint64_t>(count, room)), in->file.get());
}

int SeekFile(void* source, ogg_int64_t offset, int whence) {
    return fseeko(static_cast<LimitedFile*>(source)->file.get(), offset, whence);
}

int CloseFile(void* source) {
    delete static_cast<LimitedFile*>(source);
    return 0;
}

long TellFile(void* source) { return static_cast<long>(ftello(static_cast<LimitedFile*>(source)->file.get())); }

constexpr ov_callbacks kLimitedFileCallbacks = {ReadBelowLimit, SeekFile, CloseFile, TellFile};

// How many links, from the first, are read. The link table (offsets, data offsets, serial
// numbers) exists only for a file vorbisfile could search, which every regular file is.
int ReadableLinks(OggVorbis_File& file, std::FILE* bytes) {
    const vorbis_info* first = ov_info(&file, 0);
    if (!ov_seekable(&file) || !first) return 0;
    int link = 0;
    for (; link < ov_streams(&file); ++link) {
        const vorbis_info* info = ov_info(&file, link);
        if (!info || info->channels != first->channels || info->rate != first->rate ||
            !VorbisHeadersAccepted(bytes, file.offsets[link], file.dataoffsets[link], file.serialnos[link]))
            break;
    }
    return link;
}

}  // namespace

int OpenReadableLinks(const std::string& path, OggVorbis_File& file) {
    auto source = std::make_unique<LimitedFile>();
    source->file.reset(std::fopen(path.c_str(), "rb"));
    if (!source->file) return OV_EREAD;
    const int opened = ov_open_callbacks(source.get(), &file, nullptr, 0, kLimitedFileCallbacks);
    if (opened < 0) return opened;  // vorbisfile did not take the file; `source` still owns it
    LimitedFile* owned = source.release();  // ov_clear closes it from here on
    const int links = ReadableLinks(file, owned->file.get());
    if (links == 0) {
        ov_clear(&file);
        return OV_EBADHEADER;
    }
    if (links < ov_streams(&file)) owned->limit = file.offsets[links];
    // Back to the start, reading anew below the limit: the check moved the file, and
    // vorbisfile may hold bytes from beyond the limit.
    const int rewound = ov_raw_seek(&file, 0);
    if (rewound != 0) ov_clear(&file);
    return rewound;
}

}  // namespace tonewright
