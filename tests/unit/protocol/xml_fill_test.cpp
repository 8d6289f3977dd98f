// XmlFill: exact output bytes, placeholders left alone, and the 2048-byte limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/xml_engine.h"

namespace orvane {
namespace {

const std::string kDecl = "<?xml version=\"1.0\" ?>";

struct FillRow {
    const char* name;
    std::string body;
    std::vector<XmlQuery> queries;
    std::string expected_body;
};

class XmlFillRows : public testing::TestWithParam<FillRow> {};

TEST_P(XmlFillRows, ProducesExactBytes) {
    std::string text = kDecl + GetParam().body;
    ASSERT_EQ(XmlFill(&text, GetParam().queries), kXmlOk);
    EXPECT_EQ(text, kDecl + GetParam().expected_body);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, XmlFillRows,
    testing::Values(
        FillRow{"EmptyElement", "<cmd><r></r></cmd>", {{"cmd/r", "OK"}}, "<cmd><r>OK</r></cmd>"},
        FillRow{"SelfClosedElement",
                "<cmd><ivec:response/></cmd>",
                {{"cmd/ivec:response", "OK"}},
                "<cmd><ivec:response>OK</ivec:response></cmd>"},
        FillRow{"SelfClosedReboundPrefixWrittenBack",
                "<cmd xmlns:a=\"" + CommonNamespaceUri() + "\"><a:r/></cmd>",
                {{"cmd/ivec:r", "OK"}},
                "<cmd xmlns:a=\"" + CommonNamespaceUri() + "\"><a:r>OK</a:r></cmd>"},
        FillRow{"TextReplaced",
                "<cmd><a>%s</a><b>old</b></cmd>",
                {{"cmd/b", "new"}, {"cmd/a", "1"}},
                "<cmd><a>1</a><b>new</b></cmd>"},
        FillRow{"AttributeKeepsCallerQuotes",
                "<cmd><p t=\"%s\"><j>%s</j></p></cmd>",
                {{"cmd/p t", "\"fax\""}, {"cmd/p t=\"%s\"/j", "7"}},
                "<cmd><p t=\"fax\"><j>7</j></p></cmd>"},
        FillRow{"EmptyReplacementLeavesPlaceholder",
                "<cmd><a>%s</a><b/></cmd>",
                {{"cmd/a", ""}, {"cmd/b", ""}},
                "<cmd><a>%s</a><b/></cmd>"},
        FillRow{"UnknownPathChangesNothing", "<cmd><a>x</a></cmd>", {{"cmd/z", "y"}}, "<cmd><a>x</a></cmd>"},
        FillRow{"OnlyFirstOccurrence",
                "<cmd><a>1</a><a>2</a></cmd>",
                {{"cmd/a", "9"}},
                "<cmd><a>9</a><a>2</a></cmd>"},
        FillRow{"MixedStates",
                "<cmd><a/><b></b><c>%s</c></cmd>",
                {{"cmd/c", "3"}, {"cmd/a", "1"}, {"cmd/b", "2"}},
                "<cmd><a>1</a><b>2</b><c>3</c></cmd>"}),
    [](const testing::TestParamInfo<FillRow>& info) { return std::string(info.param.name); });

TEST(XmlFill, ReportsOutputOffsets) {
    std::string text = kDecl + "<cmd><a/><b>%s</b></cmd>";
    XmlMatchSet set;
    ASSERT_EQ(XmlFill(&text, std::vector<XmlQuery>{{"cmd/b", "BB"}, {"cmd/a", "AA"}}, &set), kXmlOk);
    EXPECT_EQ(text.substr(set.slots[0].output_offset, 2), "BB");
    EXPECT_EQ(text.substr(set.slots[1].output_offset, 2), "AA");
    EXPECT_EQ(set.capacity, text.size());
    EXPECT_EQ(set.output, text);
}

// A template whose filled length is `filled` bytes.
std::string TemplateFilledTo(std::size_t filled, std::string* replacement) {
    const std::string text = kDecl + "<cmd><a>%s</a></cmd>";
    *replacement = std::string(filled - (text.size() - 2), 'x');
    return text;
}

TEST(XmlFill, FillsUpToExactlyTheCapacity) {
    std::string replacement;
    std::string text = TemplateFilledTo(kXmlOutputCapacity, &replacement);
    ASSERT_EQ(XmlFill(&text, std::vector<XmlQuery>{{"cmd/a", replacement}}), kXmlOk);
    EXPECT_EQ(text.size(), kXmlOutputCapacity);
}

TEST(XmlFill, OversizedFillFailsAndReportsNeededLength) {
    std::string replacement;
    const std::string original = TemplateFilledTo(kXmlOutputCapacity + 1, &replacement);
    std::string text = original;
    XmlMatchSet set;
    EXPECT_EQ(XmlFill(&text, std::vector<XmlQuery>{{"cmd/a", replacement}}, &set), kXmlFillTooLong);
    EXPECT_EQ(set.capacity, kXmlOutputCapacity + 1);
    EXPECT_EQ(text, original);
    EXPECT_TRUE(set.output.empty());
}

TEST(XmlFill, OversizedSelfClosedGrowthCounted) {
    // The rewrite of `<ab/>` adds the name and `</>`: one byte short of the limit still fits.
    const std::string text = kDecl + "<cmd><ab/></cmd>";
    const std::size_t fixed = text.size() + 4;  // `>` `</ab>` replace `/>` : +2 + name
    std::string fits = text;
    ASSERT_EQ(XmlFill(&fits, std::vector<XmlQuery>{{"cmd/ab", std::string(kXmlOutputCapacity - fixed, 'y')}}),
              kXmlOk);
    EXPECT_EQ(fits.size(), kXmlOutputCapacity);
    std::string too_long = text;
    EXPECT_EQ(XmlFill(&too_long,
                      std::vector<XmlQuery>{{"cmd/ab", std::string(kXmlOutputCapacity - fixed + 1, 'y')}}),
              kXmlFillTooLong);
}

TEST(XmlFill, FailuresLeaveTemplateUntouched) {
    std::string text = "junk" + kDecl + "<cmd><a>1</a></cmd>";
    const std::string original = text;
    EXPECT_EQ(XmlFill(&text, std::vector<XmlQuery>{{"cmd/a", "2"}}), kXmlResume);
    EXPECT_EQ(text, original);
    EXPECT_EQ(XmlFill(&text, {}), kXmlMissingArgument);
    EXPECT_EQ(XmlFill(nullptr, std::vector<XmlQuery>{{"cmd/a", "2"}}), kXmlMissingArgument);
}

}  // namespace
}  // namespace orvane
