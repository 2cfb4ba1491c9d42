#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QThread>

#include "app/filelistwidget.h"
#include "app/formatselector.h"
#include "app/mainwindow.h"
#include "app/progresswindow.h"
#include "apptestsupport.h"
#include "base/inputtype.h"
#include "engine/fileentry.h"

using namespace tonewright;
using apptest::WindowHarness;
using Column = FileListWidget::Column;

namespace {

// Milliseconds; the event pump lets events through at most every 16 ms.
constexpr unsigned long kLongerThanThePumpInterval = 20;

QStringList Paths(const WindowHarness& harness, const QStringList& names) {
    QStringList paths;
    for (const QString& name : names) paths << harness.file(name);
    return paths;
}

// "f000.wav", "f001.wav", ...
QStringList NumberedNames(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) names << QStringLiteral("f%1.wav").arg(i, 3, 10, QLatin1Char('0'));
    return names;
}

QStringList SourcePaths(const WindowHarness& harness) {
    QStringList paths;
    for (int row = 0; row < harness.rows(); ++row)
        paths << QString::fromStdString(harness.list->EntryAt(row)->sourcePath);
    return paths;
}

void ClickHeader(FileListWidget* list, int column) {
    QHeaderView* header = list->header();
    const QPoint inside(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, inside);
}

QStringList EnabledCommands(QMenu& menu) {
    QStringList enabled;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator() && action->isEnabled()) enabled << action->text().section(QLatin1Char('\t'), 0, 0);
    return enabled;
}

void SelectRows(const WindowHarness& h, std::initializer_list<int> rows) {
    h.list->clearSelection();
    for (int row : rows) h.Select(row);
}

}  // namespace

