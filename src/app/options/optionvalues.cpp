#include "app/options/optionvalues.h"

#include "engine/outputformat.h"

namespace tonewright {

namespace {

const OutputFormatSettings& SettingsGroup(int code) { return FindOutputFormat(code)->settings; }

}  // namespace

void CopyFormatIn(const Settings& s, int code, FormatValues& values) {
    const OutputFormatSettings& group = SettingsGroup(code);
    if (group.autoParams) values.autoParams = s.*group.autoParams == 1;
    if (group.amplify) values.amplify = {s.*group.amplify != 0, s.*group.amplifyCoeff};
    if (group.tagMode) values.tag.type = s.*group.tagMode;
    if (group.tagTemplate.member) values.tag.tag = s.*group.tagTemplate.member;
}

void CopyFormatOut(const FormatValues& values, int code, Settings& s) {
    const OutputFormatSettings& group = SettingsGroup(code);
    if (group.autoParams) s.*group.autoParams = values.autoParams ? 1 : 0;
    if (group.amplify) {
        s.*group.amplify = values.amplify.on ? 1 : 0;
        s.*group.amplifyCoeff = values.amplify.coeff;
    }
    if (group.tagMode) s.*group.tagMode = values.tag.type;
    if (group.tagTemplate.member) s.*group.tagTemplate.member = values.tag.tag;
}

PresetValues CopyPresetIn(const Settings& s, int code, const StoredEncoding& stored) {
    PresetValues values;
    CopyFormatIn(s, code, values);
    values.encoding.sampleRate = s.*stored.sampleRate;
    values.encoding.detail = s.*stored.detail;
    values.encoding.channelRadio = stored.channelRadio(s.*stored.channels);
    return values;
}

void CopyPresetOut(const PresetValues& values, int code, const StoredEncoding& stored, Settings& s) {
    CopyFormatOut(values, code, s);
    if (values.autoParams) return;
    s.*stored.sampleRate = values.encoding.sampleRate;
    s.*stored.detail = values.encoding.detail;
    s.*stored.channels = stored.storedChannels(values.encoding.channelRadio);
}

int ChannelCountRadio(int channels) { return channels == 2 ? 0 : channels == 1 ? 1 : 2; }

int ChannelCountFromRadio(int radio) { return radio == 0 ? 2 : radio == 1 ? 1 : 0; }

GeneralValues CopyGeneralIn(const Settings& s) {
    GeneralValues values;
    values.outputFolderOpt = s.DestOutputFolderOpt;
    values.customFolder = s.DestSpecifiedFolder;
    values.createDirs = s.CreateDirs != 0;
    values.targetExistsOpt = s.TargetExistsOpt;
    values.documentsFallback = s.OutputFiles2MyDocuments != 0;
    values.browseWhenDone = s.BrowseOutputFolder != 0;
    values.monoType = s.MonoType;
    values.filterOn = s.EnableExtFilter != 0;
    values.filterText = s.FilterExts;
    values.parallelJobs = s.ParallelJobs;
    return values;
}

void CopyGeneralOut(const GeneralValues& values, Settings& s) {
    s.DestOutputFolderOpt = values.outputFolderOpt;
    s.DestSpecifiedFolder = values.customFolder;
    s.CreateDirs = values.createDirs;
    s.TargetExistsOpt = values.targetExistsOpt;
    s.OutputFiles2MyDocuments = values.documentsFallback;
    s.BrowseOutputFolder = values.browseWhenDone;
    s.MonoType = values.monoType;
    s.EnableExtFilter = values.filterOn;
    s.FilterExts = values.filterText;
    s.ParallelJobs = values.parallelJobs;
    RebuildExtensionFilter(s);
}

}  // namespace tonewright
