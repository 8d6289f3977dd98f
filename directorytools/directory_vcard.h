// Address-book cards (vCard) of a directory. Export writes vCard 3.0: one card per individual
// entry (FN, N, TEL;TYPE=FAX and the slot as X-ORVANE-SLOT), and cards marked X-ORVANE-KIND for
// groups (X-ORVANE-MEMBERS), the sender and each rejected number, so that a round trip keeps the
// whole directory. Import reads vCard 2.1, 3.0 and 4.0 as address books write them.
#pragma once

#include "directorytools/portable_directory.h"

#include <string>
#include <string_view>

namespace orvane {

// The cards of `directory`; empty slots have none. Lines end with CR LF and are folded at 75 bytes.
std::string DirectoryVcard(const PortableDirectory& directory);

// Reads cards: folded lines, property groups ("item1.TEL"), parameters in any of the three
// versions' forms, QUOTED-PRINTABLE values, UTF-8 or ISO-8859-1 (CHARSET) text, backslash escapes.
// The name is FN, else N (given names before the family name); the number is the first TEL typed
// fax, else the first TEL ("tel:" URIs included). A card without X-ORVANE-SLOT goes to a free slot.
// False with `*error` naming the line for a property outside a card, a card that is not closed, a
// line without ":", text that is not UTF-8, or a file without any card.
bool ParseDirectoryVcard(std::string_view text, PortableDirectory* directory, std::string* error);

}  // namespace orvane
