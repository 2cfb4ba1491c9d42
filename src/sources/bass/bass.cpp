#include "sources/bass/bass.h"

#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/pathutil.h"
#include "sources/bass/cdchannel.h"
#include "sources/bass/channel.h"
#include "sources/bass/fontregistry.h"
#include "sources/bass/midichannel.h"
#include "sources/bass/musicchannel.h"
#include "sources/bass/streamchannel.h"
#include "sources/bass/tagsread.h"

namespace tonewright {

namespace {

constexpr uint32_t kVersion = 0x02040000;
constexpr uint32_t kDefaultOutputRate = 44100;

// The add-ons whose families are built into the layer.
const char* const kBuiltInAddOns[] = {
    "basscd.dll",    "bassflac.dll", "basswma.dll", "basswv.dll",  "bass_aac.dll", "bass_adx.dll",
    "bass_alac.dll", "bass_ape.dll", "bass_mpc.dll", "bass_spx.dll", "bass_tta.dll",
};

// The channels by handle and the rate of BASS_Init. A call takes a channel out of the table
// under the table's lock and then works on it under the channel's own lock, so calls on
// different channels never wait for each other; a channel freed meanwhile lives on until
// the call that holds it ends.
struct Layer {
    std::mutex mutex;
    std::unordered_map<uint32_t, std::shared_ptr<Channel>> channels;
    uint32_t nextHandle = 1;
    uint32_t outputRate = kDefaultOutputRate;
};

// The outcome of the thread's last BASS_ChannelGetData, as BASS keeps its error per thread.
thread_local int lastDataError = BASS_OK;

Layer& TheLayer() {
    static Layer layer;
    return layer;
}

uint32_t AddChannel(std::unique_ptr<Channel> channel) {
    if (!channel) return 0;
    Layer& layer = TheLayer();
    std::lock_guard<std::mutex> lock(layer.mutex);
    uint32_t handle = layer.nextHandle;
    while (handle == 0 || layer.channels.count(handle)) ++handle;
    layer.nextHandle = handle + 1;
    layer.channels.emplace(handle, std::move(channel));
    return handle;
}

std::shared_ptr<Channel> FindChannel(uint32_t handle) {
    Layer& layer = TheLayer();
    std::lock_guard<std::mutex> lock(layer.mutex);
    const auto found = layer.channels.find(handle);
    return found == layer.channels.end() ? nullptr : found->second;
}

// Runs `use` on the channel under its lock; `fallback` for an unknown handle.
template <typename Result, typename Use>
Result WithChannel(uint32_t handle, Result fallback, Use use) {
    const std::shared_ptr<Channel> channel = FindChannel(handle);
    if (!channel) return fallback;
    std::lock_guard<std::mutex> lock(channel->mutex());
    return use(*channel);
}

int FreeChannel(uint32_t handle, bool music) {
    std::shared_ptr<Channel> freed;
    {
        Layer& layer = TheLayer();
        std::lock_guard<std::mutex> lock(layer.mutex);
        const auto found = layer.channels.find(handle);
        if (found == layer.channels.end() || (found->second->kind() == Channel::Kind::Music) != music) return 0;
        freed = std::move(found->second);
        layer.channels.erase(found);
    }
    // The decoder is closed here, outside the table's lock, so other calls need not wait.
    return 1;
}

int RenderRate(uint32_t freq) {
    if (freq != 0) return static_cast<int>(freq);
    Layer& layer = TheLayer();
    std::lock_guard<std::mutex> lock(layer.mutex);
    return static_cast<int>(layer.outputRate);
}

}  // namespace

uint32_t BASS_GetVersion() { return kVersion; }

int BASS_Init(int device, uint32_t freq, uint32_t /*flags*/) {
    if (device != 0 || freq == 0) return 0;
    Layer& layer = TheLayer();
    std::lock_guard<std::mutex> lock(layer.mutex);
    layer.outputRate = freq;
    return 1;
}

int BASS_Free() {
    Layer& layer = TheLayer();
    std::lock_guard<std::mutex> lock(layer.mutex);
    layer.outputRate = kDefaultOutputRate;
    return 1;
}

HPLUGIN BASS_PluginLoad(const char* file, uint32_t /*flags*/) {
    if (!file) return 0;
    const std::string name = AsciiLower(LastPathComponent(file));
    for (size_t i = 0; i < std::size(kBuiltInAddOns); ++i)
        if (name == kBuiltInAddOns[i]) return static_cast<HPLUGIN>(i + 1);
    return 0;
}

int BASS_PluginFree(HPLUGIN handle) { return handle <= std::size(kBuiltInAddOns) ? 1 : 0; }

HSTREAM BASS_StreamCreateFile(const char* file, uint32_t flags) {
    if (!file) return 0;
    // A CD track record is served from the disc or not at all.
    CdTrackRecord record;
    if (ReadCdTrackRecord(file, record)) return AddChannel(OpenCdChannel(file, record));
    return AddChannel(OpenStreamChannel(file, (flags & BASS_SAMPLE_FLOAT) != 0));
}

HMUSIC BASS_MusicLoad(const char* file, uint32_t flags, uint32_t freq) {
    if (!file) return 0;
    return AddChannel(OpenMusicChannel(file, RenderRate(freq), (flags & BASS_MUSIC_RAMP) != 0));
}

HSTREAM BASS_MIDI_StreamCreateFile(const char* file, uint32_t /*flags*/, uint32_t freq) {
    if (!file) return 0;
    return AddChannel(OpenMidiChannel(file, RenderRate(freq)));
}

HSOUNDFONT BASS_MIDI_FontInit(const char* file, uint32_t /*flags*/) { return file ? RegisterSoundFont(file) : 0; }

int BASS_MIDI_StreamSetFonts(HSTREAM handle, const BASS_MIDI_FONT* fonts, uint32_t count) {
    if (!fonts && count > 0) return 0;
    std::vector<uint32_t> handles;
    for (uint32_t i = 0; i < count; ++i) {
        // Only whole fonts are offered; preset and bank mappings are not.
        if (fonts[i].preset != -1 || fonts[i].bank != 0) return 0;
        handles.push_back(fonts[i].font);
    }
    std::vector<std::string> paths;
    if (!SoundFontPaths(handles, paths)) return 0;
    if (handle == 0) {
        SetDefaultSoundFonts(std::move(paths));
        return 1;
    }
    return WithChannel(handle, 0, [&](Channel& channel) {
        if (channel.kind() != Channel::Kind::Midi) return 0;
        static_cast<MidiChannel&>(channel).SetFonts(std::move(paths));
        return 1;
    });
}

uint64_t BASS_ChannelGetLength(uint32_t handle, uint32_t mode) {
    if (mode != BASS_POS_BYTE) return BASS_POSITION_UNKNOWN;
    return WithChannel(handle, BASS_POSITION_UNKNOWN, [](Channel& channel) { return channel.LengthBytes(); });
}

double BASS_ChannelBytes2Seconds(uint32_t handle, uint64_t bytes) {
    return WithChannel(handle, -1.0, [bytes](Channel& channel) {
        const PcmLayout& layout = channel.layout();
        return static_cast<double>(bytes) / (static_cast<double>(layout.FrameBytes()) * layout.rate);
    });
}

int BASS_ChannelGetInfo(uint32_t handle, BASS_CHANNELINFO* info) {
    if (!info) return 0;
    return WithChannel(handle, 0, [info](Channel& channel) {
        const PcmLayout& layout = channel.layout();
        info->freq = static_cast<uint32_t>(layout.rate);
        info->chans = static_cast<uint32_t>(layout.channels);
        info->flags = layout.bits == 8 ? BASS_SAMPLE_8BITS : layout.bits == 32 ? BASS_SAMPLE_FLOAT : 0;
        info->origres = static_cast<uint32_t>(layout.storedBits) | (layout.storedFloat ? BASS_ORIGRES_FLOAT : 0);
        info->speakers = layout.mask;
        return 1;
    });
}

uint64_t BASS_StreamGetFilePosition(HSTREAM handle, uint32_t mode) {
    return WithChannel(handle, BASS_POSITION_UNKNOWN, [mode](Channel& channel) {
        int64_t offset = -1;
        if (mode == BASS_FILEPOS_START) offset = channel.AudioDataStart();
        if (mode == BASS_FILEPOS_END) offset = channel.AudioDataEnd();
        return offset < 0 ? BASS_POSITION_UNKNOWN : static_cast<uint64_t>(offset);
    });
}

uint32_t BASS_ChannelGetData(uint32_t handle, void* buffer, uint32_t length) {
    lastDataError = BASS_ERROR_HANDLE;
    if (!buffer) return BASS_DATA_END;
    return WithChannel(handle, BASS_DATA_END, [buffer, length](Channel& channel) {
        const int64_t bytes = channel.Read(buffer, length);
        lastDataError = bytes > 0 ? BASS_OK : bytes == 0 ? BASS_ERROR_ENDED : BASS_ERROR_UNKNOWN;
        return bytes > 0 ? static_cast<uint32_t>(bytes) : BASS_DATA_END;
    });
}

int BASS_ErrorGetCode() { return lastDataError; }

uint64_t BASS_ChannelGetPosition(uint32_t handle, uint32_t mode) {
    if (mode != BASS_POS_BYTE) return BASS_POSITION_UNKNOWN;
    return WithChannel(handle, BASS_POSITION_UNKNOWN, [](Channel& channel) { return channel.PositionBytes(); });
}

const uint8_t* BASS_ChannelGetTags(uint32_t handle, uint32_t tags) {
    return WithChannel(handle, static_cast<const uint8_t*>(nullptr), [tags](Channel& channel) {
        if (tags == BASS_TAG_ID3) return channel.Id3v1Block();
        if (tags == BASS_TAG_ID3V2) return channel.Id3v2Block();
        return static_cast<const uint8_t*>(nullptr);
    });
}

int BASS_StreamFree(HSTREAM handle) { return FreeChannel(handle, false); }

int BASS_MusicFree(HMUSIC handle) { return FreeChannel(handle, true); }

const char* TAGS_Read(uint32_t handle, const char* format) {
    static const char kNothing[] = "";
    if (!format) return kNothing;
    return WithChannel(handle, kNothing, [format](Channel& channel) {
        return channel.KeepTagsText(RenderTagsText(channel.path(), format));
    });
}

}  // namespace tonewright
