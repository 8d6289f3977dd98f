#include "protocol/xml_engine.h"

#include <algorithm>
#include <array>
#include <new>

#include "protocol/internal/xml_scanner.h"

namespace orvane {

namespace {

constexpr std::string_view kDeclarationStart = "<?xml";
constexpr std::size_t kMinimumDocument = 6;

std::array<KnownNamespace, kKnownNamespaceCount> MakeKnownNamespaces() {
    const std::string head = "http://" + std::string(kMakerNamespaceHost);
    return {{{head + "/ns/cmd/2008/07/common/", "ivec"},
             {head + "/ns/cmd/2008/07/velor/", "vlr"},
             {head + "/ns/wdp/2008/01/print/", "prtw"}}};
}

// Checks the declaration; a declaration found later in the text asks for a resume.
int CheckDeclaration(std::string_view doc, std::size_t* found_at) {
    if (doc.size() < kMinimumDocument) return kXmlTooShort;
    const std::size_t at = doc.find(kDeclarationStart);
    const std::size_t after = at + kDeclarationStart.size();
    if (at == std::string_view::npos || after >= doc.size() || !IsXmlSpace(doc[after])) {
        return kXmlNoDeclaration;
    }
    *found_at = at;
    return at == 0 ? kXmlOk : kXmlResume;
}

void ResetSet(XmlMatchSet* set, std::span<const XmlQuery> queries) {
    set->slots.clear();
    for (const XmlQuery& query : queries) {
        XmlSlot slot;
        slot.path = query.path;
        slot.replacement = query.replacement;
        set->slots.push_back(std::move(slot));
    }
}

int RunFind(std::string_view text, std::span<const XmlQuery> queries, std::size_t resume_offset,
            XmlMatchSet* set) {
    std::string_view doc = text.substr(std::min(resume_offset, text.size()));
    doc = doc.substr(0, doc.find('\0'));
    set->document.assign(doc);
    ResetSet(set, queries);
    std::size_t found_at = 0;
    int rc = CheckDeclaration(doc, &found_at);
    if (rc == kXmlResume) set->resume_offset = resume_offset + found_at;
    if (rc != kXmlOk) return rc;
    XmlScanner scanner(set->document, set->slots);
    rc = scanner.Run();
    if (rc == kXmlOk && scanner.DocumentEnd() != 0) {
        set->document_end = resume_offset + scanner.DocumentEnd();
    }
    return rc;
}

// A replacement that takes part in a fill, and the template range it takes the place of.
struct Edit {
    std::size_t begin;
    std::size_t end;
    XmlSlot* slot;
};

bool TakesPart(const XmlSlot& slot) {
    if (slot.replacement.empty()) return false;
    return (slot.state == XmlSlotState::Located && slot.length != 0) ||
           slot.state == XmlSlotState::EmptyElement || slot.state == XmlSlotState::SelfClosed;
}

std::vector<Edit> CollectEdits(std::vector<XmlSlot>& slots) {
    std::vector<Edit> edits;
    for (XmlSlot& slot : slots) {
        if (!TakesPart(slot)) continue;
        // `<x/>`: the `/>` gives way to `>` text `</x>`.
        const std::size_t back = slot.state == XmlSlotState::SelfClosed ? 2 : 0;
        edits.push_back({slot.offset - std::min(back, slot.offset), slot.offset + slot.length, &slot});
    }
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& a, const Edit& b) { return a.slot->offset < b.slot->offset; });
    return edits;
}

std::size_t FilledLength(std::size_t template_length, const std::vector<Edit>& edits) {
    std::size_t length = template_length;
    for (const Edit& edit : edits) {
        length += edit.slot->replacement.size();
        if (edit.slot->state == XmlSlotState::SelfClosed) length += edit.slot->name_length + 2;
        length -= edit.slot->length;
    }
    return length;
}

