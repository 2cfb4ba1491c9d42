#include "cli/reportformat.h"

#include <cstdio>

#include "engine/targetpath.h"
#include "metadata/textconversion.h"

namespace tonewright {

namespace {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            out += code;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (const size_t length = Utf8SequenceLength(text, i, text.size())) {
            out.append(text, i, length);
            i += length - 1;
        } else {
            out += "\\ufffd";
        }
    }
    return out + "\"";
}

// Why a row failed: the reason in the status's closing parentheses, else the whole status.
std::string Reason(const ReportRow& row) {
    if (row.outcome == RowOutcome::Skipped) return "the target exists";
    if (row.outcome != RowOutcome::Failed) return "";
    const size_t open = row.status.find(" (");
    if (open != std::string::npos && !row.status.empty() && row.status.back() == ')')
        return row.status.substr(open + 2, row.status.size() - open - 3);
    return row.status;
}

}  // namespace

const char* OutcomeName(RowOutcome outcome) {
    switch (outcome) {
        case RowOutcome::Converted: return "converted";
        case RowOutcome::Copied: return "copied";
        case RowOutcome::Skipped: return "skipped";
        case RowOutcome::Failed: return "failed";
        case RowOutcome::Cancelled: return "cancelled";
    }
    return "failed";
}

RowOutcome OutcomeOfStatus(const std::string& status) {
    if (status == kTargetSkippedStatus) return RowOutcome::Skipped;
    if (status == "Cancelled") return RowOutcome::Cancelled;
    return RowOutcome::Failed;
}

std::string EscapeTabField(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\\': out += "\\\\"; break;
            default: out += c;
        }
    }
    return out;
}

std::string TabLine(const ReportRow& row) {
    return EscapeTabField(row.source) + "\t" + EscapeTabField(row.status) + "\n";
}

std::string JsonLine(const ReportRow& row) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", row.seconds);
    return "{\"source\":" + JsonString(row.source) +
           ",\"target\":" + (row.target.empty() ? std::string("null") : JsonString(row.target)) +
           ",\"status\":" + JsonString(row.status) + ",\"reason\":" + JsonString(Reason(row)) + ",\"outcome\":\"" +
           OutcomeName(row.outcome) + "\",\"seconds\":" + seconds + "}\n";
}

}  // namespace tonewright
