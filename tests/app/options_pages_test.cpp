// The format pages and the tag editor on their own: lists, presets, the parameter
// couplings, Reset, the refusals and the tag editor's fields.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

#include "optionstestsupport.h"
#include "app/options/aacpage.h"
#include "app/options/amrpage.h"
#include "app/options/flacpage.h"
#include "app/options/mp3page.h"
#include "app/options/oggpage.h"
#include "app/options/opuspage.h"
#include "app/options/tageditdialog.h"
#include "app/options/wmapage.h"
#include "metadata/genres.h"

using namespace apptest;
using tonewright::EncodingChoice;
using tonewright::SelectedValue;

namespace {

const QString kQualityMessage = QStringLiteral("Invalid quality value. It's betwen 10 and 500.");
const QString kAmplifyMessage = QStringLiteral("Invalid amplification coefficient. It's betwen 10 and 3000.");

struct Parameters {
    QComboBox* presets;
    QComboBox* rate;
    QComboBox* detail;
};

Parameters ParametersOf(QWidget* page) {
    return {Control<QComboBox>(page, "presets"), Control<QComboBox>(page, "sampleRate"),
            Control<QComboBox>(page, "detail")};
}

}  // namespace

class OptionsPagesTest : public QObject {
    Q_OBJECT
private slots:
    void mp3Coupling_data();
    void mp3Coupling();
    void mp3PresetsAndAuto();
    void mp3TagChoiceEnablesControls();
    void oggBounds_data();
    void oggBounds();
    void encodingModeRows_data();
    void encodingModeRows();
    void aacResetAndEnableRules();
    void refusals_data();
    void refusals();
    void amrListsAndDefaultRow();
    void flacPresetsAndLevel();
    void opusPresetsBitRateModeAndComplexity();
    void wmaListFromTheRuntimeFormats();
    void tagEditorFromPages_data();
    void tagEditorFromPages();
    void tagEditorFields();
};

void OptionsPagesTest::mp3Coupling_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("kbps");
    QTest::addColumn<bool>("changeRate");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("expectedRate");
    QTest::addColumn<int>("expectedKbps");
    QTest::newRow("320 kbps at 22050 Hz") << 22050 << 128 << false << 320 << 32000 << 320;
    QTest::newRow("16 kbps at 44100 Hz") << 44100 << 64 << false << 16 << 24000 << 16;
    QTest::newRow("96 kbps at 11025 Hz") << 11025 << 32 << false << 96 << 16000 << 96;
    QTest::newRow("128 kbps at 44100 Hz") << 44100 << 96 << false << 128 << 44100 << 128;
    QTest::newRow("56 kbps at 8000 Hz") << 8000 << 32 << false << 56 << 8000 << 56;
    QTest::newRow("8000 Hz at 128 kbps") << 44100 << 128 << true << 8000 << 8000 << 64;
    QTest::newRow("22050 Hz at 192 kbps") << 44100 << 192 << true << 22050 << 22050 << 160;
    QTest::newRow("48000 Hz at 8 kbps") << 8000 << 8 << true << 48000 << 48000 << 32;
    QTest::newRow("bit rate as the source") << 22050 << 0 << true << 8000 << 8000 << 0;
    QTest::newRow("rate as the source") << 0 << 128 << false << 320 << 0 << 320;
    QTest::newRow("choosing as the source") << 8000 << 32 << false << 0 << 8000 << 0;
}

void OptionsPagesTest::mp3Coupling() {
    QFETCH(int, rate);
    QFETCH(int, kbps);
    QFETCH(bool, changeRate);
    QFETCH(int, chosen);
    QFETCH(int, expectedRate);
    QFETCH(int, expectedKbps);
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.AutoDestMP3EncodingParam = 0;
    settings.MP3SampleRate = rate;
    settings.MP3BitRate = kbps;
    settings.MP3ChannelMode = 1;  // joint stereo, the first channel radio
    tonewright::Mp3Page page(settings, desktop);
    page.show();
    const Parameters controls = ParametersOf(&page);
    Choose(changeRate ? controls.rate : controls.detail, chosen);
    QCOMPARE(SelectedValue(controls.rate), expectedRate);
    QCOMPARE(SelectedValue(controls.detail), expectedKbps);
    QCOMPARE(controls.presets->currentText(), QStringLiteral("Custom"));
    page.ApplyIfShown();
    QCOMPARE(settings.MP3SampleRate, expectedRate);
    QCOMPARE(settings.MP3BitRate, expectedKbps);
}

