#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTest>

#include "app/filelistwidget.h"
#include "app/mainwindow.h"
#include "app/progresswindow.h"
#include "apptestsupport.h"
#include "base/inputtype.h"
#include "engine/fileentry.h"

using namespace tonewright;
using apptest::WindowHarness;
using Column = FileListWidget::Column;

namespace {

const QString kSoundFontMissing = QStringLiteral("Failure. Requires file \"ct4mgm.sf2\".");

}  // namespace

// Converting from the main window: row status texts, Cancel, and the questions asked.
class MainWindowConvertTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // A machine without any SoundFont, whatever this one has.
        qputenv("TONEWRIGHT_SYSTEM_SOUNDFONT", "/nonexistent/none.sf2");
    }

    void convertAllWritesEveryRowsOutcome() {
        WindowHarness h;
        h.Open();
        h.ListTones({"gone.wav", "a.wav", "c.wav"});
        QFile::remove(h.file("gone.wav"));
        QCOMPARE(h.list->ColumnUnits(Column::kStatusColumn), 145);

        h.window->ConvertAll();
        const QStringList status = h.column(Column::kStatusColumn);
        QVERIFY2(status[0].startsWith(QStringLiteral("Conversion Failure (")), qPrintable(status[0]));
        QCOMPARE(status.mid(1), (QStringList{"a.wav", "c.wav"}));
        QCOMPARE(h.list->ColumnUnits(Column::kStatusColumn), 500);  // widened for the reason
        QVERIFY(QFile::exists(h.outFile("a.wav")) && QFile::exists(h.outFile("c.wav")));
        QCOMPARE(h.desktop.revealed, QStringList{h.outFile("a.wav")});
        QVERIFY(h.window->isEnabled());
        QVERIFY(!apptest::FindWindow<ProgressWindow>());
        QVERIFY(h.desktop.messages.empty());
    }

    // Where a notification service answers, the batch's end is notified and the file
    // manager opens only when the options ask for it; elsewhere it opens by default.
    void theEndIsNotifiedOrShown_data() {
        QTest::addColumn<bool>("service");
        QTest::addColumn<QString>("browseStored");  // "": never stored
        QTest::addColumn<bool>("notified");
        QTest::addColumn<bool>("revealed");
        QTest::newRow("no service") << false << "" << false << true;
        QTest::newRow("service") << true << "" << true << false;
        QTest::newRow("service, browsing asked for") << true << "1" << true << true;
        QTest::newRow("no service, browsing turned off") << false << "0" << false << false;
    }

    void theEndIsNotifiedOrShown() {
        QFETCH(bool, service);
        QFETCH(QString, browseStored);
        QFETCH(bool, notified);
        QFETCH(bool, revealed);
        WindowHarness h;
        h.desktop.showsNotifications = service;
        if (!browseStored.isEmpty()) h.store.preset("Options", "BrowseOutputFolder", browseStored.toStdString());
        h.Open();
        h.ListTones({"gone.wav", "a.wav"});
        QFile::remove(h.file("gone.wav"));
        h.window->ConvertAll();
        QCOMPARE(h.desktop.notifications,
                 notified ? QStringList{"Conversion finished|1 of 2 file(s) converted to WAV.|" + h.outFile("a.wav")}
                          : QStringList{});
        QCOMPARE(h.desktop.revealed, revealed ? QStringList{h.outFile("a.wav")} : QStringList{});
    }

    void convertSelectedTakesOnlyTheSelection() {
        WindowHarness h;
        h.store.preset("Options", "BrowseOutputFolder", "0");
        h.Open();
        h.window->ConvertSelected();
        QCOMPARE(h.desktop.messages.back().text, QStringLiteral("You should select a file at least."));
        h.window->ConvertAll();
        QCOMPARE(h.desktop.messages.back().text, QStringLiteral("There aren't files in list."));

        h.ListTones({"a.wav", "b.wav", "c.wav"});
        h.Select(0);
        h.Select(2);
        h.window->ConvertSelected();
        QCOMPARE(h.column(Column::kStatusColumn), (QStringList{"a.wav", "", "c.wav"}));
        QVERIFY(!QFile::exists(h.outFile("b.wav")));
        QVERIFY(h.desktop.revealed.isEmpty());
        QCOMPARE(h.list->ColumnUnits(Column::kStatusColumn), 145);
    }

    // Cancel during a file: that row reads "Cancelled", its partial target is gone, the rows
    // after it keep what they showed, and no file manager opens.
    void cancelStopsTheBatchInsideAFile() {
        WindowHarness h;
        h.Open();
        h.window->show();
        apptest::MakeTone(h.file("long.wav"), 5.0);
        apptest::MakeTone(h.file("next.wav"), 0.2);
        h.AddFiles({h.file("next.wav"), h.file("long.wav")});
        h.Select(0);
        h.window->ConvertSelected();
        QCOMPARE(h.cell(0, Column::kStatusColumn), QStringLiteral("next.wav"));
        h.desktop.revealed.clear();

        // Long first, then the earlier row, which keeps its status. Cancel is pressed as
        // the file bar passes a tenth, while the block loop is inside the file.
        h.list->model()->sort(Column::kFileColumn, Qt::AscendingOrder);
        QList<int> barPositions;
        int barEnd = 0;
        const apptest::WhenShown<ProgressWindow> presser([&](ProgressWindow& progress) {
            QProgressBar* bar = progress.fileBar();
            connect(bar, &QProgressBar::valueChanged, &progress, [&barPositions, &barEnd, bar, &progress](int value) {
                barPositions << value;
                barEnd = bar->maximum();
                if (value > bar->maximum() / 10 && !progress.cancelled()) apptest::PressCancel(progress);
            });
        });
        h.window->ConvertAll();

        QCOMPARE(h.column(Column::kStatusColumn), (QStringList{"Cancelled", "next.wav"}));
        QVERIFY(!QFile::exists(h.outFile("long.wav")));
        QCOMPARE(apptest::Leftovers(h.outFile("")), QStringList());
        QVERIFY(h.list->EntryAt(0)->targetPath.empty());
        QVERIFY(h.desktop.revealed.isEmpty());
        QVERIFY(h.window->isEnabled());
        // The file bar moved, and stopped short of its end.
        QVERIFY(barPositions.size() >= 2);
        QVERIFY(barPositions.front() < barPositions.back());
        QVERIFY(barPositions.back() < barEnd);
    }

    void midiWithoutSoundFontWhenTheUserDeclines() {
        WindowHarness h;
        h.Open();
        h.ListTones({"song.wav", "plain.wav"});
        h.list->EntryAt(0)->inputType = kInputMidi;  // stands for a MIDI file
        h.desktop.answers = {false};
        h.window->ConvertAll();
        QCOMPARE(h.desktop.questions.size(), 1);
        QVERIFY(h.desktop.questions[0].contains(QStringLiteral("file \"ct4mgm.sf2\" is required")));
        QVERIFY(h.desktop.questions[0].contains(QCoreApplication::applicationDirPath() + "/\""));
        QCOMPARE(h.column(Column::kStatusColumn), (QStringList{kSoundFontMissing, "plain.wav"}));
        QVERIFY(h.desktop.opened.isEmpty());
    }

    void midiWithoutSoundFontWhenTheUserGoesToFetchIt() {
        WindowHarness h;
        h.Open();
        h.ListTones({"plain.wav", "song.wav"});
        h.list->EntryAt(1)->inputType = kInputMidi;
        h.desktop.answers = {true};
        h.window->ConvertAll();
        QCOMPARE(h.column(Column::kStatusColumn), (QStringList{"", ""}));
        QVERIFY(!QFile::exists(h.outFile("plain.wav")));
        QCOMPARE(h.desktop.opened.size(), 2);
        QCOMPARE(h.desktop.opened[0], QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/"));
        QVERIFY(h.desktop.opened[1].toString().endsWith(QStringLiteral("/help/soundfont.html")));
        QVERIFY(h.window->isEnabled());
    }

    void batchWithoutMidiNeverAsksForTheSoundFont() {
        WindowHarness h;
        h.Open();
        h.ListTones({"a.wav"});
        h.window->ConvertAll();
        QVERIFY(h.desktop.questions.isEmpty());
        QCOMPARE(h.cell(0, Column::kStatusColumn), QStringLiteral("a.wav"));
    }
};

QTEST_MAIN(MainWindowConvertTest)
#include "mainwindow_convert_test.moc"
