// tonewright: the desktop program.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <csignal>
#include <cstdio>

#include "app/displaycheck.h"
#include "app/mainwindow.h"
#include "app/qtdesktop.h"
#include "engine/decoderstartup.h"
#include "settings/settingsstore.h"

namespace {

int RunMainWindow(tonewright::Desktop& desktop) {
    const auto store = tonewright::OpenUserSettingsStore();
    tonewright::MainWindow window(*store, desktop);
    window.show();
    // Files handed over by the desktop ("Open With Tonewright") are added once the window
    // is up.
    const QStringList paths = QApplication::arguments().mid(1);
    QTimer::singleShot(0, &window, [&window, paths] { window.OpenPaths(paths); });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (!tonewright::DisplayFound()) {
        std::fputs("Tonewright: no display was found. To convert on the command line instead, run "
                   "scripts/run.sh -f mp3 FILES... (or tonewright-cli -f mp3 FILES...).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonewright"));
    QApplication::setApplicationVersion(QStringLiteral(TONEWRIGHT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tonewright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tonewright.png")));
    // The texts in the user's language where a translation is there: Qt's own (buttons of
    // message boxes, the file dialog) and the program's.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QTranslator programTexts;
    if (programTexts.load(QLocale(), QStringLiteral("tonewright"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QApplication::installTranslator(&programTexts);

    // Under a file-size limit a write then fails (and the row with it) instead of the
    // signal ending the program in the middle of a file.
    std::signal(SIGXFSZ, SIG_IGN);

    tonewright::QtDesktop desktop;
    std::string failure;
    if (!tonewright::StartDecoderLayer(failure)) {
        if (!failure.empty())
            desktop.ShowMessage(nullptr, tonewright::Desktop::Icon::Critical, QString::fromStdString(failure));
        return 1;
    }
    const int result = RunMainWindow(desktop);
    tonewright::StopDecoderLayer();
    return result;
}
