#include "directorytools/directory_json.h"

#include "directorytools/directory_kind.h"
#include "directorytools/json_text.h"
#include "remotesetup/text_codec.h"

#include <algorithm>

namespace orvane {
namespace {

std::string JsonCapability(const DeviceCapability& capability) {
    const CapabilityTexts texts = capability.ToTexts();
    std::vector<std::string> fields;
    for (CapabilityField field : kCapabilityFields) {
        const std::string& text = CapabilityText(texts, field);
        const std::string value = IsCapabilityNumber(field) ? text : JsonString(AsciiFieldToUtf8(text));
        fields.push_back(JsonString(CapabilityFieldName(field)) + ": " + value);
    }
    return "{" + Joined(fields, ", ") + "}";
}

std::string JsonSlot(const DialEntry& entry) {
    std::vector<std::string> members;
    const std::size_t used = std::min<std::size_t>(entry.member_count, entry.members.size());
    for (std::size_t i = 0; i < used; ++i)
        members.push_back(JsonString(AsciiFieldToUtf8(FieldText(entry.members[i]))));
    return "{\"id\": " + JsonString(AsciiFieldToUtf8(FieldText(entry.slot_id))) +
           ", \"kind\": " + JsonString(KindName(entry.kind)) +
           ", \"name\": " + JsonString(DeviceNameToUtf8(FieldText(entry.name))) +
           ", \"number\": " + JsonString(AsciiFieldToUtf8(FieldText(entry.number))) + ", \"members\": [" +
           Joined(members, ", ") + "]}";
}

std::string JsonReject(const RejectEntry& reject) {
    return "{\"id\": " + JsonString(AsciiFieldToUtf8(FieldText(reject.slot_id))) +
           ", \"number\": " + JsonString(AsciiFieldToUtf8(FieldText(reject.number))) + "}";
}

// Reads the parts of a document, each check naming the line of the offending value.
class DocumentReader {
  public:
    explicit DocumentReader(std::string* error) : error_(error) {}

    bool Read(const JsonValue& root, PortableDirectory* directory) {
        if (!Expect(root, JsonValue::Type::Object, "the document") ||
            !OnlyKeys(root, {"capability", "slots", "sender", "rejected"}, "the document")) {
            return false;
        }
        if (const JsonValue* slots = root.Find("slots"); slots != nullptr) {
            if (!Expect(*slots, JsonValue::Type::Array, "\"slots\"")) return false;
            for (const JsonValue& slot : slots->items) {
                if (!Slot(slot, &directory->entries.emplace_back())) return false;
            }
        }
        if (const JsonValue* sender = root.Find("sender"); sender != nullptr) {
            if (!Sender(*sender, &directory->sender.emplace())) return false;
        }
        if (const JsonValue* rejected = root.Find("rejected"); rejected != nullptr) {
            if (!Expect(*rejected, JsonValue::Type::Array, "\"rejected\"")) return false;
            for (const JsonValue& reject : rejected->items) {
                if (!Reject(reject, &directory->rejects.emplace_back())) return false;
            }
        }
        return true;
    }

  private:
    static std::string_view TypeName(JsonValue::Type type) {
        switch (type) {
            case JsonValue::Type::Object:
                return "an object";
            case JsonValue::Type::Array:
                return "an array";
            case JsonValue::Type::String:
                return "a string";
            default:
                return "a value";
        }
    }

    bool Fail(const JsonValue& value, const std::string& message) {
        *error_ = "line " + std::to_string(value.line) + ": " + message;
        return false;
    }

    bool Expect(const JsonValue& value, JsonValue::Type type, const std::string& what) {
        return value.type == type || Fail(value, what + " must be " + std::string(TypeName(type)));
    }

    bool OnlyKeys(const JsonValue& object, std::initializer_list<std::string_view> keys,
                  const std::string& what) {
        for (const auto& [name, member] : object.members) {
            if (std::find(keys.begin(), keys.end(), name) == keys.end()) {
                return Fail(member, what + " has no key \"" + name + "\"");
            }
        }
        return true;
    }

    // The string member `key` converted to UTF-16 (absent: empty).
    bool Text(const JsonValue& object, std::string_view key, std::u16string* out) {
        const JsonValue* value = object.Find(key);
        if (value == nullptr) return true;
        if (!Expect(*value, JsonValue::Type::String, "\"" + std::string(key) + "\"")) return false;
        Utf8ToUtf16(value->text, out);  // the parser has checked the UTF-8
        return true;
    }

