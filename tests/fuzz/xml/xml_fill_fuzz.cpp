// Fuzzes XmlFill with arbitrary templates and replacements. Input: lines "path<TAB>replacement" up to
// an empty line, then the template. The filled document must never exceed the output capacity.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/xml_engine.h"

namespace {

using namespace orvane;

std::vector<XmlQuery> ReadQueries(std::string_view head) {
    std::vector<XmlQuery> queries;
    while (!head.empty()) {
        const std::size_t newline = head.find('\n');
        const std::string_view line = head.substr(0, newline);
        const std::size_t tab = line.find('\t');
        queries.push_back({std::string(line.substr(0, tab)), tab == std::string_view::npos
                                                                 ? std::string()
                                                                 : std::string(line.substr(tab + 1))});
        head = newline == std::string_view::npos ? std::string_view() : head.substr(newline + 1);
    }
    return queries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\n\n");
    if (split == std::string_view::npos) return 0;
    const std::vector<XmlQuery> queries = ReadQueries(input.substr(0, split));
    std::string text(input.substr(split + 2));
    const std::string original = text;
    XmlMatchSet set;
    const int rc = XmlFill(&text, queries, &set);
    if (rc == kXmlOk) {
        if (text.size() > kXmlOutputCapacity || text.size() != set.capacity || text != set.output)
            std::abort();
    } else if (text != original) {
        std::abort();
    } else if (rc == kXmlFillTooLong && set.capacity <= kXmlOutputCapacity) {
        std::abort();
    }
    return 0;
}
