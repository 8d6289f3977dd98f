// Port name parsing of the network port library.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane::netport {

// Splits "VLNETP_<host>[:<port>]" ("[v6]" hosts in brackets) into host and TCP port (default
// 9291). False for anything else.
bool ParsePortName(std::string_view name, std::string* host, uint16_t* port);

}  // namespace orvane::netport
