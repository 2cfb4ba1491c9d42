#pragma once

#include <QString>

namespace tonewright {

// The file-type choices of the Add Files dialog: "All audio files" (every extension the
// program reads), "All Files", then one per file type; in the form
// QFileDialog takes ("Name (*.a *.b);;...").
QString OpenDialogFilters();

}  // namespace tonewright
