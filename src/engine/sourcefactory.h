#pragma once

#include <memory>
#include <string>

#include "sources/audiosource.h"

namespace tonewright {

// What a source is opened for: the list's properties only, or decoding every sample (the
// decoding variants; a failure reason is left when every decoder refuses).
enum class SourceUse { Properties, Conversion };

// Builds and opens a decoder for a file: the decoders for its InputType are tried in turn
// and the first that opens the file is returned. renderRate matters to rendered sources
// (MIDI, tracker modules) only.
std::unique_ptr<AudioSource> OpenSource(const std::string& path, int inputType, int renderRate, SourceUse use,
                                        std::string& failureReason);

}  // namespace tonewright
