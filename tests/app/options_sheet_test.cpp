// The options sheet as the main window runs it: the General page and its refusals, the
// remembered page, and what copy-out writes.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

#include <map>

#include "optionstestsupport.h"
#include "app/options/aacpage.h"
#include "app/options/formatpages.h"
#include "app/options/mp3page.h"
#include "app/options/oggpage.h"
#include "app/options/wmapage.h"
#include "engine/outputformat.h"
#include "settings/settings.h"

using namespace apptest;
using tonewright::OptionsSheet;

namespace {

constexpr int kGeneralPage = 0;
constexpr int kMp3Page = 1;
constexpr int kWavPage = 2;
constexpr int kWmaPage = 3;
constexpr int kOggPage = 4;

tonewright::Settings Stored(WindowHarness& harness) {
    tonewright::Settings settings;
    tonewright::LoadSettings(settings, harness.store);
    return settings;
}

}  // namespace

class OptionsSheetTest : public QObject {
    Q_OBJECT
private slots:
    void generalPageRefusals_data();
    void generalPageRefusals();
    void filterTextIsCleaned();
    void switchingPagesRunsTheLeaveCheck();
    void generalPageButtons();
    void remembersPageAfterCancel();
    void tabsThatTheStoredPageIndexCounts();
    void cancelDiscardsEdits();
    void folderCoverIsOneChoiceOnEveryPage();
    void applyKeepsRatesWhileAutoIsOn();
    void wmaPageOffersTheEncoderFormats();
    void fitsSmallScreenAtLargeText_data();
    void fitsSmallScreenAtLargeText();
};

void OptionsSheetTest::generalPageRefusals_data() {
    QTest::addColumn<int>("folderChoice");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("filterOn");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::newRow("empty custom folder") << 399 << "" << false << "" << "" << "Please choose an output folder."
                                         << "customFolder";
    QTest::newRow("filter of blanks") << 199 << "" << true << " \t ; " << "" << "" << "";
    QTest::newRow("blank filter") << 199 << "" << true << "  \t " << ""
                                  << "Please enter file extensions you need to filter." << "filterText";
    QTest::newRow("unknown pattern field")
        << 199 << "" << false << "" << "%artist%/%nope%"
        << "The name pattern cannot be used: unknown field %nope% (known: title, artist, albumartist, album, disc, "
           "track, year, genre, composer, filename)"
        << "namePattern";
}

void OptionsSheetTest::generalPageRefusals() {
    QFETCH(int, folderChoice);
    QFETCH(QString, folder);
    QFETCH(bool, filterOn);
    QFETCH(QString, filter);
    QFETCH(QString, pattern);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    WindowHarness harness;
    harness.Open();
    RunOptions(*harness.window, [&](OptionsSheet& sheet) {
        QWidget* page = SheetPage(sheet, kGeneralPage);
        Choose(Control<QComboBox>(page, "outputFolder"), folderChoice);
        Control<QLineEdit>(page, "customFolder")->setText(folder);
        Control<QCheckBox>(page, "filterOn")->setChecked(filterOn);
        Control<QLineEdit>(page, "filterText")->setText(filter);
        Control<QLineEdit>(page, "namePattern")->setText(pattern);
        QApplication::setActiveWindow(&sheet);
        sheet.accept();
        if (message.isEmpty()) {
            // " \t ; " cleans to "," which is not empty: accepted.
            QVERIFY(!sheet.isVisible());
            return;
        }
        QVERIFY(sheet.isVisible());
        QCOMPARE(harness.desktop.messages.back().text, message);
        QCOMPARE(harness.desktop.messages.back().icon, tonewright::Desktop::Icon::Warning);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    });
    if (!message.isEmpty()) QCOMPARE(Stored(harness).EnableExtFilter, 0);
}

void OptionsSheetTest::filterTextIsCleaned() {
    WindowHarness harness;
    harness.Open();
    RunOptions(*harness.window, [](OptionsSheet& sheet) {
        QWidget* page = SheetPage(sheet, kGeneralPage);
        Control<QCheckBox>(page, "filterOn")->setChecked(true);
        Control<QLineEdit>(page, "filterText")->setText(QStringLiteral(" wav; mp3 "));
        sheet.accept();
    });
    const tonewright::Settings stored = Stored(harness);
    QCOMPARE(stored.FilterExts, std::string("wav,mp3"));
    QCOMPARE(stored.EnableExtFilter, 1);
    QCOMPARE(stored.extensionFilter, (std::vector<std::string>{"wav", "mp3"}));
}

