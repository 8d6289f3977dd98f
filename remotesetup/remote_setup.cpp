#include "remotesetup/remote_setup.h"

#include <new>
#include <utility>

namespace orvane {
namespace {

bool IsValid(DirectoryCopy copy) {
    const int value = static_cast<int>(copy);
    return value >= 0 && value < kDirectoryCopyCount;
}

std::size_t IndexOf(DirectoryCopy copy) {
    return static_cast<std::size_t>(copy);
}

RsResult AssignName(std::string& target, const char* name) {
    if (name == nullptr) return rs::kMissingBuffer;
    try {
        target = name;
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return rs::kSuccess;
}

}  // namespace

CRSUFuncRemoteSetup::CRSUFuncRemoteSetup() = default;

CRSUFuncRemoteSetup::~CRSUFuncRemoteSetup() = default;

RsResult CRSUFuncRemoteSetup::SetPrinterName(const char* name) {
    return AssignName(printer_name_, name);
}

RsResult CRSUFuncRemoteSetup::SetPortName(const char* name) {
    if (const RsResult result = AssignName(port_name_, name); result != rs::kSuccess) return result;
    port_kind_ = static_cast<int>(PortOpenFlags(port_name_));
    read_chunk_ = ReadChunkSizeFor(port_name_);
    transport_.SetReadChunkSize(static_cast<std::uint32_t>(read_chunk_));
    return rs::kSuccess;
}

RsResult CRSUFuncRemoteSetup::ApplyCapability(const CapabilityTexts& texts) {
    try {
        return ParseCapability(texts, &capability_);
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
}

RsResult CRSUFuncRemoteSetup::AllocateCopy(DirectoryCopy copy) {
    if (!IsValid(copy)) return rs::kInvalidCopy;
    try {
        copies_[IndexOf(copy)] = std::make_unique<DirectoryData>(MakeDirectory(capability_));
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return rs::kSuccess;
}

RsResult CRSUFuncRemoteSetup::FreeCopy(DirectoryCopy copy) {
    if (!IsValid(copy)) return rs::kInvalidCopy;
    copies_[IndexOf(copy)].reset();
    return rs::kSuccess;
}

RsResult CRSUFuncRemoteSetup::ClearCopy(DirectoryCopy copy, ClearForm form) {
    if (!IsValid(copy)) return rs::kInvalidCopy;
    DirectoryData* data = copies_[IndexOf(copy)].get();
    if (data == nullptr || (form == ClearForm::Strict && !HasShape(*data, capability_))) {
        return rs::kMissingBuffer;
    }
    ClearContents(*data);
    return rs::kSuccess;
}

RsResult CRSUFuncRemoteSetup::CopyDirectory(DirectoryCopy destination, DirectoryCopy source) {
    RsResult result = rs::kSuccess;
    DirectoryData* to = ShapedCopy(destination, &result);
    const DirectoryData* from = to != nullptr ? ShapedCopy(source, &result) : nullptr;
    if (from == nullptr) return result;
    // Equal shapes: assignment reuses every buffer and cannot allocate.
    *to = *from;
    return rs::kSuccess;
}

RsResult CRSUFuncRemoteSetup::CompareCopies(DirectoryCopy a, DirectoryCopy b) const {
    RsResult result = rs::kSuccess;
    const DirectoryData* first = ShapedCopy(a, &result);
    const DirectoryData* second = first != nullptr ? ShapedCopy(b, &result) : nullptr;
    if (second == nullptr) return result;
    return SameDirectory(*first, *second) ? rs::kSuccess : rs::kCopiesDiffer;
}

RsResult CRSUFuncRemoteSetup::ReplaceCopy(DirectoryCopy destination, DirectoryCopy source) {
    if (destination == source) return rs::kInvalidCopy;
    RsResult result = rs::kSuccess;
    // Check the source first so that a failure leaves the destination as it was.
    if (ShapedCopy(source, &result) == nullptr) return result;
    if ((result = ClearCopy(destination)) != rs::kSuccess) return result;
    return CopyDirectory(destination, source);
}

RsResult CRSUFuncRemoteSetup::IsModified() const {
    const RsResult result = CompareCopies(DirectoryCopy::Baseline, DirectoryCopy::Working);
    return result == rs::kCopiesDiffer ? rs::kModified : result;
}

DirectoryData* CRSUFuncRemoteSetup::Copy(DirectoryCopy copy) {
    return IsValid(copy) ? copies_[IndexOf(copy)].get() : nullptr;
}

const DirectoryData* CRSUFuncRemoteSetup::Copy(DirectoryCopy copy) const {
    return IsValid(copy) ? copies_[IndexOf(copy)].get() : nullptr;
}

const DirectoryData* CRSUFuncRemoteSetup::ShapedCopy(DirectoryCopy copy, RsResult* result) const {
    if (!IsValid(copy)) {
        *result = rs::kInvalidCopy;
        return nullptr;
    }
    const DirectoryData* data = copies_[IndexOf(copy)].get();
    if (data == nullptr || !HasShape(*data, capability_)) {
        *result = rs::kMissingBuffer;
        return nullptr;
    }
    return data;
}

DirectoryData* CRSUFuncRemoteSetup::ShapedCopy(DirectoryCopy copy, RsResult* result) {
    return const_cast<DirectoryData*>(std::as_const(*this).ShapedCopy(copy, result));
}

}  // namespace orvane