void OptionsPagesTest::mp3PresetsAndAuto() {
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.AutoDestMP3EncodingParam = 0;
    settings.MP3SampleRate = 32000;
    settings.MP3BitRate = 96;
    settings.MP3ChannelMode = 1;  // joint stereo, the first channel radio
    tonewright::Mp3Page page(settings, desktop);
    page.show();
    const Parameters controls = ParametersOf(&page);
    QCOMPARE(controls.presets->count(), 6);
    QCOMPARE(controls.presets->currentIndex(), 3);
    QCOMPARE(controls.rate->count(), 10);
    QCOMPARE(controls.rate->itemText(9), QStringLiteral("Same as original file"));
    QCOMPARE(controls.detail->itemText(0), QStringLiteral("8 kbps"));

    ChooseRow(controls.presets, 1);
    QCOMPARE(SelectedValue(controls.rate), 11025);
    QCOMPARE(SelectedValue(controls.detail), 16);
    QVERIFY(Button(&page, QStringLiteral("&Mono"))->isChecked());

    Button(&page, QStringLiteral("&Stereo"))->click();
    QCOMPARE(controls.presets->currentText(), QStringLiteral("Custom"));

    ChooseRow(controls.presets, 0);
    QVERIFY(!controls.rate->isEnabled());
    QVERIFY(!Button(&page, QStringLiteral("&Stereo"))->isEnabled());
    QVERIFY(Button(&page, QStringLiteral("&Stereo"))->isChecked());
    page.ApplyIfShown();
    QCOMPARE(settings.AutoDestMP3EncodingParam, 1);
    // With Auto, the stored parameters stay as they were.
    QCOMPARE(settings.MP3SampleRate, 32000);
    QCOMPARE(settings.MP3ChannelMode, 1);
}

void OptionsPagesTest::mp3TagChoiceEnablesControls() {
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.MP3ID3TagType = 2;
    tonewright::Mp3Page page(settings, desktop);
    auto* edit = Control<QPushButton>(&page, "editTag");
    auto* v1 = Button(&page, QStringLiteral("ID3v&1"));
    auto* folderCover = Control<QCheckBox>(&page, "folderCover");
    QVERIFY(!edit->isEnabled());
    QVERIFY(!v1->isEnabled());
    QVERIFY(!folderCover->isEnabled());
    Button(&page, QStringLiteral("Add &ID3 tag"))->click();
    QVERIFY(edit->isEnabled());
    QVERIFY(v1->isEnabled());
    QVERIFY(!folderCover->isEnabled());
    Button(&page, QStringLiteral("T&ransfer ID3 tag from source file"))->click();
    QVERIFY(!edit->isEnabled());
    QVERIFY(v1->isEnabled());
    QVERIFY(folderCover->isEnabled());
}

void OptionsPagesTest::oggBounds_data() {
    QTest::addColumn<EncodingChoice>("start");
    QTest::addColumn<QString>("change");  // "rate", "kbps" or a channel radio text
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("expectedKbps");
    QTest::newRow("mono at 44100 Hz") << EncodingChoice{44100, 320, 0} << "&Mono" << 0 << 224;
    QTest::newRow("stereo at 8000 Hz") << EncodingChoice{44100, 128, 0} << "rate" << 8000 << 80;
    QTest::newRow("16 kbps stereo at 32000 Hz") << EncodingChoice{32000, 96, 0} << "kbps" << 16 << 40;
    QTest::newRow("480 kbps mono at 16000 Hz") << EncodingChoice{16000, 64, 1} << "kbps" << 480 << 80;
    QTest::newRow("channels as the source") << EncodingChoice{44100, 320, 2} << "rate" << 8000 << 320;
    QTest::newRow("rate as the source") << EncodingChoice{0, 320, 0} << "&Mono" << 0 << 320;
}

