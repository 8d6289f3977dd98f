// What every command of orvane-cli shares: exit statuses and the one-line failure messages.
#pragma once

#include "remotesetup/result_codes.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace orvane::cli {

// Exit statuses of the program.
inline constexpr int kExitSuccess = 0;       // the command did what was asked
inline constexpr int kExitFailure = 1;       // the printer or a file operation failed
inline constexpr int kExitUsage = 2;         // the command line was wrong
inline constexpr int kExitProblems = 3;      // check found problems
inline constexpr int kExitDifferent = 3;     // diff found differences
inline constexpr int kExitVerifyFailed = 4;  // after a write the printer did not hold what was sent
inline constexpr int kExitConflicts = 5;     // a merge left slots changed differently on both sides

// Writes "orvane-cli: <doing>: <sentence for code> (code N) [advice]" to `err`; returns kExitFailure.
int Fail(std::ostream& err, const std::string& doing, RsResult code, std::string_view advice = {});

// Writes "orvane-cli: <message>" to `err`; returns kExitFailure.
int FailWith(std::ostream& err, const std::string& message);

// "0x1234".
std::string ProductText(std::uint16_t product_id);

}  // namespace orvane::cli
