#pragma once

#include <string>

namespace tonewright {

// How a row of the report ended.
enum class RowOutcome { Converted, Copied, Skipped, Failed, Cancelled };

// One finished row of the report.
struct ReportRow {
    std::string source;
    std::string target;  // the file written, as a full path; empty when none was
    std::string status;  // the row's status text
    RowOutcome outcome = RowOutcome::Failed;
    double seconds = 0;
};

// "converted", "copied", "skipped", "failed" or "cancelled".
const char* OutcomeName(RowOutcome outcome);

// The outcome a status text of a row that wrote nothing stands for.
RowOutcome OutcomeOfStatus(const std::string& status);

// A field of a tab line: TAB, newline, carriage return and backslash written as \t, \n,
// \r and \\, so each row stays one line of two fields.
std::string EscapeTabField(const std::string& text);

// "source TAB status\n", both escaped.
std::string TabLine(const ReportRow& row);

// The row as one JSON object on one line: source, target (null when none), status,
// reason (why a row failed or was skipped, else ""), outcome and seconds. Bytes that are
// not UTF-8 are written as U+FFFD.
std::string JsonLine(const ReportRow& row);

}  // namespace tonewright
