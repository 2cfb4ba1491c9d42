#pragma once

#include <string>

namespace tonewright {

// How a column of the file list orders its cell texts when the user sorts by it.
enum class CellOrder {
    Text,      // locale-aware, letter case counts
    Number,    // by the leading decimal number ("192 kbps"); no number counts as 0
    Duration,  // "mm:ss" or "h:mm:ss" by the seconds they stand for; empty counts as 0
};

// Less than, equal to or greater than 0 as `a` sorts before, with or after `b`.
int CompareCells(CellOrder order, const std::string& a, const std::string& b);

}  // namespace tonewright
