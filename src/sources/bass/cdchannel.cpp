#include "sources/bass/cdchannel.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "sources/bass/filebytes.h"
#include "sources/codecs/littleendian.h"

namespace tonewright {

namespace {

constexpr size_t kRecordBytes = 44;
constexpr int kCdRate = 44100;
constexpr int kFramesPerSector = CDIO_CD_FRAMESIZE_RAW / 4;  // 588 stereo 16-bit frames
constexpr int kReadRetries = 20;

struct CdioDestroyer {
    void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};
struct DriveCloser {
    // The CdIo_t stays with its own owner.
    void operator()(cdrom_drive_t* drive) const { cdio_cddap_close_no_free_cdio(drive); }
};
struct ParanoiaFreer {
    void operator()(cdrom_paranoia_t* paranoia) const { cdio_paranoia_free(paranoia); }
};
using UniqueCdio = std::unique_ptr<CdIo_t, CdioDestroyer>;

// libcdio logs to stderr by default; the layer reports failures by its results only.
void SilenceCdio() {
    static std::once_flag once;
    std::call_once(once, [] { cdio_log_set_handler([](cdio_log_level_t, const char*) {}); });
}

std::vector<std::string> CdDevices() {
    std::vector<std::string> devices;
    if (const char* listed = std::getenv("TONEWRIGHT_CD_DEVICES")) {
        const std::string list = listed;
        for (size_t start = 0; start <= list.size();) {
            const size_t end = std::min(list.find(':', start), list.size());
            if (end > start) devices.push_back(list.substr(start, end - start));
            start = end + 1;
        }
        return devices;
    }
    char** found = cdio_get_devices(DRIVER_DEVICE);
    for (char** device = found; device && *device; ++device) devices.emplace_back(*device);
    cdio_free_device_list(found);
    return devices;
}

bool HoldsTrack(CdIo_t* cdio, const CdTrackRecord& record) {
    const track_t first = cdio_get_first_track_num(cdio);
    const track_t count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || record.track < first ||
        record.track >= first + count)
        return false;
    const auto track = static_cast<track_t>(record.track);
    return cdio_get_track_format(cdio, track) == TRACK_FORMAT_AUDIO &&
           cdio_get_track_lsn(cdio, track) == static_cast<lsn_t>(record.firstSector) &&
           cdio_get_track_sec_count(cdio, track) == record.sectors;
}

class CdChannel : public Channel {
public:
    CdChannel(const std::string& path, UniqueCdio cdio, const CdTrackRecord& record)
        : Channel(Kind::Stream, path), cdio_(std::move(cdio)), sectorsLeft_(record.sectors) {
        layout_ = {kCdRate, 2, 16};
        lengthFrames_ = static_cast<uint64_t>(record.sectors) * kFramesPerSector;
        firstSector_ = static_cast<lsn_t>(record.firstSector);
    }

    bool StartReading() {
        drive_.reset(cdio_cddap_identify_cdio(cdio_.get(), CDDA_MESSAGE_FORGETIT, nullptr));
        if (!drive_ || cdio_cddap_open(drive_.get()) != 0) return false;
        paranoia_.reset(cdio_paranoia_init(drive_.get()));
        if (!paranoia_) return false;
        cdio_paranoia_modeset(paranoia_.get(), PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
        // The seek only moves paranoia's cursor (it answers with the old one); reading
        // there is what can fail.
        cdio_paranoia_seek(paranoia_.get(), firstSector_, SEEK_SET);
        return true;
    }

protected:
    int Decode(void* buffer, int maxFrames) override {
        if (sectorFramesLeft_ == 0) {
            if (sectorsLeft_ == 0) return 0;
            const int16_t* sector = cdio_paranoia_read_limited(paranoia_.get(), nullptr, kReadRetries);
            if (!sector) return -1;
            std::memcpy(sector_, sector, sizeof sector_);
            --sectorsLeft_;
            sectorFramesLeft_ = kFramesPerSector;
        }
        const int frames = std::min(maxFrames, sectorFramesLeft_);
        const int16_t* from = sector_ + (kFramesPerSector - sectorFramesLeft_) * 2;
        std::memcpy(buffer, from, static_cast<size_t>(frames) * 4);
        sectorFramesLeft_ -= frames;
        return frames;
    }

private:
    // Declared in this order so paranoia goes before the drive, and that before the disc.
    UniqueCdio cdio_;
    std::unique_ptr<cdrom_drive_t, DriveCloser> drive_;
    std::unique_ptr<cdrom_paranoia_t, ParanoiaFreer> paranoia_;
    lsn_t firstSector_ = 0;
    uint32_t sectorsLeft_ = 0;
    int16_t sector_[kFramesPerSector * 2] = {};
    int sectorFramesLeft_ = 0;
};

}  // namespace

bool ReadCdTrackRecord(const std::string& path, CdTrackRecord& record) {
    uint64_t size = 0;
    if (!FileLength(path, size) || size != kRecordBytes) return false;
    const std::vector<uint8_t> bytes = ReadFileRange(path, 0, kRecordBytes);
    if (bytes.size() != kRecordBytes) return false;
    const uint8_t* b = bytes.data();
    if (std::memcmp(b, "RIFF", 4) != 0 || std::memcmp(b + 8, "CDDA", 4) != 0 || std::memcmp(b + 12, "fmt ", 4) != 0 ||
        LoadLe32(b + 16) != 24)
        return false;
    record.track = LoadLe16(b + 22);
    record.firstSector = LoadLe32(b + 28);
    record.sectors = LoadLe32(b + 32);
    return record.track > 0 && record.sectors > 0;
}

std::unique_ptr<Channel> OpenCdChannel(const std::string& path, const CdTrackRecord& record) {
    SilenceCdio();
    for (const std::string& device : CdDevices()) {
        UniqueCdio cdio(cdio_open(device.c_str(), DRIVER_UNKNOWN));
        if (!cdio || !HoldsTrack(cdio.get(), record)) continue;
        auto channel = std::make_unique<CdChannel>(path, std::move(cdio), record);
        if (channel->StartReading()) return channel;
    }
    return nullptr;
}

}  // namespace tonewright
