// Whole-file reads and crash-safe whole-file replacement for directory files (POSIX).
#pragma once

#include "remotesetup/result_codes.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

// Reads the regular file at `path` into `*bytes`. rs::kFileOpenFailed when it cannot be opened or is
// not a regular file; rs::kFileMalformed when it is empty, larger than `max_size` or cannot be read
// whole; rs::kOutOfMemory when the buffer cannot be had.
RsResult ReadWholeFile(const std::filesystem::path& path, std::size_t max_size, std::string* bytes);

// Replaces the file at `path` by `bytes` so that it holds either its old contents or all the new ones,
// never a part: checks the folder's free space (rs::kFreeSpaceQueryFailed when the query fails,
// rs::kDiskFull when it is short), writes a temporary file in the same folder (rs::kFileCreateFailed
// when it cannot be created, rs::kDiskFull on a short write or a failed flush to disk), then renames
// it over `path` (rs::kFileCreateFailed when that fails, for example when `path` is a folder). On any
// failure the temporary file is removed and `path` is left as it was. An existing file keeps its
// permission bits.
RsResult ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

}  // namespace orvane
