#include "remotesetup/internal/payload.h"

#include <algorithm>

namespace orvane {
namespace {

// The slot that bit `bit` of a group bitmap stands for: coded slots first, then one-touch slots.
SlotId BitmapSlot(int bit, int coded_count) {
    return bit < coded_count ? MakeSlotId(true, bit) : MakeSlotId(false, bit - coded_count + 1);
}

int BitCount(std::size_t bitmap_size, int coded_count, int onetouch_count) {
    const std::size_t available = bitmap_size * 8;
    const auto wanted = static_cast<std::size_t>(std::max(0, coded_count) + std::max(0, onetouch_count));
    return static_cast<int>(std::min(available, wanted));
}

bool BitIsSet(std::string_view bitmap, int bit) {
    return (static_cast<unsigned char>(bitmap[bit / 8]) >> (bit % 8)) & 1u;
}

// The bit of the slot a member cell names, or -1 when no bit of this bitmap stands for it. Only the
// exact texts of the slot sequence match, so "1" or "001" never stand for "01".
int BitOfMember(const SlotId& cell, int coded_count, int bits) {
    const std::string_view id = FieldText(cell);
    const bool coded = id.starts_with('*');
    const std::string_view digits = coded ? id.substr(1) : id;
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return -1;
    }
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    const int bit = coded ? value : coded_count + value - 1;
    const bool in_range = coded ? value < coded_count : value >= 1;
    if (!in_range || bit >= bits || FieldText(MakeSlotId(coded, value)) != id) return -1;
    return bit;
}

}  // namespace

void EncodeGroupBitmap(const DialEntry& entry, int coded_count, int onetouch_count, std::span<char> bitmap) {
    std::fill(bitmap.begin(), bitmap.end(), '\0');
    const int bits = BitCount(bitmap.size(), coded_count, onetouch_count);
    const std::size_t used = std::min<std::size_t>(entry.member_count, entry.members.size());
    for (std::size_t i = 0; i < used; ++i) {
        const int bit = BitOfMember(entry.members[i], coded_count, bits);
        if (bit >= 0)
            bitmap[bit / 8] =
                static_cast<char>(static_cast<unsigned char>(bitmap[bit / 8]) | (1u << (bit % 8)));
    }
}

void DecodeGroupBitmap(std::string_view bitmap, int coded_count, int onetouch_count, DialEntry& entry) {
    std::fill(entry.members.begin(), entry.members.end(), SlotId{});
    const int bits = BitCount(bitmap.size(), coded_count, onetouch_count);
    std::size_t stored = 0;
    // One-touch members first, then coded members, each ascending.
    auto store_range = [&](int first, int last) {
        for (int bit = first; bit < last && stored < entry.members.size(); ++bit) {
            if (BitIsSet(bitmap, bit)) entry.members[stored++] = BitmapSlot(bit, coded_count);
        }
    };
    const int coded_bits = std::clamp(coded_count, 0, bits);
    store_range(coded_bits, bits);
    store_range(0, coded_bits);
    entry.member_count = static_cast<std::uint16_t>(stored);
}

void KeepFirstToneSwitch(std::span<char> number) {
    const std::size_t length = FieldText(number).size();
    const auto first_tone = std::find(number.begin(), number.begin() + length, 'T');
    if (first_tone == number.begin() + length) return;
    const auto kept_end = std::remove(first_tone + 1, number.begin() + length, 'T');
    std::fill(kept_end, number.begin() + length, '\0');
}

}  // namespace orvane
