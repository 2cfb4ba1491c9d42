#include "app/options/formatpages.h"

#include <QStringList>

#include "app/options/aacpage.h"
#include "app/options/amrpage.h"
#include "app/options/mp3page.h"
#include "app/options/oggpage.h"
#include "app/options/wavpage.h"
#include "app/options/wmapage.h"
#include "encoders/aac/aacoutput.h"
#include "encoders/amr/amroutput.h"
#include "encoders/mp3/mp3output.h"
#include "encoders/mp4/mp4output.h"
#include "encoders/vorbis/vorbisoutput.h"
#include "encoders/wav/wavoutput.h"
#include "encoders/winmedia/wmaoutput.h"
#include "engine/outputformat.h"

namespace tonewright {

namespace {

// A page made as Page(values, desktop).
template <typename Page, typename Values>
std::unique_ptr<SheetPage> Plain(Values values, void (*copyOut)(const Values&, Settings&),
                                 const PageServices& services) {
    return BindPage(std::move(values), copyOut, [&](Values& bound) { return new Page(bound, services.desktop); });
}

std::unique_ptr<SheetPage> AacVariant(AacValues values, void (*copyOut)(const AacValues&, Settings&),
                                      AacPage::Container container, const PageServices& services) {
    return BindPage(std::move(values), copyOut,
                    [&](AacValues& bound) { return new AacPage(bound, container, services.desktop); });
}

}  // namespace

const std::vector<FormatPageEntry>& FormatPages() {
    using P = const PageServices&;
    static const std::vector<FormatPageEntry> pages = {
        {{kOutputMp3}, [](const Settings& s, P p) { return Plain<Mp3Page>(CopyMp3In(s), CopyMp3Out, p); }},
        {{kOutputWav}, [](const Settings& s, P p) { return Plain<WavPage>(CopyWavIn(s), CopyWavOut, p); }},
        {{kOutputWma},
         [](const Settings& s, P p) {
             return BindPage(CopyWmaIn(s), CopyWmaOut,
                             [&](WmaValues& bound) { return new WmaPage(bound, p.wmaFormats, p.desktop); });
         }},
        {{kOutputOgg}, [](const Settings& s, P p) { return Plain<OggPage>(CopyOggIn(s), CopyOggOut, p); }},
        {{kOutputAmr, kOutputAwb}, [](const Settings& s, P p) { return Plain<AmrPage>(CopyAmrIn(s), CopyAmrOut, p); }},
        {{kOutputAac},
         [](const Settings& s, P p) { return AacVariant(CopyAacIn(s), CopyAacOut, AacPage::Container::Adts, p); }},
        {{kOutputMp4, kOutputM4a, kOutputM4b},
         [](const Settings& s, P p) { return AacVariant(CopyMp4In(s), CopyMp4Out, AacPage::Container::Mp4, p); }},
    };
    return pages;
}

QString PageCaption(const FormatPageEntry& page) {
    QStringList names;
    for (int code : page.codes) names << QString::fromLatin1(FindOutputFormat(code)->displayName);
    return names.join(QLatin1Char('/')) + QStringLiteral(" Options");
}

}  // namespace tonewright
