// The path-addressed XML engine of the job protocol: one forward pass over a document, no tree.
//
// `XmlFind` locates the values named by path strings in a received document; `XmlFill` replaces the
// values located in a template. The engine works on raw bytes: it decodes no entity, trusts no
// encoding declaration and returns each value as the bytes between its delimiters.
//
// Addressing. The root element must be `cmd`; each child appends "/" and its qualified name, with a
// prefix bound to a known namespace written as that namespace's fixed prefix (`ivec`, `vlr`, `prtw`).
// The first ordinary attribute of an element is addressed as "<element path> <name>" and its value is
// the quoted text, quotes included; it then becomes part of its element's segment as `name="value"`.
// Later attributes are not read. Only the first occurrence of a path is reported.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Host of the maker's namespace URIs ("http://" + host + path), as the printer writes them.
inline constexpr std::string_view kMakerNamespaceHost = "www.velor.com";

// Engine result codes. Every failure aborts the run; nothing of a failed run is reported.
inline constexpr int kXmlOk = 0;                 // success
inline constexpr int kXmlMissingArgument = -2;   // a required argument is missing, or no queries
inline constexpr int kXmlNoDeclaration = -3;     // no `<?xml` declaration followed by whitespace
inline constexpr int kXmlResume = -4;            // declaration not at offset 0; run again from resume_offset
inline constexpr int kXmlTooShort = -5;          // document under 6 bytes, markup at the end, `<!` too short
inline constexpr int kXmlUnterminated = -6;      // `>`, `<` or `]]>` missing
inline constexpr int kXmlInvalidMarkup = -7;     // invalid byte after `<`, or `/` not followed by `>`
inline constexpr int kXmlBadAttribute = -8;      // malformed attribute
inline constexpr int kXmlQueryWithoutPath = -9;  // a value had no taker and some query has no path
inline constexpr int kXmlEndTagMismatch = -10;   // end tag does not match the open element
inline constexpr int kXmlInternal = -11;         // out of memory, or an internal length inconsistency
inline constexpr int kXmlFillTooLong = -12;      // the filled document exceeds kXmlOutputCapacity
inline constexpr int kXmlRootNotCmd = -13;       // root element is not `cmd` (start or end)
inline constexpr int kXmlSpaceAfterXmlns = -14;  // whitespace directly after `xmlns:`

// Largest document `XmlFill` produces, in bytes.
inline constexpr std::size_t kXmlOutputCapacity = 2048;

// Number of known namespaces.
inline constexpr std::size_t kKnownNamespaceCount = 3;

// One known namespace: the URI the printer declares and the prefix paths always use for it.
struct KnownNamespace {
    std::string uri;
    std::string_view fixed_prefix;
};

// The known-namespace table in lookup order: common (`ivec`), maker (`vlr`), print (`prtw`).
std::span<const KnownNamespace, kKnownNamespaceCount> KnownNamespaces();

// The common namespace URI (the one bound to `ivec`).
const std::string& CommonNamespaceUri();

// One query: a path and, for `XmlFill`, the text that replaces the value found there (empty = leave).
struct XmlQuery {
    std::string path;
    std::string replacement;
};

// What a query's slot found.
enum class XmlSlotState : int {
    NotLocated = 0,       // the path never occurred
    Located = 1,          // a text or attribute value was found (the first occurrence may still be empty)
    EmptyElement = -102,  // element closed by an end tag without text; offset is its `</`
    SelfClosed = -103,    // element written `<x/>`; offset is just past its `>`
};

// The result of one query.
struct XmlSlot {
    std::string path;
    std::string replacement;
    std::size_t offset = 0;         // first occurrence, as an offset into XmlMatchSet::document
    std::size_t length = 0;         // its length (0 for empty and self-closed elements)
    std::size_t output_offset = 0;  // `XmlFill`: where the replacement landed in the output
    std::size_t name_offset = 0;    // a self-closed element's name as written (`XmlFill` rewrites it)
    std::size_t name_length = 0;
    XmlSlotState state = XmlSlotState::NotLocated;
};

// The state of one run.
struct XmlMatchSet {
    std::string document;                       // the input from the resume offset up to its first NUL byte
    std::string output;                         // `XmlFill`: the filled document
    std::size_t capacity = kXmlOutputCapacity;  // `XmlFill`: filled length, or the length needed on -12
    std::vector<XmlSlot> slots;                 // one per query, in query order
    std::size_t resume_offset = 0;              // on -4: where the declaration starts in the caller's text
    std::size_t document_end =
        0;  // offset in the caller's text just past `</cmd>`; 0 if the root never closed

    // A copy of the value that slot `index` located; empty when none or out of range.
    std::string Value(std::size_t index) const;
};

// Locates the first occurrence of each query's path in `text`, read from `resume_offset` up to its
// first NUL byte. Returns kXmlOk or a negative engine code; on kXmlResume, run again from
// `set->resume_offset`. A document that ends before its root closes still reports what was found.
int XmlFind(std::string_view text, std::span<const XmlQuery> queries, std::size_t resume_offset,
            XmlMatchSet* set);

// Fills the template `*text`: each query whose replacement is non-empty replaces the value at its
// path (for an attribute, the quoted value, so the replacement carries its own quotes); an empty or
// self-closed element receives the text. On kXmlOk `*text` becomes the filled document; on failure it
// is unchanged. Fails with kXmlFillTooLong when the result would exceed kXmlOutputCapacity bytes.
// `set`, when given, receives the run's state (the needed length in `capacity` on -12).
int XmlFill(std::string* text, std::span<const XmlQuery> queries, XmlMatchSet* set = nullptr);

}  // namespace orvane
