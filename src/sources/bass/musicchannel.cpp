#include "sources/bass/musicchannel.h"

#include <libopenmpt/libopenmpt.h>
#include <libopenmpt/libopenmpt_stream_callbacks_file.h>

#include "sources/bass/filebytes.h"
#include "sources/bass/renderlimits.h"

namespace tonewright {

namespace {

// libopenmpt's recommended volume ramping, and none at all.
constexpr int kDefaultRamping = -1;
constexpr int kNoRamping = 0;

struct ModuleDestroyer {
    void operator()(openmpt_module* module) const { openmpt_module_destroy(module); }
};

class MusicChannel : public Channel {
public:
    MusicChannel(const std::string& path, std::unique_ptr<openmpt_module, ModuleDestroyer> module, int rate,
                 uint64_t frames)
        : Channel(Kind::Music, path), module_(std::move(module)) {
        layout_ = {rate, 2, 16};
        lengthFrames_ = frames;
        endsAtLength_ = true;
    }

protected:
    int Decode(void* buffer, int maxFrames) override {
        return static_cast<int>(openmpt_module_read_interleaved_stereo(
            module_.get(), layout_.rate, static_cast<size_t>(maxFrames), static_cast<int16_t*>(buffer)));
    }

private:
    std::unique_ptr<openmpt_module, ModuleDestroyer> module_;
};

}  // namespace

std::unique_ptr<Channel> OpenMusicChannel(const std::string& path, int rate, bool volumeRamping) {
    if (!IsRenderRate(rate)) return nullptr;
    const UniqueFile file = OpenForReading(path);
    if (!file) return nullptr;
    // Read through the file callbacks: the module is parsed from the file without first
    // holding the whole file in memory, so a large file that is no module costs nothing.
    std::unique_ptr<openmpt_module, ModuleDestroyer> module(
        openmpt_module_create2(openmpt_stream_get_file_callbacks(), file.get(), openmpt_log_func_silent, nullptr,
                               openmpt_error_func_ignore, nullptr, nullptr, nullptr, nullptr));
    if (!module) return nullptr;

    // Subsong 0 is the song that starts at the first order, the one a player plays; hidden
    // songs behind it are left out.
    if (openmpt_module_get_num_subsongs(module.get()) > 0) openmpt_module_select_subsong(module.get(), 0);
    openmpt_module_set_render_param(module.get(), OPENMPT_MODULE_RENDER_VOLUMERAMPING_STRENGTH,
                                    volumeRamping ? kDefaultRamping : kNoRamping);
    // Dither draws on a random source, so without it a module renders to the same samples
    // every time.
    openmpt_module_ctl_set_integer(module.get(), "dither", 0);
    const double seconds = openmpt_module_get_duration_seconds(module.get());
    uint64_t frames = 0;
    if (!RenderFrames(seconds, rate, frames)) return nullptr;
    return std::make_unique<MusicChannel>(path, std::move(module), rate, frames);
}

}  // namespace tonewright
