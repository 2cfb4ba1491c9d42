// The tags people keep and the cover picture, carried by tonewright-cli from a tagged FLAC
// source into every tagged output format, and the cover beside a source: read back with
// TagLib.
#include <gtest/gtest.h>

#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/xiphcomment.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/clitest.h"

using namespace testutil;

namespace {

struct ReadPicture {
    int type;
    std::string mimeType, description, data;
};

std::string Utf8(const TagLib::String& text) { return text.to8Bit(true); }
std::string Bytes(const TagLib::ByteVector& data) { return std::string(data.data(), data.size()); }

// The first value of every property TagLib gives, "n/total" numbers split into the number
// and its total as the Vorbis comment names have them; for MP4 and Windows Media also the
// ReplayGain items and attributes and the compilation flag TagLib has no property for.
std::map<std::string, std::string> ReadFields(const std::string& path) {
    TagLib::FileRef ref(path.c_str(), false);
    std::map<std::string, std::string> fields;
    if (ref.isNull()) return fields;
    for (const auto& [key, values] : ref.file()->properties())
        if (!values.isEmpty()) fields[Utf8(key)] = Utf8(values.front());
    for (const auto& [number, total] : {std::pair{"DISCNUMBER", "DISCTOTAL"}, std::pair{"TRACKNUMBER", "TRACKTOTAL"}}) {
        const std::string value = fields[number];
        const size_t slash = value.find('/');
        if (slash == std::string::npos) continue;
        fields[number] = value.substr(0, slash);
        fields.emplace(total, value.substr(slash + 1));
    }
    if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(ref.file())) {
        const TagLib::String freeform("----:com.apple.iTunes:");
        for (const auto& [key, item] : mp4->tag()->itemMap())
            if (key.startsWith(freeform) && !item.toStringList().isEmpty())
                fields.emplace(Utf8(key.substr(freeform.size()).upper()), Utf8(item.toStringList().front()));
    }
    if (auto* asf = dynamic_cast<TagLib::ASF::File*>(ref.file())) {
        for (const auto& [name, attributes] : asf->tag()->attributeListMap()) {
            if (attributes.isEmpty()) continue;
            if (name == "WM/IsCompilation") fields.emplace("COMPILATION", attributes.front().toBool() ? "1" : "0");
            else fields.emplace(Utf8(name.upper()), Utf8(attributes.front().toString()));
        }
    }
    return fields;
}

std::vector<ReadPicture> ReadPictures(const std::string& path) {
    TagLib::FileRef ref(path.c_str(), false);
    std::vector<ReadPicture> pictures;
    if (ref.isNull()) return pictures;
    TagLib::File* file = ref.file();
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file)) {
        if (mpeg->hasID3v2Tag())
            for (auto* frame : mpeg->ID3v2Tag()->frameList("APIC")) {
                auto* apic = static_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame);
                pictures.push_back({apic->type(), Utf8(apic->mimeType()), Utf8(apic->description()),
                                    Bytes(apic->picture())});
            }
    } else if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) {
        for (auto* p : flac->pictureList())
            pictures.push_back({p->type(), Utf8(p->mimeType()), Utf8(p->description()), Bytes(p->data())});
    } else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file->tag())) {  // Ogg Vorbis, Opus
        for (auto* p : xiph->pictureList())
            pictures.push_back({p->type(), Utf8(p->mimeType()), Utf8(p->description()), Bytes(p->data())});
    } else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file)) {
        if (mp4->tag()->contains("covr"))
            for (const auto& cover : mp4->tag()->item("covr").toCoverArtList())
                pictures.push_back({3, cover.format() == TagLib::MP4::CoverArt::PNG ? "image/png" : "image/jpeg", "",
                                    Bytes(cover.data())});
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file)) {
        for (const auto& attribute : asf->tag()->attribute("WM/Picture")) {
            const TagLib::ASF::Picture p = attribute.toPicture();
            pictures.push_back({p.type(), Utf8(p.mimeType()), Utf8(p.description()), Bytes(p.picture())});
        }
    }
    return pictures;
}

std::string ReadText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

