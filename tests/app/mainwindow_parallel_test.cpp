// Converting several files at once from the main window (the ParallelJobs option): every
// row's outcome, distinct and complete targets, the queued row progress, and Cancel across
// the running rows.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "app/filelistwidget.h"
#include "app/mainwindow.h"
#include "app/progresswindow.h"
#include "app/qtbatchhost.h"
#include "app/queuedpercent.h"
#include "apptestsupport.h"
#include "base/pathutil.h"
#include "engine/batch.h"
#include "engine/fileentry.h"
#include "engine/optionalparts.h"
#include "settings/settings.h"

using namespace tonewright;
using apptest::WindowHarness;
using Column = FileListWidget::Column;

namespace {

constexpr double kToneSeconds = 0.5;
constexpr qint64 kToneFrames = 22050;

// Sample frames of the file as the ffmpeg program decodes it (mono, 44.1 kHz); -1 when it
// cannot.
qint64 DecodedFrames(const QString& path) {
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                                            QStringLiteral("-f"), QStringLiteral("s16le"), QStringLiteral("-ac"),
                                            QStringLiteral("1"), QStringLiteral("-ar"), QStringLiteral("44100"),
                                            QStringLiteral("-")});
    if (!ffmpeg.waitForFinished(30000) || ffmpeg.exitCode() != 0) return -1;
    return ffmpeg.readAllStandardOutput().size() / 2;
}

// The texts of the progress window's lines.
QStringList ProgressLines(const ProgressWindow& progress) {
    QStringList lines;
    for (const QLabel* label : progress.findChildren<QLabel*>()) lines << label->text();
    return lines;
}

// Passes every event on to the desktop program's host.
class PassingHost : public BatchHost {
public:
    explicit PassingHost(BatchHost& desktop) : desktop_(desktop) {}

    void BatchStarted(const BatchStart& start) override { desktop_.BatchStarted(start); }
    int RowStarted(int row, const RowStart& start) override { return desktop_.RowStarted(row, start); }
    void RowProgressed(int row, const RowProgress& progress) override { desktop_.RowProgressed(row, progress); }
    void RowFinished(int row, const RowEnd& end) override { desktop_.RowFinished(row, end); }
    void BatchFinished(const BatchEnd& end) override { desktop_.BatchFinished(end); }
    bool Ask(const Question& question) override { return desktop_.Ask(question); }
    bool Cancelled() override { return desktop_.Cancelled(); }

protected:
    BatchHost& desktop_;
};

// Holds each row's worker at its first percentage until `pressCancel`, asked on the GUI
// thread whenever the batch lets the host handle its events, has seen what it waits for
// and pressed Cancel. So Cancel comes while the rows are inside their files, however fast
// the machine converts.
class HoldingHost : public PassingHost {
public:
    HoldingHost(BatchHost& desktop, std::function<bool()> pressCancel)
        : PassingHost(desktop), pressCancel_(std::move(pressCancel)) {}

    void RowProgressed(int row, const RowProgress& progress) override {
        desktop_.RowProgressed(row, progress);
        if (progress.percent < 1) return;
        std::unique_lock<std::mutex> lock(mutex_);
        pressedChanged_.wait(lock, [this] { return pressed_; });
    }
    bool Cancelled() override {
        const bool cancelled = desktop_.Cancelled();
        if (cancelled || QThread::currentThread() != qApp->thread() || !pressCancel_()) return cancelled;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            pressed_ = true;
        }
        pressedChanged_.notify_all();
        return desktop_.Cancelled();
    }

private:
    std::function<bool()> pressCancel_;
    std::mutex mutex_;
    std::condition_variable pressedChanged_;
    bool pressed_ = false;
};

// The batch bar's value whenever a row of a batch converted on the GUI thread progresses.
class BarWatchingHost : public PassingHost {
public:
    BarWatchingHost(BatchHost& desktop, QList<int>& batchBar) : PassingHost(desktop), batchBar_(batchBar) {}