void OptionsPagesTest::oggBounds() {
    QFETCH(EncodingChoice, start);
    QFETCH(QString, change);
    QFETCH(int, chosen);
    QFETCH(int, expectedKbps);
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.AutoDestOGGEncodingParam = 0;
    settings.OGGSampleRate = start.sampleRate;
    settings.OGGBitRate = start.detail;
    settings.OGGChannels = tonewright::ChannelCountFromRadio(start.channelRadio);
    tonewright::OggPage page(settings, desktop);
    page.show();
    const Parameters controls = ParametersOf(&page);
    if (change == QStringLiteral("rate"))
        Choose(controls.rate, chosen);
    else if (change == QStringLiteral("kbps"))
        Choose(controls.detail, chosen);
    else
        Button(&page, change)->click();
    QCOMPARE(SelectedValue(controls.detail), expectedKbps);
    QCOMPARE(controls.presets->currentText(), QStringLiteral("Custom"));
}

void OptionsPagesTest::encodingModeRows_data() {
    QTest::addColumn<bool>("mp3");
    QTest::addColumn<int>("defaultLevel");
    QTest::addColumn<int>("levelRow");
    QTest::addColumn<QString>("levelText");
    QTest::addColumn<int>("storedLevel");
    QTest::newRow("MP3 VBR V0") << true << 2 << 0 << QStringLiteral("V0 ≈ 245 kbit/s") << 0;
    QTest::newRow("OGG quality -1") << false << 5 << 11 << QStringLiteral("-1") << -1;
}

// The mode list enables the bit-rate list or the level list; the page stores both choices.
void OptionsPagesTest::encodingModeRows() {
    QFETCH(bool, mp3);
    QFETCH(int, defaultLevel);
    QFETCH(int, levelRow);
    QFETCH(QString, levelText);
    QFETCH(int, storedLevel);
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.AutoDestMP3EncodingParam = 0;
    settings.AutoDestOGGEncodingParam = 0;
    std::unique_ptr<tonewright::PresetPage> page;
    if (mp3) page = std::make_unique<tonewright::Mp3Page>(settings, desktop);
    else page = std::make_unique<tonewright::OggPage>(settings, desktop);
    page->show();
    auto* mode = Control<QComboBox>(page.get(), "encodingMode");
    auto* level = Control<QComboBox>(page.get(), "level");
    const Parameters controls = ParametersOf(page.get());
    QCOMPARE(mode->currentIndex(), 0);
    QCOMPARE(level->currentData().toInt(), defaultLevel);
    QVERIFY(controls.detail->isEnabled());
    QVERIFY(!level->isEnabled());

    ChooseRow(controls.presets, 4);
    ChooseRow(mode, 1);
    QCOMPARE(controls.presets->currentText(), QStringLiteral("Custom"));
    QVERIFY(!controls.detail->isEnabled());
    QVERIFY(level->isEnabled());
    ChooseRow(controls.presets, 4);  // a preset stands for a bit rate
    QCOMPARE(mode->currentIndex(), 0);
    ChooseRow(mode, 1);
    ChooseRow(level, levelRow);
    QCOMPARE(level->currentText(), levelText);
    if (mp3) Control<QCheckBox>(page.get(), "infoFrame")->setChecked(true);
    page->ApplyIfShown();
    QCOMPARE(mp3 ? settings.MP3EncodingMode : settings.OGGEncodingMode, 1);
    QCOMPARE(mp3 ? settings.MP3VBRQuality : settings.OGGQuality, storedLevel);
    QCOMPARE(settings.MP3WriteInfoFrame, mp3 ? 1 : 0);
}

