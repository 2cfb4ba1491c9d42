// Options changed in the sheet survive a restart of the program and govern the next
// conversion, which the command-line program runs from the same settings store.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "optionstestsupport.h"
#include "settings/settingsstore.h"

using namespace apptest;
using tonewright::OptionsSheet;

namespace {

constexpr int kMp3Page = 1;

// key=value lines of ffprobe about the file's audio stream.
QString Probe(const QString& path) {
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"), QStringLiteral("a:0"),
                   QStringLiteral("-show_entries"), QStringLiteral("stream=sample_rate,channels,bit_rate"),
                   QStringLiteral("-of"), QStringLiteral("default=nw=1"), path});
    if (!ffprobe.waitForFinished(30000)) return {};
    return QString::fromUtf8(ffprobe.readAllStandardOutput());
}

}  // namespace

class OptionsRoundTripTest : public QObject {
    Q_OBJECT
public:
    explicit OptionsRoundTripTest(const QTemporaryDir& dir) : dir_(dir) {}

private slots:
    void optionsSurviveRestartAndDriveTheNextConversion();

private:
    const QTemporaryDir& dir_;
};

void OptionsRoundTripTest::optionsSurviveRestartAndDriveTheNextConversion() {
    const QString outFolder = dir_.filePath(QStringLiteral("out"));
    ScriptedDesktop desktop;
    {
        const auto store = tonewright::OpenUserSettingsStore();
        tonewright::MainWindow window(*store, desktop);
        RunOptions(window, [&](OptionsSheet& sheet) {
            QWidget* general = SheetPage(sheet, 0);
            Choose(Control<QComboBox>(general, "outputFolder"), 399);
            Control<QLineEdit>(general, "customFolder")->setText(outFolder);
            Choose(Control<QComboBox>(general, "targetExists"), 22);
            Control<QSpinBox>(general, "parallelJobs")->setValue(3);
            Control<QLineEdit>(general, "namePattern")->setText(QStringLiteral("phone/%title|filename%"));
            ShowPage(sheet, kMp3Page);
            QWidget* mp3 = SheetPage(sheet, kMp3Page);
            auto* presets = Control<QComboBox>(mp3, "presets");
            ChooseRow(presets, presets->count() - 1);
            Choose(Control<QComboBox>(mp3, "sampleRate"), 22050);
            Choose(Control<QComboBox>(mp3, "detail"), 64);
            Button(mp3, QStringLiteral("&Mono"))->click();
            sheet.accept();
            QVERIFY(!sheet.isVisible());
        });
    }
    {
        const auto store = tonewright::OpenUserSettingsStore();
        tonewright::MainWindow window(*store, desktop);
        RunOptions(window, [&](OptionsSheet& sheet) {
            QCOMPARE(sheet.pageIndex(), kMp3Page);
            QWidget* mp3 = SheetPage(sheet, kMp3Page);
            QCOMPARE(Control<QComboBox>(mp3, "presets")->currentText(), QStringLiteral("Custom"));
            QCOMPARE(Control<QComboBox>(mp3, "sampleRate")->currentText(), QStringLiteral("22050 Hz"));
            QCOMPARE(Control<QComboBox>(mp3, "detail")->currentText(), QStringLiteral("64 kbps"));
            QVERIFY(Button(mp3, QStringLiteral("&Mono"))->isChecked());
            QCOMPARE(Control<QLineEdit>(SheetPage(sheet, 0), "customFolder")->text(), outFolder);
            QCOMPARE(Control<QSpinBox>(SheetPage(sheet, 0), "parallelJobs")->value(), 3);
            sheet.reject();
        });
    }

    const QString tone = dir_.filePath(QStringLiteral("tone.wav"));
    MakeTone(tone, 0.5);
    QProcess cli;
    cli.start(QStringLiteral(TONEWRIGHT_CLI), {QStringLiteral("-q"), QStringLiteral("-f"), QStringLiteral("mp3"), tone});
    QVERIFY(cli.waitForFinished(60000));
    QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
    const QString probed = Probe(QDir(outFolder).filePath(QStringLiteral("phone/tone.mp3")));
    QVERIFY2(probed.contains(QStringLiteral("sample_rate=22050")), qPrintable(probed));
    QVERIFY2(probed.contains(QStringLiteral("channels=1")), qPrintable(probed));
    QVERIFY2(probed.contains(QStringLiteral("bit_rate=64000")), qPrintable(probed));
}

// The settings store lives in a private configuration folder, set before Qt reads it.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    qputenv("HOME", dir.filePath(QStringLiteral("home")).toUtf8());
    QApplication app(argc, argv);
    OptionsRoundTripTest test(dir);
    return QTest::qExec(&test, argc, argv);
}

#include "options_roundtrip_test.moc"