    bool Id(const JsonValue& object, std::string* id) {
        const JsonValue* value = object.Find("id");
        if (value == nullptr) return Fail(object, "an entry has no \"id\"");
        if (!Expect(*value, JsonValue::Type::String, "\"id\"")) return false;
        *id = value->text;
        return true;
    }

    bool Members(const JsonValue& slot, std::vector<std::string>* members) {
        const JsonValue* list = slot.Find("members");
        if (list == nullptr) return true;
        if (!Expect(*list, JsonValue::Type::Array, "\"members\"")) return false;
        for (const JsonValue& member : list->items) {
            if (!Expect(member, JsonValue::Type::String, "a member")) return false;
            members->push_back(member.text);
        }
        return true;
    }

    bool Slot(const JsonValue& slot, PortableEntry* entry) {
        entry->line = slot.line;
        if (!Expect(slot, JsonValue::Type::Object, "a slot") ||
            !OnlyKeys(slot, {"id", "kind", "name", "number", "members"}, "a slot") || !Id(slot, &entry->id) ||
            !Text(slot, "name", &entry->name) || !Text(slot, "number", &entry->number) ||
            !Members(slot, &entry->members)) {
            return false;
        }
        const JsonValue* kind = slot.Find("kind");
        if (kind == nullptr) {
            entry->kind = InferredKind(*entry);
            return true;
        }
        if (!Expect(*kind, JsonValue::Type::String, "\"kind\"")) return false;
        const std::optional<EntryKind> named = KindFromName(kind->text);
        if (!named) return Fail(*kind, "unknown kind \"" + kind->text + "\" (empty, individual or group)");
        entry->kind = *named;
        return true;
    }

    bool Sender(const JsonValue& value, PortableSender* sender) {
        sender->line = value.line;
        return Expect(value, JsonValue::Type::Object, "\"sender\"") &&
               OnlyKeys(value, {"name", "number"}, "\"sender\"") && Text(value, "name", &sender->name) &&
               Text(value, "number", &sender->number);
    }

    bool Reject(const JsonValue& value, PortableReject* reject) {
        reject->line = value.line;
        return Expect(value, JsonValue::Type::Object, "a rejected number") &&
               OnlyKeys(value, {"id", "number"}, "a rejected number") && Id(value, &reject->id) &&
               Text(value, "number", &reject->number);
    }

    std::string* error_;
};

}  // namespace

std::string DirectoryJson(const DeviceCapability& capability, const DirectoryData& data) {
    std::vector<std::string> slots;
    for (const DialEntry& entry : data.entries) slots.push_back("    " + JsonSlot(entry));
    std::vector<std::string> rejects;
    for (const RejectEntry& reject : data.rejects) rejects.push_back("    " + JsonReject(reject));
    return "{\n  \"capability\": " + JsonCapability(capability) + ",\n  \"slots\": [\n" +
           Joined(slots, ",\n") +
           "\n  ],\n  \"sender\": {\"name\": " + JsonString(DeviceNameToUtf8(FieldText(data.sender.name))) +
           ", \"number\": " + JsonString(AsciiFieldToUtf8(FieldText(data.sender.number))) +
           "},\n  \"rejected\": [\n" + Joined(rejects, ",\n") + "\n  ]\n}\n";
}

bool ParseDirectoryJson(std::string_view text, PortableDirectory* directory, std::string* error) {
    *directory = PortableDirectory{};
    JsonValue root;
    return ParseJson(text, &root, error) && DocumentReader(error).Read(root, directory);
}

bool ReadJsonCapability(std::string_view text, CapabilityTexts* texts, std::string* error) {
    JsonValue root;
    if (!ParseJson(text, &root, error)) return false;
    const JsonValue* capability = root.Find("capability");
    if (capability == nullptr || capability->type != JsonValue::Type::Object) {
        *error = "line " + std::to_string(capability ? capability->line : root.line) +
                 ": a JSON directory read on its own needs its \"capability\" object";
        return false;
    }
    for (CapabilityField field : kCapabilityFields) {
        const std::string_view name = CapabilityFieldName(field);
        const JsonValue* value = capability->Find(name);
        const JsonValue::Type type =
            IsCapabilityNumber(field) ? JsonValue::Type::Number : JsonValue::Type::String;
        if (value == nullptr || value->type != type) {
            *error = "line " + std::to_string(value ? value->line : capability->line) +
                     ": \"capability\" needs \"" + std::string(name) + "\" as a " +
                     (type == JsonValue::Type::String ? "string" : "number");
            return false;
        }
        CapabilityText(*texts, field) = value->text;
    }
    return true;
}

bool LooksLikeJson(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '{';
}

}  // namespace orvane
