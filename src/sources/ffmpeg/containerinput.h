#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct AVIOContext;

namespace tonewright {

// The bytes of a local file as FFmpeg's demuxers read them, kept off the tag blocks the
// program reads itself with TagLib. FFmpeg files every tag in a dictionary whose insertion
// searches all earlier entries, so a file with 100,000 ID3v2 frames or Vorbis comments takes
// minutes to open. A leading ID3v2 tag is left to be skipped (SkipBytes, before the demuxer
// reads anything), and a FLAC stream's Vorbis comment blocks are shown as padding, which
// the demuxer steps over. Every other byte is the file's, at its own offset.
class ContainerInput {
public:
    // Opens the file for reading; null when it cannot be opened.
    static std::unique_ptr<ContainerInput> Open(const std::string& path);
    ~ContainerInput();
    ContainerInput(const ContainerInput&) = delete;
    ContainerInput& operator=(const ContainerInput&) = delete;

    // The byte stream, seekable; a failed read ends it with the system's error.
    AVIOContext* Bytes() const { return bytes_; }
    // Bytes of the leading ID3v2 tag, for FFmpeg to skip; 0 when there is none.
    int64_t SkipBytes() const { return skipBytes_; }
    // Whether tags were kept from FFmpeg, so its metadata lacks them.
    bool HidesTags() const { return skipBytes_ > 0 || !hiddenBlockTypes_.empty(); }
    // The speakers a hidden FLAC comment names (see FlacChannelMaskComment); 0 when none does.
    uint32_t HiddenChannelMask() const { return hiddenChannelMask_; }

private:
    ContainerInput() = default;
    static int Read(void* opaque, uint8_t* buffer, int size);
    static int64_t Seek(void* opaque, int64_t offset, int whence);
    void FindTagBlocks();

    int descriptor_ = -1;
    AVIOContext* bytes_ = nullptr;
    int64_t offset_ = 0;  // where the next read starts
    int64_t skipBytes_ = 0;
    std::vector<int64_t> hiddenBlockTypes_;  // file offsets of the bytes naming hidden blocks' types
    uint32_t hiddenChannelMask_ = 0;
};

}  // namespace tonewright
