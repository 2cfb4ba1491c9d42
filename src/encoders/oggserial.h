#pragma once

namespace tonewright {

// The serial number of the next Ogg stream a writer starts (Ogg Vorbis and Opus alike), from
// a fixed pseudo-random sequence of values 0..32767 (the classic linear congruential
// generator started at 1): every run numbers its files alike, and the files of one run
// differ from each other. Safe to call from several threads.
int NextOggSerialNumber();

}  // namespace tonewright
