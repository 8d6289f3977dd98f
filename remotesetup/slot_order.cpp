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

void AssignSlotIds(const DeviceCapability& capability, const std::vector<std::string>& listed,
                   DirectoryData& data) {
    std::vector<std::pair<std::size_t, SlotId>> slots;
    for (int slot = 0; slot < capability.current_coded_dial_num; ++slot)
        slots.emplace_back(0, MakeSlotId(true, slot));
    for (int slot = 1; slot <= capability.current_onetouch_dial_num; ++slot) {
        slots.emplace_back(0, MakeSlotId(false, slot));
    }
    for (auto& [position, id] : slots) {
        position =
            static_cast<std::size_t>(std::find(listed.begin(), listed.end(), FieldText(id)) - listed.begin());
    }
    std::stable_sort(slots.begin(), slots.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < slots.size() && i < data.entries.size(); ++i) {
        data.entries[i].slot_id = slots[i].second;
        data.entries[i].coded = FieldText(slots[i].second).starts_with('*');
    }
    for (std::size_t i = 0; i < data.rejects.size(); ++i) {
        StoreText(data.rejects[i].slot_id, FieldText(MakeSlotId(false, static_cast<int>(i) + 1)));
    }
}

}  // namespace orvane
