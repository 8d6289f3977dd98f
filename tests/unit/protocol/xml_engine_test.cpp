// XmlFind: result codes for malformed documents, and the values located by path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/xml_engine.h"

namespace orvane {
namespace {

std::vector<XmlQuery> Queries(const std::vector<std::string>& paths) {
    std::vector<XmlQuery> queries;
    for (const std::string& path : paths) queries.push_back({path, {}});
    return queries;
}

// Runs XmlFind from offset 0 and returns the located values.
int Find(std::string_view doc, const std::vector<std::string>& paths, std::vector<std::string>* values,
         XmlMatchSet* set) {
    const int rc = XmlFind(doc, Queries(paths), 0, set);
    values->clear();
    for (std::size_t i = 0; i < paths.size(); ++i) values->push_back(set->Value(i));
    return rc;
}

struct CodeRow {
    const char* name;
    std::string doc;
    int code;
};

class XmlFindCodes : public testing::TestWithParam<CodeRow> {};

TEST_P(XmlFindCodes, ReturnsEngineCode) {
    XmlMatchSet set;
    EXPECT_EQ(XmlFind(GetParam().doc, Queries({"cmd/a"}), 0, &set), GetParam().code);
}

const std::string kDecl = "<?xml version=\"1.0\" ?>";

INSTANTIATE_TEST_SUITE_P(
    Malformed, XmlFindCodes,
    testing::Values(
        CodeRow{"Empty", "", kXmlTooShort}, CodeRow{"FiveBytes", "<?xml", kXmlTooShort},
        CodeRow{"NoDeclaration", "<cmd><a>1</a></cmd>", kXmlNoDeclaration},
        CodeRow{"DeclarationWithoutSpace", "<?xml?><cmd/>", kXmlNoDeclaration},
        CodeRow{"OnlyFirstDeclarationCounts", "<?xml?>" + kDecl + "<cmd></cmd>", kXmlNoDeclaration},
        CodeRow{"DeclarationAtEnd", "abcdef<?xml", kXmlNoDeclaration},
        CodeRow{"RootCommand", kDecl + "<command></command>", kXmlRootNotCmd},
        CodeRow{"RootRoot", kDecl + "<root><a>1</a></root>", kXmlRootNotCmd},
        CodeRow{"RootEndWithSpace", kDecl + "<cmd><a>1</a></cmd >", kXmlRootNotCmd},
        CodeRow{"RootLongerName", kDecl + "<cmdx></cmdx>", kXmlRootNotCmd},
        CodeRow{"MarkupAtEnd", kDecl + "<cmd><", kXmlTooShort},
        CodeRow{"BangAtEnd", kDecl + "<cmd><!", kXmlTooShort},
        CodeRow{"EmptyBang", kDecl + "<cmd><!></cmd>", kXmlTooShort},
        CodeRow{"CdataUnterminated", kDecl + "<cmd><a><![CDATA[x</a></cmd>", kXmlUnterminated},
        CodeRow{"CommentUnterminated", kDecl + "<cmd><!-- x", kXmlUnterminated},
        CodeRow{"PiUnterminated", kDecl + "<cmd><?pi x", kXmlUnterminated},
        CodeRow{"StartTagUnterminated", kDecl + "<cmd><a", kXmlUnterminated},
        CodeRow{"EndTagUnterminated", kDecl + "<cmd><a>1</a", kXmlUnterminated},
        CodeRow{"TextUnterminated", kDecl + "<cmd><a>text", kXmlUnterminated},
        CodeRow{"DigitAfterLt", kDecl + "<cmd><1a/></cmd>", kXmlInvalidMarkup},
        CodeRow{"SpaceAfterLt", kDecl + "<cmd>< a/></cmd>", kXmlInvalidMarkup},
        CodeRow{"SlashNotBeforeGt", kDecl + "<cmd><a x=\"1\"/ ></cmd>", kXmlInvalidMarkup},
        CodeRow{"AttributeWithoutEquals", kDecl + "<cmd><a x></a></cmd>", kXmlBadAttribute},
        CodeRow{"SingleQuotes", kDecl + "<cmd><a x='1'></a></cmd>", kXmlBadAttribute},
        CodeRow{"UnquotedValue", kDecl + "<cmd><a x=1></a></cmd>", kXmlBadAttribute},
        CodeRow{"GtInsideValue", kDecl + "<cmd><a x=\"1>2\"></a></cmd>", kXmlBadAttribute},
        CodeRow{"EmptyAttributeName", kDecl + "<cmd><a =\"1\"></a></cmd>", kXmlBadAttribute},
        CodeRow{"NoSpaceBetweenAttributes", kDecl + "<cmd><a x=\"1\"y=\"2\"></a></cmd>", kXmlBadAttribute},
        CodeRow{"EndTagMismatch", kDecl + "<cmd><a></b></cmd>", kXmlEndTagMismatch},
        CodeRow{"EndTagWithoutElement", kDecl + "</cmd>", kXmlEndTagMismatch},
        CodeRow{"SpaceAfterXmlns", kDecl + "<cmd xmlns: a=\"x\"></cmd>", kXmlSpaceAfterXmlns},
        CodeRow{"CutBeforeRootEnd", kDecl + "<cmd><a>1</a>", kXmlOk},
        CodeRow{"BytesAfterRootIgnored", kDecl + "<cmd><a>1</a></cmd><<<", kXmlOk}),
    [](const testing::TestParamInfo<CodeRow>& info) { return std::string(info.param.name); });

TEST(XmlFind, MissingArguments) {
    XmlMatchSet set;
    EXPECT_EQ(XmlFind(kDecl + "<cmd/>", {}, 0, &set), kXmlMissingArgument);
    EXPECT_EQ(XmlFind(kDecl + "<cmd/>", Queries({"cmd"}), 0, nullptr), kXmlMissingArgument);
    EXPECT_EQ(XmlFind(std::string_view(), Queries({"cmd"}), 0, &set), kXmlMissingArgument);
}

TEST(XmlFind, PathlessQueryFailsWhenAValueHasNoTaker) {
    XmlMatchSet set;
    EXPECT_EQ(XmlFind(kDecl + "<cmd><a>1</a></cmd>", Queries({"cmd/b", ""}), 0, &set), kXmlQueryWithoutPath);
    EXPECT_EQ(XmlFind(kDecl + "<cmd><a>1</a></cmd>", Queries({"cmd/a", ""}), 0, &set), kXmlOk);
}

TEST(XmlFind, ResumesAfterStaleBytes) {
    const std::string text = "old</cmd>garbage" + kDecl + "<cmd><a>1</a></cmd>";
    XmlMatchSet set;
    ASSERT_EQ(XmlFind(text, Queries({"cmd/a"}), 0, &set), kXmlResume);
    EXPECT_EQ(set.resume_offset, 16u);
    EXPECT_EQ(set.Value(0), "");
    ASSERT_EQ(XmlFind(text, Queries({"cmd/a"}), set.resume_offset, &set), kXmlOk);
    EXPECT_EQ(set.Value(0), "1");
    EXPECT_EQ(set.document_end, text.size());
}

TEST(XmlFind, ValuesFollowTheAddressingRules) {
    const std::string doc = kDecl +
                            "<cmd><x>  OK \r\n</x><c><![CDATA[ a<b ]]></c><e>A&amp;B</e>"
                            "<p servicetype=\"remotesetup\" other=\"x\"><r>yes</r></p>"
                            "<d>first</d><d>second</d><n><m>1</m>tail</n></cmd>";
    std::vector<std::string> values;
    XmlMatchSet set;
    ASSERT_EQ(Find(doc,
                   {"cmd/x", "cmd/c", "cmd/e", "cmd/p servicetype", "cmd/p servicetype=\"remotesetup\"/r",
                    "cmd/p other", "cmd/d", "cmd/n", "cmd/missing", "cmd/x"},
                   &values, &set),
              kXmlOk);
    EXPECT_EQ(values, (std::vector<std::string>{"OK", " a<b ", "A&amp;B", "\"remotesetup\"", "yes", "",
                                                "first", "tail", "", ""}));
    EXPECT_EQ(set.slots[5].state, XmlSlotState::NotLocated);
}

TEST(XmlFind, EmptyAndSelfClosedElements) {
    const std::string doc = kDecl + "<cmd><a></a><b/><c x=\"1\"/></cmd>";
    XmlMatchSet set;
    std::vector<std::string> values;
    ASSERT_EQ(Find(doc, {"cmd/a", "cmd/b", "cmd/c x=\"1\"", "cmd/c x"}, &values, &set), kXmlOk);
    EXPECT_EQ(set.slots[0].state, XmlSlotState::EmptyElement);
    EXPECT_EQ(set.slots[0].offset, doc.find("</a>"));
    EXPECT_EQ(set.slots[1].state, XmlSlotState::SelfClosed);
    EXPECT_EQ(set.slots[1].offset, doc.find("<b/>") + 4);
    EXPECT_EQ(set.slots[2].state, XmlSlotState::SelfClosed);
    EXPECT_EQ(values[3], "\"1\"");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(set.slots[i].length, 0u);
}

TEST(XmlFind, FirstOccurrenceIsReportedEvenWhenEmpty) {
    XmlMatchSet set;
    std::vector<std::string> values;
    ASSERT_EQ(Find(kDecl + "<cmd><a/><a>late</a></cmd>", {"cmd/a"}, &values, &set), kXmlOk);
    EXPECT_EQ(values[0], "");
    EXPECT_EQ(set.slots[0].state, XmlSlotState::Located);
}

struct NamespaceRow {
    const char* name;
    std::string doc;
    std::string path;
    std::string value;
};

class XmlFindNamespaces : public testing::TestWithParam<NamespaceRow> {};

TEST_P(XmlFindNamespaces, AddressesByFixedPrefix) {
    XmlMatchSet set;
    std::vector<std::string> values;
    ASSERT_EQ(Find(GetParam().doc, {GetParam().path}, &values, &set), kXmlOk);
    EXPECT_EQ(values[0], GetParam().value);
}

std::string Bind(const std::string& prefix, std::size_t entry) {
    return " xmlns:" + prefix + "=\"" + KnownNamespaces()[entry].uri + "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Rebinding, XmlFindNamespaces,
    testing::Values(NamespaceRow{"OtherPrefixForCommon",
                                 kDecl + "<cmd" + Bind("a", 0) + "><a:contents>v</a:contents></cmd>",
                                 "cmd/ivec:contents", "v"},
                    NamespaceRow{"UndeclaredIvec", kDecl + "<cmd><ivec:contents>v</ivec:contents></cmd>",
                                 "cmd/ivec:contents", "v"},
                    NamespaceRow{"UnboundPrefixStays", kDecl + "<cmd" + Bind("a", 0) + "><b:x>v</b:x></cmd>",
                                 "cmd/b:x", "v"},
                    NamespaceRow{"MakerNamespace", kDecl + "<cmd" + Bind("m", 1) + "><m:x>v</m:x></cmd>",
                                 "cmd/vlr:x", "v"},
                    NamespaceRow{"PrintNamespace", kDecl + "<cmd" + Bind("p", 2) + "><p:x>v</p:x></cmd>",
                                 "cmd/prtw:x", "v"},
                    NamespaceRow{"FirstBindingStays",
                                 kDecl + "<cmd" + Bind("a", 0) + Bind("b", 0) + "><b:x>v</b:x></cmd>",
                                 "cmd/b:x", "v"},
                    NamespaceRow{"LeadingPartOfUri",
                                 kDecl + "<cmd xmlns:a=\"http://" + std::string(kMakerNamespaceHost) +
                                     "/ns/\"><a:x>v</a:x></cmd>",
                                 "cmd/ivec:x", "v"},
                    NamespaceRow{"UnknownUriIgnored", kDecl + "<cmd xmlns:a=\"urn:other\"><a:x>v</a:x></cmd>",
                                 "cmd/a:x", "v"},
                    NamespaceRow{"DeclarationOnElementItself",
                                 kDecl + "<cmd><a:x" + Bind("a", 0) + ">v</a:x></cmd>", "cmd/ivec:x", "v"},
                    NamespaceRow{"DeclarationAfterFirstAttributeUnread",
                                 kDecl + "<cmd k=\"1\"" + Bind("a", 0) + "><a:x>v</a:x></cmd>",
                                 "cmd k=\"1\"/a:x", "v"},
                    NamespaceRow{"SlashInFirstAttribute",
                                 kDecl + "<cmd><a href=\"x/y z\"><b>v</b></a><c>w</c></cmd>", "cmd/c", "w"}),
    [](const testing::TestParamInfo<NamespaceRow>& info) { return std::string(info.param.name); });

TEST(XmlFind, CutDocumentKeepsValuesSoFar) {
    XmlMatchSet set;
    std::vector<std::string> values;
    ASSERT_EQ(Find(kDecl + "<cmd><a>1</a><b>2</b><c>", {"cmd/a", "cmd/b", "cmd/c"}, &values, &set), kXmlOk);
    EXPECT_EQ(values, (std::vector<std::string>{"1", "2", ""}));
    EXPECT_EQ(set.document_end, 0u);
}

TEST(XmlFind, StopsAtFirstNul) {
    const std::string doc = kDecl + "<cmd><a>1</a>" + std::string(1, '\0') + "<b>2</b></cmd>";
    XmlMatchSet set;
    std::vector<std::string> values;
    ASSERT_EQ(Find(doc, {"cmd/a", "cmd/b"}, &values, &set), kXmlOk);
    EXPECT_EQ(values, (std::vector<std::string>{"1", ""}));
}

TEST(XmlFind, FailedRunReportsNothing) {
    XmlMatchSet set;
    std::vector<std::string> values;
    ASSERT_EQ(Find(kDecl + "<cmd><a>1</a></b></cmd>", {"cmd/a"}, &values, &set), kXmlEndTagMismatch);
    EXPECT_EQ(values[0], "");
    EXPECT_EQ(set.slots[0].state, XmlSlotState::NotLocated);
}

TEST(XmlFind, KnownNamespaceTableUsesOneHost) {
    const auto table = KnownNamespaces();
    const std::string head = "http://" + std::string(kMakerNamespaceHost);
    EXPECT_EQ(table[0].uri, head + "/ns/cmd/2008/07/common/");
    EXPECT_EQ(table[0].fixed_prefix, "ivec");
    EXPECT_EQ(table[1].uri, head + "/ns/cmd/2008/07/velor/");
    EXPECT_EQ(table[1].fixed_prefix, "vlr");
    EXPECT_EQ(table[2].uri, head + "/ns/wdp/2008/01/print/");
    EXPECT_EQ(table[2].fixed_prefix, "prtw");
    EXPECT_EQ(CommonNamespaceUri(), table[0].uri);
}

}  // namespace
}  // namespace orvane
