// The English sentence for every result code of the remote-setup layer.
#pragma once

#include "remotesetup/result_codes.h"

#include <string>

namespace orvane::cli {

// One sentence saying what `code` means for the user, ending with a full stop; an unknown code gives
// a sentence that names its number.
std::string ResultMessage(RsResult code);

}  // namespace orvane::cli