    void RowProgressed(int row, const RowProgress& progress) override {
        desktop_.RowProgressed(row, progress);
        if (auto* window = apptest::FindWindow<ProgressWindow>()) batchBar_ << window->batchBar()->value();
    }

private:
    QList<int>& batchBar_;
};

// Converts the window's first `rowCount` rows as the window does, through the desktop's
// host wrapped in a `Watcher` made with `watcherArgs`.
template <typename Watcher, typename... Args>
void ConvertThrough(WindowHarness& h, int rowCount, Args&&... watcherArgs) {
    Settings settings = DefaultSettings(DocumentsFolder());
    LoadSettings(settings, h.store);
    OptionalParts parts;
    BatchContext context;
    context.settings = &settings;
    context.outputFormat = settings.OutputFormat;
    context.jobs = settings.ParallelJobs;
    context.parts = &parts;
    QtBatchHost desktopHost(*h.window, *h.list, h.desktop, settings);
    Watcher host(desktopHost, std::forward<Args>(watcherArgs)...);
    std::vector<FileEntry*> entries;
    std::vector<int> rows;
    for (int row = 0; row < rowCount; ++row) {
        entries.push_back(h.list->EntryAt(row));
        rows.push_back(row);
    }
    ConvertBatch(entries, rows, context, host);
}

}  // namespace

