#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The input families of the hostile-input corpus: for each one a valid seed file made at
// test time (by sox, ffmpeg or byte by byte) and the header fields that mutations fill with
// absurd values.
namespace hostile {

using Bytes = std::vector<uint8_t>;

// A header field found by searching the seed for `anchor` (its first occurrence; the start
// of the file when empty); the field lies `offset` bytes from the anchor's first byte.
struct HeaderField {
    std::string name;
    std::string anchor;
    int offset = 0;
    int width = 4;  // bytes
    bool bigEndian = false;
    std::vector<uint64_t> values;
};

// The reader Tonewright itself implements for a family, run on its files directly as well
// (the fallback table may hand the same file to FFmpeg first).
enum class OwnReader { None, Wav, Aiff, Au, Vorbis };

struct Family {
    std::string name;       // as the summary table shows it
    std::string slug;       // in file names
    std::string extension;  // with its dot
    // Writes the seed to `path`; may leave helper files (a disc image) in the same folder.
    std::function<void(const std::string& path)> makeSeed;
    std::vector<HeaderField> fields;
    OwnReader ownReader = OwnReader::None;
    bool oggPages = false;  // mutations get their page checksums recomputed
};

const std::vector<Family>& Families();

// The disc image (cue sheet) that the CD track family's records name, in `folder`; set
// TONEWRIGHT_CD_DEVICES to it so the records open.
std::string CdImagePath(const std::string& folder);

// Points TONEWRIGHT_CD_DEVICES at the disc image in `folder` for the life of the object.
class CdDevices {
public:
    explicit CdDevices(const std::string& folder);
    ~CdDevices();
    CdDevices(const CdDevices&) = delete;
    CdDevices& operator=(const CdDevices&) = delete;
};

// A Scream Tracker 3 module: one pattern that plays a looped square-wave sample and breaks
// after four rows.
Bytes MakeS3mFile();

}  // namespace hostile
