// The directory file (extension .rsd): the Working copy of a CRSUFuncRemoteSetup as the records it
// sends to the printer, behind a product tag and the printer's capability document, with every byte
// inverted on disk. The file operations themselves are members of CRSUFuncRemoteSetup
// (SaveDirectoryFile, CheckDirectoryFile, LoadDirectoryFile); this header holds the pieces they share
// with the command-line tool and the tests.
//
// File body, before inversion: "<PID>0x%04x</PID>" and one zero byte (18 bytes), the capability
// document (a GetCapabilityResponse with response "OK"), CR LF, the payload (dial, sender and reject
// records).
#pragma once

#include "remotesetup/device_capability.h"
#include "remotesetup/remote_setup.h"
#include "remotesetup/result_codes.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

// Bytes of the product tag, its zero byte included.
inline constexpr std::size_t kProductTagSize = 18;

// Widest decimal text a capability number may have in a directory file (values up to 9999).
inline constexpr std::size_t kMaxFileNumberDigits = 4;

// The largest file a load reads: tag, a capability document of at most 2048 bytes, CR LF, the largest
// payload. Anything bigger is not a directory file.
inline constexpr std::size_t kMaxDirectoryFileSize = kProductTagSize + 2048 + 2 + kMaxPayloadBytes;

// Inverts every byte in place (b becomes 255 - b). rs::kEmptyInversionBuffer for an empty span.
RsResult InvertBytes(std::span<char> bytes);

// The product tag for `product_id`: "<PID>0x%04x</PID>" and its zero byte, kProductTagSize bytes.
std::string FormatProductTag(std::uint16_t product_id);

// Reads the product ID from the tag of an inverted-back file: "<PID>" must start within its first
// 17 bytes; the text after it up to "</PID>" (at most 6 characters) is read with automatic base
// (0x hexadecimal, leading 0 octal, else decimal) and kept to 16 bits. rs::kFileMalformed without a
// tag or for the value 0.
RsResult ReadProductTag(std::string_view plain, std::uint16_t* product_id);

// 0 when the tag of `plain` names `product_id`, rs::kOtherProduct when it names another product,
// rs::kFileMalformed as ReadProductTag.
RsResult CheckProductTag(std::string_view plain, std::uint16_t product_id);

// Reads the file at `path` and inverts it back into `*plain`. rs::kFileOpenFailed when it cannot be
// opened; rs::kFileMalformed when it is empty, unreadable or larger than kMaxDirectoryFileSize.
RsResult ReadDirectoryFileBytes(const std::filesystem::path& path, std::string* plain);

// Prepares a fresh `setup` from a directory file alone, without a printer: applies the file's own
// capability, allocates Working with the slot IDs the capability names (coded "*00".. and one-touch
// "01".., ordered as the file's records are; slots without a record last), reject slots "01".., and
// loads the file's directory into it. Fails with the codes of ParseCapabilityDocument, ApplyCapability,
// AllocateCopy and LoadDirectoryBytes.
RsResult SetUpFromDirectoryBytes(std::string_view plain, CRSUFuncRemoteSetup& setup);

}  // namespace orvane