void OptionsSheetTest::switchingPagesRunsTheLeaveCheck() {
    WindowHarness harness;
    harness.Open();
    RunOptions(*harness.window, [&](OptionsSheet& sheet) {
        Control<QLineEdit>(SheetPage(sheet, kGeneralPage), "customFolder")->clear();
        ShowPage(sheet, kWavPage);
        QCOMPARE(sheet.pageIndex(), kGeneralPage);
        QCOMPARE(sheet.tabBar()->currentIndex(), kGeneralPage);
        QCOMPARE(harness.desktop.messages.back().text, QStringLiteral("Please choose an output folder."));
        // The refusal came while the page refused was still in view.
        QVERIFY(harness.desktop.messages.back().parentVisible);
        sheet.reject();
    });
}

void OptionsSheetTest::generalPageButtons() {
    WindowHarness harness;
    harness.Open();
    harness.desktop.folderToChoose = harness.file(QStringLiteral("chosen"));
    RunOptions(*harness.window, [&](OptionsSheet& sheet) {
        QWidget* page = SheetPage(sheet, kGeneralPage);
        auto* folder = Control<QLineEdit>(page, "customFolder");
        const QString start = folder->text();
        Button(page, QStringLiteral("Bro&wse"))->click();
        QCOMPARE(harness.desktop.folderBrowserPrompt, QStringLiteral("Please choose an output folder:"));
        QCOMPARE(harness.desktop.folderBrowserStart, start);
        QCOMPARE(folder->text(), harness.file(QStringLiteral("chosen/")));

        Button(page, QStringLiteral("O&pen"))->click();
        QCOMPARE(harness.desktop.messages.back().icon, tonewright::Desktop::Icon::Warning);
        QVERIFY(harness.desktop.messages.back().text.startsWith(
            QStringLiteral("The folder \"%1\" doesn't exist yet.\n\n").arg(folder->text())));
        QVERIFY(QDir().mkpath(folder->text()));
        Button(page, QStringLiteral("O&pen"))->click();
        QCOMPARE(harness.desktop.opened.back(), QUrl::fromLocalFile(folder->text()));

        Control<QPushButton>(page, "monoHelp")->click();
        QCOMPARE(harness.desktop.messages.back().icon, tonewright::Desktop::Icon::Information);
        QVERIFY(harness.desktop.messages.back().text.startsWith(QStringLiteral("In general, the output sound")));

        Choose(Control<QComboBox>(page, "outputFolder"), 199);
        QVERIFY(!folder->isEnabled());
        QVERIFY(!Button(page, QStringLiteral("Bro&wse"))->isEnabled());
        sheet.accept();
    });
    const tonewright::Settings stored = Stored(harness);
    QCOMPARE(stored.DestOutputFolderOpt, 199);
    QCOMPARE(QString::fromStdString(stored.DestSpecifiedFolder), harness.file(QStringLiteral("chosen/")));
}

void OptionsSheetTest::remembersPageAfterCancel() {
    WindowHarness harness;
    harness.Open();
    RunOptions(*harness.window, [](OptionsSheet& sheet) {
        ShowPage(sheet, kWavPage);
        sheet.reject();
    });
    RunOptions(*harness.window, [](OptionsSheet& sheet) {
        QCOMPARE(sheet.pageIndex(), kWavPage);
        sheet.reject();
    });
    harness.Close();
    QCOMPARE(Stored(harness).OptStartPageIndex, kWavPage);
}

