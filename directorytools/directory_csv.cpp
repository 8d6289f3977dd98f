#include "directorytools/directory_csv.h"

#include "directorytools/directory_kind.h"
#include "directorytools/internal/address_book_csv.h"
#include "directorytools/internal/csv_reader.h"
#include "directorytools/text_encoding.h"
#include "remotesetup/text_codec.h"

#include <algorithm>
#include <array>

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

// Where each column is in the rows; false with the reason for a header that is not the five columns.
bool HeaderColumns(const std::vector<std::string>& header, std::array<std::size_t, 5>* positions,
                   CsvReader& reader) {
    positions->fill(header.size());
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = CsvLower(CsvTrimmed(header[i]));
        const auto column = std::find(kColumns.begin(), kColumns.end(), name);
        if (column == kColumns.end())
            return reader.Fail(reader.line(), "unknown column \"" + CsvTrimmed(header[i]) + "\"");
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
    Utf8ToUtf16(reader.Quoted(at[kNumber]) ? raw_number : CsvTrimmed(raw_number), &number);
    const std::string slot = CsvTrimmed(fields[at[kSlot]]);
    const std::string kind = CsvLower(CsvTrimmed(fields[at[kKind]]));
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

// Whether the header names a column only the own form has.
bool NamesOwnColumns(const std::vector<std::string>& header) {
    return std::any_of(header.begin(), header.end(), [](const std::string& column) {
        const std::string name = CsvLower(CsvTrimmed(column));
        return name == kColumns[kSlot] || name == kColumns[kKind] || name == kColumns[kMembers];
    });
}

// Reads the own form from `text` (its byte-order mark removed).
bool ReadOwnCsv(std::string_view text, char separator, PortableDirectory* directory, std::string* error) {
    CsvReader reader(text, separator, error);
    std::vector<std::string> fields;
    reader.Next(&fields);
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

CsvOutcome ReadDirectoryCsv(std::string_view bytes, const CsvColumns* columns, PortableDirectory* directory,
                            std::vector<std::string>* headers, std::string* error) {
    *directory = PortableDirectory{};
    headers->clear();
    const TextEncoding encoding = DetectTextEncoding(bytes);
    const std::string text = TextToUtf8(bytes, encoding, LocalCodePage());
    const char separator = CsvSeparatorOf(text);
    CsvReader reader(text, separator, error);
    std::vector<std::string> header;
    if (!reader.Next(&header)) {
        if (!reader.Failed()) reader.Fail(1, "the file is empty; it needs a header row");
        return CsvOutcome::Refused;
    }
    if (columns == nullptr && NamesOwnColumns(header)) {
        // The own form is written as UTF-8: other bytes are refused with their line.
        const bool own_bytes = encoding == TextEncoding::CodePage;
        return ReadOwnCsv(own_bytes ? bytes : std::string_view(text), separator, directory, error)
                   ? CsvOutcome::Read
                   : CsvOutcome::Refused;
    }
    for (const std::string& column : header) headers->push_back(CsvTrimmed(column));
    return ReadAddressBookCsv(reader, *headers, columns, directory);
}

bool ParseDirectoryCsv(std::string_view text, PortableDirectory* directory, std::string* error) {
    std::vector<std::string> headers;
    return ReadDirectoryCsv(text, nullptr, directory, &headers, error) == CsvOutcome::Read;
}

}  // namespace orvane
