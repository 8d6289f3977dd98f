#include "directorytools/internal/address_book_csv.h"

#include "remotesetup/text_codec.h"

#include <algorithm>
#include <array>
#include <map>

namespace orvane {
namespace {

// What a column of an address book holds.
enum class Role {
    Other,
    DisplayName,
    FirstName,
    LastName,
    Company,
    Fax,
    BusinessPhone,
    PhoneLabel,  // the kind of the phone number in its paired value column (Google Contacts)
};

struct HeaderWord {
    std::string_view text;  // lower case
    Role role;
};

// Headers that name a part of the contact's name, as the exports write them in English, German
// and French (the whole header, in lower case).
constexpr std::array kNameHeaders = {
    HeaderWord{"display name", Role::DisplayName},
    HeaderWord{"name", Role::DisplayName},
    HeaderWord{"full name", Role::DisplayName},
    HeaderWord{"anzeigename", Role::DisplayName},
    HeaderWord{"nom à afficher", Role::DisplayName},
    HeaderWord{"first name", Role::FirstName},
    HeaderWord{"given name", Role::FirstName},
    HeaderWord{"vorname", Role::FirstName},
    HeaderWord{"prénom", Role::FirstName},
    HeaderWord{"last name", Role::LastName},
    HeaderWord{"family name", Role::LastName},
    HeaderWord{"surname", Role::LastName},
    HeaderWord{"nachname", Role::LastName},
    HeaderWord{"nom", Role::LastName},
    HeaderWord{"company", Role::Company},
    HeaderWord{"organization name", Role::Company},
    HeaderWord{"organization 1 - name", Role::Company},
    HeaderWord{"firma", Role::Company},
    HeaderWord{"société", Role::Company},
};

// Words that make a header a number column wherever they stand in it; a fax before a phone, so
// that "Business Fax" is a fax.
constexpr std::array kNumberWords = {
    HeaderWord{"fax", Role::Fax},
    HeaderWord{"télécopie", Role::Fax},
    HeaderWord{"business phone", Role::BusinessPhone},
    HeaderWord{"work phone", Role::BusinessPhone},
    HeaderWord{"company main phone", Role::BusinessPhone},
    HeaderWord{"telefon geschäftlich", Role::BusinessPhone},
    HeaderWord{"tel. dienstlich", Role::BusinessPhone},
    HeaderWord{"téléphone bureau", Role::BusinessPhone},
};

// Words of a Google phone label, per kind of number.
constexpr std::array<std::string_view, 1> kFaxLabels = {"fax"};
constexpr std::array<std::string_view, 2> kBusinessLabels = {"work", "business"};

// Google Contacts writes several numbers of one label into one field.
constexpr std::string_view kValueSeparator = " ::: ";
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

Role RoleOf(const std::string& header) {
    for (const HeaderWord& word : kNameHeaders) {
        if (header == word.text) return word.role;
    }
    for (const HeaderWord& word : kNumberWords) {
        if (header.find(word.text) != std::string::npos) return word.role;
    }
    return Role::Other;
}

// For "phone 1 - label" (or "- type") and "phone 1 - value": the key "phone 1" and which of the
// two the column is. False for any other header.
bool PhoneColumn(const std::string& header, std::string* key, bool* is_value) {
    constexpr std::string_view kPhone = "phone ";
    constexpr std::string_view kDash = " - ";
    const std::size_t dash = header.find(kDash);
    if (!header.starts_with(kPhone) || dash == std::string::npos || dash == kPhone.size()) return false;
    const std::string number = header.substr(kPhone.size(), dash - kPhone.size());
    if (!std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    const std::string part = header.substr(dash + kDash.size());
    if (part != "label" && part != "type" && part != "value") return false;
    *key = header.substr(0, dash);
    *is_value = part == "value";
    return true;
}

// What each column holds.
struct ColumnPlan {
    std::vector<Role> roles;
    std::vector<std::size_t> values;  // for a PhoneLabel column: its value column

    bool Has(std::initializer_list<Role> wanted) const {
        return std::any_of(roles.begin(), roles.end(), [&](Role role) {
            return std::find(wanted.begin(), wanted.end(), role) != wanted.end();
        });
    }
    bool Recognised() const {
        return Has({Role::DisplayName, Role::FirstName, Role::LastName, Role::Company}) &&
               Has({Role::Fax, Role::BusinessPhone, Role::PhoneLabel});
    }
};

ColumnPlan Recognise(const std::vector<std::string>& headers) {
    ColumnPlan plan{std::vector<Role>(headers.size(), Role::Other),
                    std::vector<std::size_t>(headers.size(), kNoColumn)};
    std::map<std::string, std::size_t> labels;
    std::map<std::string, std::size_t> values;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        const std::string header = CsvLower(headers[i]);
        std::string key;
        bool is_value = false;
        if (PhoneColumn(header, &key, &is_value)) {
            (is_value ? values : labels).emplace(key, i);
        } else {
            plan.roles[i] = RoleOf(header);
        }
    }
    for (const auto& [key, label] : labels) {
        const auto value = values.find(key);
        if (value == values.end()) continue;
        plan.roles[label] = Role::PhoneLabel;
        plan.values[label] = value->second;
    }
    return plan;
}

// The column whose header is `wanted` (letter case aside), or kNoColumn.
std::size_t ColumnNamed(const std::vector<std::string>& headers, const std::string& wanted) {
    const std::string lower = CsvLower(CsvTrimmed(wanted));
    for (std::size_t i = 0; i < headers.size(); ++i) {
        if (CsvLower(headers[i]) == lower) return i;
    }
    return kNoColumn;
}

// Field `index` of a row, trimmed; empty where the row is shorter.
std::string Cell(const std::vector<std::string>& fields, std::size_t index) {
    return index < fields.size() ? CsvTrimmed(fields[index]) : std::string();
}

// The first cell of `role` that is not empty.
std::string FirstOf(const ColumnPlan& plan, const std::vector<std::string>& fields, Role role) {
    for (std::size_t i = 0; i < plan.roles.size(); ++i) {
        if (plan.roles[i] != role) continue;
        std::string cell = Cell(fields, i);
        if (!cell.empty()) return cell;
    }
    return {};
}

std::string ContactName(const ColumnPlan& plan, const std::vector<std::string>& fields) {
    if (std::string name = FirstOf(plan, fields, Role::DisplayName); !name.empty()) return name;
    const std::string first = FirstOf(plan, fields, Role::FirstName);
    const std::string last = FirstOf(plan, fields, Role::LastName);
    if (!first.empty() || !last.empty()) return first + (first.empty() || last.empty() ? "" : " ") + last;
    return FirstOf(plan, fields, Role::Company);
}

template <std::size_t N>
bool LabelIs(const std::string& label, const std::array<std::string_view, N>& words) {
    const std::string lower = CsvLower(label);
    return std::any_of(words.begin(), words.end(),
                       [&](std::string_view word) { return lower.find(word) != std::string::npos; });
}

// The first number of the columns of `role`, or of the phones labelled with `labels`.
template <std::size_t N>
std::string NumberOf(const ColumnPlan& plan, const std::vector<std::string>& fields, Role role,
                     const std::array<std::string_view, N>& labels) {
    for (std::size_t i = 0; i < plan.roles.size(); ++i) {
        std::string cell;
        if (plan.roles[i] == role) cell = Cell(fields, i);
        if (plan.roles[i] == Role::PhoneLabel && LabelIs(Cell(fields, i), labels))
            cell = Cell(fields, plan.values[i]);
        if (!cell.empty()) return cell.substr(0, cell.find(kValueSeparator));
    }
    return {};
}

std::string ContactNumber(const ColumnPlan& plan, const std::vector<std::string>& fields) {
    if (std::string fax = NumberOf(plan, fields, Role::Fax, kFaxLabels); !fax.empty()) return fax;
    return NumberOf(plan, fields, Role::BusinessPhone, kBusinessLabels);
}

// Adds the contact of one row; false (after reader.Fail) for text that is not UTF-8.
bool AddContact(CsvReader& reader, std::string_view name, std::string_view number,
                PortableDirectory* directory) {
    if (name.empty() && number.empty()) return true;
    PortableEntry entry{"", EntryKind::Individual, u"", u"", {}, reader.line()};
    if (!Utf8ToUtf16(name, &entry.name) || !Utf8ToUtf16(number, &entry.number))
        return reader.Fail(reader.line(), "the text is not valid UTF-8");
    directory->entries.push_back(std::move(entry));
    return true;
}

}  // namespace

CsvOutcome ReadAddressBookCsv(CsvReader& reader, const std::vector<std::string>& headers,
                              const CsvColumns* columns, PortableDirectory* directory) {
    std::size_t name_column = kNoColumn;
    std::size_t number_column = kNoColumn;
    ColumnPlan plan;
    if (columns != nullptr) {
        name_column = ColumnNamed(headers, columns->name);
        number_column = ColumnNamed(headers, columns->number);
        const std::string& missing = name_column == kNoColumn ? columns->name : columns->number;
        if (name_column == kNoColumn || number_column == kNoColumn) {
            reader.Fail(reader.line(), "the header has no column \"" + missing + "\"");
            return CsvOutcome::Refused;
        }
    } else if (plan = Recognise(headers); !plan.Recognised()) {
        reader.Fail(reader.line(), "the columns of the name and the fax number are not recognised");
        return CsvOutcome::ColumnsUnknown;
    }
    std::vector<std::string> fields;
    while (reader.Next(&fields)) {
        if (fields.size() > headers.size()) {
            reader.Fail(reader.line(), std::to_string(fields.size()) + " fields where the header has " +
                                           std::to_string(headers.size()));
            return CsvOutcome::Refused;
        }
        const bool chosen = columns != nullptr;
        const std::string name = chosen ? Cell(fields, name_column) : ContactName(plan, fields);
        const std::string number = chosen ? Cell(fields, number_column) : ContactNumber(plan, fields);
        if (!AddContact(reader, name, number, directory)) return CsvOutcome::Refused;
    }
    return reader.Failed() ? CsvOutcome::Refused : CsvOutcome::Read;
}

}  // namespace orvane