void OptionsPagesTest::aacResetAndEnableRules() {
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.AutoDestAACEncodingParam = 0;
    settings.AACVBR = 0;
    settings.AACABRBitRate = 64;
    settings.AACEnableMidside = 0;
    settings.AACMpegVersion = 1;
    settings.AmplifyAAC = 1;
    settings.AmplifyAACCoef = 200;
    tonewright::AacPage page(settings, tonewright::AacPage::Container::Adts, desktop);
    page.show();
    auto* bitRate = Control<QComboBox>(&page, "bitRate");
    auto* quality = Control<QSpinBox>(&page, "quality");
    QVERIFY(bitRate->isEnabled());
    QVERIFY(!quality->isEnabled());
    // The encoder chooses its blocks itself: the block type is shown, never offered.
    QVERIFY(!Button(&page, QStringLiteral("No &short"))->isEnabled());
    const QWidget* blockNote = Control<QWidget>(&page, "blockNote");
    QVERIFY(blockNote && blockNote->isVisible());
    Button(&page, QStringLiteral("&Variable Bit Rate (VBR)"))->click();
    QVERIFY(!bitRate->isEnabled());
    QVERIFY(quality->isEnabled());

    Control<QPushButton>(&page, "reset")->click();
    QVERIFY(Control<QCheckBox>(&page, "auto")->isChecked());
    QVERIFY(!bitRate->isEnabled());
    QVERIFY(!Button(&page, QStringLiteral("&Variable Bit Rate (VBR)"))->isEnabled());
    QCOMPARE(SelectedValue(bitRate), 128);
    QVERIFY(Button(&page, QStringLiteral("&Variable Bit Rate (VBR)"))->isChecked());
    QCOMPARE(quality->value(), 100);
    QVERIFY(Button(&page, QStringLiteral("Allow &Mid/Side"))->isChecked());
    QVERIFY(Button(&page, QStringLiteral("MPEG&4"))->isChecked());
    Button(&page, QStringLiteral("&Mono"))->click();
    page.ApplyIfShown();
    QCOMPARE(settings.AutoDestAACEncodingParam, 1);
    QCOMPARE(settings.AACChannels, 1);  // the channels count with Auto too
    // With Auto, the stored details stay as they were.
    QCOMPARE(settings.AACABRBitRate, 64);
    QCOMPARE(settings.AACMpegVersion, 1);
    QCOMPARE(settings.AmplifyAAC, 1);
    QCOMPARE(settings.AmplifyAACCoef, 200);
}

void OptionsPagesTest::refusals_data() {
    QTest::addColumn<bool>("autoParams");
    QTest::addColumn<int>("vbr");
    QTest::addColumn<int>("quality");
    QTest::addColumn<bool>("amplify");
    QTest::addColumn<int>("coeff");
    QTest::addColumn<QString>("message");
    QTest::newRow("quality 600 with VBR") << false << 1 << 600 << false << 100 << kQualityMessage;
    QTest::newRow("quality 9 with VBR") << false << 1 << 9 << false << 100 << kQualityMessage;
    QTest::newRow("quality 600 with Auto") << true << 1 << 600 << false << 100 << "";
    QTest::newRow("quality 600 with ABR") << false << 0 << 600 << false << 100 << "";
    QTest::newRow("coefficient 3001") << true << 1 << 100 << true << 3001 << kAmplifyMessage;
    QTest::newRow("coefficient 9") << true << 1 << 100 << true << 9 << kAmplifyMessage;
    QTest::newRow("coefficient 3000") << true << 1 << 100 << true << 3000 << "";
    QTest::newRow("coefficient 5 while off") << true << 1 << 100 << false << 5 << "";
}

void OptionsPagesTest::refusals() {
    QFETCH(bool, autoParams);
    QFETCH(int, vbr);
    QFETCH(int, quality);
    QFETCH(bool, amplify);
    QFETCH(int, coeff);
    QFETCH(QString, message);
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.AutoDestM4AEncodingParam = autoParams;
    settings.M4AVBR = vbr;
    settings.M4AVBRQuality = quality;
    settings.AmplifyM4A = amplify;
    settings.AmplifyM4ACoef = coeff;
    tonewright::AacPage page(settings, tonewright::AacPage::Container::Mp4, desktop);
    QCOMPARE(page.LeavePage(), message.isEmpty());
    if (!message.isEmpty()) QCOMPARE(desktop.messages.back().text, message);

    // The same coefficient rule on a page of another family.
    settings.AmplifyMp3 = amplify;
    settings.AmplifyMp3Coeff = coeff;
    tonewright::Mp3Page mp3Page(settings, desktop);
    QCOMPARE(mp3Page.LeavePage(), message != kAmplifyMessage);
}

void OptionsPagesTest::amrListsAndDefaultRow() {
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.AMRMode = 9;
    settings.AMRWBMode = -1;
    settings.AWBMode = 8;
    tonewright::AmrPage page(settings, desktop);
    page.show();
    auto* narrow = Control<QComboBox>(&page, "nbModes");
    auto* wide = Control<QComboBox>(&page, "wbModes");
    QCOMPARE(narrow->currentText(), QStringLiteral("7.4 kbps"));
    QCOMPARE(wide->currentText(), QStringLiteral("15.85 kbps"));
    QCOMPARE(Control<QComboBox>(&page, "awbModes")->currentText(), QStringLiteral("23.85 kbps"));
    QVERIFY(narrow->isEnabled());
    QVERIFY(!wide->isEnabled());
    Button(&page, QStringLiteral("WB (Wide Band, 16000 Hz)"))->click();
    QVERIFY(!narrow->isEnabled());
    QVERIFY(wide->isEnabled());
    page.ApplyIfShown();
    QCOMPARE(settings.AMRType, 1);
    QCOMPARE(settings.AMRMode, 4);
    QCOMPARE(settings.AMRWBMode, 4);
    QCOMPARE(settings.AWBMode, 8);
}

