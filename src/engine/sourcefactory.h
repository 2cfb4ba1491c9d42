#pragma once

#include <memory>
#include <string>

#include "sources/audiosource.h"

namespace tonewright {

// Builds and opens a decoder for a file: the decoders for its InputType are tried in turn
// and the first that opens the file is returned. forConversion is 1 when a pipeline asks
// (decoding variants; a failure reason is left when every decoder refuses) and 0 when only
// the file's properties are wanted. renderRate matters to rendered sources (MIDI, tracker
// modules) only.
std::unique_ptr<AudioSource> OpenSource(const std::string& path, int inputType, int renderRate,
                                        int forConversion, std::string& failureReason);

}  // namespace tonewright
