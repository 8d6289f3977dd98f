#pragma once

// The read, write and read-back session every transport must carry.

#include <gtest/gtest.h>

#include "sim_client.h"

namespace simtest {

using namespace std::literals;

// The payload of the "small" profile's sample directory.
inline const std::string kSmallPayload =
    "DI*00\r\nDN\0\0\0\0\r\nDT\0\0\0\0\r\n"
    "DI01\r\nDNBo\0\0\r\nDT12\0\0\r\n"
    "GI02\r\nGNG\0\0\0\r\nGT\x02\0\0\0\r\n"
    "KNAl\0\0\r\nKT5\0\0\0\r\n"
    "RI01\r\nRT99\0\0\r\n"s;

inline std::string JobParams(const std::string& job) {
    return "<ivec:jobID>" + job + "</ivec:jobID><ivec:format>rsd1</ivec:format>";
}

// The bytes after the document's end.
inline std::string AfterDocument(const std::string& transfer) {
    const std::size_t end = transfer.find("</cmd>");
    return end == std::string::npos ? "" : transfer.substr(end + 6);
}

template <typename Client>
std::string ReadPayload(Client& client, const std::string& job) {
    return AfterDocument(client.Exchange(Request("ReceiveData", JobParams(job))));
}

template <typename Client>
std::string SendPayload(Client& client, const std::string& job, const std::string& payload) {
    const std::string doc = Request(
        "SendData", JobParams(job) + "<ivec:datasize>" + std::to_string(payload.size()) + "</ivec:datasize>");
    return Element(client.Exchange(doc + payload), "response");
}

// Reads the small directory, renames "Bo" to "Bob", writes it and reads it back within one job.
template <typename Client>
void ReadWriteReadBack(Client& client, const std::string& expectedJob) {
    const std::string job = StartJob(client);
    EXPECT_EQ(job, expectedJob);
    const std::string capability = client.Exchange(Request("GetCapability", ""));
    EXPECT_EQ(Element(capability, "operation"), "GetCapabilityResponse");
    EXPECT_EQ(Element(capability, "support_data_format"), "rsd1");
    EXPECT_EQ(Element(capability, "max_name_length"), "4");
    EXPECT_EQ(ReadPayload(client, job), kSmallPayload);
    std::string changed = kSmallPayload;
    changed.replace(changed.find("Bo\0"s), 3, "Bob");
    EXPECT_EQ(SendPayload(client, job, changed), "OK");
    EXPECT_EQ(ReadPayload(client, job), changed);
    EXPECT_EQ(Element(client.Exchange(Request("EndJob", "<ivec:jobID>" + job + "</ivec:jobID>")), "response"),
              "OK");
}

}  // namespace simtest
