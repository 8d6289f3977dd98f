// The order the printer gives slots in lists of members: one-touch slots ascending, then coded
// slots ascending.
#pragma once

#include "remotesetup/directory_data.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvane {

// True when slot `a` comes before slot `b` in that order.
bool SlotBefore(const SlotId& a, const SlotId& b);

// Sorts member cells into that order.
void SortMembers(std::vector<SlotId>* members);

// The indexes of the entries of `data` in that order: where an entry without a slot goes first.
std::vector<std::size_t> FreeSlotOrder(const DirectoryData& data);

// Gives the entries of `data` (shaped by `capability`) the slot IDs the capability names - coded
// "*00".., then one-touch "01".. - ordered as `listed` names them (IDs it lacks last), and the
// reject slots "01"...
void AssignSlotIds(const DeviceCapability& capability, const std::vector<std::string>& listed,
                   DirectoryData& data);

}  // namespace orvane
