#include "cli/result_messages.h"

#include <cstdio>
#include <utility>

namespace orvane::cli {
namespace {

constexpr std::pair<RsResult, const char*> kMessages[] = {
    {rs::kSuccess, "Success."},
    {rs::kOutOfMemory, "Out of memory."},
    {rs::kTransportFailure, "The printer's port could not be opened, written, read or closed."},
    {rs::kProtocolFailure,
     "A request could not be built, a document from the printer or the file could not be read, or the "
     "printer reported an unknown error."},
    {rs::kMissingBuffer, "Internal error: a copy of the directory or a buffer is missing."},
    {rs::kNoPrinter, "No printer is selected."},
    {rs::kUnexpectedDocument, "The printer sent an unexpected document instead of the directory."},
    {rs::kSenderRecordIncomplete, "The sender information is missing or incomplete."},
    {rs::kRejectRecordsIncomplete, "The rejected numbers are missing or incomplete."},
    {rs::kDialRecordsMalformed, "The speed-dial entries sent by the printer are malformed."},
    {rs::kDialRecordUnterminated, "A speed-dial entry in the directory file is not terminated."},
    {rs::kFileCreateFailed, "The directory file cannot be created."},
    {rs::kFileOpenFailed, "The directory file cannot be opened."},
    {rs::kFileMalformed, "The directory file is empty, unreadable or malformed."},
    {rs::kInvalidCopy, "Internal error: an invalid copy of the directory was selected."},
    {rs::kResponseTimeout, "The printer did not answer within 60 seconds."},
    {rs::kDiskFull,
     "There is not enough free disk space, or the file could not be written completely; an existing "
     "file was kept."},
    {rs::kDeviceUseOtherJob, "The printer is busy with another job."},
    {rs::kParameterError, "The printer refused a parameter of the request (ParameterError)."},
    {rs::kNotSupportedService, "The printer does not support this service (NotSupportedService)."},
    {rs::kNotSupportedOperation, "The printer does not support this operation (NotSupportedOperation)."},
    {rs::kNotStart, "The printer has no job running (NotStart)."},
    {rs::kIllegalJobId, "The printer does not know the job (IllegalJobID)."},
    {rs::kIllegalOperation, "The printer refused the operation (IllegalOperation)."},
    {rs::kDataError, "The printer refused the directory data (DataError)."},
    {rs::kPortClaimed, "The printer's port is in use by another user."},
    {rs::kNetworkBusy, "The network printer is still busy."},
    {rs::kEmptyInversionBuffer, "Internal error: there were no bytes to convert."},
    {rs::kUnterminatedText, "A text is too long for its field or has no end."},
    {rs::kFreeSpaceQueryFailed, "The free disk space of the folder could not be determined."},
    {rs::kCapabilityUnsupported, "The printer reports limits that this program cannot hold."},
    {rs::kOtherProduct, "The directory file was made for another printer model."},
    {rs::kCopiesDiffer, "The two copies of the directory differ."},
    {rs::kDeviceDirectoryChanged, "The printer's directory changed since it was read."},
    {rs::kModified, "The directory has changes that were not written to the printer."},
};

}  // namespace

std::string ResultMessage(RsResult code) {
    for (const auto& [known, sentence] : kMessages) {
        if (known == code) return sentence;
    }
    char text[64];
    std::snprintf(text, sizeof text, "Unexpected failure (code 0x%08x).", static_cast<unsigned>(code));
    return text;
}

}  // namespace orvane::cli
