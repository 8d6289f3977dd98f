// The notice that tells the user why the end of the session or standby was refused.
#pragma once

namespace orvane {

// Shows message `message_id` (information) after the current event, unless a notice is already on
// screen ("orvRejectShutdownMsgMutex" exists), so repeated refusals show it once.
void PostDeferredNotice(int message_id);

// True while a deferred notice is on screen.
bool DeferredNoticeShown();

// Brings the deferred notice to the front while it is on screen; does nothing otherwise.
void RaiseDeferredNotice();

}  // namespace orvane