void OptionsPagesTest::flacPresetsAndLevel() {
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.FLACCompression = 7;
    tonewright::FlacPage page(settings, desktop);
    page.show();
    auto* presets = Control<QComboBox>(&page, "presets");
    auto* levels = Control<QComboBox>(&page, "levels");
    QCOMPARE(levels->currentText(), QStringLiteral("7"));
    QCOMPARE(presets->currentText(), QStringLiteral("Custom"));
    ChooseRow(presets, 0);
    QCOMPARE(levels->currentText(), QStringLiteral("0"));
    ChooseRow(levels, 5);
    QCOMPARE(presets->currentText(), QStringLiteral("Standard (level 5)"));
    ChooseRow(levels, 8);
    QCOMPARE(presets->currentText(), QStringLiteral("Smallest file (level 8, slowest)"));
    Button(&page, QStringLiteral("&None"))->click();
    Button(&page, QStringLiteral("&Mono"))->click();
    page.ApplyIfShown();
    QCOMPARE(settings.FLACCompression, 8);
    QCOMPARE(settings.FLACChannels, 1);
    QCOMPARE(settings.FLACID3TagType, int(tonewright::kTagNone));
}

void OptionsPagesTest::opusPresetsBitRateModeAndComplexity() {
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.OpusBitRate = 100;
    settings.OpusMode = 2;
    settings.OpusComplexity = 4;
    tonewright::OpusPage page(settings, desktop);
    page.show();
    auto* presets = Control<QComboBox>(&page, "presets");
    auto* bitrate = Control<QSpinBox>(&page, "bitrate");
    auto* modes = Control<QComboBox>(&page, "modes");
    auto* complexity = Control<QComboBox>(&page, "complexity");
    QCOMPARE(bitrate->value(), 100);
    QCOMPARE(presets->currentText(), QStringLiteral("Custom"));
    QCOMPARE(modes->currentText(), QStringLiteral("Constant bit rate (CBR)"));
    QCOMPARE(complexity->currentText(), QStringLiteral("4"));
    ChooseRow(presets, 0);
    QCOMPARE(bitrate->value(), 32);
    bitrate->setValue(192);
    QCOMPARE(presets->currentText(), QStringLiteral("Music, highest quality (192 kbps)"));
    bitrate->setValue(600);
    QCOMPARE(bitrate->value(), 510);
    QCOMPARE(presets->currentText(), QStringLiteral("Custom"));
    ChooseRow(modes, 1);
    ChooseRow(complexity, 10);
    Button(&page, QStringLiteral("&None"))->click();
    Button(&page, QStringLiteral("&Stereo"))->click();
    page.ApplyIfShown();
    QCOMPARE(settings.OpusBitRate, 510);
    QCOMPARE(settings.OpusChannels, 2);
    QCOMPARE(settings.OpusMode, 1);
    QCOMPARE(settings.OpusComplexity, 10);
    QCOMPARE(settings.OpusID3TagType, int(tonewright::kTagNone));
}

