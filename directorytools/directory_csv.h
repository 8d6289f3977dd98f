// The CSV form of a directory, for spreadsheets, and the contact lists of address books. The own
// form: a header row "slot,kind,name,number,members", one row per dial slot (kind "empty",
// "individual" or "group"; members as slot IDs separated by spaces), a row of kind "sender" (no
// slot) and one row of kind "rejected" per reject slot. Fields are quoted as RFC 4180 says; rows
// end with CR LF.
#pragma once

#include "directorytools/portable_directory.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The CSV text of `directory`.
std::string DirectoryCsv(const PortableDirectory& directory);

// The two columns of an address book that hold each contact's name and fax number, by their
// headers as the file writes them (letter case and surrounding spaces aside).
struct CsvColumns {
    std::string name;
    std::string number;
};

// What reading a CSV file came to.
enum class CsvOutcome {
    Read,            // the rows are in the directory
    Refused,         // the text is malformed; the error names the line
    ColumnsUnknown,  // an address book whose name or number column is not recognised: name them
};

// Reads CSV bytes, the directory's own form or an address book's.
//
// The text is UTF-8 (with or without a byte-order mark), UTF-16 with a byte-order mark, or else in
// the local 8-bit code page (LocalCodePage); the separator is the one of ",", ";" and tab that the
// header row holds most. A header that names a column "slot", "kind" or "members" is the
// directory's own form: the five columns slot, kind, name, number and members in any order and
// letter case, UTF-8 only. A blank kind means a group when members are given, an individual entry
// when a number is, else an empty slot; a blank slot means the first free slot.
//
// Any other header is an address book (Outlook, Google Contacts, Thunderbird and the like): one
// individual entry without a slot per contact. With `columns`, the name and the number come from
// those two columns. Otherwise the name is a display-name column's ("Display Name", "Name"), else
// first and last name, else the company; the number is the first fax column's ("Business Fax",
// "Fax Number", a Google phone labelled as a fax), else a business phone's ("Business Phone",
// "Work Phone", a Google phone labelled as work). Rows without name and number are skipped; rows
// may have fewer fields than the header.
//
// `*headers` receives the header row's columns (trimmed) of an address book. Refused, with
// `*error` naming the line, for a missing or unknown column of the own form, a row with another
// (own form) or a larger (address book) number of fields, an unclosed quote, text that is not
// UTF-8, an unknown kind, or a column of `columns` the header lacks. ColumnsUnknown, with an error
// naming line 1, when no name or no number column is recognised.
CsvOutcome ReadDirectoryCsv(std::string_view bytes, const CsvColumns* columns, PortableDirectory* directory,
                            std::vector<std::string>* headers, std::string* error);

// ReadDirectoryCsv without a choice of columns; false unless it read the rows.
bool ParseDirectoryCsv(std::string_view text, PortableDirectory* directory, std::string* error);

}  // namespace orvane
