// The desktop list at scale, for bench/list_scale.sh: adds every file of a folder through
// the main window as a drop of the folder would, sorts the rows by each column both ways,
// and removes them all. Prints the seconds of each step, the longest time the event loop
// went without running while files were added, and the memory the process took.
//   list_scale_app FOLDER      (run offscreen: QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include "app/filelistwidget.h"
#include "app/mainwindow.h"
#include "apptestsupport.h"

namespace {

// A field of /proc/self/status, in KiB.
long StatusKib(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(static_cast<int>(qstrlen(field))).trimmed().split(' ')[0].toLong();
    return 0;
}

double Seconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e9; }

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: list_scale_app FOLDER\n");
        return 2;
    }
    apptest::WindowHarness h;
    h.Open();
    h.window->show();
    QApplication::processEvents();
    const long baseKib = StatusKib("VmRSS:");

    // The event loop's longest pause: a timer due every millisecond notes the gaps.
    QElapsedTimer sinceTick, adding;
    qint64 longestGapNs = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapNs = std::max(longestGapNs, sinceTick.nsecsElapsed());
        sinceTick.restart();
    });
    ticker.start();
    sinceTick.start();
    adding.start();
    h.window->OpenPaths({QString::fromLocal8Bit(argv[1])});
    const double addSeconds = Seconds(adding);
    ticker.stop();
    const int rows = h.list->rowCount();
    std::printf("rows %d\nadd %.3f s\nlongest stall %.1f ms\nmemory for the rows %ld MiB\n", rows, addSeconds,
                static_cast<double>(longestGapNs) / 1e6, (StatusKib("VmRSS:") - baseKib) / 1024);

    for (int column = 0; column < h.list->model()->columnCount(); ++column) {
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            QElapsedTimer sorting;
            sorting.start();
            h.list->model()->sort(column, order);
            QApplication::processEvents();
            std::printf("sort column %d %s %.3f s\n", column, order == Qt::AscendingOrder ? "up" : "down",
                        Seconds(sorting));
        }
    }
    QElapsedTimer removing;
    removing.start();
    h.list->selectAll();
    h.window->OnRemove();
    QApplication::processEvents();
    std::printf("remove all %.3f s (%d rows left)\npeak memory %ld MiB\n", Seconds(removing), h.list->rowCount(),
                StatusKib("VmHWM:") / 1024);
    return 0;
}
