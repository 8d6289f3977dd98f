// A way between the printer and the computer (device node or network connection), and the loop
// that serves requests over one.
#pragma once

#include <atomic>
#include <string>
#include <string_view>

#include "emulator/responder.h"

namespace orvane::sim {

// Set by the signal handler; every wait checks it at least every 100 ms.
extern std::atomic<bool> g_stop_requested;

// One way to the computer: the device node or one network connection.
class Link {
  public:
    virtual ~Link() = default;
    // Waits up to `timeout_ms` for bytes of requests and appends them; false once the link is gone.
    virtual bool Receive(std::string& bytes, int timeout_ms) = 0;
    // Sends one transfer contiguously; false once the link is gone.
    virtual bool Send(std::string_view transfer) = 0;
    // Waits until the computer can tell the transfer just sent from the next one.
    virtual void Separate() = 0;
    // Tells the computer that every request received so far is answered; false once the link is gone.
    virtual bool AnsweredAll() = 0;
    // Sends the first half of a transfer and drops the link, as an unplugged cable would.
    virtual void Break(std::string_view transfer) = 0;
};

// Answers requests arriving on the link until it is gone or a stop is requested.
void ServeLink(Link& link, Responder& responder);

// Sleeps about `ms` in short steps; false when a stop was requested meanwhile.
bool SleepUnlessStopped(long ms);

}  // namespace orvane::sim
