#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/filecloser.h"

namespace tonewright {

// Opens a file for reading; null when it cannot be opened.
UniqueFile OpenForReading(const std::string& path);

// Size in bytes of the file at `path`; false when it cannot be read.
bool FileLength(const std::string& path, uint64_t& size);

// `count` bytes of the file from `offset`; empty when they cannot all be read.
std::vector<uint8_t> ReadFileRange(const std::string& path, uint64_t offset, uint64_t count);

}  // namespace tonewright
