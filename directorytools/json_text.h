// A small JSON reader and the string quoting of the JSON writers: enough for the directory documents
// that orvane-cli prints and reads back, with the line of every value for messages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct JsonMember;

// One parsed JSON value.
struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;             // Bool
    std::string text;                 // String: UTF-8 contents; Number: its literal
    std::vector<JsonValue> items;     // Array
    std::vector<JsonMember> members;  // Object, in document order
    std::size_t line = 1;             // where the value starts, from 1

    // The member named `key` of an object, or null.
    const JsonValue* Find(std::string_view key) const;
};

// One member of an object.
struct JsonMember {
    std::string key;
    JsonValue value;
};

// Nesting deeper than this is refused, so that hostile input cannot exhaust the stack.
inline constexpr int kMaxJsonDepth = 64;

// Parses the whole of `text` (one value, white space around it). False with `*error` naming the line
// ("line 3: expected ':' after an object key") for malformed JSON, invalid UTF-8 in a string, a
// duplicate object key or nesting beyond kMaxJsonDepth.
bool ParseJson(std::string_view text, JsonValue* value, std::string* error);

// `utf8` as a JSON string literal: quotes, backslash escapes for '"' and '\', \u00XX for control
// characters.
std::string JsonString(std::string_view utf8);

}  // namespace orvane
