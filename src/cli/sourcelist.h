#pragma once

#include <string>
#include <vector>

namespace tonewright {

struct CliOptions;
struct Settings;

// A file the command line names, directly or through a folder it searched.
struct SourceFile {
    std::string path;
    std::string subfolder;  // below the folder argument it was found in ("artist/album/"), else ""
    bool audio = true;      // false: found by a folder search, of a type the program does not read
};

// The command line's files, in order. The paths given (on the command line, then those of
// --files-from) are taken as they are; a folder is searched, and its files the program does
// not read are listed as not audio; "no audio files found in DIR" goes to stderr for a folder
// without any. With --shard K/N only the files of shard K stay. False with `error` set when
// --files-from cannot be read.
bool CollectSources(const CliOptions& options, const Settings& settings, std::vector<SourceFile>& sources,
                    std::string& error);

// The shard (1..count) of a path: a hash of its bytes that every machine computes alike.
int ShardOf(const std::string& key, int count);

}  // namespace tonewright
