#include "emulator/payload_codec.h"

#include <algorithm>
#include <set>

namespace orvane::sim {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// A field of `width` bytes: the text, then zero bytes (the caller keeps texts within the width).
void PutField(std::string& out, std::string_view text, long width) {
    const std::size_t w = static_cast<std::size_t>(width);
    out.append(text.substr(0, w));
    out.append(w - std::min(w, text.size()), '\0');
}

void PutRecordLine(std::string& out, std::string_view tag, std::string_view field, long width) {
    out.append(tag);
    PutField(out, field, width);
    out.append(kCrLf);
}

void PutDial(std::string& out, const DialSlot& slot, const Widths& w) {
    const bool group = slot.kind == SlotKind::Group;
    const bool individual = slot.kind == SlotKind::Individual;
    out.append(group ? "GI" : "DI").append(slot.id).append(kCrLf);
    PutRecordLine(out, group ? "GN" : "DN", group || individual ? slot.name : "", w.name_width);
    PutRecordLine(out, group ? "GT" : "DT",
                  group        ? EncodeGroupBitmap(slot.members, w)
                  : individual ? slot.number
                               : "",
                  w.number_width);
}

std::string RejectId(std::size_t index) {
    return TwoDigitId(static_cast<long>(index) + 1);
}

std::size_t RejectRecordCount(const Directory& d, const Widths& w) {
    return d.rejects.empty() ? static_cast<std::size_t>(w.reject_records_when_empty) : d.rejects.size();
}

// Sequential reader of the fixed-width records of a SendData payload.
class RecordReader {
  public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ == bytes_.size(); }
    std::size_t Position() const { return pos_; }

    // Consumes `text` exactly.
    bool Expect(std::string_view text) {
        if (bytes_.substr(pos_, text.size()) != text) return false;
        pos_ += text.size();
        return true;
    }

    // Consumes the slot ID after a tag: up to CR LF, at most 3 bytes.
    bool Id(std::string& id) {
        const std::size_t end = bytes_.find(kCrLf, pos_);
        if (end == std::string_view::npos || end - pos_ > 3 || end == pos_) return false;
        id = std::string(bytes_.substr(pos_, end - pos_));
        pos_ = end + kCrLf.size();
        return true;
    }

    // Consumes a field of `width` bytes followed by CR LF; the raw field goes to `field`.
    bool Field(long width, std::string& field) {
        const std::size_t w = static_cast<std::size_t>(width);
        if (bytes_.size() - pos_ < w + kCrLf.size()) return false;
        field = std::string(bytes_.substr(pos_, w));
        pos_ += w;
        return Expect(kCrLf);
    }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// The text of a zero-padded field; false when a non-zero byte follows the first zero byte.
bool Unpad(const std::string& field, std::string& text) {
    const std::size_t end = field.find('\0');
    text = field.substr(0, end);
    return end == std::string::npos || field.find_first_not_of('\0', end) == std::string::npos;
}

bool IsDialNumber(std::string_view number) {
    return number.find_first_not_of("0123456789*#TpP ") == std::string_view::npos;
}

// The sender's own number may also carry an international "+".
bool IsSenderNumber(std::string_view number) {
    return number.find_first_not_of("0123456789*#TpP +") == std::string_view::npos;
}

class PayloadDecoder {
  public:
    PayloadDecoder(std::string_view bytes, const Widths& w, Directory& d)
        : in_(bytes), widths_(w), directory_(d) {}

    std::string Run() {
        std::set<std::string> seen;
        for (std::size_t i = 0; i < directory_.dials.size(); ++i) {
            if (std::string e = Dial(seen); !e.empty()) return e;
        }
        if (std::string e = Sender(); !e.empty()) return e;
        for (std::size_t i = 0; i < RejectRecordCount(directory_, widths_); ++i) {
            if (std::string e = Reject(i); !e.empty()) return e;
        }
        return in_.AtEnd() ? "" : At("bytes after the last record");
    }

  private:
    std::string At(const std::string& what) const {
        return what + " at byte " + std::to_string(in_.Position());
    }

    std::string Dial(std::set<std::string>& seen) {
        const bool group = in_.Expect("GI");
        if (!group && !in_.Expect("DI")) return At("dial record tag missing");
        std::string id, name, field;
        if (!in_.Id(id)) return At("dial slot ID malformed");
        auto slot = std::find_if(directory_.dials.begin(), directory_.dials.end(),
                                 [&](const DialSlot& s) { return s.id == id; });
        if (slot == directory_.dials.end()) return At("unknown dial slot " + id);
        if (!seen.insert(id).second) return At("dial slot " + id + " sent twice");
        if (!in_.Expect(group ? "GN" : "DN") || !in_.Field(widths_.name_width, field) ||
            !Unpad(field, name)) {
            return At("name field of slot " + id + " malformed");
        }
        if (static_cast<long>(name.size()) > widths_.name_limit)
            return At("name of slot " + id + " too long");
        if (!in_.Expect(group ? "GT" : "DT") || !in_.Field(widths_.number_width, field))
            return At("number field of " + id);
        return group ? PutGroup(*slot, name, field) : PutIndividual(*slot, name, field);
    }

