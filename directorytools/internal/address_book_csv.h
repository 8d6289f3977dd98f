// The rows of an address book's CSV export as directory entries (see ReadDirectoryCsv).
#pragma once

#include "directorytools/directory_csv.h"
#include "directorytools/internal/csv_reader.h"

#include <string>
#include <vector>

namespace orvane {

// Reads the rows after the header `headers` (trimmed) from `reader`: one individual entry without
// a slot per contact, named and numbered from `columns` when given, else from the columns
// recognised by their headers.
CsvOutcome ReadAddressBookCsv(CsvReader& reader, const std::vector<std::string>& headers,
                              const CsvColumns* columns, PortableDirectory* directory);

}  // namespace orvane
