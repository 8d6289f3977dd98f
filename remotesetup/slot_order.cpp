#include "remotesetup/slot_order.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace orvane {
namespace {

// (coded, number): the sort key of a slot ID ("01" is (false, 1), "*00" is (true, 0)).
std::tuple<bool, int> SlotKey(const SlotId& id) {
    const std::string_view text = FieldText(id);
    const bool coded = text.starts_with('*');
    int number = 0;
    for (char c : text.substr(coded ? 1 : 0)) number = number * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
    return {coded, number};
}

}  // namespace

bool SlotBefore(const SlotId& a, const SlotId& b) {
    return SlotKey(a) < SlotKey(b);
}

void SortMembers(std::vector<SlotId>* members) {
    std::stable_sort(members->begin(), members->end(), SlotBefore);
}

std::vector<std::size_t> FreeSlotOrder(const DirectoryData& data) {
    std::vector<std::size_t> order(data.entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return SlotBefore(data.entries[a].slot_id, data.entries[b].slot_id);
    });
    return order;
}

}  // namespace orvane