// OptStartPageIndex counts tabs: their order is stored, and an index beyond them opens
// General. Every output format is set on one page, which its formats' settings share.
void OptionsSheetTest::tabsThatTheStoredPageIndexCounts() {
    WindowHarness harness;
    harness.store.preset("Options", "OptStartPageIndex", "10");
    harness.Open();
    RunOptions(*harness.window, [](OptionsSheet& sheet) {
        QCOMPARE(sheet.pageIndex(), kGeneralPage);
        QStringList captions;
        for (int i = 0; i < sheet.tabBar()->count(); ++i) captions << sheet.tabBar()->tabText(i);
        QCOMPARE(captions, (QStringList{"General", "MP3 Options", "WAV Options", "WMA Options", "OGG Options",
                                        "AMR/AWB Options", "AAC Options", "MP4/M4A/M4B Options",
                                        "FLAC Options", "Opus Options"}));
        sheet.reject();
    });
    std::map<int, int> pagesSetting;
    for (const tonewright::FormatPageEntry& page : tonewright::FormatPages()) {
        const auto& first = tonewright::FindOutputFormat(page.codes.front())->settings;
        for (int code : page.codes) {
            ++pagesSetting[code];
            const auto& settings = tonewright::FindOutputFormat(code)->settings;
            QVERIFY(settings.autoParams == first.autoParams && settings.amplify == first.amplify &&
                    settings.tagMode == first.tagMode && settings.tagTemplate.member == first.tagTemplate.member);
        }
    }
    for (const tonewright::OutputFormatInfo& format : tonewright::OutputFormats())
        QVERIFY2(pagesSetting[format.code] == 1, format.displayName);
}

void OptionsSheetTest::cancelDiscardsEdits() {
    WindowHarness harness;
    harness.Open();
    RunOptions(*harness.window, [](OptionsSheet& sheet) {
        Control<QCheckBox>(SheetPage(sheet, kGeneralPage), "filterOn")->setChecked(true);
        Control<QLineEdit>(SheetPage(sheet, kGeneralPage), "filterText")->setText(QStringLiteral("wav"));
        sheet.reject();
    });
    RunOptions(*harness.window, [](OptionsSheet& sheet) {
        QVERIFY(!Control<QCheckBox>(SheetPage(sheet, kGeneralPage), "filterOn")->isChecked());
        sheet.reject();
    });
    QCOMPARE(Stored(harness).EnableExtFilter, 0);
}

// The folder's cover is one setting for every format: unticked on the MP3 page, it shows
// unticked on the OGG page, and applying both pages (the OGG one built before the change)
// stores it off.
void OptionsSheetTest::folderCoverIsOneChoiceOnEveryPage() {
    WindowHarness harness;
    harness.Open();
    RunOptions(*harness.window, [](OptionsSheet& sheet) {
        ShowPage(sheet, kOggPage);
        ShowPage(sheet, kMp3Page);
        auto* mp3Cover = Control<QCheckBox>(SheetPage(sheet, kMp3Page), "folderCover");
        QVERIFY(mp3Cover->isChecked());
        mp3Cover->setChecked(false);
        ShowPage(sheet, kOggPage);
        QVERIFY(!Control<QCheckBox>(SheetPage(sheet, kOggPage), "folderCover")->isChecked());
        sheet.accept();
    });
    QCOMPARE(Stored(harness).CoverFromFolder, 0);
}

void OptionsSheetTest::applyKeepsRatesWhileAutoIsOn() {
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.AutoDestMP3EncodingParam = 0;
    settings.MP3BitRate = 96;
    settings.MP3ChannelMode = 3;
    settings.AutoDestAACEncodingParam = 0;
    settings.AACVBRQuality = 250;
    settings.AACMpegVersion = 1;
    settings.WMABitRate = 64000;

    tonewright::Mp3Page mp3(settings, desktop);
    mp3.show();
    QVERIFY(Button(&mp3, QStringLiteral("&Mono"))->isChecked());
    Choose(Control<QComboBox>(&mp3, "sampleRate"), 8000);
    Choose(Control<QComboBox>(&mp3, "detail"), 8);
    Button(&mp3, QStringLiteral("&Joint Stereo"))->click();
    ChooseRow(Control<QComboBox>(&mp3, "presets"), 0);
    Control<QCheckBox>(&mp3, "amplify")->setChecked(true);
    Control<QSpinBox>(&mp3, "amplifyCoefficient")->setValue(150);

    tonewright::AacPage aac(settings, tonewright::AacPage::Container::Adts, desktop);
    aac.show();
    Control<QSpinBox>(&aac, "quality")->setValue(40);
    Button(&aac, QStringLiteral("MPEG&4"))->click();
    Control<QCheckBox>(&aac, "auto")->setChecked(true);

    const tonewright::WmaFormatSource formats = [] { return tonewright::WmaFormatList{{{22050, 1, 32000}}}; };
    tonewright::WmaPage wma(settings, formats, desktop);
    wma.show();
    QCOMPARE(Control<QComboBox>(&wma, "formats")->currentText(), QStringLiteral("Auto"));

    tonewright::OggPage ogg(settings, desktop);
    ogg.show();
    auto* oggPresets = Control<QComboBox>(&ogg, "presets");
    ChooseRow(oggPresets, oggPresets->count() - 1);
    Button(&ogg, QStringLiteral("Same as &original file"))->click();
    Choose(Control<QComboBox>(&ogg, "sampleRate"), 22050);
    Choose(Control<QComboBox>(&ogg, "detail"), 64);

    for (tonewright::OptionPage* page : std::initializer_list<tonewright::OptionPage*>{&mp3, &aac, &wma, &ogg})
        page->ApplyIfShown();
    QCOMPARE(settings.AutoDestMP3EncodingParam, 1);
    QCOMPARE(settings.MP3BitRate, 96);
    QCOMPARE(settings.MP3SampleRate, 44100);
    QCOMPARE(settings.MP3ChannelMode, 3);
    QCOMPARE(settings.AmplifyMp3, 1);
    QCOMPARE(settings.AmplifyMp3Coeff, 150);
    QCOMPARE(settings.AutoDestAACEncodingParam, 1);
    QCOMPARE(settings.AACVBRQuality, 250);
    QCOMPARE(settings.AACMpegVersion, 1);
    QCOMPARE(settings.WMABitRate, 64000);
    QCOMPARE(settings.AutoDestOGGEncodingParam, 0);
    QCOMPARE(settings.OGGSampleRate, 22050);
    QCOMPARE(settings.OGGBitRate, 64);
    QCOMPARE(settings.OGGChannels, 0);
}

