// The forward scanner behind XmlFind and XmlFill (internal to the protocol library).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/xml_engine.h"

namespace orvane {

// True for the whitespace the engine skips and trims: space, tab, CR, LF.
constexpr bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One scan of a document that starts with its declaration. Records the first occurrence of each
// slot's path into the slots; the document and the slots must outlive the scanner.
class XmlScanner {
  public:
    XmlScanner(std::string_view doc, std::vector<XmlSlot>& slots);

    // Scans until the root closes or the document ends. Returns kXmlOk or a negative engine code.
    int Run();

    // Offset just past the root's end tag; 0 when the root never closed.
    std::size_t DocumentEnd() const { return document_end_; }

  private:
    // The first ordinary attribute of a start tag: name and quoted value.
    struct Attribute {
        std::string_view name;
        std::size_t value_offset = 0;
        std::size_t value_length = 0;
    };

    int Markup();
    int Bang(std::size_t lt);
    int StartTag(std::size_t lt, std::size_t gt);
    int EndTag(std::size_t lt, std::size_t gt);
    int Text();
    int ReadAttributes(std::size_t at, std::size_t content_end, std::size_t gt, Attribute* first);
    int ReadOneAttribute(std::size_t* at, std::size_t content_end, std::size_t gt, Attribute* attribute);
    int CloseElement(std::string_view name, std::string_view written, bool exact_root_end,
                     XmlSlotState empty_state, std::size_t empty_offset, std::size_t end);
    void Bind(std::string_view prefix, std::string_view uri);
    std::string MapName(std::string_view qualified) const;
    void PushSegment(std::string_view segment);
    std::string_view LastSegmentName() const;
    int Record(std::string_view path, std::size_t offset, std::size_t length);
    void MarkEmpty(XmlSlotState state, std::size_t offset, std::size_t name_offset, std::size_t name_length);

    std::string_view doc_;
    std::vector<XmlSlot>& slots_;
    std::size_t pos_ = 0;
    std::string path_;
    std::vector<std::size_t> segment_starts_;  // where each open element's segment begins in path_
    std::array<std::string_view, kKnownNamespaceCount> bound_prefixes_{};  // fresh for every run
    bool root_closed_ = false;
    std::size_t document_end_ = 0;
};

}  // namespace orvane
