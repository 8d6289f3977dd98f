// The JSON form of a directory, as `orvane-cli read --json` prints it and `write` and `import` read
// it back:
//   {"capability": {the 21 values by name}, "slots": [{"id", "kind", "name", "number", "members"}],
//    "sender": {"name", "number"}, "rejected": [{"id", "number"}]}
#pragma once

#include "directorytools/portable_directory.h"
#include "remotesetup/device_capability.h"
#include "remotesetup/directory_data.h"

#include <string>
#include <string_view>

namespace orvane {

// The document for `capability` and `data`; names converted to UTF-8 through the device character
// table (a byte without a row becomes U+FFFD).
std::string DirectoryJson(const DeviceCapability& capability, const DirectoryData& data);

// Reads a document of that form into `*directory`. "capability" is optional and not read; "slots",
// "sender" and "rejected" are each optional; in a slot only "id" is required ("kind" defaults to
// "group" with members, "individual" with a number, else "empty"). False with `*error` naming the
// line for malformed JSON, a wrong type, an unknown key or kind.
bool ParseDirectoryJson(std::string_view text, PortableDirectory* directory, std::string* error);

// The 21 capability texts of the document's "capability" object (numbers as their literals). False
// with `*error` naming the line when it is missing, lacks a field or holds a value of another type.
bool ReadJsonCapability(std::string_view text, CapabilityTexts* texts, std::string* error);

// True when `text` looks like JSON rather than a directory file: its first byte that is not white
// space is "{".
bool LooksLikeJson(std::string_view text);

}  // namespace orvane
