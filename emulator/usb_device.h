// The printer's USB device node: a pseudo-terminal published under the name the computer looks for.
#pragma once

#include <string>

#include "emulator/link.h"

namespace orvane::sim {

// The printer's USB device node: a pseudo-terminal in raw mode published as the symlink `<dir>/lp<N>`
// to its slave. The printer keeps a slave descriptor open itself so that the node and the bytes queued
// in it survive the computer opening and closing it around every read and write.
class UsbDevice : public Link {
  public:
    ~UsbDevice() override;

    // Creates the pseudo-terminal and the symlink (replacing a stale symlink); empty on success, else
    // the reason.
    std::string Publish(const std::string& directory, int index);
    // Removes the symlink and closes the pseudo-terminal.
    void Unpublish();
    // The symlink's path.
    const std::string& Path() const { return path_; }
    // Publishes a fresh node under the same name after a Break.
    std::string Replug();

    bool Receive(std::string& bytes, int timeout_ms) override;
    bool Send(std::string_view transfer) override;
    void Separate() override;
    // The node marks the end of each transfer instead (MarkTransferEnd).
    bool AnsweredAll() override { return true; }
    void Break(std::string_view transfer) override;

  private:
    std::string Open();
    // Writes all of `bytes` to the node, waiting while it is full; false once it is gone.
    bool Write(std::string_view bytes);
    // Marks whether the transfer written last is complete: a computer that reads the drained node
    // then gets a zero-length read, as a zero-length packet ends a transfer on a real USB device.
    void MarkTransferEnd(bool ended);

    std::string path_;
    int master_ = -1;
    int slave_ = -1;
};

}  // namespace orvane::sim
