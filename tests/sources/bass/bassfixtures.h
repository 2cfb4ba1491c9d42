#pragma once

#include <cstdint>
#include <vector>

// Files for the decoder layer's tests, built byte by byte from the formats' definitions:
// tracker modules, Standard MIDI Files and CD track records.
namespace basstest {

using Bytes = std::vector<uint8_t>;

// At the default speed (6 ticks a row) and tempo (125 BPM) a row lasts 6 × 2.5 / 125 s.
constexpr double kSecondsPerRow = 0.12;

// ProTracker ("M.K.", 4 channels): one pattern that ends after `rows` rows (1..64) with a
// pattern break; a looped square wave plays from the first row.
Bytes MakeModFile(int rows);
// FastTracker 2 (XM 1.04, 2 channels): one pattern of `rows` rows, one instrument with a
// looped square wave.
Bytes MakeXmFile(int rows);
// Impulse Tracker (IT, sample mode): one pattern of `rows` rows (32..200), one looped
// square-wave sample.
Bytes MakeItFile(int rows);

// A variable-length quantity of a MIDI file.
Bytes VarLen(uint32_t value);
// "MThd" with the format, track count and division, then an "MTrk" chunk for each track.
Bytes MakeSmf(uint16_t format, uint16_t division, const std::vector<Bytes>& tracks);
// The tracks of a song with a tempo change, 480 ticks a quarter: 1920 ticks at 120 bpm (2 s),
// then 960 ticks at 240 bpm (0.5 s): 2.5 s. A piano plays two notes.
std::vector<Bytes> TempoChangeTracks();
constexpr double kTempoChangeSongSeconds = 2.5;
Bytes MakeTempoChangeSong();
// The song wrapped in a RIFF RMID file.
Bytes WrapInRmid(const Bytes& smf);

// A ".cda" record naming a track by number, first sector and length in sectors.
Bytes MakeCdaRecord(int track, uint32_t firstSector, uint32_t sectors);

}  // namespace basstest
