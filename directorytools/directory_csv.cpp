#include "directorytools/directory_csv.h"

#include "directorytools/directory_kind.h"
#include "text/utf_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace orvane {
namespace {

constexpr std::array<std::string_view, 5> kColumns = {"slot", "kind", "name", "number", "members"};
enum Column { kSlot, kKind, kName, kNumber, kMembers };
constexpr std::string_view kSender = "sender";
constexpr std::string_view kRejected = "rejected";

std::string Field(std::string_view text) {
    const bool quote = text.find_first_of(",;\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string Row(std::string_view slot, std::string_view kind, std::u16string_view name,
                std::u16string_view number, const std::vector<std::string>& members) {
    return Field(slot) + "," + Field(kind) + "," + Field(Utf16ToUtf8(name)) + "," +
           Field(Utf16ToUtf8(number)) + "," + Field(Joined(members, " ")) + "\r\n";
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// Splits the text into records of fields, counting lines.
class CsvReader {
  public:
    CsvReader(std::string_view text, std::string* error) : text_(text), error_(error) {}

    // Reads the next non-empty record into `fields`; false at the end or on an error (`Failed`).
    bool Next(std::vector<std::string>* fields) {
        while (pos_ < text_.size()) {
            record_line_ = line_;
            fields->clear();
            quoted_.clear();
            if (!Record(fields)) return false;
            const bool blank = fields->size() == 1 && Trimmed(fields->front()).empty();
            if (!blank) return true;
        }
        return false;
    }

    std::size_t line() const { return record_line_; }
    // Whether field `index` of the last record was quoted: its text then stands exactly as written.
    bool Quoted(std::size_t index) const { return index < quoted_.size() && quoted_[index]; }
    bool Failed() const { return failed_; }
    void SetSeparator(char separator) { separator_ = separator; }

    bool Fail(std::size_t line, const std::string& message) {
        *error_ = "line " + std::to_string(line) + ": " + message;
        failed_ = true;
        return false;
    }

  private:
    bool Record(std::vector<std::string>* fields) {
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

    bool QuotedField(std::string* field) {
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

    std::string_view text_;
    std::string* error_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::size_t record_line_ = 1;
    std::vector<bool> quoted_;
    char separator_ = ',';
    bool failed_ = false;
};

// Where each column is in the rows; false with the reason for a header that is not the five columns.
bool HeaderColumns(const std::vector<std::string>& header, std::array<std::size_t, 5>* positions,
                   CsvReader& reader) {
    positions->fill(header.size());
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = Lower(Trimmed(header[i]));
        const auto column = std::find(kColumns.begin(), kColumns.end(), name);
        if (column == kColumns.end())
            return reader.Fail(reader.line(), "unknown column \"" + Trimmed(header[i]) + "\"");
        const auto index = static_cast<std::size_t>(column - kColumns.begin());
        if ((*positions)[index] != header.size())
            return reader.Fail(reader.line(), "the column \"" + name + "\" appears twice");
        (*positions)[index] = i;
    }
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if ((*positions)[i] == header.size()) {
            return reader.Fail(reader.line(), "the header has no column \"" + std::string(kColumns[i]) +
                                                  "\" (it needs slot, kind, name, number and members)");
        }
    }
    return true;
}

std::vector<std::string> MemberIds(std::string_view text) {
    std::vector<std::string> ids;
    std::string id;
    for (char c : std::string(text) + " ") {
        if (c == ' ' || c == ';' || c == ',' || c == '\t') {
            if (!id.empty()) ids.push_back(std::move(id));
            id.clear();
        } else {
            id += c;
        }
    }
    return ids;
}

bool ReadRow(const std::vector<std::string>& fields, const std::array<std::size_t, 5>& at, CsvReader& reader,
             PortableDirectory* directory) {
    const std::size_t line = reader.line();
    std::u16string name;
    std::u16string number;
    for (const std::string& field : fields) {
        if (!IsValidUtf8(field)) return reader.Fail(line, "the text is not valid UTF-8");
    }
    Utf8ToUtf16(fields[at[kName]], &name);
    // Spaces around an unquoted number are the spreadsheet's; a quoted one keeps what was written.
    const std::string& raw_number = fields[at[kNumber]];
    Utf8ToUtf16(reader.Quoted(at[kNumber]) ? raw_number : Trimmed(raw_number), &number);
    const std::string slot = Trimmed(fields[at[kSlot]]);
    const std::string kind = Lower(Trimmed(fields[at[kKind]]));
    std::vector<std::string> members = MemberIds(fields[at[kMembers]]);
    if (kind == kSender) {
        if (directory->sender) return reader.Fail(line, "a second sender row");
        directory->sender = PortableSender{std::move(name), std::move(number), line};
        return true;
    }
    if (kind == kRejected) {
        directory->rejects.push_back({slot, std::move(number), line});
        return true;
    }
    PortableEntry entry{slot, EntryKind::Empty, std::move(name), std::move(number), std::move(members), line};
    const std::optional<EntryKind> named = kind.empty() ? InferredKind(entry) : KindFromName(kind);
    if (!named) {
        return reader.Fail(line,
                           "unknown kind \"" + kind + "\" (empty, individual, group, sender or rejected)");
    }
    entry.kind = *named;
    directory->entries.push_back(std::move(entry));
    return true;
}

}  // namespace

std::string DirectoryCsv(const PortableDirectory& directory) {
    std::string out = "slot,kind,name,number,members\r\n";
    for (const PortableEntry& entry : directory.entries) {
        out += Row(entry.id, KindName(entry.kind), entry.name, entry.number, entry.members);
    }
    if (directory.sender) out += Row("", kSender, directory.sender->name, directory.sender->number, {});
    for (const PortableReject& reject : directory.rejects)
        out += Row(reject.id, kRejected, u"", reject.number, {});
    return out;
}

bool ParseDirectoryCsv(std::string_view text, PortableDirectory* directory, std::string* error) {
    *directory = PortableDirectory{};
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view first_line = text.substr(0, text.find('\n'));
    CsvReader reader(text, error);
    if (first_line.find(',') == std::string_view::npos && first_line.find(';') != std::string_view::npos) {
        reader.SetSeparator(';');
    }
    std::vector<std::string> fields;
    if (!reader.Next(&fields)) {
        if (!reader.Failed()) reader.Fail(1, "the file is empty; it needs a header row");
        return false;
    }
    std::array<std::size_t, 5> positions{};
    if (!HeaderColumns(fields, &positions, reader)) return false;
    const std::size_t columns = fields.size();
    while (reader.Next(&fields)) {
        if (fields.size() != columns) {
            return reader.Fail(reader.line(), std::to_string(fields.size()) +
                                                  " fields where the header has " + std::to_string(columns));
        }
        if (!ReadRow(fields, positions, reader, directory)) return false;
    }
    return !reader.Failed();
}

}  // namespace orvane
