// The single-instance object: a named object that tells a start-up whether the program already
// runs, and whether it runs for this user or for another one.
#pragma once

#include <sys/types.h>
#include <QString>
#include <optional>
#include <string_view>

#include "transport/named_object.h"

namespace orvane {

// Outcome of CreateInstanceObject.
enum class InstanceObjectStatus {
    Created = 0,          // nobody held it; the returned handle holds it now
    HeldByThisUser = 1,   // a program of this user holds it (this or another of its sessions)
    HeldByOtherUser = 2,  // a program of another user holds it; this user may not take it
    Failed = 3,           // the object could not be made or opened
};

// Creates the named object `name` without waiting (see NamedObject for the scopes). The handle is
// valid only when the status is Created.
NamedObject CreateInstanceObject(std::string_view name, InstanceObjectStatus* status);

// The user ID of the process that holds the exclusive lock on the lock file `file`, or nothing
// when it cannot be told (no holder, or the holder's process is gone or not visible).
std::optional<uid_t> LockHolderUser(const LockFileId& file);

// The path of a session-local endpoint (socket) called `name`: it lives in the session folder of
// the named objects, so two logon sessions never meet. Empty when that folder cannot be made.
QString SessionEndpointPath(const QString& name);

}  // namespace orvane
