#include "directorytools/internal/csv_reader.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace orvane {

std::string CsvLower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string CsvTrimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

char CsvSeparatorOf(std::string_view text) {
    constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        const auto separator = std::find(kSeparators.begin(), kSeparators.end(), c);
        if (separator != kSeparators.end())
            ++counts[static_cast<std::size_t>(separator - kSeparators.begin())];
    }
    return kSeparators[static_cast<std::size_t>(std::max_element(counts.begin(), counts.end()) -
                                                counts.begin())];
}

CsvReader::CsvReader(std::string_view text, char separator, std::string* error)
    : text_(text), separator_(separator), error_(error) {}

bool CsvReader::Next(std::vector<std::string>* fields) {
    while (pos_ < text_.size()) {
        record_line_ = line_;
        fields->clear();
        quoted_.clear();
        if (!Record(fields)) return false;
        const bool blank = fields->size() == 1 && CsvTrimmed(fields->front()).empty();
        if (!blank) return true;
    }
    return false;
}

bool CsvReader::Fail(std::size_t line, const std::string& message) {
    *error_ = "line " + std::to_string(line) + ": " + message;
    failed_ = true;
    return false;
}

bool CsvReader::Record(std::vector<std::string>* fields) {
    std::string field;
    while (true) {
        const bool quoted = pos_ < text_.size() && text_[pos_] == '"';
        if (quoted && !QuotedField(&field)) return false;
        while (pos_ < text_.size() && text_[pos_] != separator_ && text_[pos_] != '\n' &&
               text_[pos_] != '\r') {
            if (quoted) return Fail(line_, "expected a separator after a quoted field");
            field += text_[pos_++];
        }
        fields->push_back(std::move(field));
        quoted_.push_back(quoted);
        field.clear();
        if (pos_ >= text_.size()) return true;
        const char end = text_[pos_++];
        if (end == separator_) continue;
        if (end == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        ++line_;
        return true;
    }
}

bool CsvReader::QuotedField(std::string* field) {
    const std::size_t opened = line_;
    ++pos_;
    while (true) {
        if (pos_ >= text_.size()) return Fail(opened, "a quoted field is not closed");
        const char c = text_[pos_++];
        if (c == '"') {
            if (pos_ < text_.size() && text_[pos_] == '"') {
                ++pos_;
            } else {
                return true;
            }
        }
        if (c == '\n') ++line_;
        *field += c;
    }
}

}  // namespace orvane