class CliTagsTest : public CliFixture {
protected:
    // Converts to the format; returns the status line and sets the target's path.
    std::string Convert(const std::string& format, const std::string& source, std::string& target,
                        const std::vector<std::string>& settings = {}, const std::string& folder = "out") {
        std::vector<std::string> args = {"-q", "-f", format, "-o", dir.file(folder), "--if-exists", "overwrite"};
        for (const auto& s : settings) args.insert(args.end(), {"--set", s});
        args.push_back(source);
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        const std::string name = source.substr(source.rfind('/') + 1);
        target = dir.file(folder + "/" + name.substr(0, name.rfind('.')) + "." + format);
        return r.out;
    }

    // A small real image of the type: 16x16 red.
    std::string MakeImage(const std::string& name) {
        const std::string path = dir.file(name);
        const std::string codec = name.find(".png") != std::string::npos ? "png" : "mjpeg";
        Shell("ffmpeg -v error -f lavfi -i color=c=red:s=16x16 -frames:v 1 -c:v " + codec + " -f image2 " +
              Quote(path));
        return path;
    }

    // A one-second FLAC tone in its own folder, with the Vorbis comments given.
    std::string MakeFlac(const std::string& folder, const std::vector<std::string>& comments) {
        Shell("mkdir -p " + Quote(dir.file(folder)));
        const std::string path = dir.file(folder + "/song.flac");
        Shell("ffmpeg -v error -f lavfi -i sine=f=440:d=1 -ac 2 -c:a flac " + Quote(path));
        std::string command = "metaflac --remove-all-tags";
        for (const auto& comment : comments) command += " --set-tag=" + Quote(comment);
        Shell(command + " " + Quote(path));
        return path;
    }
};

// What the tagged source holds, by the Vorbis comment names.
const std::map<std::string, std::string> kSourceFields = {
    {"TITLE", "Song"},
    {"ARTIST", "Артист"},
    {"ALBUMARTIST", "Various Ärtists"},
    {"DISCNUMBER", "2"},
    {"DISCTOTAL", "3"},
    {"TRACKNUMBER", "5"},
    {"TRACKTOTAL", "12"},
    {"REPLAYGAIN_TRACK_GAIN", "-6.50 dB"},
    {"REPLAYGAIN_TRACK_PEAK", "0.988525"},
    {"REPLAYGAIN_ALBUM_GAIN", "-7.25 dB"},
    {"REPLAYGAIN_ALBUM_PEAK", "1.000000"},
    {"MUSICBRAINZ_TRACKID", "0b2b9fb8-4d34-4b4e-8a5e-7c0c2a0b5b11"},
    {"MUSICBRAINZ_ALBUMID", "1c3a2e50-5e6f-4d7a-9b8c-0d1e2f3a4b5c"},
    {"MUSICBRAINZ_ARTISTID", "2d4b3f61-6f70-4e8b-8c9d-1e2f3a4b5c6d"},
    {"MUSICBRAINZ_ALBUMARTISTID", "89ad4ac3-39f7-470e-963a-56509c546377"},
    {"MUSICBRAINZ_RELEASEGROUPID", "3e5c4071-7081-4f9c-9dae-2f3a4b5c6d7e"},
    {"MUSICBRAINZ_RELEASETRACKID", "4f6d5182-8192-40ad-8ebf-3a4b5c6d7e8f"},
    {"BPM", "128"},
    {"COMPILATION", "1"},
    {"LYRICS", "La la la, line one"},
};

// One target format and the source fields it has no place for. A new tagged format is one
// more row.
struct TargetCase {
    const char* format;
    std::set<std::string> notHeld;
    bool keepsPictureTypeAndDescription;
};

class CliTagsTargetTest : public CliTagsTest, public ::testing::TestWithParam<TargetCase> {};

}  // namespace