void OptionsPagesTest::wmaListFromTheRuntimeFormats() {
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.AutoDestWMAEncodingParam = 0;
    settings.WMASampleRate = 44100;
    settings.WMABitRate = 128500;
    settings.WMAChannels = 2;
    int asked = 0;
    const tonewright::WmaFormatSource formats = [&asked] {
        ++asked;
        return tonewright::WmaFormatList{
            {{8000, 1, 500}, {22050, 1, 32000}, {44100, 2, 128000}, {44100, 2, 128040}, {48000, 2, 192000}}};
    };
    tonewright::WmaPage page(settings, formats, desktop);
    QCOMPARE(asked, 0);
    page.show();
    auto* list = Control<QComboBox>(&page, "formats");
    QCOMPARE(asked, 1);
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->itemText(0), QStringLiteral("Auto"));
    QCOMPARE(list->itemText(1), QStringLiteral("22050 Hz, 32 kbps, Mono"));
    QCOMPARE(list->itemText(4), QStringLiteral("48000 Hz, 192 kbps, Stereo"));
    QCOMPARE(list->currentIndex(), 3);  // the last row matching 128 kbps
    ChooseRow(list, 1);
    page.ApplyIfShown();
    QCOMPARE(settings.AutoDestWMAEncodingParam, 0);
    QCOMPARE(settings.WMASampleRate, 22050);
    QCOMPARE(settings.WMABitRate, 32000);
    QCOMPARE(settings.WMAChannels, 1);
    ChooseRow(list, 0);
    page.ApplyIfShown();
    QCOMPARE(settings.AutoDestWMAEncodingParam, 1);
}

void OptionsPagesTest::tagEditorFromPages_data() {
    QTest::addColumn<bool>("mp4");
    QTest::newRow("MP3 page") << false;
    QTest::newRow("MP4 page") << true;
}

void OptionsPagesTest::tagEditorFromPages() {
    QFETCH(bool, mp4);
    ScriptedDesktop desktop;
    tonewright::Settings settings;
    settings.MP3ID3TagType = settings.M4AID3TagType = 0;
    std::unique_ptr<QWidget> page;
    if (mp4)
        page = std::make_unique<tonewright::AacPage>(settings, tonewright::AacPage::Container::Mp4, desktop);
    else
        page = std::make_unique<tonewright::Mp3Page>(settings, desktop);
    page->show();
    bool copyrightShown = false;
    QTimer::singleShot(0, page.get(), [&] {
        auto* dialog = qobject_cast<tonewright::TagEditDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit ID3 Tag"));
        copyrightShown = Control<QLineEdit>(dialog, "copyright")->isVisible();
        Control<QLineEdit>(dialog, "artist")->setText(QStringLiteral("Ärtist"));
        dialog->accept();
    });
    Control<QPushButton>(page.get(), "editTag")->click();
    QCOMPARE(copyrightShown, !mp4);
    QCOMPARE((mp4 ? settings.M4ATag : settings.MP3Tag).Artist, std::string("Ärtist"));
}

void OptionsPagesTest::tagEditorFields() {
    tonewright::TagTemplate tag;
    tag.TitleAsFileName = 1;
    tag.TrackNumType = 7;
    tag.Genre = "Chiptune";
    tonewright::TagEditDialog dialog(tag, true);
    dialog.show();
    auto* genre = Control<QComboBox>(&dialog, "genre");
    QCOMPARE(genre->count(), tonewright::kId3v1GenreCount);
    QCOMPARE(genre->itemText(0), QStringLiteral("A Cappella"));
    for (int i = 1; i < genre->count(); ++i)
        QVERIFY2(genre->itemText(i - 1).compare(genre->itemText(i), Qt::CaseInsensitive) <= 0,
                 qPrintable(genre->itemText(i)));
    QCOMPARE(genre->currentText(), QStringLiteral("Chiptune"));

    auto* title = Control<QLineEdit>(&dialog, "title");
    auto* track = Control<QSpinBox>(&dialog, "customTrack");
    QVERIFY(!title->isEnabled());
    QVERIFY(Button(&dialog, QStringLiteral("&None"))->isChecked());
    QVERIFY(!track->isEnabled());
    Control<QCheckBox>(&dialog, "titleAsFileName")->setChecked(false);
    QVERIFY(title->isEnabled());
    title->setText(QStringLiteral("Song"));
    Button(&dialog, QStringLiteral("C&ustom"))->click();
    QVERIFY(track->isEnabled());
    QCOMPARE(track->maximum(), 255);
    track->setValue(300);
    genre->setCurrentText(QStringLiteral("Blues"));
    dialog.accept();
    QCOMPARE(dialog.tag().TrackNumType, 2);
    QCOMPARE(dialog.tag().CustomTrackNum, 255);
    QCOMPARE(dialog.tag().TitleAsFileName, 0);
    QCOMPARE(dialog.tag().Title, std::string("Song"));
    QCOMPARE(dialog.tag().Genre, std::string("Blues"));
}

QTEST_MAIN(OptionsPagesTest)
#include "options_pages_test.moc"
