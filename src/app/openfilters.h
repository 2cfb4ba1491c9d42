#pragma once

#include <QString>

namespace tonewright {

// The file-type choices of the Add Files dialog, "All Files" first, in the form
// QFileDialog takes ("Name (*.a *.b);;...").
QString OpenDialogFilters();

}  // namespace tonewright
