#include "base/filetypes.h"

#include <QtGlobal>

#include <algorithm>

#include "base/inputtype.h"
#include "base/pathutil.h"

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
    QT_TRANSLATE_NOOP("OpenFilters", "Opus Files (*.opus)"),
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

}  // namespace

std::vector<const char*> FileTypeFilters() { return {std::begin(kFilters), std::end(kFilters)}; }

const std::vector<std::string>& ReadableExtensions() {
    static const std::vector<std::string> extensions = [] {
        std::vector<std::string> list = FamilyExtensions();
        for (const std::string filter : kFilters) {
            const size_t open = filter.rfind('(');
            const std::string patterns = filter.substr(open + 1, filter.size() - open - 2);
            size_t start = 0;
            while (start < patterns.size()) {
                const size_t end = std::min(patterns.find(' ', start), patterns.size());
                const std::string extension = patterns.substr(start + 1, end - start - 1);  // after "*"
                if (std::find(list.begin(), list.end(), extension) == list.end()) list.push_back(extension);
                start = end + 1;
            }
        }
        return list;
    }();
    return extensions;
}

bool IsReadableFileName(const std::string& path) {
    const std::string extension = AsciiLower(PathExtension(path));
    const auto& list = ReadableExtensions();
    return !extension.empty() && std::find(list.begin(), list.end(), extension) != list.end();
}

}  // namespace tonewright
