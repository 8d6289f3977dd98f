// Keeps the machine awake while the program talks to a printer: a systemd-logind inhibitor lock
// ("sleep:shutdown:idle", mode "block") taken over the system D-Bus.
#pragma once

namespace orvane {

// Holds the inhibitor lock from Acquire until Release or destruction. Without a system bus or
// logind, Acquire does nothing and reports false.
class PowerInhibitor {
  public:
    PowerInhibitor() = default;
    PowerInhibitor(const PowerInhibitor&) = delete;
    PowerInhibitor& operator=(const PowerInhibitor&) = delete;
    ~PowerInhibitor() { Release(); }

    // Takes the lock (when not held already); false when logind cannot be reached.
    bool Acquire();
    // Lets the machine sleep again.
    void Release();
    bool IsHeld() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace orvane
