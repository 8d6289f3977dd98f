// Locating the records of a directory file by slot ID (shared by the file readers and the set-up of
// an object from a file alone).
#pragma once

#include <cstddef>
#include <string_view>

namespace orvane {

// Finds the record CR LF `tag` `id` CR LF, first from `from` onwards and then from the start, so
// records in any order are found. Returns the offset of the CR LF that closes the ID, where the
// record's fields begin, or npos when the record is absent.
std::size_t FindRecord(std::string_view bytes, std::size_t from, std::string_view tag, std::string_view id);

}  // namespace orvane
