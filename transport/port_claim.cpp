#include "transport/internal/port_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "text/utf_text.h"
#include "transport/port_kind.h"
#include "transport/transport_codes.h"

namespace orvane {
namespace {

constexpr size_t kClaimPrefixCharacters = 8;

// The first `count` characters of a well-formed UTF-8 text, every "\" replaced by "_" (a byte
// that never occurs inside a multi-byte sequence).
std::string ClaimNamePrefix(std::string_view text, size_t count) {
    std::string prefix(Utf8Prefix(text, count));
    std::replace(prefix.begin(), prefix.end(), '\\', '_');
    return prefix;
}

// Opens the port-claim table and takes a shared lock on it; whoever can lock it exclusively is
// its only holder and starts it afresh: 156 zero bytes. Returns the descriptor, or -1.
int OpenClaimTable() {
    const int fd = NamedObject::OpenFile(kPortClaimTableName);
    if (fd < 0) return -1;
    bool ok = true;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ok = ::ftruncate(fd, 0) == 0 && ::ftruncate(fd, kPortClaimTableSize) == 0;
    }
    // Everyone changes the table under the claim guard, so the downgrade cannot race a writer.
    while (ok && ::flock(fd, LOCK_SH) != 0) ok = (errno == EINTR);
    if (!ok) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A mapped view of the table; invalid when mapping failed or the file is not exactly the table's
// size (a shorter file would fault on access, a longer one is not a table of ours).
class TableView {
  public:
    explicit TableView(int fd) : bytes_(MapTable(fd)) {}
    ~TableView() {
        if (IsValid()) ::munmap(bytes_, kPortClaimTableSize);
    }
    TableView(const TableView&) = delete;
    TableView& operator=(const TableView&) = delete;
    bool IsValid() const { return bytes_ != MAP_FAILED; }
    // Words are little-endian, so bit b of word w lives in byte 4w + b/8.
    unsigned char& ByteOf(int word, int bit) { return bytes_[word * 4 + bit / 8]; }
    static unsigned char MaskOf(int bit) { return static_cast<unsigned char>(1u << (bit % 8)); }

  private:
    static unsigned char* MapTable(int fd) {
        struct stat info {};
        if (::fstat(fd, &info) != 0 || info.st_size != static_cast<off_t>(kPortClaimTableSize)) {
            return static_cast<unsigned char*>(MAP_FAILED);
        }
        return static_cast<unsigned char*>(
            ::mmap(nullptr, kPortClaimTableSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
    }

    unsigned char* bytes_;
};

}  // namespace

uint32_t Adler32(const uint8_t* data, size_t length) {
    return static_cast<uint32_t>(adler32_z(adler32_z(0, nullptr, 0), data, length));
}

std::string ClaimMutexName(std::string_view port_name) {
    std::string utf16le;
    if (port_name.empty() || !Utf8ToUtf16Le(port_name, &utf16le)) return {};
    const uint32_t checksum = Adler32(reinterpret_cast<const uint8_t*>(utf16le.data()), utf16le.size());
    char hex[9];
    std::snprintf(hex, sizeof(hex), "%08x", checksum);
    return "Global\\objectfilemutex_vlmshare-" + ClaimNamePrefix(port_name, kClaimPrefixCharacters) + "-" +
           hex;
}

PortClaim::PortClaim(PortClaim&& other) noexcept
    : port_name_(std::move(other.port_name_)),
      port_lock_(std::move(other.port_lock_)),
      table_fd_(std::exchange(other.table_fd_, -1)) {}

PortClaim& PortClaim::operator=(PortClaim&& other) noexcept {
    if (this != &other) {
        Release();
        port_name_ = std::move(other.port_name_);
        port_lock_ = std::move(other.port_lock_);
        table_fd_ = std::exchange(other.table_fd_, -1);
    }
    return *this;
}

PortClaim::~PortClaim() {
    Release();
}

uint32_t PortClaim::Claim(std::string_view port_name) {
    Release();
    NamedObject guard = NamedObject::Acquire(kClaimGuardName);
    if (!guard.IsHeld()) return transport_code::kPortInUse;
    const std::string lock_name = ClaimMutexName(port_name);
    if (lock_name.empty()) return transport_code::kUnknownPortKind;
    NamedObjectStatus status = NamedObjectStatus::Failed;
    port_lock_ = NamedObject::Create(lock_name, &status);
    if (status == NamedObjectStatus::AlreadyExists || status == NamedObjectStatus::Denied) {
        return transport_code::kPortInUse;
    }
    if (status != NamedObjectStatus::Created) return transport_code::kUnknownPortKind;
    port_name_ = port_name;
    if (UsbPortNumber(port_name) < 0) return transport_code::kSuccess;
    const uint32_t code = MarkInTable();
    if (code != transport_code::kSuccess) {
        CloseTable();
        port_lock_.Release();
    }
    return code;
}

uint32_t PortClaim::MarkInTable() {
    table_fd_ = OpenClaimTable();
    if (table_fd_ < 0) return transport_code::kGeneralFailure;
    int word = 0;
    int bit = 0;
    if (!PortClaimTableSlot(port_name_, &word, &bit)) return transport_code::kUnknownPortKind;
    TableView table(table_fd_);
    if (!table.IsValid()) return transport_code::kGeneralFailure;
    // A set bit whose claim lock we could just create belongs to a holder that died without
    // releasing: every live holder keeps its claim lock while its bit is set. So the bit is ours.
    table.ByteOf(word, bit) |= TableView::MaskOf(bit);
    return transport_code::kSuccess;
}

void PortClaim::UnmarkInTable() {
    int word = 0;
    int bit = 0;
    if (table_fd_ < 0 || !PortClaimTableSlot(port_name_, &word, &bit)) return;
    TableView table(table_fd_);
    if (table.IsValid()) table.ByteOf(word, bit) &= static_cast<unsigned char>(~TableView::MaskOf(bit));
}

void PortClaim::CloseTable() {
    if (table_fd_ >= 0) ::close(table_fd_);
    table_fd_ = -1;
}

void PortClaim::Release() {
    if (!port_lock_.IsHeld() && table_fd_ < 0) return;
    NamedObject guard = NamedObject::Acquire(kClaimGuardName);
    UnmarkInTable();
    CloseTable();
    port_lock_.Release();
    port_name_.clear();
}

std::string FindUsbDevicePath(std::string_view port_name) {
    const int number = UsbPortNumber(port_name);
    if (number < 1) return {};
    const std::string node = "lp" + std::to_string(number - 1);
    const char* override_dir = std::getenv("ORVANE_USB_DEVICE_DIR");
    const bool system_dir = override_dir == nullptr || *override_dir == '\0';
    const std::string dir = system_dir ? std::string("/dev/usb") : std::string(override_dir);
    const std::string path = dir + "/" + node;
    if (::access(path.c_str(), F_OK) != 0) return {};
    if (system_dir && ::access(("/sys/class/usbmisc/" + node).c_str(), F_OK) != 0) return {};
    return path;
}

}  // namespace orvane