// Every field the target can hold reads back with the source's value, and the cover comes
// back byte for byte, with its type and description where the target keeps them; and the
// target, a source in its turn, gives all that to a FLAC file.
TEST_P(CliTagsTargetTest, KeepsTheFieldsAndTheCover) {
    const TargetCase& c = GetParam();
    std::vector<std::string> comments;
    for (const auto& [name, value] : kSourceFields) comments.push_back(name + "=" + value);
    const std::string source = MakeFlac("tagged", comments);
    const std::string cover = MakeImage("front.jpg");
    Shell("metaflac " + Quote("--import-picture-from=3|image/jpeg|Front side||" + cover) + " " + Quote(source));
    ASSERT_EQ(ReadPictures(source).size(), 1u) << "the premise: the source holds the cover";

    std::string target, back;
    Convert(c.format, source, target);
    Convert("flac", target, back, {}, "back");
    for (const std::string& path : {target, back}) {
        SCOPED_TRACE(path);
        const std::map<std::string, std::string> fields = ReadFields(path);
        for (const auto& [name, value] : kSourceFields) {
            if (c.notHeld.count(name)) continue;
            const auto found = fields.find(name);
            EXPECT_TRUE(found != fields.end() && found->second == value)
                << name << ": " << (found == fields.end() ? std::string("(none)") : found->second);
        }
        const std::vector<ReadPicture> pictures = ReadPictures(path);
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_TRUE(pictures[0].data == ReadText(cover)) << "the picture's bytes differ";
        EXPECT_EQ(pictures[0].mimeType, "image/jpeg");
        if (c.keepsPictureTypeAndDescription) {
            EXPECT_EQ(pictures[0].type, 3);
            EXPECT_EQ(pictures[0].description, "Front side");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, CliTagsTargetTest,
                         ::testing::Values(TargetCase{"mp3", {}, true}, TargetCase{"flac", {}, true},
                                           TargetCase{"ogg", {}, true}, TargetCase{"m4a", {}, false},
                                           TargetCase{"wma", {"TRACKTOTAL"}, true}, TargetCase{"opus", {}, true}),
                         [](const ::testing::TestParamInfo<TargetCase>& info) {
                             return std::string(info.param.format);
                         });

namespace {

// Files beside a source without a picture, the CoverFromFolder value, and what the target
// gets: the named file's bytes as its picture (or none) and the note in the row's status.
struct FolderCase {
    const char* label;
    std::vector<std::string> images;  // made in the source's folder, in this order
    size_t paddedTo;                  // the first image grown to this many bytes (0: as made)
    const char* coverFromFolder;      // the setting, or "" for the default
    const char* expectedPicture;      // the image the target holds, or ""
    const char* note;                 // what the status adds after the target's name
};

class CliFolderCoverTest : public CliTagsTest, public ::testing::TestWithParam<FolderCase> {};

}  // namespace

TEST_P(CliFolderCoverTest, TakesTheFoldersCoverWhenTheSourceHasNone) {
    const FolderCase& c = GetParam();
    const std::string source = MakeFlac("album", {"TITLE=Song"});
    for (const std::string& image : c.images) MakeImage("album/" + image);
    if (c.paddedTo > 0)
        Shell("truncate -s " + std::to_string(c.paddedTo) + " " + Quote(dir.file("album/" + c.images[0])));
    std::vector<std::string> settings;
    if (*c.coverFromFolder) settings.push_back(std::string("CoverFromFolder=") + c.coverFromFolder);

    std::string target;
    const std::string report = Convert("flac", source, target, settings);
    EXPECT_EQ(report, source + "\tsong.flac" + c.note + "\n");
    EXPECT_EQ(ReadFields(target)["TITLE"], "Song");
    const std::vector<ReadPicture> pictures = ReadPictures(target);
    if (!*c.expectedPicture) {
        EXPECT_TRUE(pictures.empty());
        return;
    }
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_TRUE(pictures[0].data == ReadText(dir.file(std::string("album/") + c.expectedPicture)));
    EXPECT_EQ(pictures[0].type, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, CliFolderCoverTest,
    ::testing::Values(FolderCase{"CoverJpg", {"cover.jpg"}, 0, "", "cover.jpg", ""},
                      FolderCase{"FirstNameInOrderAnyCase", {"front.jpg", "Folder.JPG"}, 0, "1", "Folder.JPG", ""},
                      FolderCase{"PngCover", {"cover.png", "folder.jpg"}, 0, "", "cover.png", ""},
                      FolderCase{"SettingOff", {"cover.jpg"}, 0, "0", "", ""},
                      FolderCase{"OverSixteenMiBLeftOut", {"cover.jpg"}, (16u << 20) + 1, "", "",
                                 " (cover picture over 16 MiB left out)"}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.label); });