// Adding, showing, sorting and removing files in the main window.
class MainWindowFilesTest : public QObject {
    Q_OBJECT

private slots:
    void addsGoodFilesSkipsDuplicatesAndReportsTheRest() {
        WindowHarness h;
        h.Open();
        h.MakeTones({"a.wav", "b.wav"});
        apptest::MakeGarbage(h.file("broken.wav"));
        // Files named as sound that hold none: empty, and noise of bytes.
        QFile empty(h.file("empty.flac"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QFile noise(h.file("noise.flac"));
        QVERIFY(noise.open(QIODevice::WriteOnly));
        QRandomGenerator bytes(17);
        for (int i = 0; i < 4096; ++i) noise.putChar(static_cast<char>(bytes.bounded(256)));
        noise.close();
        h.AddFiles(Paths(h, {"a.wav", "broken.wav", "empty.flac", "b.wav", "a.wav", "noise.flac", "missing.mp3"}));
        QCOMPARE(h.column(Column::kFileColumn), (QStringList{"a.wav", "b.wav"}));
        QCOMPARE(h.desktop.messages.size(), size_t{1});
        QCOMPARE(h.desktop.messages[0].icon, Desktop::Icon::Warning);
        QVERIFY(h.desktop.messages[0].text.startsWith(QStringLiteral("Failed to load the following files.\n\n") +
                                                      h.file("broken.wav") + "\n" + h.file("empty.flac") + "\n" +
                                                      h.file("noise.flac") + "\n" + h.file("missing.mp3") +
                                                      "\n\n"));
        QVERIFY(h.window->isEnabled());

        // A second run with a listed file (also named another way) adds and reports nothing.
        h.AddFiles({h.file("b.wav"), h.dir.path() + "/./a.wav"});
        QCOMPARE(h.rows(), 2);
        QCOMPARE(h.desktop.messages.size(), size_t{1});
    }

    void thirtyFiveUnreadableFilesListThirtyPaths() {
        WindowHarness h;
        h.Open();
        const QStringList bad = Paths(h, NumberedNames(35));
        for (const QString& path : bad) apptest::MakeGarbage(path);
        h.AddFiles(bad);
        QCOMPARE(h.rows(), 0);
        QCOMPARE(h.desktop.messages.size(), size_t{1});
        const QString expected = QStringLiteral("Failed to load the following files.\n\n") +
                                 QStringList(bad.mid(0, 30)).join('\n') + "\n<more files>...\n\n";
        QVERIFY2(h.desktop.messages[0].text.startsWith(expected), qPrintable(h.desktop.messages[0].text));
        QVERIFY(!h.desktop.messages[0].text.contains(bad[30]));
    }

    void cellTexts_data() {
        QTest::addColumn<int>("inputType");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("channels");  // channel count, or the MPEG mode of MP3 rows
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("59 s") << int(kInputWav) << 59 << 2 << QStringList{"00:59", "Stereo"};
        QTest::newRow("an hour") << int(kInputWav) << 3600 << 1 << QStringList{"1:00:00", "Mono"};
        QTest::newRow("no duration") << int(kInputWav) << 0 << 0 << QStringList{"", "Mono"};
        QTest::newRow("5.1") << int(kInputFlac) << 61 << 6 << QStringList{"01:01", "5.1"};
        QTest::newRow("4 channels") << int(kInputFlac) << 5999 << 4 << QStringList{"1:39:59", "4"};
        QTest::newRow("joint stereo") << int(kInputMp3) << 10 << 1 << QStringList{"00:10", "J-Stereo"};
        QTest::newRow("mono MP3") << int(kInputMp3) << 10 << 3 << QStringList{"00:10", "Mono"};
        QTest::newRow("unknown MP3 mode") << int(kInputMp3) << 10 << 4 << QStringList{"00:10", ""};
    }

    void cellTexts() {
        QFETCH(int, inputType);
        QFETCH(int, duration);
        QFETCH(int, channels);
        QFETCH(QStringList, cells);
        FileEntry entry;
        entry.sourcePath = "/music/some folder/track.x";
        entry.inputType = inputType;
        entry.duration = duration;
        (inputType == kInputMp3 ? entry.channelMode : entry.sourceChannels) = channels;
        entry.bitrate = 128;
        entry.sampleRate = 44100;
        FileListWidget list(nullptr);
        list.AppendRows({&entry});
        const auto cell = [&](int column, int role) { return list.model()->index(0, column).data(role); };
        QCOMPARE(list.CellText(0, Column::kFileColumn), QStringLiteral("track.x"));
        QCOMPARE(cell(Column::kFileColumn, Qt::ToolTipRole).toString(), QStringLiteral("/music/some folder/track.x"));
        QCOMPARE(list.CellText(0, Column::kDurationColumn), cells[0]);
        QCOMPARE(list.CellText(0, Column::kBitrateColumn), QStringLiteral("128 kbps"));
        QCOMPARE(list.CellText(0, Column::kFrequencyColumn), QStringLiteral("44100 Hz"));
        QCOMPARE(list.CellText(0, Column::kChannelsColumn), cells[1]);
        QCOMPARE(cell(Column::kDurationColumn, Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
                 int(Qt::AlignRight));
        QCOMPARE(cell(Column::kChannelsColumn, Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
                 int(Qt::AlignLeft));
    }

    void realFilesShowTheirProperties() {
        WindowHarness h;
        h.Open();
        apptest::MakeTone(h.file("surround.wav"), 2.0, 48000, 6);
        h.AddFiles({h.file("surround.wav")});
        QCOMPARE(h.rows(), 1);
        QCOMPARE(h.cell(0, Column::kDurationColumn), QStringLiteral("00:02"));
        QCOMPARE(h.cell(0, Column::kFrequencyColumn), QStringLiteral("48000 Hz"));
        QCOMPARE(h.cell(0, Column::kChannelsColumn), QStringLiteral("5.1"));
        QCOMPARE(h.cell(0, Column::kBitrateColumn), QStringLiteral("4608 kbps"));
    }

    void headersSortByTheirColumnsRule() {
        struct Row {
            const char* name;
            int duration;
            int bitrate;
        };
        const Row rows[] = {{"b.wav", 3600, 64}, {"c.wav", 59, 1411}, {"a.wav", 3599, 128}};
        std::vector<FileEntry> entries;
        for (const Row& row : rows) {
            FileEntry entry;
            entry.sourcePath = std::string("/music/") + row.name;
            entry.inputType = kInputWav;
            entry.duration = row.duration;
            entry.bitrate = row.bitrate;
            entries.push_back(entry);
        }
        FileListWidget list(nullptr);
        for (FileEntry& entry : entries) list.AppendRows({&entry});
        list.resize(700, 300);
        list.show();
        auto names = [&] {
            QStringList texts;
            for (int row = 0; row < list.rowCount(); ++row) texts << list.CellText(row, 0);
            return texts;
        };

        ClickHeader(&list, Column::kDurationColumn);
        QCOMPARE(names(), (QStringList{"c.wav", "a.wav", "b.wav"}));  // 00:59, 59:59, 1:00:00
        ClickHeader(&list, Column::kDurationColumn);
        QCOMPARE(names(), (QStringList{"b.wav", "a.wav", "c.wav"}));
        ClickHeader(&list, Column::kBitrateColumn);
        QCOMPARE(names(), (QStringList{"b.wav", "a.wav", "c.wav"}));  // 64, 128, 1411 kbps
        ClickHeader(&list, Column::kFileColumn);
        QCOMPARE(names(), (QStringList{"a.wav", "b.wav", "c.wav"}));
        QCOMPARE(list.EntryAt(0)->sourcePath, std::string("/music/a.wav"));  // rows keep their entries
        // A row added after sorting goes to the end.
        FileEntry late;
        late.sourcePath = "/music/0.wav";
        list.AppendRows({&late});
        QCOMPARE(list.CellText(3, 0), QStringLiteral("0.wav"));
    }

    void removeTakesTheSelectedRows() {
        WindowHarness h;
        h.Open();
        h.ListTones({"a.wav", "b.wav", "c.wav", "d.wav"});

        h.window->OnRemove();
        QCOMPARE(h.desktop.messages.back().text, QStringLiteral("You should select a file at least."));
        QCOMPARE(h.desktop.messages.back().icon, Desktop::Icon::Information);

        h.window->show();
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        SelectRows(h, {0, 2});
        QTest::keyClick(h.window.get(), Qt::Key_Delete);
        QCOMPARE(h.column(Column::kFileColumn), (QStringList{"b.wav", "d.wav"}));
        QCOMPARE(SourcePaths(h), Paths(h, {"b.wav", "d.wav"}));

        // Removed files can be listed again; listed ones still cannot.
        h.AddFiles(Paths(h, {"c.wav", "b.wav"}));
        QCOMPARE(h.column(Column::kFileColumn), (QStringList{"b.wav", "d.wav", "c.wav"}));
    }

    // The Remove button is offered while rows are selected, and removes those rows.
    void removeButtonTakesTheSelection_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("nothing selected") << QList<int>{} << QStringList{"a.wav", "b.wav", "c.wav"};
        QTest::newRow("one row") << QList<int>{1} << QStringList{"a.wav", "c.wav"};
        QTest::newRow("first and last") << QList<int>{0, 2} << QStringList{"b.wav"};
    }

    void removeButtonTakesTheSelection() {
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, left);
        WindowHarness h;
        h.Open();
        auto* remove = h.window->findChild<QPushButton*>(QStringLiteral("removeButton"));
        QCOMPARE(remove->text(), QStringLiteral("&Remove"));
        QVERIFY(!remove->isEnabled());
        h.ListTones({"a.wav", "b.wav", "c.wav"});
        for (int row : selected) h.Select(row);
        QCOMPARE(remove->isEnabled(), !selected.isEmpty());
        remove->click();
        QCOMPARE(h.column(Column::kFileColumn), left);
        QVERIFY(!remove->isEnabled());
        QVERIFY(h.desktop.messages.empty());
    }

    // "All audio files" comes first and takes every extension the program knows, from the
    // families it reads itself and from each file type the dialog offers.
    void openDialogOffersAllAudioFilesFirst() {
        WindowHarness h;
        h.Open();
        h.AddFiles({});
        const QStringList filters = h.desktop.fileDialogFilters.split(QStringLiteral(";;"));
        QVERIFY(filters[0].startsWith(QStringLiteral("All audio files (*.mp3 *.wav ")));
        QCOMPARE(filters[1], QStringLiteral("All Files (*)"));
        const QString all = filters[0].mid(filters[0].indexOf('(') + 1).chopped(1);
        const QStringList patterns = all.split(' ');
        QCOMPARE(patterns.size(), QSet<QString>(patterns.begin(), patterns.end()).size());
        QStringList wanted;
        for (const std::string& extension : FamilyExtensions()) wanted << '*' + QString::fromStdString(extension);
        for (const QString& filter : filters.mid(2)) wanted << filter.section('(', 1).chopped(1).split(' ');
        for (const QString& pattern : wanted) QVERIFY2(patterns.contains(pattern), qPrintable(pattern));
    }

    void removeAllEmptiesTheList() {
        WindowHarness h;
        h.Open();
        h.window->OnRemoveAll();
        QCOMPARE(h.desktop.messages.back().text, QStringLiteral("There aren't files in list."));
        h.ListTones({"a.wav"});
        h.window->OnRemoveAll();
        QCOMPARE(h.rows(), 0);
        h.AddFiles({h.file("a.wav")});
        QCOMPARE(h.rows(), 1);
    }

    void formatSelectorRows() {
        FormatSelector selector(nullptr);
        QStringList texts;
        for (int row = 0; row < selector.count(); ++row) texts << selector.itemText(row);
        QCOMPARE(texts, (QStringList{" to MP3", " to WAV", " to WMA", " to OGG", " to AAC", " to AAC for iPod / iTunes",
                                     " to MP4 (Audio only)", " to M4A (MPEG-4 Audio)", " to M4B (MPEG-4 Audiobook)",
                                     " to AMR", " to AWB", " to FLAC", " to Opus"}));
    }

    void formatSelectorFollowsTheStoredFormat_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("savedOnClose");
        QTest::newRow("M4A: the later row wins") << "6500" << " to M4A (MPEG-4 Audio)" << "6500";
        QTest::newRow("AWB") << "5600" << " to AWB" << "5600";
        QTest::newRow("unknown code") << "1234" << " to MP3" << "1000";
    }

    void formatSelectorFollowsTheStoredFormat() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, savedOnClose);
        WindowHarness h;
        h.store.preset("Options", "OutputFormat", stored.toStdString());
        h.Open();
        QCOMPARE(h.window->findChild<FormatSelector*>()->currentText(), shown);
        h.Close();
        QCOMPARE(QString::fromStdString(h.store.values().at("Options/OutputFormat")), savedOnClose);
    }

    void choosingAFormatIsStoredWhenTheWindowCloses() {
        WindowHarness h;
        h.Open();
        auto* selector = h.window->findChild<FormatSelector*>();
        selector->setCurrentIndex(selector->findText(QStringLiteral(" to OGG")));
        QVERIFY(h.store.writes().empty());
        h.Close();
        QCOMPARE(h.store.values().at("Options/OutputFormat"), std::string("4000"));
    }

    void contextMenuFollowsTheSelection() {
        WindowHarness h;
        h.Open();
        QCOMPARE(EnabledCommands(*h.window->CreateListMenu()), (QStringList{"&Add Files...", "Add F&older"}));

        h.ListTones({"a.wav", "b.wav"});
        QCOMPARE(EnabledCommands(*h.window->CreateListMenu()),
                 (QStringList{"Convert All", "&Add Files...", "Add F&older", "Remove Al&l"}));

        SelectRows(h, {0});
        QCOMPARE(EnabledCommands(*h.window->CreateListMenu()),
                 (QStringList{"&Play Source", "&Convert Selected", "Convert All", "Browse &Source Folder",
                              "&Add Files...", "Add F&older", "&Remove", "Remove Al&l"}));
        h.list->EntryAt(0)->targetPath = h.file("out/a.wav").toStdString();
        QVERIFY(EnabledCommands(*h.window->CreateListMenu()).contains(QStringLiteral("Play &Destination")));
        QVERIFY(EnabledCommands(*h.window->CreateListMenu()).contains(QStringLiteral("Browse Destination &Folder")));

        SelectRows(h, {0, 1});
        QCOMPARE(EnabledCommands(*h.window->CreateListMenu()),
                 (QStringList{"&Convert Selected", "Convert All", "&Add Files...", "Add F&older", "&Remove",
                              "Remove Al&l"}));
    }

    void addFolderSearchesTheTreeAndRemembersTheFolder() {
        WindowHarness h;
        h.store.preset("Options", "Folder", "/previous/folder/");
        h.store.preset("Options", "EnableExtFilter", "1");
        h.store.preset("Options", "FilterExts", "wav");
        h.Open();
        QDir(h.dir.path()).mkpath(QStringLiteral("music/sub/deeper"));
        QDir(h.dir.path()).mkpath(QStringLiteral("elsewhere"));
        h.MakeTones({"music/b.wav", "music/a.wav", "music/sub/deeper/c.wav", "music/sub/d.wav", "elsewhere/e.wav"});
        apptest::MakeGarbage(h.file("music/notes.txt"));
        // Links: to a folder outside the tree (searched after the tree), back up the tree (a
        // loop), a second way into a folder and a second name of a file (each listed once).
        QVERIFY(QFile::link(QStringLiteral("../elsewhere"), h.file("music/linked")));
        QVERIFY(QFile::link(QStringLiteral("../.."), h.file("music/sub/deeper/up")));
        QVERIFY(QFile::link(QStringLiteral("deeper"), h.file("music/sub/twin")));
        QVERIFY(QFile::link(QStringLiteral("../d.wav"), h.file("music/sub/deeper/alias.wav")));
        h.desktop.folderToChoose = h.file("music");
        h.window->OnAddFolder();
        QCOMPARE(h.desktop.folderBrowserPrompt, QStringLiteral("Please choose a folder:"));
        QCOMPARE(h.desktop.folderBrowserStart, QStringLiteral("/previous/folder"));
        QCOMPARE(SourcePaths(h), Paths(h, {"music/a.wav", "music/b.wav", "music/sub/d.wav", "music/sub/deeper/c.wav",
                                           "music/linked/e.wav"}));
        QCOMPARE(QString::fromStdString(h.store.values().at("Options/Folder")), h.file("music") + "/");
        QVERIFY(h.desktop.messages.empty());
    }

    void droppedFoldersAndLinksAreFiltered() {
        WindowHarness h;
        h.store.preset("Options", "EnableExtFilter", "1");
        h.store.preset("Options", "FilterExts", "wav");
        h.Open();
        QDir(h.dir.path()).mkpath(QStringLiteral("drop"));
        h.MakeTones({"drop/in.wav", "target.wav", "plain.aiff"});
        QVERIFY(QFile::link(h.file("target.wav"), h.file("shortcut.lnk")));
        QVERIFY(QFile::link(h.file("plain.aiff"), h.file("other.lnk")));

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(h.file("drop")), QUrl::fromLocalFile(h.file("shortcut.lnk")),
                      QUrl::fromLocalFile(h.file("other.lnk")), QUrl::fromLocalFile(h.file("plain.aiff"))});
        // Over the list, as a file manager would drop them; the list hands them to the window.
        QWidget* target = h.list->viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QCOMPARE(h.rows(), 0);  // the adding waits until the drop has completed
        QCoreApplication::sendPostedEvents(h.window.get(), QEvent::MetaCall);
        QCOMPARE(h.rows(), 2);
        QCOMPARE(SourcePaths(h), Paths(h, {"drop/in.wav", "target.wav"}));
    }

    // Cancel pressed as the fifth file is added: that file is the last one taken.
    void cancelStopsAddingAndKeepsWhatWasAdded() {
        WindowHarness h;
        h.Open();
        const QStringList paths = h.MakeTones(NumberedNames(40));
        apptest::MakeGarbage(paths[1]);
        const apptest::WhenShown<AddProgressWindow> presser([](AddProgressWindow& progress) {
            connect(progress.bar(), &QProgressBar::valueChanged, &progress, [&progress](int file) {
                if (file == 5) apptest::PressCancel(progress);
            });
        });
        h.AddFiles(paths);
        QCOMPARE(SourcePaths(h), (QStringList{paths[0], paths[2], paths[3], paths[4]}));
        QCOMPARE(h.desktop.messages.size(), size_t{1});  // the report still comes
        QVERIFY(h.desktop.messages[0].text.contains(paths[1]));
    }

    // The window handles its events between the files it adds: an event posted while one
    // file is added runs before the next one. Each file takes longer than the event pump's
    // interval here, so every pause between files must let events through.
    void addingFilesKeepsTheWindowResponsive() {
        WindowHarness h;
        h.Open();
        h.window->show();
        const QStringList paths = h.MakeTones(NumberedNames(20));
        int posted = 0;
        int handled = 0;
        QList<int> filesStartedWithEventsWaiting;
        const apptest::WhenShown<AddProgressWindow> watcher([&](AddProgressWindow& progress) {
            connect(progress.bar(), &QProgressBar::valueChanged, &progress, [&](int file) {
                if (handled < posted) filesStartedWithEventsWaiting << file;
                ++posted;
                QMetaObject::invokeMethod(h.window.get(), [&handled] { ++handled; }, Qt::QueuedConnection);
                QThread::msleep(kLongerThanThePumpInterval);
            });
        });
        h.AddFiles(paths);
        QCOMPARE(h.rows(), 20);
        QCOMPARE(posted, 20);
        QCOMPARE(filesStartedWithEventsWaiting, QList<int>{});
    }

    void helpMenuOpensTheGuideAndItsPages() {
        WindowHarness h;
        h.Open();
        auto* menu = h.window->findChild<QMenu*>(QStringLiteral("helpMenu"));
        QStringList entries;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            entries << action->text();
            action->trigger();
        }
        QCOMPARE(entries, (QStringList{"&Help Topics\tF1", "&Tell A Friend", "&Feedback and Support", "Home&page",
                                       "&Check Latest Version", "&About..."}));
        QCOMPARE(h.desktop.opened.size(), 5);
        QVERIFY(h.desktop.opened[0].toString().endsWith(QStringLiteral("/help/index.html")));
        QCOMPARE(h.desktop.opened[1].scheme(), QStringLiteral("mailto"));
        QVERIFY(h.desktop.opened[1].query(QUrl::FullyDecoded).contains(QStringLiteral("Tonewright - very COOL application!!!")));
        QVERIFY(h.desktop.opened[1].query(QUrl::FullyDecoded).contains(QStringLiteral("batch audio converter")));
        QVERIFY(!h.desktop.opened[1].toString().contains(QStringLiteral("file:")));
        QVERIFY(h.desktop.opened[2].toString().endsWith(QStringLiteral("/help/support.html")));
        QCOMPARE(h.desktop.opened[4].fragment(), QStringLiteral("updates"));
        QCOMPARE(h.desktop.abouts.size(), 1);
        QVERIFY(h.desktop.abouts[0].contains(QStringLiteral("Tonewright " TONEWRIGHT_VERSION)));
    }

    void startUpOpensTheGuideOnlyTheFirstTime() {
        WindowHarness h;
        h.store.preset("Options", "FirstRun", "1");
        h.Open();
        QCOMPARE(h.desktop.opened.size(), 1);
        QVERIFY(h.desktop.opened[0].toString().endsWith(QStringLiteral("/help/index.html")));
        h.Close();
        h.Open();
        QCOMPARE(h.desktop.opened.size(), 1);
    }

    void enterAndEscapeDoNotCloseTheWindowCtrlQDoes() {
        WindowHarness h;
        h.Open();
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(h.window.get(), key);
        QVERIFY(h.window->isVisible());
        QVERIFY(h.desktop.messages.empty());
        QTest::keyClick(h.window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!h.window->isVisible());
    }

    // Shift+F10 opens the list's menu over the current row, as a right click there would.
    void shiftF10OpensTheListMenuAtTheCurrentRow() {
        WindowHarness h;
        h.Open();
        h.window->show();
        h.ListTones({"a.wav", "b.wav", "c.wav"});
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.list->setCurrentIndex(h.list->model()->index(2, 0));
        QPoint opened;
        QStringList enabled;
        const apptest::WhenShown<QMenu> watcher([&](QMenu& menu) {
            opened = menu.pos();
            enabled = EnabledCommands(menu);
            QMetaObject::invokeMethod(&menu, &QMenu::close, Qt::QueuedConnection);
        });
        QTest::keyClick(h.list, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(enabled.contains(QStringLiteral("&Play Source")));  // the current row is the selection
        const QRect row = h.list->visualRect(h.list->model()->index(2, 0));
        const QRect rowOnScreen(h.list->viewport()->mapToGlobal(row.topLeft()), row.size());
        QVERIFY(rowOnScreen.adjusted(0, 0, 0, 1).contains(opened));
    }

    // Size, place, maximised state and column widths come back at the next start; without
    // stored values the window has its classic size and the File column fills the view.
    void windowPlacementIsRemembered_data() {
        QTest::addColumn<QStringList>("stored");  // name=value pairs
        QTest::addColumn<QRect>("geometry");      // an empty rectangle: the classic size, anywhere
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<int>("statusUnits");
        QTest::newRow("nothing stored") << QStringList{} << QRect() << false << 145;
        QTest::newRow("place and columns")
            << QStringList{"MainWindowLeft=40", "MainWindowTop=30", "MainWindowWidth=620", "MainWindowHeight=410",
                           "StatusColumnWidth=120"}
            << QRect(40, 30, 620, 410) << false << 120;
        QTest::newRow("maximised")
            << QStringList{"MainWindowLeft=40", "MainWindowTop=30", "MainWindowWidth=620", "MainWindowHeight=410",
                           "MainWindowMaximized=1"}
            << QRect(40, 30, 620, 410) << true << 145;
        QTest::newRow("a screen that is gone")
            << QStringList{"MainWindowLeft=-3000", "MainWindowTop=30", "MainWindowWidth=620",
                           "MainWindowHeight=410"}
            << QRect(-1, -1, 620, 410) << false << 145;
    }

    void windowPlacementIsRemembered() {
        QFETCH(QStringList, stored);
        QFETCH(QRect, geometry);
        QFETCH(bool, maximized);
        QFETCH(int, statusUnits);
        WindowHarness h;
        for (const QString& pair : stored)
            h.store.preset("Options", pair.section('=', 0, 0).toStdString(), pair.section('=', 1).toStdString());
        h.Open();
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        QCOMPARE(h.window->isMaximized(), maximized);
        const QRect normal = h.window->normalGeometry();
        if (geometry.isEmpty()) QCOMPARE(normal.size(), QSize(699, 538));
        else if (geometry.left() < 0) QCOMPARE(normal.size(), geometry.size());
        else QCOMPARE(normal, geometry);
        QVERIFY(h.window->screen()->availableGeometry().contains(h.window->frameGeometry().topLeft()));
        QCOMPARE(h.list->ColumnUnits(Column::kStatusColumn), statusUnits);
        QCOMPARE(h.list->ColumnUnits(Column::kFileColumn), 152);  // the least it keeps
        int widths = 0;
        for (int column = 0; column < h.list->model()->columnCount(); ++column) widths += h.list->columnWidth(column);
        QCOMPARE(widths, h.list->viewport()->width());

        // What the user changes is stored when the window closes, and comes back.
        h.list->SetColumnUnits(Column::kDurationColumn, 90);
        if (!maximized) h.window->setGeometry(QRect(h.window->geometry().topLeft(), QSize(600, 400)));
        const QRect closedAt = h.window->normalGeometry();
        QVERIFY(h.window->close());
        h.Close();
        QCOMPARE(h.store.values().at("Options/DurationColumnWidth"), std::string("90"));
        QCOMPARE(h.store.values().at("Options/MainWindowMaximized"), std::string(maximized ? "1" : "0"));
        h.Open();
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        QCOMPARE(h.window->normalGeometry(), closedAt);
        QCOMPARE(h.window->isMaximized(), maximized);
        QCOMPARE(h.list->ColumnUnits(Column::kDurationColumn), 90);
        QCOMPARE(h.list->ColumnUnits(Column::kStatusColumn), statusUnits);
    }

    void aBusyWindowRefusesToClose() {
        WindowHarness h;
        h.Open();
        h.window->show();
        h.window->setEnabled(false);
        QVERIFY(!h.window->close());
        h.window->setEnabled(true);
        QVERIFY(h.window->close());
    }

    void doubleClickPlaysTheSource() {
        WindowHarness h;
        h.Open();
        h.window->show();
        h.ListTones({"a.wav"});
        const QRect row = h.list->visualRect(h.list->model()->index(0, 0));
        QTest::mouseClick(h.list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(h.list->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(h.desktop.opened.contains(QUrl::fromLocalFile(h.file("a.wav"))));
    }
};

QTEST_MAIN(MainWindowFilesTest)
#include "mainwindow_files_test.moc"
