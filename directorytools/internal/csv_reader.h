// Reading CSV text record by record, for the directory's own columns and for address books alike.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// `text` in lower case (ASCII letters only; other bytes stay as they are).
std::string CsvLower(std::string_view text);

// `text` without the spaces and tabs around it.
std::string CsvTrimmed(std::string_view text);

// The separator of the header (the first line): of ",", ";" and tab the one found most often
// outside quotes; "," when none is, and on a tie the earlier of the three.
char CsvSeparatorOf(std::string_view text);

// Splits the text into records of fields (RFC 4180 quotes, fields across lines), counting lines.
class CsvReader {
  public:
    // Reads `text` with `separator` between fields; a failure's message goes to `*error`.
    CsvReader(std::string_view text, char separator, std::string* error);

    // Reads the next non-empty record into `fields`; false at the end or on an error (`Failed`).
    bool Next(std::vector<std::string>* fields);

    // The line the last record started on.
    std::size_t line() const { return record_line_; }
    // Whether field `index` of the last record was quoted: its text then stands exactly as written.
    bool Quoted(std::size_t index) const { return index < quoted_.size() && quoted_[index]; }
    bool Failed() const { return failed_; }

    // Sets `*error` to "line N: message" and marks the reading failed; returns false.
    bool Fail(std::size_t line, const std::string& message);

  private:
    bool Record(std::vector<std::string>* fields);
    bool QuotedField(std::string* field);

    std::string_view text_;
    char separator_;
    std::string* error_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::size_t record_line_ = 1;
    std::vector<bool> quoted_;
    bool failed_ = false;
};

}  // namespace orvane
