#pragma once

// The decoder layer: the BASS 2.4 / BASSMIDI / tags.dll calls the program makes, built on
// FFmpeg (streams), libopenmpt (tracker modules), FluidSynth (MIDI), libcdio-paranoia (CD
// tracks) and TagLib (tag text). Every channel decodes only; nothing is played.
//
// Channels are numbered handles. The calls may be made from several threads at once; calls
// on one handle are serialised, calls on different handles run side by side.
#include <cstdint>

namespace tonewright {

using HSTREAM = uint32_t;
using HMUSIC = uint32_t;
using HSOUNDFONT = uint32_t;
using HPLUGIN = uint32_t;

constexpr uint32_t BASS_STREAM_DECODE = 0x200000;
constexpr uint32_t BASS_MUSIC_DECODE = BASS_STREAM_DECODE;
constexpr uint32_t BASS_MUSIC_PRESCAN = 0x20000;
constexpr uint32_t BASS_MUSIC_RAMP = 0x200;
// BASS_CHANNELINFO flag: the channel's samples are unsigned 8-bit.
constexpr uint32_t BASS_SAMPLE_8BITS = 1;
// Stream creation and BASS_CHANNELINFO flag: the channel's samples are 32-bit floats.
constexpr uint32_t BASS_SAMPLE_FLOAT = 256;
// BASS_CHANNELINFO origres flag: the stored samples are floating point.
constexpr uint32_t BASS_ORIGRES_FLOAT = 0x10000;
constexpr uint32_t BASS_POS_BYTE = 0;
constexpr uint32_t BASS_FILEPOS_END = 2;
constexpr uint32_t BASS_FILEPOS_START = 3;
constexpr uint32_t BASS_TAG_ID3 = 0;
constexpr uint32_t BASS_TAG_ID3V2 = 1;
// BASS_ChannelGetData at the end of the data or on an error (BASS_ErrorGetCode tells which).
constexpr uint32_t BASS_DATA_END = 0xFFFFFFFF;
constexpr int BASS_OK = 0;
constexpr int BASS_ERROR_HANDLE = 5;
constexpr int BASS_ERROR_ENDED = 45;
constexpr int BASS_ERROR_UNKNOWN = -1;
// BASS_ChannelGetLength / GetPosition / StreamGetFilePosition when unknown or on an error.
constexpr uint64_t BASS_POSITION_UNKNOWN = ~uint64_t{0};

struct BASS_CHANNELINFO {
    uint32_t freq;
    uint32_t chans;
    uint32_t flags;
    // The stored width in bits (with BASS_ORIGRES_FLOAT for float), as the sample road
    // counts it (see FfmpegDecoder::StoredFormat); 0 when not known (rendered channels and
    // CD tracks, which are 16-bit).
    uint32_t origres;
    // The layer's own field: the speakers of the channels as a WAV channel mask (channels
    // in ascending bit order); 0 when not known.
    uint32_t speakers;
};

struct BASS_MIDI_FONT {
    HSOUNDFONT font;
    int preset;  // -1: every preset of the font
    int bank;
};

// 0x02040000: version 2.4 in the high 16 bits.
uint32_t BASS_GetVersion();
// Device 0 only (no sound output); freq becomes the rate at which MIDI files and tracker
// modules render when their creation passes rate 0 (44100 Hz until then). Returns 1/0.
int BASS_Init(int device, uint32_t freq, uint32_t flags);
int BASS_Free();
// Every family is built in: the known add-on names (basscd.dll, bassflac.dll, ...) load
// without a file; anything else is refused with 0.
HPLUGIN BASS_PluginLoad(const char* file, uint32_t flags);
int BASS_PluginFree(HPLUGIN handle);

// A decoding stream of the whole file: a CD track record (".cda") or anything FFmpeg decodes
// except tracker modules. With BASS_SAMPLE_FLOAT a file's stream decodes to float frames of
// every channel (unsigned 8-bit and signed 16-bit otherwise); CD tracks stay 16-bit. 0 when
// refused.
HSTREAM BASS_StreamCreateFile(const char* file, uint32_t flags);
// A tracker module rendered at freq (0: the BASS_Init rate) in 16-bit stereo, ending with
// its play-through. BASS_MUSIC_RAMP softens volume changes. 0 when refused.
HMUSIC BASS_MusicLoad(const char* file, uint32_t flags, uint32_t freq);
// A Standard MIDI File (also inside RIFF RMID) rendered at freq (0: the BASS_Init rate) in
// 16-bit stereo with the stream's SoundFonts, or the default ones. 0 when refused.
HSTREAM BASS_MIDI_StreamCreateFile(const char* file, uint32_t flags, uint32_t freq);
// A SoundFont 2 file; 0 when it is missing or not a SoundFont.
HSOUNDFONT BASS_MIDI_FontInit(const char* file, uint32_t flags);
// The SoundFonts of a MIDI stream, or with handle 0 the default of every MIDI stream that
// has none of its own; a stream takes its fonts when its rendering begins. Only whole fonts
// (preset -1, bank 0) are offered. The first entry has the highest priority. Returns 1/0.
int BASS_MIDI_StreamSetFonts(HSTREAM handle, const BASS_MIDI_FONT* fonts, uint32_t count);

// Decoded length in bytes (mode BASS_POS_BYTE only).
uint64_t BASS_ChannelGetLength(uint32_t handle, uint32_t mode);
// Seconds of a decoded byte count; negative for an unknown handle.
double BASS_ChannelBytes2Seconds(uint32_t handle, uint64_t bytes);
int BASS_ChannelGetInfo(uint32_t handle, BASS_CHANNELINFO* info);
// File offset of the start or end of the audio data (a stream's tags excluded).
uint64_t BASS_StreamGetFilePosition(HSTREAM handle, uint32_t mode);
// Decodes up to `length` bytes (whole frames) of interleaved PCM; the byte count, or
// BASS_DATA_END at the end or on an error.
uint32_t BASS_ChannelGetData(uint32_t handle, void* buffer, uint32_t length);
// The outcome of the calling thread's last BASS_ChannelGetData: BASS_OK when it gave data,
// BASS_ERROR_ENDED at the end of the data, BASS_ERROR_HANDLE for an unknown handle or no
// buffer, BASS_ERROR_UNKNOWN when the channel's data could not be read (a file or a disc
// that failed).
int BASS_ErrorGetCode();
uint64_t BASS_ChannelGetPosition(uint32_t handle, uint32_t mode);
// The raw 128-byte ID3v1 block, or the ID3v2 tag from its 10-byte header on; null when
// there is none. Valid until the channel is freed.
const uint8_t* BASS_ChannelGetTags(uint32_t handle, uint32_t tags);
int BASS_StreamFree(HSTREAM handle);
int BASS_MusicFree(HMUSIC handle);

// The tags of the channel's file (any format TagLib reads) rendered through a format of
// literal text and fields %TITL %ARTI %ALBM %GNRE %YEAR %CMNT %TRCK %COMP %COPY ("%%" is
// a percent sign), as UTF-8. Line breaks inside a value become spaces, so every field stays
// on the line the format gives it. "" when the file has none of the fields. Valid until the
// next TAGS_Read on the handle or until the channel is freed.
const char* TAGS_Read(uint32_t handle, const char* format);

}  // namespace tonewright
