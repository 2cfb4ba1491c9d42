#include "cli/streamprobe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "support/testutil.h"

namespace testutil {

std::map<std::string, std::string> ProbeFile(const std::string& path) {
    const auto r = Run({"ffprobe", "-v", "error", "-select_streams", "a:0", "-show_entries",
                        "stream=codec_name,sample_rate,channels,channel_layout,sample_fmt,bits_per_raw_sample,"
                        "duration,bit_rate:format=format_name,duration:format_tags",
                        "-of", "flat=s=_", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::map<std::string, std::string> values;
    size_t at = 0;
    while (at < r.out.size()) {
        const size_t end = std::min(r.out.find('\n', at), r.out.size());
        const std::string line = r.out.substr(at, end - at);
        at = end + 1;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
        if (key.rfind("streams_stream_0_", 0) == 0) key = key.substr(17);
        else if (key.rfind("format_tags_", 0) == 0) key = "tag:" + key.substr(12);
        else if (key.rfind("format_", 0) == 0) key = "format." + key.substr(7);
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
        values[key] = value;
    }
    return values;
}

}  // namespace testutil

namespace testutil {

double BestCorrelation(const std::vector<int16_t>& reference, const std::vector<int16_t>& decoded, size_t maxDelay) {
    constexpr size_t kWindow = 2048;
    const long span = static_cast<long>(maxDelay);
    double best = -1;
    for (long delay = -span; delay <= span; ++delay) {
        double cross = 0, a = 0, b = 0;
        for (size_t i = maxDelay; i < maxDelay + kWindow && i < reference.size(); ++i) {
            const long j = static_cast<long>(i) + delay;
            if (j < 0 || j >= static_cast<long>(decoded.size())) continue;
            cross += double(reference[i]) * decoded[j];
            a += double(reference[i]) * reference[i];
            b += double(decoded[j]) * decoded[j];
        }
        if (a > 0 && b > 0) best = std::max(best, cross / std::sqrt(a * b));
    }
    return best;
}

}  // namespace testutil
