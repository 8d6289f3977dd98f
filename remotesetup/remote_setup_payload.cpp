// The payload operations of CRSUFuncRemoteSetup: the codec of payload.h applied to one of its copies.
#include "remotesetup/remote_setup.h"

#include "remotesetup/device_charset.h"
#include "remotesetup/internal/payload.h"

#include <new>

namespace orvane {

RsResult CRSUFuncRemoteSetup::EncodeDialRecords(std::span<char> out, std::size_t* written) const {
    RsResult result = rs::kSuccess;
    const DirectoryData* working = ShapedCopy(DirectoryCopy::Working, &result);
    return working == nullptr ? result
                              : orvane::EncodeDialRecords(capability_, working->entries, out, written);
}

RsResult CRSUFuncRemoteSetup::EncodeSenderRecord(std::span<char> out, std::size_t* written) const {
    RsResult result = rs::kSuccess;
    const DirectoryData* working = ShapedCopy(DirectoryCopy::Working, &result);
    return working == nullptr ? result
                              : orvane::EncodeSenderRecord(capability_, working->sender, out, written);
}

RsResult CRSUFuncRemoteSetup::EncodeRejectRecords(std::span<char> out, std::size_t* written) const {
    RsResult result = rs::kSuccess;
    const DirectoryData* working = ShapedCopy(DirectoryCopy::Working, &result);
    return working == nullptr ? result
                              : orvane::EncodeRejectRecords(capability_, working->rejects, out, written);
}

RsResult CRSUFuncRemoteSetup::EncodePayload(std::string* payload) const {
    const PayloadSizes sizes = PayloadSizesFor(capability_);
    try {
        payload->assign(sizes.Total(), '\0');
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    const std::span<char> out(payload->data(), payload->size());
    std::size_t dial = 0;
    std::size_t sender = 0;
    std::size_t reject = 0;
    RsResult result = EncodeDialRecords(out.first(sizes.dial), &dial);
    if (result == rs::kSuccess) result = EncodeSenderRecord(out.subspan(dial, sizes.sender), &sender);
    if (result == rs::kSuccess) result = EncodeRejectRecords(out.subspan(dial + sender), &reject);
    payload->resize(result == rs::kSuccess ? dial + sender + reject : 0);
    return result;
}

RsResult CRSUFuncRemoteSetup::EncodeGroupBitmap(std::size_t index, std::span<char> bitmap) const {
    RsResult result = rs::kSuccess;
    const DirectoryData* working = ShapedCopy(DirectoryCopy::Working, &result);
    if (working == nullptr) return result;
    if (index >= working->entries.size() ||
        bitmap.size() < static_cast<std::size_t>(capability_.max_tel_no_length)) {
        return rs::kMissingBuffer;
    }
    orvane::EncodeGroupBitmap(working->entries[index], capability_.current_coded_dial_num,
                              capability_.current_onetouch_dial_num,
                              bitmap.first(static_cast<std::size_t>(capability_.max_tel_no_length)));
    return rs::kSuccess;
}

RsResult CRSUFuncRemoteSetup::DecodeSenderRecord(std::string_view bytes, DirectoryCopy copy) {
    RsResult result = rs::kSuccess;
    DirectoryData* data = ShapedCopy(copy, &result);
    return data == nullptr ? result : orvane::DecodeSenderRecord(capability_, bytes, data->sender);
}

RsResult CRSUFuncRemoteSetup::DecodeRejectRecords(std::string_view bytes, DirectoryCopy copy) {
    RsResult result = rs::kSuccess;
    DirectoryData* data = ShapedCopy(copy, &result);
    return data == nullptr ? result : orvane::DecodeRejectRecords(capability_, bytes, data->rejects);
}

RsResult CRSUFuncRemoteSetup::DecodeDialRecords(std::string_view bytes, DirectoryCopy copy) {
    RsResult result = rs::kSuccess;
    DirectoryData* data = ShapedCopy(copy, &result);
    return data == nullptr ? result : orvane::DecodeDialRecords(capability_, bytes, data->entries);
}

RsResult CRSUFuncRemoteSetup::DecodeGroupBitmap(std::string_view bitmap, std::size_t index,
                                                DirectoryCopy copy, int coded_count, int onetouch_count) {
    RsResult result = rs::kSuccess;
    DirectoryData* data = ShapedCopy(copy, &result);
    if (data == nullptr) return result;
    if (index >= data->entries.size()) return rs::kMissingBuffer;
    orvane::DecodeGroupBitmap(bitmap, coded_count, onetouch_count, data->entries[index]);
    return rs::kSuccess;
}

void CRSUFuncRemoteSetup::MaskUnsupportedBytes(std::span<char> bytes) const {
    orvane::MaskUnsupportedBytes(bytes, KeycodeSetFor(capability_.keycode_type));
}

}  // namespace orvane
