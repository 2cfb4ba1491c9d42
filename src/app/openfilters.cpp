#include "app/openfilters.h"

#include <QCoreApplication>
#include <QStringList>

#include "base/inputtype.h"

namespace tonewright {

namespace {

// The file types, each with the extensions it goes by.
const char* const kFilters[] = {
    QT_TRANSLATE_NOOP("OpenFilters", "3GPP Files (*.3gp *.3gpp)"),
    QT_TRANSLATE_NOOP("OpenFilters", "3GPP2 Files (*.3g2 *.3gp2)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Adobe Flash Files (*.swf)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Advanced Audio Coding (*.aac)"),
    QT_TRANSLATE_NOOP("OpenFilters", "AIFF Files (*.aiff *.aif *.aifc *.afc)"),
    QT_TRANSLATE_NOOP("OpenFilters", "AMR Files (*.amr *.awb)"),
    QT_TRANSLATE_NOOP("OpenFilters", "AU Files (*.au *.snd)"),
    QT_TRANSLATE_NOOP("OpenFilters", "AVI Files (*.avi)"),
    QT_TRANSLATE_NOOP("OpenFilters", "CD Audio (*.cda)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Creative Voice Files (*.voc)"),
    QT_TRANSLATE_NOOP("OpenFilters", "CRI ADX Files (*.adx)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Dolby Digital AC-3 (*.ac3)"),
    QT_TRANSLATE_NOOP("OpenFilters", "DTS Files (*.dts)"),
    QT_TRANSLATE_NOOP("OpenFilters", "DV Video Files (*.dv *.dif)"),
    QT_TRANSLATE_NOOP("OpenFilters", "DVD Video Files (*.vob *.dvd)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Electronic Arts CDATA Files (*.cdata)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Flash Video Files (*.flv)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Free Lossless Audio Codec (*.flac *.fla)"),
    QT_TRANSLATE_NOOP("OpenFilters", "H.264/MPEG4 AVC Video (*.m2ts *.mts)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Matroska Files (*.mkv *.mka)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Microsoft Digital Video Recording (*.dvr-ms)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MIDI Files (*.midi *.mid *.rmi *.kar)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MJPEG Video Files (*.mjpg *.mjpeg)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MMF Files (*.mmf)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MOD Musics (*.mod *.xm *.it *.s3m *.mtm *.umx *.mo3)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Monkey's Audio (*.ape *.mac)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MP3 Files (*.mp3)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MPEG Audio Files (*.mpa *.mpga *.m2a)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MPEG Video Files (*.mpg *.mpe *.mpeg *.m1v *.mp2 *.m2v *.mp1 *.mlv)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MPEG-4 Audio Files (*.m4a *.m4b *.mp4)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MPEG4 TS HD Video (*.ts)"),
    QT_TRANSLATE_NOOP("OpenFilters", "MPEG-4 Video Files (*.mp4 *.m4v *.mpv *.psp)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Musepack (*.mpc *.mp+ *.mpp)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Nullsoft Audio/Video Files (*.nsv *.nsa)"),
    QT_TRANSLATE_NOOP("OpenFilters", "NUT Files (*.nut)"),
    QT_TRANSLATE_NOOP("OpenFilters", "OGG Files (*.ogg *.oga *.ogm *.ogv *.ogx)"),
    QT_TRANSLATE_NOOP("OpenFilters", "QuickTime Files (*.mov *.qt)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Raw h261 Files (*.h261)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Raw h263 Files (*.h263)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Raw h264 Video Files (*.h264 *.264)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Real Audio Files (*.ra *.ram)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Real Media Files (*.rm *.rmvb)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Speex (*.spx)"),
    QT_TRANSLATE_NOOP("OpenFilters", "The True Audio (*.tta)"),
    QT_TRANSLATE_NOOP("OpenFilters", "VCD Video Files (*.dat)"),
    QT_TRANSLATE_NOOP("OpenFilters", "WAV Files (*.wav *.wave)"),
    QT_TRANSLATE_NOOP("OpenFilters", "WavPack (*.wv)"),
    QT_TRANSLATE_NOOP("OpenFilters", "Windows Media Files (*.wma *.asf *.wmv *.wm *.wmd *.xwmv)"),
    QT_TRANSLATE_NOOP("OpenFilters", "YUV Video Files (*.yuv)"),
};

// "*.mp3 *.wav ...": every extension of the family table and of the file types, once each.
QString AllAudioPatterns() {
    QStringList patterns;
    for (const std::string& extension : FamilyExtensions())
        patterns << QLatin1Char('*') + QString::fromStdString(extension);
    for (const char* filter : kFilters) {
        const QString text = QString::fromLatin1(filter);
        const int open = text.lastIndexOf(QLatin1Char('('));
        patterns << text.mid(open + 1, text.size() - open - 2).split(QLatin1Char(' '));
    }
    patterns.removeDuplicates();
    return patterns.join(QLatin1Char(' '));
}

}  // namespace

QString OpenDialogFilters() {
    QStringList filters{QCoreApplication::translate("OpenFilters", "All audio files (%1)").arg(AllAudioPatterns()),
                        QCoreApplication::translate("OpenFilters", "All Files (*)")};
    for (const char* filter : kFilters) filters << QCoreApplication::translate("OpenFilters", filter);
    return filters.join(QStringLiteral(";;"));
}

}  // namespace tonewright
