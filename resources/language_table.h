// The language module table and the program's own strings: the ones that must exist before a
// language module is loaded. Plain C++ so that every front end can use them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace orvane {

// One row of the language module table.
struct LanguageRow {
    std::uint16_t id;              // Windows language ID
    std::string_view module;       // language module file name in the program's directory
    std::string_view englishName;  // application string 11000 + row number
    std::string_view nativeName;   // application string 12000 + row number (UTF-8)
};

// The 32 rows in their fixed order (row number n = index + 1); the language dialog lists them in
// this order.
std::span<const LanguageRow> LanguageModuleTable();

// The row whose ID equals `id` exactly, or nullptr.
const LanguageRow* FindLanguageRow(std::uint16_t id);

// Application string 11001-11032 or 12001-12032 (UTF-8); empty for any other ID.
std::string_view LanguageNameString(int id);

// Application string 10000 as chosen for the UI language `ui_language`: the table of that exact
// language, else the table of the same primary language, else the English table. Each table holds
// its own ID as "%04x" text ("0409"), except 0x0816, which holds "0416".
std::string_view DefaultLanguageText(std::uint16_t ui_language);

}  // namespace orvane
