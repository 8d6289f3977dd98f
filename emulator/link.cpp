#include "emulator/link.h"

#include <chrono>
#include <thread>

namespace orvane::sim {

std::atomic<bool> g_stop_requested{false};

namespace {

constexpr int kPollMs = 100;

// Waits `ms` while still taking in request bytes (and, on a network link, answering status queries).
bool WaitReceiving(Link& link, RequestFramer& framer, long ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!g_stop_requested) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0) return true;
        std::string bytes;
        if (!link.Receive(bytes, static_cast<int>(std::min<long>(left.count(), kPollMs)))) return false;
        framer.Append(bytes);
    }
    return false;
}

// Sends one answer; false when the link is gone.
bool Deliver(Link& link, RequestFramer& framer, const Delivery& delivery) {
    if (delivery.delay_ms > 0 && !WaitReceiving(link, framer, delivery.delay_ms)) return false;
    if (delivery.break_link) {
        link.Break(delivery.transfers.front());
        return false;
    }
    for (std::size_t i = 0; i < delivery.transfers.size(); ++i) {
        if (i > 0) link.Separate();
        if (!link.Send(delivery.transfers[i])) return false;
    }
    // No pause after the last transfer: the next request comes only once the computer has read it.
    return true;
}

}  // namespace

bool SleepUnlessStopped(long ms) {
    for (long slept = 0; slept < ms && !g_stop_requested; slept += 20) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<long>(20, ms - slept)));
    }
    return !g_stop_requested;
}

void ServeLink(Link& link, Responder& responder) {
    RequestFramer framer;
    while (!g_stop_requested && link.AnsweredAll()) {
        std::string bytes;
        if (!link.Receive(bytes, kPollMs)) return;
        framer.Append(bytes);
        while (auto received = framer.Next()) {
            const auto delivery = responder.Respond(*received);
            if (delivery && !Deliver(link, framer, *delivery)) return;
        }
    }
}

}  // namespace orvane::sim
