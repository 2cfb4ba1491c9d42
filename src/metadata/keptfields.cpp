#include "metadata/keptfields.h"

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/fileref.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>


namespace tonewright {

namespace {

std::string Utf8(const TagLib::String& text) { return text.to8Bit(true); }

std::string FirstValue(const TagLib::PropertyMap& properties, const char* name) {
    const auto found = properties.find(name);
    if (found == properties.end() || found->second.isEmpty()) return {};
    return Utf8(found->second.front());
}

// Keeps a value under the kept name that `name` is (compared without regard to case), unless
// the record has one already.
void KeepByName(TagInfo& tags, const TagLib::String& name, const std::string& value) {
    const std::string upper = Utf8(name.upper());
    for (const char* kept : kKeptFieldNames)
        if (upper == kept && !value.empty()) tags.kept.emplace(kept, value);
}

// "n/total": the number stays under `numberName`, the total goes to `totalName` unless the
// record has one. `number` is a copy: it may be the kept value it replaces.
void SplitTotal(TagInfo& tags, std::string number, const char* numberName, const char* totalName) {
    const size_t slash = number.find('/');
    if (numberName && !number.empty()) tags.kept[numberName] = number.substr(0, slash);
    if (slash != std::string::npos && TrackNumber(number.substr(slash + 1)) > 0)
        tags.kept.emplace(totalName, std::to_string(TrackNumber(number.substr(slash + 1))));
}

// The pictures a source gives, those over kLargestPicture counted instead of kept.
class PictureList {
public:
    explicit PictureList(TagInfo& tags) : tags_(tags) {}
    void Add(int type, const TagLib::String& mimeType, const TagLib::String& description,
             const TagLib::ByteVector& data) {
        if (data.isEmpty()) return;
        if (data.size() > kLargestPicture) {
            ++leftOut_;
            return;
        }
        tags_.pictures.push_back({type, Utf8(mimeType), Utf8(description), std::string(data.data(), data.size())});
    }
    int leftOut() const { return leftOut_; }

private:
    TagInfo& tags_;
    int leftOut_ = 0;
};

void ReadId3v2Pictures(const TagLib::ID3v2::Tag* tag, PictureList& pictures) {
    if (!tag) return;
    for (const TagLib::ID3v2::Frame* frame : tag->frameList("APIC"))
        if (const auto* apic = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame))
            pictures.Add(apic->type(), apic->mimeType(), apic->description(), apic->picture());
}

void ReadFlacPictures(const TagLib::List<TagLib::FLAC::Picture*>& list, PictureList& pictures) {
    for (const TagLib::FLAC::Picture* picture : list)
        pictures.Add(picture->type(), picture->mimeType(), picture->description(), picture->data());
}

const char* CoverArtMimeType(TagLib::MP4::CoverArt::Format format) {
    switch (format) {
        case TagLib::MP4::CoverArt::PNG: return "image/png";
        case TagLib::MP4::CoverArt::BMP: return "image/bmp";
        case TagLib::MP4::CoverArt::GIF: return "image/gif";
        default: return "image/jpeg";
    }
}

// MP4 keeps ReplayGain and other fields TagLib has no property for as "----" items named
// "com.apple.iTunes" and the field.
void ReadMp4(TagLib::MP4::Tag& tag, TagInfo& tags, PictureList& pictures) {
    static const TagLib::String kFreeform("----:com.apple.iTunes:");
    for (const auto& [key, item] : tag.itemMap()) {
        if (key.startsWith(kFreeform) && !item.toStringList().isEmpty())
            KeepByName(tags, key.substr(kFreeform.size()), Utf8(item.toStringList().front()));
    }
    if (!tag.contains("covr")) return;
    constexpr int kFrontCover = 3;
    for (const TagLib::MP4::CoverArt& cover : tag.item("covr").toCoverArtList())
        pictures.Add(kFrontCover, CoverArtMimeType(cover.format()), TagLib::String(), cover.data());
}

void ReadAsf(TagLib::ASF::Tag& tag, TagInfo& tags, PictureList& pictures) {
    for (const auto& [name, attributes] : tag.attributeListMap()) {
        if (name == "WM/Picture") {
            for (const TagLib::ASF::Attribute& attribute : attributes) {
                const TagLib::ASF::Picture picture = attribute.toPicture();
                if (picture.isValid())
                    pictures.Add(picture.type(), picture.mimeType(), picture.description(), picture.picture());
            }
        } else if (name == "WM/IsCompilation" && !attributes.isEmpty()) {
            tags.kept.emplace("COMPILATION", attributes.front().toBool() ? "1" : "0");
        } else if (!attributes.isEmpty()) {
            KeepByName(tags, name, Utf8(attributes.front().toString()));
        }
    }
}

}  // namespace

int ReadKeptTags(const std::string& path, TagInfo& tags) {
    TagLib::FileRef ref(path.c_str(), false);
    if (ref.isNull()) return 0;
    TagLib::File* file = ref.file();
    const TagLib::PropertyMap properties = file->properties();
    for (const char* name : kKeptFieldNames) {
        const std::string value = FirstValue(properties, name);
        if (!value.empty()) tags.kept[name] = value;
    }
    for (const auto& [name, other] : {std::pair{"DISCTOTAL", "TOTALDISCS"}, std::pair{"TRACKTOTAL", "TOTALTRACKS"}}) {
        const std::string value = FirstValue(properties, other);
        if (!value.empty()) tags.kept.emplace(name, value);
    }
    SplitTotal(tags, KeptField(tags, "DISCNUMBER"), "DISCNUMBER", "DISCTOTAL");
    SplitTotal(tags, FirstValue(properties, "TRACKNUMBER"), nullptr, "TRACKTOTAL");

    PictureList pictures(tags);
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file)) {
        ReadId3v2Pictures(mpeg->ID3v2Tag(), pictures);
    } else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file)) {
        ReadId3v2Pictures(wav->ID3v2Tag(), pictures);
    } else if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(file)) {
        ReadId3v2Pictures(aiff->tag(), pictures);
    } else if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) {
        ReadFlacPictures(flac->pictureList(), pictures);
    } else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file->tag())) {
        ReadFlacPictures(xiph->pictureList(), pictures);
    } else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file)) {
        if (mp4->tag()) ReadMp4(*mp4->tag(), tags, pictures);
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file)) {
        if (asf->tag()) ReadAsf(*asf->tag(), tags, pictures);
    }
    return pictures.leftOut();
}

}  // namespace tonewright
