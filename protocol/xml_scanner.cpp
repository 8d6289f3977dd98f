#include "protocol/internal/xml_scanner.h"

#include <cctype>

namespace orvane {

namespace {

constexpr std::string_view kCdataOpen = "<![CDATA[";
constexpr std::string_view kCdataClose = "]]>";
constexpr std::string_view kNamespaceDeclaration = "xmlns:";
constexpr std::string_view kRootName = "cmd";
constexpr std::string_view kRootEndTag = "</cmd>";

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view TrimTrailingSpace(std::string_view text) {
    while (!text.empty() && IsXmlSpace(text.back())) text.remove_suffix(1);
    return text;
}

// Offset of the first whitespace in [from, end), or `end`.
std::size_t SpaceOrEnd(std::string_view doc, std::size_t from, std::size_t end) {
    while (from < end && !IsXmlSpace(doc[from])) ++from;
    return from;
}

}  // namespace

XmlScanner::XmlScanner(std::string_view doc, std::vector<XmlSlot>& slots) : doc_(doc), slots_(slots) {}

int XmlScanner::Run() {
    while (pos_ < doc_.size() && !root_closed_) {
        const char c = doc_[pos_];
        int rc = kXmlOk;
        if (IsXmlSpace(c)) {
            ++pos_;
        } else if (c == '<') {
            rc = Markup();
        } else {
            rc = Text();
        }
        if (rc != kXmlOk) return rc;
    }
    return kXmlOk;
}

int XmlScanner::Markup() {
    const std::size_t lt = pos_;
    if (lt + 1 >= doc_.size()) return kXmlTooShort;
    const char kind = doc_[lt + 1];
    if (kind == '!') return Bang(lt);
    if (kind != '?' && kind != '/' && !IsAsciiLetter(kind)) return kXmlInvalidMarkup;
    const std::size_t gt = doc_.find('>', lt);
    if (gt == std::string_view::npos) return kXmlUnterminated;
    pos_ = gt + 1;
    if (kind == '/') return EndTag(lt, gt);
    if (kind == '?') return kXmlOk;
    return StartTag(lt, gt);
}

// `<!`: CDATA becomes text of the current element; comments and DOCTYPE are skipped.
int XmlScanner::Bang(std::size_t lt) {
    if (doc_.size() - lt < 3 || doc_[lt + 2] == '>') return kXmlTooShort;
    if (doc_.substr(lt).starts_with(kCdataOpen)) {
        const std::size_t content = lt + kCdataOpen.size();
        const std::size_t close = doc_.find(kCdataClose, content);
        if (close == std::string_view::npos) return kXmlUnterminated;
        pos_ = close + kCdataClose.size();
        return Record(path_, content, close - content);
    }
    const std::size_t gt = doc_.find('>', lt);
    if (gt == std::string_view::npos) return kXmlUnterminated;
    pos_ = gt + 1;
    return kXmlOk;
}

int XmlScanner::StartTag(std::size_t lt, std::size_t gt) {
    const bool self_closing = doc_[gt - 1] == '/';
    const std::size_t content_end = self_closing ? gt - 1 : gt;
    const std::size_t name_offset = lt + 1;
    const std::size_t name_end = SpaceOrEnd(doc_, name_offset, content_end);
    const std::string_view name = doc_.substr(name_offset, name_end - name_offset);
    if (segment_starts_.empty() && !name.starts_with(kRootName)) return kXmlRootNotCmd;

    // Declarations on the element apply to its own name as well, so they are read first.
    Attribute first;
    int rc = ReadAttributes(name_end, content_end, gt, &first);
    if (rc != kXmlOk) return rc;
    const std::string mapped = MapName(name);
    PushSegment(mapped);
    if (!first.name.empty()) {
        path_ += ' ';
        path_ += first.name;
        rc = Record(path_, first.value_offset, first.value_length);
        if (rc != kXmlOk) return rc;
        path_ += '=';
        path_ += doc_.substr(first.value_offset, first.value_length);
    }
    if (!self_closing) return kXmlOk;
    const bool exact_root_end = segment_starts_.size() == 1 && name == kRootName;
    return CloseElement(mapped, name, exact_root_end, XmlSlotState::SelfClosed, gt + 1, gt + 1);
}

int XmlScanner::EndTag(std::size_t lt, std::size_t gt) {
    const std::size_t name_offset = lt + 2;
    const std::size_t name_end = SpaceOrEnd(doc_, name_offset, gt);
    const std::string_view name = doc_.substr(name_offset, name_end - name_offset);
    const bool exact_root_end = doc_.substr(lt, gt + 1 - lt) == kRootEndTag;
    return CloseElement(MapName(name), name, exact_root_end, XmlSlotState::EmptyElement, lt, gt + 1);
}

// Closes the innermost open element; `name` is the closing name mapped, `written` as in the document.
int XmlScanner::CloseElement(std::string_view name, std::string_view written, bool exact_root_end,
                             XmlSlotState empty_state, std::size_t empty_offset, std::size_t end) {
    if (segment_starts_.empty()) return kXmlEndTagMismatch;
    MarkEmpty(empty_state, empty_offset, static_cast<std::size_t>(written.data() - doc_.data()),
              written.size());
    if (name != LastSegmentName()) return kXmlEndTagMismatch;
    if (segment_starts_.size() == 1) {
        if (!exact_root_end) return kXmlRootNotCmd;
        root_closed_ = true;
        document_end_ = end;
        return kXmlOk;
    }
    const std::size_t start = segment_starts_.back();
    segment_starts_.pop_back();
    path_.resize(start - 1);  // drop the segment and its "/"
    return kXmlOk;
}

int XmlScanner::ReadAttributes(std::size_t at, std::size_t content_end, std::size_t gt, Attribute* first) {
    for (;;) {
        while (at < content_end && IsXmlSpace(doc_[at])) ++at;
        if (at >= content_end) return kXmlOk;
        const bool declaration = doc_.substr(at, content_end - at).starts_with(kNamespaceDeclaration);
        if (declaration && at + kNamespaceDeclaration.size() < content_end &&
            IsXmlSpace(doc_[at + kNamespaceDeclaration.size()])) {
            return kXmlSpaceAfterXmlns;
        }
        Attribute attribute;
        const int rc = ReadOneAttribute(&at, content_end, gt, &attribute);
        if (rc != kXmlOk) return rc;
        if (!declaration) {
            *first = attribute;
            return kXmlOk;
        }
        // The URI without its quotes.
        Bind(attribute.name.substr(kNamespaceDeclaration.size()),
             doc_.substr(attribute.value_offset + 1, attribute.value_length - 2));
    }
}

// Reads `name="value"` at `*at`; leaves `*at` just past the closing quote.
int XmlScanner::ReadOneAttribute(std::size_t* at, std::size_t content_end, std::size_t gt,
                                 Attribute* attribute) {
    const std::size_t equals = doc_.find('=', *at);
    if (equals == std::string_view::npos || equals >= content_end) return kXmlBadAttribute;
    attribute->name = TrimTrailingSpace(doc_.substr(*at, equals - *at));
    if (attribute->name.empty()) return kXmlBadAttribute;
    std::size_t open = equals + 1;
    while (open < content_end && IsXmlSpace(doc_[open])) ++open;
    if (open >= content_end || doc_[open] != '"') return kXmlBadAttribute;
    const std::size_t close = doc_.find('"', open + 1);
    if (close == std::string_view::npos || close >= content_end) return kXmlBadAttribute;
    const std::size_t after = close + 1;
    if (after < gt && doc_[after] == '/' && after + 1 != gt) return kXmlInvalidMarkup;
    if (after < gt && doc_[after] != '/' && !IsXmlSpace(doc_[after])) return kXmlBadAttribute;
    attribute->value_offset = open;
    attribute->value_length = after - open;
    *at = after;
    return kXmlOk;
}

int XmlScanner::Text() {
    const std::size_t begin = pos_;
    const std::size_t lt = doc_.find('<', begin);
    if (lt == std::string_view::npos) return kXmlUnterminated;
    pos_ = lt;
    const std::string_view text = TrimTrailingSpace(doc_.substr(begin, lt - begin));
    return Record(path_, begin, text.size());
}

// The first entry whose URI starts with the declared one takes the prefix, unless already bound.
void XmlScanner::Bind(std::string_view prefix, std::string_view uri) {
    const auto known = KnownNamespaces();
    for (std::size_t i = 0; i < known.size(); ++i) {
        if (std::string_view(known[i].uri).starts_with(uri)) {
            if (bound_prefixes_[i].empty()) bound_prefixes_[i] = prefix;
            return;
        }
    }
}

std::string XmlScanner::MapName(std::string_view qualified) const {
    const std::size_t colon = qualified.find(':');
    if (colon == std::string_view::npos) return std::string(qualified);
    const std::string_view prefix = qualified.substr(0, colon);
    const auto known = KnownNamespaces();
    for (std::size_t i = 0; i < known.size(); ++i) {
        if (!bound_prefixes_[i].empty() && bound_prefixes_[i] == prefix) {
            return std::string(known[i].fixed_prefix) + std::string(qualified.substr(colon));
        }
    }
    return std::string(qualified);
}

void XmlScanner::PushSegment(std::string_view segment) {
    if (!segment_starts_.empty()) path_ += '/';
    segment_starts_.push_back(path_.size());
    path_ += segment;
}

std::string_view XmlScanner::LastSegmentName() const {
    const std::string_view segment = std::string_view(path_).substr(segment_starts_.back());
    return segment.substr(0, SpaceOrEnd(segment, 0, segment.size()));
}

// Hands a value to the first query on `path`; only its first occurrence is kept.
int XmlScanner::Record(std::string_view path, std::size_t offset, std::size_t length) {
    bool pathless = false;
    for (XmlSlot& slot : slots_) {
        pathless = pathless || slot.path.empty();
        if (slot.path.empty() || slot.path != path) continue;
        if (slot.state == XmlSlotState::NotLocated) {
            slot.offset = offset;
            slot.length = length;
        }
        slot.state = XmlSlotState::Located;
        return kXmlOk;
    }
    return pathless ? kXmlQueryWithoutPath : kXmlOk;
}

void XmlScanner::MarkEmpty(XmlSlotState state, std::size_t offset, std::size_t name_offset,
                           std::size_t name_length) {
    for (XmlSlot& slot : slots_) {
        if (slot.state != XmlSlotState::NotLocated || slot.path != path_) continue;
        slot.state = state;
        slot.offset = offset;
        slot.length = 0;
        slot.name_offset = name_offset;
        slot.name_length = name_length;
        return;
    }
}

}  // namespace orvane
