#include "emulator/directory.h"

#include <algorithm>

#include "emulator/charset.h"

namespace orvane::sim {
namespace {

std::string CodedId(long n) {
    return "*" + TwoDigitId(n);
}

std::string Device(std::string_view utf8) {
    std::string out;
    Utf8ToDevice(utf8, out);
    return out;
}

// Sample contents: the entries of the smallest printer, then a realistic mix for bigger ones.
struct Sample {
    const char* latin;
    const char* kana;
    const char* number;
};

constexpr Sample kPeople[] = {
    {"Müller", "ﾐｭﾗｰ", "0301234567"},          {"José Peña", "ﾔﾏﾀﾞ ﾀﾛｳ", "0034915550101"},
    {"Zoë Åberg", "ｽｽﾞｷ", "T0468123456"},      {"Café Noël", "ｶﾌｪ ﾉｴﾙ", "9#0331112222"},
    {"Björn Øster", "ﾀﾅｶ ｹﾝ", "004522334455"}, {"François", "ｻﾄｳ", "0149876543"},
    {"Ines Grüß", "ｲﾉｳｴ", "p0891234"},         {"Ann", "ｱﾝ", "123"},
};

std::string Clip(std::string text, long limit) {
    if (limit >= 0 && static_cast<long>(text.size()) > limit) text.resize(static_cast<std::size_t>(limit));
    return text;
}

DialSlot* FindSlot(Directory& d, const std::string& id) {
    for (auto& slot : d.dials) {
        if (slot.id == id) return &slot;
    }
    return nullptr;
}

void PutIndividual(Directory& d, const std::string& id, const Sample& s, bool kana, const Widths& w) {
    DialSlot* slot = FindSlot(d, id);
    if (slot == nullptr) return;
    slot->kind = SlotKind::Individual;
    slot->name = Clip(Device(kana ? s.kana : s.latin), w.name_limit);
    slot->number = Clip(s.number, w.number_limit);
}

void PutGroup(Directory& d, const std::string& id, const char* name, std::vector<std::string> members,
              const Widths& w) {
    DialSlot* slot = FindSlot(d, id);
    if (slot == nullptr) return;
    slot->kind = SlotKind::Group;
    slot->name = Clip(Device(name), w.name_limit);
    std::erase_if(members, [&](const std::string& m) { return FindSlot(d, m) == nullptr; });
    slot->members = std::move(members);
}

void FillSmallest(Directory& d, const Widths& w) {
    PutIndividual(d, "01", {"Bo", "Bo", "12"}, false, w);
    PutGroup(d, "02", "G", {"01"}, w);
    d.sender_name = Clip("Al", w.sender_name_limit);
    d.sender_number = Clip("5", w.sender_number_limit);
    if (!d.rejects.empty()) d.rejects[0] = Clip("99", w.reject_number_limit);
}

void FillRealistic(Directory& d, const Widths& w, bool kana) {
    const long people = static_cast<long>(std::size(kPeople));
    // About two thirds of the one-touch keys and a quarter of the coded slots hold entries.
    for (long n = 1; n <= w.one_touch_slots; ++n) {
        if (n % 3 != 0) PutIndividual(d, TwoDigitId(n), kPeople[(n - 1) % people], kana, w);
    }
    for (long n = 0; n < w.coded_slots; ++n) {
        if (n % 4 == 1) PutIndividual(d, CodedId(n), kPeople[(n + 3) % people], kana, w);
    }
    PutGroup(d, TwoDigitId(3), "Sales", {"*01", "01", "02"}, w);
    PutGroup(d, CodedId(0), "Office", {"*05", "*09", "01", "04"}, w);
    d.sender_name = Clip(Device(kana ? "ｵﾙｳﾞｪｲﾝ ｼｮｳｼﾞ" : "Orvane Société"), w.sender_name_limit);
    d.sender_number = Clip("030 1234567", w.sender_number_limit);
    const char* rejected[] = {"0900123456", "0190666666", "0043800123", "555"};
    for (std::size_t i = 0; i < d.rejects.size() && i < std::size(rejected) * 2; i += 2) {
        d.rejects[i] = Clip(rejected[i / 2], w.reject_number_limit);
    }
}

}  // namespace

std::string TwoDigitId(long n) {
    return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n);
}

std::vector<std::string> BitmapSlotIds(const Widths& w) {
    std::vector<std::string> ids;
    for (long n = 0; n < w.coded_slots; ++n) ids.push_back(CodedId(n));
    for (long n = 1; n <= w.one_touch_slots; ++n) ids.push_back(TwoDigitId(n));
    return ids;
}

Directory ShapeDirectory(const Widths& w, SlotOrder order) {
    Directory d;
    std::vector<std::string> ids = BitmapSlotIds(w);
    if (order == SlotOrder::OneTouchFirst) {
        std::rotate(ids.begin(), ids.begin() + w.coded_slots, ids.end());
    }
    for (auto& id : ids) d.dials.push_back(DialSlot::Empty(std::move(id)));
    d.rejects.resize(static_cast<std::size_t>(w.reject_slots));
    return d;
}

int FitDirectory(Directory& target, const Directory& source) {
    int unmatched = 0;
    for (const auto& entry : source.dials) {
        DialSlot* slot = FindSlot(target, entry.id);
        if (slot == nullptr) {
            unmatched += entry.kind != SlotKind::Empty;
        } else {
            *slot = entry;
        }
    }
    for (std::size_t i = 0; i < source.rejects.size(); ++i) {
        if (i < target.rejects.size()) {
            target.rejects[i] = source.rejects[i];
        } else {
            unmatched += !source.rejects[i].empty();
        }
    }
    target.sender_name = source.sender_name;
    target.sender_number = source.sender_number;
    return unmatched;
}

void FillSampleEntries(Directory& d, const Widths& w, bool kana) {
    if (w.one_touch_slots <= 2 && w.coded_slots <= 1) {
        FillSmallest(d, w);
    } else {
        FillRealistic(d, w, kana);
    }
}

std::string EditOneName(Directory& d) {
    auto flip = [](std::string& name) {
        if (name.empty()) {
            name = "x";
        } else {
            name.back() = name.back() == 'x' ? 'y' : 'x';
        }
    };
    for (auto& slot : d.dials) {
        if (slot.kind != SlotKind::Empty && !slot.name.empty()) {
            flip(slot.name);
            return slot.id;
        }
    }
    flip(d.sender_name);
    return "sender";
}

}  // namespace orvane::sim
