#include "app/displaycheck.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>

namespace tonewright {

namespace {

// ":0", ":1.0" and "unix:0" name a display served on this machine through a socket in
// /tmp/.X11-unix; "host:0" names one elsewhere, which only connecting would test.
bool X11DisplayFound(const QString& display) {
    if (display.isEmpty()) return false;
    const int colon = display.lastIndexOf(QLatin1Char(':'));
    const QString host = display.left(colon);
    if (colon < 0 || !(host.isEmpty() || host == QLatin1String("unix"))) return true;
    const QString number = display.mid(colon + 1).section(QLatin1Char('.'), 0, 0);
    return QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + number);
}

}  // namespace

bool DisplayFound() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) return true;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
    return X11DisplayFound(qEnvironmentVariable("DISPLAY"));
}

}  // namespace tonewright
