#include "settings/settings.h"

namespace tonewright {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

Settings DefaultSettings(const std::string& documentsFolder) {
    Settings settings;
    if (!documentsFolder.empty()) {
        settings.DestOutputFolderOpt = kTargetsInCustomFolder;
        settings.DestSpecifiedFolder = documentsFolder;
    }
    return settings;
}

void RebuildExtensionFilter(Settings& settings) {
    settings.extensionFilter.clear();
    if (settings.EnableExtFilter == 0) return;
    std::string piece;
    for (char c : settings.FilterExts) {
        if (c == ',') {
            settings.extensionFilter.push_back(std::move(piece));
            piece.clear();
        } else {
            piece += AsciiLower(c);
        }
    }
    settings.extensionFilter.push_back(std::move(piece));
}

}  // namespace tonewright
