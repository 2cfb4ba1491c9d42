#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "sources/bass/channel.h"

namespace tonewright {

// What a ".cda" file names: a 44-byte RIFF "CDDA" record with a "fmt " chunk that gives
// the track number, the disc's serial number, and the track's first sector (LBA) and
// length in sectors. The track's number and place identify it well enough; the serial
// is not needed.
struct CdTrackRecord {
    int track = 0;
    uint32_t firstSector = 0;
    uint32_t sectors = 0;
};

// Reads a CD track record; false when the file is not one.
bool ReadCdTrackRecord(const std::string& path, CdTrackRecord& record);

// The named track, read through cdparanoia from the drive whose disc holds it: the disc
// with an audio track of that number, first sector and length. The drives are the
// system's CD drives, or the devices and disc images listed in TONEWRIGHT_CD_DEVICES
// (separated by ":"). Null when no drive holds the track.
std::unique_ptr<Channel> OpenCdChannel(const std::string& path, const CdTrackRecord& record);

}  // namespace tonewright
