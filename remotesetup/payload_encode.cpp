#include "remotesetup/internal/payload.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr std::string_view kSeparator = "\r\n";

// Appends to a caller-given buffer; the first write that does not fit marks the writer failed.
class RecordWriter {
  public:
    explicit RecordWriter(std::span<char> out) : out_(out) {}

    void Put(std::string_view bytes) {
        if (!Fits(bytes.size())) return;
        std::copy(bytes.begin(), bytes.end(), out_.begin() + used_);
        used_ += bytes.size();
    }

    // `text`, then zero bytes up to `width`; a text wider than the field fails the writer.
    void PutField(std::string_view text, std::size_t width) {
        if (text.size() > width) {
            failed_ = true;
            return;
        }
        const std::span<char> field = Reserve(width);
        std::copy(text.begin(), text.begin() + std::min(text.size(), field.size()), field.begin());
    }

    // `width` zero bytes for the caller to fill; empty when they do not fit.
    std::span<char> Reserve(std::size_t width) {
        if (!Fits(width)) return {};
        const std::span<char> field = out_.subspan(used_, width);
        std::fill(field.begin(), field.end(), '\0');
        used_ += width;
        return field;
    }

    RsResult Finish(std::size_t* written) const {
        if (failed_) return rs::kUnterminatedText;
        *written = used_;
        return rs::kSuccess;
    }

  private:
    bool Fits(std::size_t size) {
        failed_ = failed_ || size > out_.size() - used_;
        return !failed_;
    }

    std::span<char> out_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

// A record's identifying line: tag, slot ID, CR LF.
void PutIdLine(RecordWriter& writer, std::string_view tag, std::string_view slot_id) {
    writer.Put(tag);
    writer.Put(slot_id);
    writer.Put(kSeparator);
}

// A fixed-width field line: tag, text padded with zero bytes to `width`, CR LF.
void PutFieldLine(RecordWriter& writer, std::string_view tag, std::string_view text, std::int32_t width) {
    writer.Put(tag);
    writer.PutField(text, static_cast<std::size_t>(width));
    writer.Put(kSeparator);
}

RsResult PutDialRecord(RecordWriter& writer, const DeviceCapability& capability, const DialEntry& entry) {
    const bool group = entry.kind == EntryKind::Group;
    const bool uses_name = group || entry.kind == EntryKind::Individual;
    const bool uses_number = entry.kind == EntryKind::Individual;
    if (!FieldIsTerminated(entry.slot_id) || (uses_name && !FieldIsTerminated(entry.name)) ||
        (uses_number && !FieldIsTerminated(entry.number))) {
        return rs::kUnterminatedText;
    }
    PutIdLine(writer, group ? "GI" : "DI", FieldText(entry.slot_id));
    PutFieldLine(writer, group ? "GN" : "DN", uses_name ? FieldText(entry.name) : "",
                 capability.max_name_length);
    if (group) {
        writer.Put("GT");
        EncodeGroupBitmap(entry, capability.current_coded_dial_num, capability.current_onetouch_dial_num,
                          writer.Reserve(static_cast<std::size_t>(capability.max_tel_no_length)));
        writer.Put(kSeparator);
    } else {
        PutFieldLine(writer, "DT", uses_number ? FieldText(entry.number) : "", capability.max_tel_no_length);
    }
    return rs::kSuccess;
}

}  // namespace

RsResult EncodeDialRecords(const DeviceCapability& capability, std::span<const DialEntry> entries,
                           std::span<char> out, std::size_t* written) {
    RecordWriter writer(out);
    for (const DialEntry& entry : entries) {
        if (const RsResult result = PutDialRecord(writer, capability, entry); result != rs::kSuccess)
            return result;
    }
    return writer.Finish(written);
}

RsResult EncodeSenderRecord(const DeviceCapability& capability, const SenderInfo& sender, std::span<char> out,
                            std::size_t* written) {
    if (!FieldIsTerminated(sender.name) || !FieldIsTerminated(sender.number)) return rs::kUnterminatedText;
    RecordWriter writer(out);
    PutFieldLine(writer, "KN", FieldText(sender.name), capability.max_user_name_length);
    PutFieldLine(writer, "KT", FieldText(sender.number), capability.max_user_tel_no_length);
    return writer.Finish(written);
}

RsResult EncodeRejectRecords(const DeviceCapability& capability, std::span<const RejectEntry> rejects,
                             std::span<char> out, std::size_t* written) {
    RecordWriter writer(out);
    for (const RejectEntry& reject : rejects) {
        if (!FieldIsTerminated(reject.number)) return rs::kUnterminatedText;
        PutIdLine(writer, "RI", FieldText(reject.slot_id));
        PutFieldLine(writer, "RT", FieldText(reject.number), capability.max_reject_tel_no_length);
    }
    // A printer without reject slots still expects its full set of empty records.
    for (int slot = 1; rejects.empty() && slot <= capability.max_reject_tel_num; ++slot) {
        const SlotId id = MakeSlotId(false, slot);
        PutIdLine(writer, "RI", FieldText(id));
        PutFieldLine(writer, "RT", "", capability.max_reject_tel_no_length);
    }
    return writer.Finish(written);
}

}  // namespace orvane
