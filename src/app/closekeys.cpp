#include "app/closekeys.h"

#include <QKeyEvent>

namespace tonewright {

bool IsDialogCloseKey(const QKeyEvent& event) {
    const int key = event.key();
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace tonewright
