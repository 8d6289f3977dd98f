#include "netport/internal/netport_address.h"

#include <gtest/gtest.h>

namespace orvane::netport {
namespace {

struct AddressRow {
    const char* name;
    bool valid;
    const char* host;
    uint16_t port;
};

TEST(NetportAddressTest, PortNamesSplitIntoHostAndPort) {
    const AddressRow rows[] = {
        {"VLNETP_printer", true, "printer", 9291},
        {"VLNETP_printer.example.org:9100", true, "printer.example.org", 9100},
        {"VLNETP_192.168.1.20", true, "192.168.1.20", 9291},
        {"VLNETP_10.0.0.1:1", true, "10.0.0.1", 1},
        {"VLNETP_[::1]:9291", true, "::1", 9291},
        {"VLNETP_[fe80::1]", true, "fe80::1", 9291},
        {"VLNETP_host:65535", true, "host", 65535},
        {"VLNETP_", false, "", 0},
        {"VLNETP_:9291", false, "", 0},
        {"VLNETP_[]:9291", false, "", 0},
        {"VLNETP_host:", false, "", 0},
        {"VLNETP_host:0", false, "", 0},
        {"VLNETP_host:65536", false, "", 0},
        {"VLNETP_host:123456", false, "", 0},
        {"VLNETP_host:12a", false, "", 0},
        {"VLNETP_host:80:90", false, "", 0},
        {"VLNETP_[::1]x", false, "", 0},
        {"VLNETP_[::1", false, "", 0},
        {"VLNETP_[zz::1]", false, "", 0},
        {"VLNETP_a/b", false, "", 0},
        {"USB001", false, "", 0},
    };
    for (const AddressRow& row : rows) {
        std::string host;
        uint16_t port = 0;
        ASSERT_EQ(ParsePortName(row.name, &host, &port), row.valid) << row.name;
        if (!row.valid) continue;
        EXPECT_EQ(host, row.host) << row.name;
        EXPECT_EQ(port, row.port) << row.name;
    }
}

}  // namespace
}  // namespace orvane::netport
