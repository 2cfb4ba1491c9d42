#pragma once

#include <QString>

#include <vector>

#include "app/options/wmapage.h"

namespace tonewright {

// What pages need from the program besides the settings they edit.
struct PageServices {
    Desktop& desktop;
    WmaFormatSource wmaFormats;
};

// A format page of the options sheet: the codes of the formats it sets, in the order its
// tab caption names them, and how it is made on the settings it edits.
struct FormatPageEntry {
    std::vector<int> codes;
    OptionPage* (*make)(Settings& settings, const PageServices& services);
};

// The format pages in tab order. The General page, which sets no format, comes before
// them; OptStartPageIndex stores a tab's place, so the order stays.
const std::vector<FormatPageEntry>& FormatPages();

// The tab caption: the display names of the page's formats joined by "/", then " Options".
QString PageCaption(const FormatPageEntry& page);

}  // namespace tonewright
