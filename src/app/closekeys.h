#pragma once

class QKeyEvent;

namespace tonewright {

// Enter, Return and Escape: the keys that end a dialog. The program's windows ignore them,
// so that only their own buttons close them.
bool IsDialogCloseKey(const QKeyEvent& event);

}  // namespace tonewright
