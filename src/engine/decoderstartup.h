#pragma once

#include <string>

namespace tonewright {

// Prepares the decoder layer as a program's start-up does: the layer must be version 2.4;
// it is initialised without a sound device at 44100 Hz, and its add-ons are loaded from
// "addons/" in the program's folder. False when the program cannot go on; `message` then
// holds what to tell the user, or "" when nothing is to be shown.
bool StartDecoderLayer(std::string& message);

// Releases the decoder layer and its add-ons when the program ends.
void StopDecoderLayer();

}  // namespace tonewright
