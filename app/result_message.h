// Turns a result code of a device or file operation into its message.
#pragma once

#include <cstdint>

class QWidget;

namespace orvane {

// Result codes of the window itself, beside those of the remote-setup layer.
inline constexpr std::int32_t kPreparePrinterFailed = 21;  // the chosen printer could not be prepared
inline constexpr std::int32_t kWorkerStartFailed = 38;     // a worker thread could not be started

// Codes of the message table that no layer of this program returns; whoever reports one still
// gets the message the table gives it.
inline constexpr std::int32_t kUnassignedLinkCode16 = 16;  // shown as a failed communication (159)
inline constexpr std::int32_t kUnassignedLinkCode22 = 22;  // shown as a failed communication (159)
inline constexpr std::int32_t kUnassignedBusyCode24 = 24;  // shown as a busy printer (160)
inline constexpr std::int32_t kUnassignedBusyCode26 = 26;  // shown as a busy printer (160)

// The message ID for `code`, or 0 for code 0.
int ResultMessageId(std::int32_t code);

// Shows the message of `code` (error style, caption 1050) owned by `owner`; nothing for code 0.
void ShowResultMessage(QWidget* owner, std::int32_t code);

}  // namespace orvane
