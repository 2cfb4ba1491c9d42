#include "app/options/optionvalues.h"

namespace tonewright {

namespace {

AmplifyValues Amplify(int on, int coeff) { return {on != 0, coeff}; }

void CopyAacIn(AacValues& page, int autoParam, int vbr, int quality, int bitRate, int tns, int midSide,
               int blockType) {
    page.autoParams = autoParam == 1;
    page.vbrRadio = vbr != 0 ? 1 : 0;
    page.quality = quality;
    page.bitRate = bitRate;
    page.tns = tns != 0;
    page.midSide = midSide != 0;
    page.blockType = blockType;
}

// The encoder details leave the page only while Auto is off.
void CopyAacOut(const AacValues& page, int& autoParam, int& vbr, int& quality, int& bitRate, int& tns, int& midSide,
                int& blockType) {
    autoParam = page.autoParams ? 1 : 0;
    if (page.autoParams) return;
    vbr = page.vbrRadio == 1 ? 1 : 0;
    quality = page.quality;
    bitRate = page.bitRate;
    tns = page.tns ? 1 : 0;
    midSide = page.midSide ? 1 : 0;
    blockType = page.blockType;
}

// The rate, bit-rate (or bits) and channel settings leave the page only while Auto is off.
void CopyEncodingOut(const EncodingChoice& page, int (*channelSetting)(int), int& autoParam, int& rate, int& detail,
                     int& channels) {
    autoParam = page.autoParams ? 1 : 0;
    if (page.autoParams) return;
    rate = page.sampleRate;
    detail = page.detail;
    channels = channelSetting(page.channelRadio);
}

void CopyTagOut(const TagValues& page, int& type, TagTemplate& tag) {
    type = page.type;
    tag = page.tag;
}

void CopyAmplifyOut(const AmplifyValues& page, int& on, int& coeff) {
    on = page.on ? 1 : 0;
    coeff = page.coeff;
}

}  // namespace

int Mp3ChannelRadio(int channelMode) {
    switch (channelMode) {
        case 1: return 0;
        case 0: return 1;
        case 3: return 2;
        default: return 3;
    }
}

int Mp3ChannelMode(int radio) {
    static constexpr int kModes[] = {1, 0, 3, 4};
    return radio >= 0 && radio < 4 ? kModes[radio] : 4;
}

int ChannelCountRadio(int channels) { return channels == 2 ? 0 : channels == 1 ? 1 : 2; }

int ChannelCountFromRadio(int radio) { return radio == 0 ? 2 : radio == 1 ? 1 : 0; }

OptionValues CopyOptionsIn(const Settings& s) {
    OptionValues v;
    v.general = {s.DestOutputFolderOpt, s.DestSpecifiedFolder, s.CreateDirs != 0, s.TargetExistsOpt,
                 s.OutputFiles2MyDocuments != 0, s.BrowseOutputFolder != 0, s.MonoType, s.EnableExtFilter != 0,
                 s.FilterExts, s.ParallelJobs};
    v.mp3 = {{s.AutoDestMP3EncodingParam == 1, s.MP3SampleRate, s.MP3BitRate, Mp3ChannelRadio(s.MP3ChannelMode)},
             s.MP3WriteID3Version, {s.MP3ID3TagType, s.MP3Tag}, Amplify(s.AmplifyMp3, s.AmplifyMp3Coeff)};
    v.wav = {{s.AutoDestWAVEncodingParam == 1, s.WAVSampleRate, s.WAVBitsPerSample, ChannelCountRadio(s.WAVChannelNum)},
             Amplify(s.AmplifyWav, s.AmplifyWavCoeff)};
    v.wma = {s.AutoDestWMAEncodingParam == 1, s.WMASampleRate, s.WMABitRate, s.WMAChannels,
             {s.WMAID3TagType, s.WMATag}, Amplify(s.AmplifyWMA, s.AmplifyWMACoeff)};
    v.ogg = {{s.AutoDestOGGEncodingParam == 1, s.OGGSampleRate, s.OGGBitRate, ChannelCountRadio(s.OGGChannels)},
             {s.OGGID3TagType, s.OGGTag}, Amplify(s.AmplifyOGG, s.AmplifyOGGCoeff)};
    v.amr = {s.AMRType, s.AMRMode, s.AMRWBMode, s.AMRDTX != 0, s.AWBMode, s.AWBDTX != 0,
             Amplify(s.AmplifyAMR, s.AmplifyAMRCoef)};
    CopyAacIn(v.aac, s.AutoDestAACEncodingParam, s.AACVBR, s.AACVBRQuality, s.AACABRBitRate, s.AACEnableTNS,
              s.AACEnableMidside, s.AACBlockType);
    v.aac.mpegRadio = s.AACMpegVersion != 0 ? 1 : 0;
    v.aac.amplify = Amplify(s.AmplifyAAC, s.AmplifyAACCoef);
    CopyAacIn(v.m4a, s.AutoDestM4AEncodingParam, s.M4AVBR, s.M4AVBRQuality, s.M4AABRBitRate, s.M4AEnableTNS,
              s.M4AEnableMidside, s.M4ABlockType);
    v.m4a.tag = {s.M4AID3TagType, s.M4ATag};
    v.m4a.amplify = Amplify(s.AmplifyM4A, s.AmplifyM4ACoef);
    return v;
}

void CopyOptionsOut(const OptionValues& v, Settings& s) {
    const GeneralValues& g = v.general;
    s.DestOutputFolderOpt = g.outputFolderOpt;
    s.DestSpecifiedFolder = g.customFolder;
    s.CreateDirs = g.createDirs;
    s.TargetExistsOpt = g.targetExistsOpt;
    s.OutputFiles2MyDocuments = g.documentsFallback;
    s.BrowseOutputFolder = g.browseWhenDone;
    s.MonoType = g.monoType;
    s.EnableExtFilter = g.filterOn;
    s.FilterExts = g.filterText;
    s.ParallelJobs = g.parallelJobs;

    CopyEncodingOut(v.mp3.encoding, Mp3ChannelMode, s.AutoDestMP3EncodingParam, s.MP3SampleRate, s.MP3BitRate,
                    s.MP3ChannelMode);
    s.MP3WriteID3Version = v.mp3.id3Version;
    CopyTagOut(v.mp3.tag, s.MP3ID3TagType, s.MP3Tag);
    CopyAmplifyOut(v.mp3.amplify, s.AmplifyMp3, s.AmplifyMp3Coeff);

    CopyEncodingOut(v.wav.encoding, ChannelCountFromRadio, s.AutoDestWAVEncodingParam, s.WAVSampleRate,
                    s.WAVBitsPerSample, s.WAVChannelNum);
    CopyAmplifyOut(v.wav.amplify, s.AmplifyWav, s.AmplifyWavCoeff);

    s.AutoDestWMAEncodingParam = v.wma.autoParams;
    if (!v.wma.autoParams) {
        s.WMASampleRate = v.wma.sampleRate;
        s.WMABitRate = v.wma.bitRate;
        s.WMAChannels = v.wma.channels;
    }
    CopyTagOut(v.wma.tag, s.WMAID3TagType, s.WMATag);
    CopyAmplifyOut(v.wma.amplify, s.AmplifyWMA, s.AmplifyWMACoeff);

    CopyEncodingOut(v.ogg.encoding, ChannelCountFromRadio, s.AutoDestOGGEncodingParam, s.OGGSampleRate, s.OGGBitRate,
                    s.OGGChannels);
    CopyTagOut(v.ogg.tag, s.OGGID3TagType, s.OGGTag);
    CopyAmplifyOut(v.ogg.amplify, s.AmplifyOGG, s.AmplifyOGGCoeff);

    s.AMRType = v.amr.type;
    s.AMRMode = v.amr.nbMode;
    s.AMRWBMode = v.amr.wbMode;
    s.AMRDTX = v.amr.nbDtx;
    s.AWBMode = v.amr.awbMode;
    s.AWBDTX = v.amr.awbDtx;
    CopyAmplifyOut(v.amr.amplify, s.AmplifyAMR, s.AmplifyAMRCoef);

    CopyAacOut(v.aac, s.AutoDestAACEncodingParam, s.AACVBR, s.AACVBRQuality, s.AACABRBitRate, s.AACEnableTNS,
               s.AACEnableMidside, s.AACBlockType);
    if (!v.aac.autoParams) s.AACMpegVersion = v.aac.mpegRadio == 1 ? 1 : 0;
    CopyAmplifyOut(v.aac.amplify, s.AmplifyAAC, s.AmplifyAACCoef);

    CopyAacOut(v.m4a, s.AutoDestM4AEncodingParam, s.M4AVBR, s.M4AVBRQuality, s.M4AABRBitRate, s.M4AEnableTNS,
               s.M4AEnableMidside, s.M4ABlockType);
    CopyTagOut(v.m4a.tag, s.M4AID3TagType, s.M4ATag);
    CopyAmplifyOut(v.m4a.amplify, s.AmplifyM4A, s.AmplifyM4ACoef);

    RebuildExtensionFilter(s);
}

}  // namespace tonewright
