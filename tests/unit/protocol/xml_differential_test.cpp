// Differential test: on many generated well-formed documents, XmlFind must locate at each path the
// value that pugixml finds there under the engine's addressing rules (first occurrence, first
// ordinary attribute only, namespace prefixes mapped, entities undecoded, text trimmed, CDATA raw).
#include <gtest/gtest.h>

#include <map>
#include <pugixml.hpp>
#include <random>
#include <string>
#include <vector>

#include "protocol/xml_engine.h"

namespace orvane {
namespace {

constexpr unsigned kSeed = 20261209;
constexpr int kDocuments = 1500;

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    std::string Document() {
        std::string out =
            Pick({"<?xml version=\"1.0\"?>", "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n"});
        if (Chance(4)) out += "<!-- head -->";
        out += "<cmd";
        for (const char* prefix : {"ivec", "a", "m"}) {
            if (Chance(2)) out += " xmlns:" + std::string(prefix) + "=\"" + RandomUri() + "\"";
        }
        Attributes(&out);
        out += ">";
        Children(&out, 1);
        out += "</cmd>";
        return out;
    }

  private:
    bool Chance(int one_in) { return std::uniform_int_distribution<int>(0, one_in - 1)(random_) == 0; }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::string Pick(std::initializer_list<const char*> options) {
        return *(options.begin() + Between(0, static_cast<int>(options.size()) - 1));
    }

    std::string RandomUri() {
        const std::size_t entry = static_cast<std::size_t>(Between(0, 3));
        return entry < kKnownNamespaceCount ? KnownNamespaces()[entry].uri : "urn:example:other";
    }

    std::string Chars(const std::string& alphabet, int low, int high) {
        std::string out;
        for (int n = Between(low, high); n > 0; --n) {
            if (Chance(12)) {
                out += "&amp;";
            } else {
                out += alphabet[static_cast<std::size_t>(Between(0, static_cast<int>(alphabet.size()) - 1))];
            }
        }
        return out;
    }

    std::string Name() {
        std::string name = Pick({"", "", "ivec:", "a:", "m:", "zz:"});
        return name + Pick({"x", "y", "item", "param_set", "b"}) +
               (Chance(3) ? std::to_string(Between(1, 3)) : "");
    }

    void Attributes(std::string* out) {
        for (int n = Between(0, 2); n > 0; --n) {
            *out += Pick({" ", "  ", "\n\t"}) + Pick({"t", "k", "servicetype", "id"}) + "=\"" +
                    Chars("abc XYZ/019-_.", 0, 8) + "\"";
        }
    }

    std::string Text() {
        return Chars(" \t\r\n", 0, 2) + Chars("abcd EFG/=?!'\">019", 1, 10) + Chars(" \t\r\n", 0, 2);
    }

    void Children(std::string* out, int depth) {
        for (int n = Between(0, 4); n > 0; --n) {
            if (Chance(6)) *out += "<!--" + Chars("ab -", 0, 5) + "-->";
            const std::string name = Name();
            *out += "<" + name;
            Attributes(out);
            const int content = Between(0, 5);
            if (content == 0) {
                *out += Chance(2) ? "/>" : "></" + name + ">";
                continue;
            }
            *out += ">";
            if (content == 1 || depth >= 4) {
                *out += Text();
            } else if (content == 2) {
                *out += "<![CDATA[" + Chars(" <>&ab\r\n", 1, 8) + "]]>";
            } else if (content == 3) {
                *out += Text();
                Children(out, depth + 1);
                if (Chance(2)) *out += Text();
            } else {
                Children(out, depth + 1);
            }
            *out += Chars(" \r\n", 0, 2) + "</" + name + ">";
        }
    }

    std::mt19937 random_;
};

std::string Trim(std::string text) {
    const char* space = " \t\r\n";
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(space) + 1 - first);
}

// Walks pugixml's tree and records, for each engine path, the first value found there.
class ReferenceWalker {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> order;  // paths in first-seen order

    void Walk(const pugi::xml_node& element, const std::string& parent_path) {
        const std::string segment = MappedName(element.name());
        const std::string element_path = parent_path.empty() ? segment : parent_path + "/" + segment;
        std::string path = element_path;
        for (const pugi::xml_attribute& attribute : element.attributes()) {
            const std::string name = attribute.name();
            if (name.rfind("xmlns:", 0) == 0) continue;  // declarations were bound up front
            const std::string quoted = "\"" + std::string(attribute.value()) + "\"";
            Add(element_path + " " + name, quoted);
            path = element_path + " " + name + "=" + quoted;  // only the first ordinary attribute counts
            break;
        }
        Add(path, FirstDirectValue(element));
        for (const pugi::xml_node& child : element.children()) {
            if (child.type() == pugi::node_element) Walk(child, path);
        }
    }

    // Binds the declarations of the root that precede its first ordinary attribute, in order.
    void Bind(const pugi::xml_node& root) {
        for (const pugi::xml_attribute& attribute : root.attributes()) {
            const std::string name = attribute.name();
            if (name.rfind("xmlns:", 0) != 0) return;
            const std::string uri = attribute.value();
            for (std::size_t i = 0; i < kKnownNamespaceCount; ++i) {
                if (KnownNamespaces()[i].uri.rfind(uri, 0) == 0) {
                    if (bound_[i].empty()) bound_[i] = name.substr(6);
                    break;
                }
            }
        }
    }

  private:
    std::string MappedName(const std::string& name) const {
        const std::size_t colon = name.find(':');
        if (colon == std::string::npos) return name;
        for (std::size_t i = 0; i < kKnownNamespaceCount; ++i) {
            if (!bound_[i].empty() && bound_[i] == name.substr(0, colon)) {
                return std::string(KnownNamespaces()[i].fixed_prefix) + name.substr(colon);
            }
        }
        return name;
    }

    static std::string FirstDirectValue(const pugi::xml_node& element) {
        for (const pugi::xml_node& child : element.children()) {
            if (child.type() == pugi::node_pcdata) return Trim(child.value());
            if (child.type() == pugi::node_cdata) return child.value();
        }
        return {};
    }

    void Add(const std::string& path, const std::string& value) {
        if (values.emplace(path, value).second) order.push_back(path);
    }

    std::string bound_[kKnownNamespaceCount];
};

TEST(XmlDifferential, FindAgreesWithPugixml) {
    Generator generator(kSeed);
    int compared = 0;
    for (int n = 0; n < kDocuments; ++n) {
        const std::string doc = generator.Document();
        pugi::xml_document tree;
        ASSERT_TRUE(tree.load_buffer(doc.data(), doc.size(), pugi::parse_cdata, pugi::encoding_utf8)) << doc;
        ReferenceWalker reference;
        reference.Bind(tree.document_element());
        reference.Walk(tree.document_element(), "");

        std::vector<XmlQuery> queries;
        for (const std::string& path : reference.order) queries.push_back({path, {}});
        queries.push_back({"cmd/never", {}});
        XmlMatchSet set;
        ASSERT_EQ(XmlFind(doc, queries, 0, &set), kXmlOk) << doc;
        for (std::size_t i = 0; i < reference.order.size(); ++i) {
            EXPECT_EQ(set.Value(i), reference.values[reference.order[i]]) << reference.order[i] << "\n"
                                                                          << doc;
            ++compared;
        }
        EXPECT_EQ(set.slots.back().state, XmlSlotState::NotLocated);
        EXPECT_EQ(set.document_end, doc.size());
    }
    EXPECT_GT(compared, kDocuments * 3);
}

}  // namespace
}  // namespace orvane
