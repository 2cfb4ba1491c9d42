#include "app/openfilters.h"

#include <QStringList>

#include "base/inputtype.h"

namespace tonewright {

namespace {

// The file types, each with the extensions it goes by.
const char* const kFilters[] = {
    "3GPP Files (*.3gp *.3gpp)",
    "3GPP2 Files (*.3g2 *.3gp2)",
    "Adobe Flash Files (*.swf)",
    "Advanced Audio Coding (*.aac)",
    "AIFF Files (*.aiff *.aif *.aifc *.afc)",
    "AMR Files (*.amr *.awb)",
    "AU Files (*.au *.snd)",
    "AVI Files (*.avi)",
    "CD Audio (*.cda)",
    "Creative Voice Files (*.voc)",
    "CRI ADX Files (*.adx)",
    "Dolby Digital AC-3 (*.ac3)",
    "DTS Files (*.dts)",
    "DV Video Files (*.dv *.dif)",
    "DVD Video Files (*.vob *.dvd)",
    "Electronic Arts CDATA Files (*.cdata)",
    "Flash Video Files (*.flv)",
    "Free Lossless Audio Codec (*.flac *.fla)",
    "H.264/MPEG4 AVC Video (*.m2ts *.mts)",
    "Matroska Files (*.mkv *.mka)",
    "Microsoft Digital Video Recording (*.dvr-ms)",
    "MIDI Files (*.midi *.mid *.rmi *.kar)",
    "MJPEG Video Files (*.mjpg *.mjpeg)",
    "MMF Files (*.mmf)",
    "MOD Musics (*.mod *.xm *.it *.s3m *.mtm *.umx *.mo3)",
    "Monkey's Audio (*.ape *.mac)",
    "MP3 Files (*.mp3)",
    "MPEG Audio Files (*.mpa *.mpga *.m2a)",
    "MPEG Video Files (*.mpg *.mpe *.mpeg *.m1v *.mp2 *.m2v *.mp1 *.mlv)",
    "MPEG-4 Audio Files (*.m4a *.m4b *.mp4)",
    "MPEG4 TS HD Video (*.ts)",
    "MPEG-4 Video Files (*.mp4 *.m4v *.mpv *.psp)",
    "Musepack (*.mpc *.mp+ *.mpp)",
    "Nullsoft Audio/Video Files (*.nsv *.nsa)",
    "NUT Files (*.nut)",
    "OGG Files (*.ogg *.oga *.ogm *.ogv *.ogx)",
    "QuickTime Files (*.mov *.qt)",
    "Raw h261 Files (*.h261)",
    "Raw h263 Files (*.h263)",
    "Raw h264 Video Files (*.h264 *.264)",
    "Real Audio Files (*.ra *.ram)",
    "Real Media Files (*.rm *.rmvb)",
    "Speex (*.spx)",
    "The True Audio (*.tta)",
    "VCD Video Files (*.dat)",
    "WAV Files (*.wav *.wave)",
    "WavPack (*.wv)",
    "Windows Media Files (*.wma *.asf *.wmv *.wm *.wmd *.xwmv)",
    "YUV Video Files (*.yuv)",
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
    QStringList filters{QStringLiteral("All audio files (%1)").arg(AllAudioPatterns()),
                        QStringLiteral("All Files (*)")};
    for (const char* filter : kFilters) filters << QString::fromLatin1(filter);
    return filters.join(QStringLiteral(";;"));
}

}  // namespace tonewright
