#pragma once

#include <vector>

#include "engine/batchhost.h"

namespace tonewright {

class OptionalParts;
struct FileEntry;
struct Settings;

// One batch's options: the settings, the chosen output format, how many rows may convert
// at once, and the program's optional parts (required), found once and kept across batches.
struct BatchContext {
    const Settings* settings = nullptr;
    int outputFormat = 0;
    int jobs = 1;
    OptionalParts* parts = nullptr;
};

// Converts the entries, one after the other or several at once (context.jobs); rows[i] is
// the list row of entries[i]. First asks what the output format and the MIDI rows need;
// then every row ends with its outcome as status text; a converted row keeps its target
// path. Two rows never get the same target name.
void ConvertBatch(const std::vector<FileEntry*>& entries, const std::vector<int>& rows, const BatchContext& context,
                  BatchHost& host);

// Status text of a MIDI row while no SoundFont is available.
extern const char* const kSoundFontMissingStatus;

}  // namespace tonewright
