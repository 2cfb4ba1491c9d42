// tonewright: the desktop program.
#include <QApplication>

#include "app/mainwindow.h"
#include "settings/settingsstore.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonewright"));
    tonewright::MainWindow window(tonewright::OpenUserSettingsStore());
    window.show();
    return app.exec();
}