void OptionsSheetTest::wmaPageOffersTheEncoderFormats() {
    WindowHarness harness;
    harness.Open();
    QString chosen;
    RunOptions(*harness.window, [&](OptionsSheet& sheet) {
        ShowPage(sheet, kWmaPage);
        auto* list = Control<QComboBox>(SheetPage(sheet, kWmaPage), "formats");
        QVERIFY(list->count() > 1);
        QCOMPARE(list->currentText(), QStringLiteral("Auto"));
        const QRegularExpression row(QStringLiteral("^(\\d+) Hz, (\\d+) kbps, (Mono|Stereo)$"));
        for (int i = 1; i < list->count(); ++i) QVERIFY2(row.match(list->itemText(i)).hasMatch(), qPrintable(list->itemText(i)));
        ChooseRow(list, list->count() - 1);
        chosen = list->currentText();
        sheet.accept();
    });
    const tonewright::Settings stored = Stored(harness);
    QCOMPARE(stored.AutoDestWMAEncodingParam, 0);
    QCOMPARE(QStringLiteral("%1 Hz, %2 kbps, %3")
                 .arg(stored.WMASampleRate)
                 .arg(stored.WMABitRate / 1000)
                 .arg(stored.WMAChannels == 1 ? QStringLiteral("Mono") : QStringLiteral("Stereo")),
             chosen);
}

void OptionsSheetTest::fitsSmallScreenAtLargeText_data() {
    QTest::addColumn<double>("fontScale");
    QTest::addColumn<double>("windowScale");
    // QT_FONT_DPI=144 on X11: Qt scales whole windows by 1.5.
    QTest::newRow("windows scaled") << 1.0 << 1.5;
    // Where it enlarges the fonts only.
    QTest::newRow("fonts enlarged") << 1.5 << 1.0;
}

// At 150 % text the main window and the sheet can shrink to a 1280x720 screen.
void OptionsSheetTest::fitsSmallScreenAtLargeText() {
    QFETCH(double, fontScale);
    QFETCH(double, windowScale);
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * fontScale);
    QApplication::setFont(large);
    const auto fits = [windowScale](const QSize& minimum) {
        const QSize onScreen = minimum * windowScale;
        return onScreen.width() <= 1280 && onScreen.height() <= 720;
    };
    WindowHarness harness;
    harness.Open();
    const QSize window = harness.window->minimumSizeHint();
    QVERIFY2(fits(window), qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
    RunOptions(*harness.window, [&](OptionsSheet& sheet) {
        const QSize minimum = sheet.minimumSizeHint();
        QVERIFY2(fits(minimum), qPrintable(QStringLiteral("%1x%2").arg(minimum.width()).arg(minimum.height())));
        sheet.reject();
    });
    QApplication::setFont(normal);
}

QTEST_MAIN(OptionsSheetTest)
#include "options_sheet_test.moc"