class MainWindowParallelTest : public QObject {
    Q_OBJECT

private slots:
    void everyRowEndsWithItsOutcome_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("extension");
        // Decoded MP3 may carry the encoder's delay and padding: up to three frames more.
        QTest::addColumn<qint64>("extraFrames");
        QTest::newRow("wav, 3 at once") << 2000 << QStringLiteral("wav") << qint64{0};
        QTest::newRow("mp3, 3 at once") << 1000 << QStringLiteral("mp3") << qint64{3 * 1152};
    }

    // Two sources named alike get two targets, a row that fails gets its reason (and the
    // wide Status column), the others their target names, each file whole.
    void everyRowEndsWithItsOutcome() {
        QFETCH(int, format);
        QFETCH(QString, extension);
        QFETCH(qint64, extraFrames);
        WindowHarness h;
        h.store.preset("Options", "ParallelJobs", "3");
        h.store.preset("Options", "OutputFormat", std::to_string(format));
        h.Open();
        QVERIFY(QDir(h.dir.path()).mkpath(QStringLiteral("one")) && QDir(h.dir.path()).mkpath(QStringLiteral("two")));
        h.ListTones({"a.wav", "one/x.wav", "gone.wav", "two/x.wav", "b.wav"}, kToneSeconds);
        QFile::remove(h.file(QStringLiteral("gone.wav")));

        h.window->ConvertAll();
        const QString ext = QLatin1Char('.') + extension;
        const QStringList targets{"a" + ext, "x" + ext, QString(), "x_1" + ext, "b" + ext};
        const QStringList status = h.column(Column::kStatusColumn);
        QVERIFY2(status[2].startsWith(QStringLiteral("Conversion Failure (")), qPrintable(status[2]));
        QCOMPARE(h.list->ColumnUnits(Column::kStatusColumn), 500);
        QCOMPARE(h.list->model()->index(2, Column::kStatusColumn).data(Qt::ToolTipRole).toString(), status[2]);
        for (int row : {0, 1, 3, 4}) {
            QCOMPARE(status[row], targets[row]);
            QCOMPARE(QString::fromStdString(h.list->EntryAt(row)->targetPath), h.outFile(targets[row]));
            const qint64 frames = DecodedFrames(h.outFile(targets[row]));
            QVERIFY2(frames >= kToneFrames && frames <= kToneFrames + extraFrames, qPrintable(QString::number(frames)));
        }
        QVERIFY(h.list->EntryAt(2)->targetPath.empty());
        QCOMPARE(apptest::Leftovers(h.outFile(QString())), QStringList());
        QCOMPARE(h.desktop.revealed, QStringList{h.outFile(targets[0])});
        QVERIFY(h.window->isEnabled());
        QVERIFY(!apptest::FindWindow<ProgressWindow>());
    }

    // A worker's percentages reach the GUI thread only when it handles its events, one
    // queued update at a time carrying the latest value, also after the row has ended.
    void rowPercentsQueueOneUpdateAtATime() {
        QObject gui;
        QList<int> shown;
        auto percent = std::make_unique<QueuedPercent>(gui, [&](int value) { shown << value; });
        const auto advance = [&](int from, int to) {
            std::thread([&] {
                for (int value = from; value <= to; ++value) percent->Set(value);
            }).join();
        };
        advance(0, 50);
        QVERIFY(shown.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(shown, QList<int>{50});
        advance(51, 100);
        percent.reset();
        QCoreApplication::processEvents();
        QCOMPARE(shown, (QList<int>{50, 100}));
    }

    // Cancel while two rows run: both read "Cancelled" and leave no file, the row not yet
    // started keeps its empty Status cell, and no file manager opens. The batch runs as the
    // window runs it, through the desktop's host, with the rows held inside their files
    // until Cancel is pressed.
    void cancelStopsEveryRunningRow() {
        WindowHarness h;
        h.store.preset("Options", "ParallelJobs", "2");
        h.store.preset("Options", "OutputFormat", "1000");
        h.Open();
        h.window->show();
        h.ListTones({"a.wav", "b.wav", "c.wav"}, 2.0);

        QStringList linesWhileRunning;
        int batchBarWhileRunning = -1;
        const auto pressCancelWhenBothRun = [&] {
            auto* progress = apptest::FindWindow<ProgressWindow>();
            if (!progress) return false;
            // Both rows under way, each showing how far it has come.
            const QStringList status = h.column(Column::kStatusColumn);
            const QRegularExpression percent(QStringLiteral("^Converting [1-9][0-9]?%$"));
            if (!percent.match(status[0]).hasMatch() || !percent.match(status[1]).hasMatch()) return false;
            linesWhileRunning = ProgressLines(*progress);
            batchBarWhileRunning = progress->batchBar()->value();
            apptest::PressCancel(*progress);
            return true;
        };
        ConvertThrough<HoldingHost>(h, 3, pressCancelWhenBothRun);

        QVERIFY(linesWhileRunning.contains(QStringLiteral("0 of 3 file(s) converted to MP3, 2 running...")));
        QVERIFY(linesWhileRunning.contains(QStringLiteral("Converting 2 file(s) at once...")));
        QCOMPARE(batchBarWhileRunning, 0);  // it counts the rows ended
        QCOMPARE(h.column(Column::kStatusColumn), (QStringList{"Cancelled", "Cancelled", ""}));
        QCOMPARE(QDir(h.outFile(QString())).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(h.list->EntryAt(0)->targetPath.empty() && h.list->EntryAt(1)->targetPath.empty());
        QVERIFY(h.desktop.revealed.isEmpty());
        QVERIFY(h.window->isEnabled());
        QVERIFY(!apptest::FindWindow<ProgressWindow>());
    }

    // A batch of one row converts on the GUI thread whatever "Convert files at once" says,
    // so its bar counts the row begun as a batch converted one row after the other does.
    void oneRowBatchBarCountsItsRow() {
        WindowHarness h;
        h.store.preset("Options", "ParallelJobs", "2");
        h.store.preset("Options", "OutputFormat", "2000");
        h.Open();
        h.ListTones({"a.wav"}, kToneSeconds);
        QList<int> batchBar;
        ConvertThrough<BarWatchingHost>(h, 1, batchBar);
        QCOMPARE(h.column(Column::kStatusColumn), QStringList{"a.wav"});
        QVERIFY(!batchBar.isEmpty());
        QCOMPARE(batchBar.first(), 1);
    }
};

QTEST_MAIN(MainWindowParallelTest)
#include "mainwindow_parallel_test.moc"
