#include "directorytools/json_text.h"

#include "text/utf_text.h"

#include <cstdio>

namespace orvane {
namespace {

class JsonParser {
  public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    bool Document(JsonValue* value, std::string* error) {
        const bool ok =
            Value(value, 0) && (SkipSpace(), AtEnd() || Fail("unexpected text after the document"));
        if (!ok) *error = "line " + std::to_string(line_) + ": " + error_;
        return ok;
    }

  private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    bool Fail(const std::string& message) {
        error_ = message;
        return false;
    }

    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            if (Peek() == '\n') ++line_;
            ++pos_;
        }
    }

    bool Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return Fail("unknown word; expected a JSON value");
        pos_ += word.size();
        return true;
    }

    bool Value(JsonValue* value, int depth) {
        SkipSpace();
        value->line = line_;
        if (depth > kMaxJsonDepth) return Fail("nested too deeply");
        switch (Peek()) {
            case '{':
                value->type = JsonValue::Type::Object;
                return Object(value, depth);
            case '[':
                value->type = JsonValue::Type::Array;
                return Array(value, depth);
            case '"':
                value->type = JsonValue::Type::String;
                return String(&value->text);
            case 't':
                value->type = JsonValue::Type::Bool;
                value->boolean = true;
                return Literal("true");
            case 'f':
                value->type = JsonValue::Type::Bool;
                return Literal("false");
            case 'n':
                return Literal("null");
            case '\0':
                if (AtEnd()) return Fail("the document ends where a value is expected");
                break;
            default:
                break;
        }
        value->type = JsonValue::Type::Number;
        return Number(&value->text);
    }

    bool Number(std::string* literal) {
        const std::size_t start = pos_;
        if (Peek() == '-') ++pos_;
        const auto digits = [this] {
            const std::size_t first = pos_;
            while (!AtEnd() && Peek() >= '0' && Peek() <= '9') ++pos_;
            return pos_ > first;
        };
        if (!digits()) return Fail("expected a JSON value");
        if (Peek() == '.' && (++pos_, !digits())) return Fail("expected digits after '.'");
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-') ++pos_;
            if (!digits()) return Fail("expected digits in the exponent");
        }
        *literal = std::string(text_.substr(start, pos_ - start));
        return true;
    }

    bool Hex4(char32_t* unit) {
        if (text_.size() - pos_ < 4) return Fail("\\u needs four hexadecimal digits");
        *unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_++];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return Fail("\\u needs four hexadecimal digits");
            *unit = *unit * 16 + static_cast<char32_t>(digit);
        }
        return true;
    }

    bool Escape(std::string* out) {
        const char c = Peek();
        ++pos_;
        static constexpr std::string_view kFrom = "\"\\/bfnrt";
        static constexpr std::string_view kTo = "\"\\/\b\f\n\r\t";
        if (const std::size_t at = kFrom.find(c); at != std::string_view::npos && c != '\0') {
            *out += kTo[at];
            return true;
        }
        if (c != 'u') return Fail("unknown escape in a string");
        char32_t code = 0;
        if (!Hex4(&code)) return false;
        if (code >= 0xD800 && code <= 0xDBFF) {
            char32_t low = 0;
            if (text_.substr(pos_, 2) != "\\u") return Fail("a lone surrogate in a \\u escape");
            pos_ += 2;
            if (!Hex4(&low) || low < 0xDC00 || low > 0xDFFF) return Fail("a lone surrogate in a \\u escape");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        } else if (code >= 0xDC00 && code <= 0xDFFF) {
            return Fail("a lone surrogate in a \\u escape");
        }
        AppendUtf8(code, out);
        return true;
    }

    bool String(std::string* out) {
        ++pos_;  // the opening quote
        out->clear();
        while (true) {
            if (AtEnd()) return Fail("a string is not closed");
            const char c = text_[pos_];
            if (c == '"') break;
            if (static_cast<unsigned char>(c) < 0x20)
                return Fail("a control character or line break in a string");
            ++pos_;
            if (c != '\\') {
                *out += c;
            } else if (!Escape(out)) {
                return false;
            }
        }
        ++pos_;
        if (!IsValidUtf8(*out)) return Fail("a string is not valid UTF-8");
        return true;
    }

    bool Array(JsonValue* value, int depth) {
        ++pos_;
        SkipSpace();
        if (Peek() == ']') return ++pos_, true;
        while (true) {
            value->items.emplace_back();
            if (!Value(&value->items.back(), depth + 1)) return false;
            SkipSpace();
            if (Peek() == ']') return ++pos_, true;
            if (Peek() != ',') return Fail("expected ',' or ']' in an array");
            ++pos_;
        }
    }

    bool Object(JsonValue* value, int depth) {
        ++pos_;
        SkipSpace();
        if (Peek() == '}') return ++pos_, true;
        while (true) {
            SkipSpace();
            if (Peek() != '"') return Fail("expected a quoted key in an object");
            std::string key;
            if (!String(&key)) return false;
            if (value->Find(key) != nullptr) return Fail("the key \"" + key + "\" appears twice");
            SkipSpace();
            if (Peek() != ':') return Fail("expected ':' after an object key");
            ++pos_;
            value->members.push_back(JsonMember{std::move(key), JsonValue{}});
            if (!Value(&value->members.back().value, depth + 1)) return false;
            SkipSpace();
            if (Peek() == '}') return ++pos_, true;
            if (Peek() != ',') return Fail("expected ',' or '}' in an object");
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::string error_;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view key) const {
    for (const auto& [name, member] : members) {
        if (name == key) return &member;
    }
    return nullptr;
}

bool ParseJson(std::string_view text, JsonValue* value, std::string* error) {
    *value = JsonValue{};
    return JsonParser(text).Document(value, error);
}

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace orvane
