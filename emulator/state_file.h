// The state file: the directory in readable text, its parsing and its atomic saving.
#pragma once

#include <string>
#include <string_view>

#include "emulator/directory.h"

namespace orvane::sim {

// The text form of a directory, one line per record (see README.md):
//   sender "<name>" "<number>"
//   dial <id> empty | dial <id> individual "<name>" "<number>" | dial <id> group "<name>" [<member id>...]
//   reject <id> "<number>"
// Texts are UTF-8 converted from the device code; a double quote is written \" and a byte without a
// character (backslash included) \xHH. Lines starting with '#' and blank lines are ignored.
std::string FormatState(const Directory& directory);

// Reads the text form; returns an empty text on success, else "line N: reason" (`out` then unspecified).
std::string ParseState(std::string_view text, Directory& out);

// Writes the state file atomically (temporary file, then rename); empty on success, else the reason.
std::string SaveStateFile(const std::string& path, const Directory& directory);

// Reads a state file; empty on success, else the reason.
std::string LoadStateFile(const std::string& path, Directory& out);

}  // namespace orvane::sim