void AppendReplacement(const std::string& doc, const XmlSlot& slot, std::string* out) {
    if (slot.state != XmlSlotState::SelfClosed) {
        out->append(slot.replacement);
        return;
    }
    out->push_back('>');
    out->append(slot.replacement);
    out->append("</");
    out->append(doc, slot.name_offset, slot.name_length);
    out->push_back('>');
}

// Builds the filled document; kXmlInternal when the located ranges do not fit the template.
int BuildOutput(const std::string& doc, std::vector<Edit>& edits, std::size_t filled, std::string* out) {
    out->clear();
    out->reserve(filled);
    std::size_t cursor = 0;
    for (Edit& edit : edits) {
        const bool self_closed = edit.slot->state == XmlSlotState::SelfClosed;
        if (edit.begin < cursor || edit.end > doc.size() ||
            (self_closed && doc.compare(edit.begin, 2, "/>") != 0)) {
            return kXmlInternal;
        }
        out->append(doc, cursor, edit.begin - cursor);
        edit.slot->output_offset = out->size() + (self_closed ? 1 : 0);
        AppendReplacement(doc, *edit.slot, out);
        cursor = edit.end;
    }
    out->append(doc, cursor, std::string::npos);
    return out->size() == filled ? kXmlOk : kXmlInternal;
}

int RunFill(std::string* text, std::span<const XmlQuery> queries, XmlMatchSet* set) {
    int rc = RunFind(*text, queries, 0, set);
    if (rc != kXmlOk) return rc;
    std::vector<Edit> edits = CollectEdits(set->slots);
    const std::size_t filled = FilledLength(set->document.size(), edits);
    set->capacity = filled;
    if (filled > kXmlOutputCapacity) return kXmlFillTooLong;
    rc = BuildOutput(set->document, edits, filled, &set->output);
    if (rc != kXmlOk) return rc;
    *text = set->output;
    return kXmlOk;
}

// Nothing of a failed run is reported: the slots fall back to "not located".
void ForgetValues(XmlMatchSet* set) {
    for (XmlSlot& slot : set->slots) {
        slot.state = XmlSlotState::NotLocated;
        slot.offset = slot.length = slot.output_offset = slot.name_offset = slot.name_length = 0;
    }
    set->output.clear();
    set->document_end = 0;
}

template <typename Run>
int Guarded(XmlMatchSet* set, Run run) {
    int rc = kXmlInternal;
    try {
        rc = run();
    } catch (const std::bad_alloc&) {
        rc = kXmlInternal;
    }
    if (rc != kXmlOk) ForgetValues(set);
    return rc;
}

}  // namespace

std::span<const KnownNamespace, kKnownNamespaceCount> KnownNamespaces() {
    static const std::array<KnownNamespace, kKnownNamespaceCount> table = MakeKnownNamespaces();
    return table;
}

const std::string& CommonNamespaceUri() {
    return KnownNamespaces()[0].uri;
}

std::string XmlMatchSet::Value(std::size_t index) const {
    if (index >= slots.size()) return {};
    const XmlSlot& slot = slots[index];
    if (slot.offset > document.size()) return {};
    return document.substr(slot.offset, slot.length);
}

int XmlFind(std::string_view text, std::span<const XmlQuery> queries, std::size_t resume_offset,
            XmlMatchSet* set) {
    if (set == nullptr) return kXmlMissingArgument;
    *set = XmlMatchSet{};
    if (text.data() == nullptr || queries.empty()) return kXmlMissingArgument;
    return Guarded(set, [&] { return RunFind(text, queries, resume_offset, set); });
}

int XmlFill(std::string* text, std::span<const XmlQuery> queries, XmlMatchSet* set) {
    XmlMatchSet local;
    if (set == nullptr) set = &local;
    *set = XmlMatchSet{};
    if (text == nullptr || queries.empty()) return kXmlMissingArgument;
    return Guarded(set, [&] { return RunFill(text, queries, set); });
}

}  // namespace orvane