    std::string PutGroup(DialSlot& slot, const std::string& name, const std::string& bitmap) {
        const std::vector<std::string> ids = BitmapSlotIds(widths_);
        DialSlot entry = DialSlot::Empty(slot.id);
        entry.kind = SlotKind::Group;
        entry.name = name;
        for (std::size_t bit = 0; bit < bitmap.size() * 8; ++bit) {
            if (!((static_cast<unsigned char>(bitmap[bit / 8]) >> (bit % 8)) & 1)) continue;
            if (bit >= ids.size()) return At("group " + slot.id + " has a bit beyond the last slot");
            entry.members.push_back(ids[bit]);
        }
        slot = std::move(entry);
        return "";
    }

    std::string PutIndividual(DialSlot& slot, const std::string& name, const std::string& field) {
        std::string number;
        if (!Unpad(field, number) || !IsDialNumber(number))
            return At("number of slot " + slot.id + " malformed");
        if (static_cast<long>(number.size()) > widths_.number_limit)
            return At("number of slot " + slot.id + " too long");
        // A printer keeps no entry without a number.
        slot = DialSlot::Empty(slot.id);
        if (!number.empty()) {
            slot.kind = SlotKind::Individual;
            slot.name = name;
            slot.number = number;
        }
        return "";
    }

    std::string Sender() {
        std::string field;
        if (!in_.Expect("KN") || !in_.Field(widths_.sender_name_width, field) ||
            !Unpad(field, directory_.sender_name) ||
            static_cast<long>(directory_.sender_name.size()) > widths_.sender_name_limit) {
            return At("sender name record malformed");
        }
        if (!in_.Expect("KT") || !in_.Field(widths_.sender_number_width, field) ||
            !Unpad(field, directory_.sender_number) ||
            static_cast<long>(directory_.sender_number.size()) > widths_.sender_number_limit ||
            !IsSenderNumber(directory_.sender_number)) {
            return At("sender number record malformed");
        }
        return "";
    }

    std::string Reject(std::size_t index) {
        std::string field, number;
        if (!in_.Expect("RI") || !in_.Expect(RejectId(index)) || !in_.Expect(kCrLf)) {
            return At("reject record " + RejectId(index) + " missing");
        }
        if (!in_.Expect("RT") || !in_.Field(widths_.reject_number_width, field) || !Unpad(field, number) ||
            !IsDialNumber(number) || static_cast<long>(number.size()) > widths_.reject_number_limit) {
            return At("rejected number " + RejectId(index) + " malformed");
        }
        if (index < directory_.rejects.size()) directory_.rejects[index] = number;
        return "";
    }

    RecordReader in_;
    const Widths& widths_;
    Directory& directory_;
};

}  // namespace

std::string EncodeGroupBitmap(const std::vector<std::string>& members, const Widths& w) {
    std::string bitmap(static_cast<std::size_t>(w.number_width), '\0');
    const std::vector<std::string> ids = BitmapSlotIds(w);
    for (std::size_t bit = 0; bit < ids.size() && bit / 8 < bitmap.size(); ++bit) {
        if (std::find(members.begin(), members.end(), ids[bit]) != members.end()) {
            bitmap[bit / 8] = static_cast<char>(bitmap[bit / 8] | (1 << (bit % 8)));
        }
    }
    return bitmap;
}

std::string EncodePayload(const Directory& d, const Widths& w) {
    std::string out;
    for (const auto& slot : d.dials) PutDial(out, slot, w);
    PutRecordLine(out, "KN", d.sender_name, w.sender_name_width);
    PutRecordLine(out, "KT", d.sender_number, w.sender_number_width);
    for (std::size_t i = 0; i < RejectRecordCount(d, w); ++i) {
        out.append("RI").append(RejectId(i)).append(kCrLf);
        PutRecordLine(out, "RT", i < d.rejects.size() ? d.rejects[i] : "", w.reject_number_width);
    }
    return out;
}

std::size_t PayloadSize(const Directory& shape, const Widths& w) {
    std::size_t size = static_cast<std::size_t>(w.sender_name_width + w.sender_number_width + 8);
    for (const auto& slot : shape.dials)
        size += slot.id.size() + static_cast<std::size_t>(w.name_width + w.number_width + 12);
    return size + RejectRecordCount(shape, w) * static_cast<std::size_t>(w.reject_number_width + 10);
}

std::string DecodePayload(std::string_view bytes, const Widths& w, Directory& directory) {
    Directory decoded = directory;
    std::string error = PayloadDecoder(bytes, w, decoded).Run();
    if (error.empty()) directory = std::move(decoded);
    return error;
}

}  // namespace orvane::sim
