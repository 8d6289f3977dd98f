// The CSV form of a directory, for spreadsheets: a header row "slot,kind,name,number,members", one
// row per dial slot (kind "empty", "individual" or "group"; members as slot IDs separated by
// spaces), a row of kind "sender" (no slot) and one row of kind "rejected" per reject slot.
// Fields are quoted as RFC 4180 says; rows end with CR LF.
#pragma once

#include "directorytools/portable_directory.h"

#include <string>
#include <string_view>

namespace orvane {

// The CSV text of `directory`.
std::string DirectoryCsv(const PortableDirectory& directory);

// Reads CSV text: UTF-8 (a leading byte-order mark is skipped), "," or ";" as the separator (the
// header decides), the five columns in any order and any letter case, empty lines skipped. A blank
// kind means a group when members are given, an individual entry when a number is, else an empty
// slot; a blank slot means the first free slot. False with `*error` naming the line for a missing
// or unknown column, a row with another number of fields, an unclosed quote, text that is not UTF-8
// or an unknown kind.
bool ParseDirectoryCsv(std::string_view text, PortableDirectory* directory, std::string* error);

}  // namespace orvane
