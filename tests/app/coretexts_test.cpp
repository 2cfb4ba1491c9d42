#include <QTest>
#include <QTranslator>

#include "app/coretexts.h"
#include "engine/batch.h"
#include "engine/loadreport.h"

using namespace tonewright;

namespace {

std::string Report(const std::string& reason) {
    LoadFailureReport report;
    report.AddFailure("/music/a.flac", reason);
    return report.Message();
}

}  // namespace

// The core's English texts as the German translation shows them: fixed texts whole, composed
// ones with the parts the core filled in kept as written, unknown texts unchanged.
class CoreTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(german_.load(QStringLiteral(TONEWRIGHT_GERMAN_QM)));
        QCoreApplication::installTranslator(&german_);
    }

    void inGerman_data() {
        QTest::addColumn<QString>("core");
        QTest::addColumn<QString>("shown");
        QTest::newRow("status") << "Cancelled" << "Abgebrochen";
        QTest::newRow("no SoundFont") << kSoundFontMissingStatus << "Fehler. Die Datei „ct4mgm.sf2“ wird benötigt.";
        QTest::newRow("failure with its reason")
            << "Conversion Failure (Invalid data found when processing input)"
            << "Umwandlung fehlgeschlagen (Invalid data found when processing input)";
        QTest::newRow("batch line") << "Converting 2 of 5 file(s) to MP3..."
                                    << "Datei 2 von 5 wird in MP3 umgewandelt...";
        QTest::newRow("file line, a name with a placeholder")
            << "Converting 100%2 mix.wav...37%" << "100%2 mix.wav wird umgewandelt... 37 %";
        QTest::newRow("load report")
            << QString::fromStdString(Report(""))
            << "Die folgenden Dateien konnten nicht geladen werden.\n\n/music/a.flac\n\nWenn Tonewright diese "
               "Dateien lesen können sollte, melden Sie sie bitte, wie es die Hilfeseite „Rückmeldung und Hilfe“ "
               "beschreibt.";
        QTest::newRow("load report with a reason")
            << QString::fromStdString(Report("No audio stream."))
            << "Die folgenden Dateien konnten nicht geladen werden.\n\n/music/a.flac\n\nNo audio stream.";
        QTest::newRow("a converted row's target name") << "Converting.mp3" << "Converting.mp3";
    }

    void inGerman() {
        QFETCH(QString, core);
        QFETCH(QString, shown);
        QCOMPARE(CoreText(core.toStdString()), shown);
    }

private:
    QTranslator german_;
};

QTEST_MAIN(CoreTextsTest)
#include "coretexts_test.moc"
