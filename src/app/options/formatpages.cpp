#include "app/options/formatpages.h"

#include <QCoreApplication>
#include <QStringList>

#include "app/options/aacpage.h"
#include "app/options/amrpage.h"
#include "app/options/flacpage.h"
#include "app/options/mp3page.h"
#include "app/options/oggpage.h"
#include "app/options/opuspage.h"
#include "app/options/wavpage.h"
#include "app/options/wmapage.h"
#include "encoders/aac/aacoutput.h"
#include "encoders/amr/amroutput.h"
#include "encoders/flac/flacoutput.h"
#include "encoders/mp3/mp3output.h"
#include "encoders/mp4/mp4output.h"
#include "encoders/opus/opusoutput.h"
#include "encoders/vorbis/vorbisoutput.h"
#include "encoders/wav/wavoutput.h"
#include "encoders/winmedia/wmaoutput.h"
#include "engine/outputformat.h"

namespace tonewright {

const std::vector<FormatPageEntry>& FormatPages() {
    using S = Settings&;
    using P = const PageServices&;
    static const std::vector<FormatPageEntry> pages = {
        {{kOutputMp3}, [](S s, P p) -> OptionPage* { return new Mp3Page(s, p.desktop); }},
        {{kOutputWav}, [](S s, P p) -> OptionPage* { return new WavPage(s, p.desktop); }},
        {{kOutputWma}, [](S s, P p) -> OptionPage* { return new WmaPage(s, p.wmaFormats, p.desktop); }},
        {{kOutputOgg}, [](S s, P p) -> OptionPage* { return new OggPage(s, p.desktop); }},
        {{kOutputAmr, kOutputAwb}, [](S s, P p) -> OptionPage* { return new AmrPage(s, p.desktop); }},
        {{kOutputAac}, [](S s, P p) -> OptionPage* { return new AacPage(s, AacPage::Container::Adts, p.desktop); }},
        {{kOutputMp4, kOutputM4a, kOutputM4b},
         [](S s, P p) -> OptionPage* { return new AacPage(s, AacPage::Container::Mp4, p.desktop); }},
        {{kOutputFlac}, [](S s, P p) -> OptionPage* { return new FlacPage(s, p.desktop); }},
        {{kOutputOpus}, [](S s, P p) -> OptionPage* { return new OpusPage(s, p.desktop); }},
    };
    return pages;
}

QString PageCaption(const FormatPageEntry& page) {
    QStringList names;
    for (int code : page.codes) names << QString::fromLatin1(FindOutputFormat(code)->displayName);
    return QCoreApplication::translate("FormatPages", "%1 Options").arg(names.join(QLatin1Char('/')));
}

}  // namespace tonewright
