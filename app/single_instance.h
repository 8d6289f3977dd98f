// Start-up's single-instance step: one instance per logon session, and none while another user
// runs the program.
#pragma once

#include "transport/named_object.h"

namespace orvane {

// Name of the single-instance object (machine-wide).
inline constexpr char kInstanceObjectName[] = "Global\\orvkitMutex";

// What start-up does after the single-instance step.
enum class InstanceOutcome {
    Run,            // go on; `object` holds the instance object
    RunAsSecond,    // go on, keeping the object open: this user's instance runs, but not in this session
    LeaveQuietly,   // the running window of this session was brought forward
    LeaveRefused,   // another user runs the program; message 177 was shown
    LeaveSilently,  // the object could not be made
};

// Creates the single-instance object into `object` and decides how start-up goes on.
InstanceOutcome ClaimSingleInstance(NamedObject* object);

}  // namespace orvane
