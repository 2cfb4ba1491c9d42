#pragma once

#include <cstdio>
#include <memory>

namespace tonewright {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
// A C file that is closed when its owner goes.
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace tonewright
