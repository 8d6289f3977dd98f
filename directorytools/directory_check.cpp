#include "directorytools/directory_check.h"

#include "remotesetup/input_rules.h"
#include "text/utf_text.h"

#include <map>

namespace orvane {
namespace {

// "01, 02 and 03".
std::string Listed(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    }
    return out;
}

// True when the field of `rules` keeps `text` exactly as it is when it is typed.
bool Accepted(std::u16string_view text, const FieldRules& rules, std::int32_t limit) {
    return FilterFieldText(text, rules, static_cast<std::size_t>(std::max(limit, 0))) == text;
}

// Where a problem is: the label the texts use, the part of the directory and the slot ID in it.
struct Where {
    std::string label;
    ProblemPlace place;
    std::string id;  // empty for the sender

    static Where Dial(const std::string& id) { return {id, ProblemPlace::kDial, id}; }
    static Where Sender() { return {"sender", ProblemPlace::kSender, {}}; }
    static Where Reject(const std::string& id) { return {"rejected " + id, ProblemPlace::kReject, id}; }
};

class Checker {
  public:
    Checker(const DeviceCapability& capability, const PortableDirectory& directory)
        : capability_(capability),
          directory_(directory),
          name_rules_(FieldRules::Name(KeycodeSetFor(capability.keycode_type))) {
        for (const PortableEntry& entry : directory.entries) kinds_[entry.id] = entry.kind;
    }

    std::vector<DirectoryProblem> Run() {
        std::map<std::u16string, std::vector<std::string>> numbers;
        for (const PortableEntry& entry : directory_.entries) {
            if (entry.kind == EntryKind::Group) Group(entry);
            if (entry.kind == EntryKind::Individual) {
                Texts(Where::Dial(entry.id), entry.name, capability_.current_name_length, entry.number,
                      FaxEditMode::kDialEntry, capability_.current_tel_no_length);
                numbers[entry.number].push_back(entry.id);
            }
        }
        Repeated(numbers, "duplicate-number", ProblemPlace::kDial, "slots");
        if (directory_.sender) {
            Texts(Where::Sender(), directory_.sender->name, capability_.current_user_name_length,
                  directory_.sender->number, FaxEditMode::kSenderNumber,
                  capability_.current_user_tel_no_length);
        }
        std::map<std::u16string, std::vector<std::string>> rejected;
        for (const PortableReject& reject : directory_.rejects) {
            if (reject.number.empty()) continue;
            NumberText(Where::Reject(reject.id), reject.number, FaxEditMode::kRejectedNumber,
                       capability_.current_reject_tel_no_length);
            rejected[reject.number].push_back(reject.id);
        }
        Repeated(rejected, "duplicate-rejected", ProblemPlace::kReject, "reject slots");
        return std::move(problems_);
    }

  private:
    void Add(DirectoryProblem problem) { problems_.push_back(std::move(problem)); }

    // A problem of one slot (or of the sender).
    void AddAt(std::string kind, const Where& where, std::string text, std::u16string_view subject = {}) {
        std::vector<std::string> slot_ids;
        if (!where.id.empty()) slot_ids.push_back(where.id);
        Add({std::move(kind), where.label, std::move(text), where.place, std::move(slot_ids),
             std::u16string(subject)});
    }

    void Group(const PortableEntry& group) {
        const std::string label = "group " + group.id + " " + QuotedText(group.name);
        const Where where = Where::Dial(group.id);
        if (!Accepted(group.name, name_rules_, capability_.current_name_length)) {
            AddAt("name-refused", where, "the name of " + label + " is not one the printer's rules accept",
                  group.name);
        }
        if (group.members.empty()) {
            AddAt("group-without-members", where, label + " has no members");
            return;
        }
        for (const std::string& member : group.members) {
            const auto kind = kinds_.find(member);
            if (kind == kinds_.end() || kind->second == EntryKind::Empty) {
                Add({"empty-member",
                     group.id,
                     label + ": member " + member + " names an empty slot",
                     ProblemPlace::kDial,
                     {group.id, member},
                     {}});
            }
        }
    }

    void Texts(const Where& where, std::u16string_view name, std::int32_t name_limit,
               std::u16string_view number, FaxEditMode mode, std::int32_t number_limit) {
        if (!Accepted(name, name_rules_, name_limit)) {
            AddAt("name-refused", where,
                  where.label + ": the name " + QuotedText(name) + " is not one the printer's rules accept",
                  name);
        }
        NumberText(where, number, mode, number_limit);
    }

    void NumberText(const Where& where, std::u16string_view number, FaxEditMode mode, std::int32_t limit) {
        if (!Accepted(number, FieldRules::Number(mode), limit)) {
            AddAt(
                "number-refused", where,
                where.label + ": the number " + QuotedText(number) + " is not one the printer's rules accept",
                number);
        }
    }

    void Repeated(const std::map<std::u16string, std::vector<std::string>>& numbers, const std::string& kind,
                  ProblemPlace place, const std::string& what) {
        for (const auto& [number, slots] : numbers) {
            if (slots.size() > 1) {
                Add({kind, slots.front(),
                     "the number " + QuotedText(number) + " is in the " + what + " " + Listed(slots), place,
                     slots, number});
            }
        }
    }

    const DeviceCapability& capability_;
    const PortableDirectory& directory_;
    FieldRules name_rules_;
    std::map<std::string, EntryKind> kinds_;
    std::vector<DirectoryProblem> problems_;
};

}  // namespace

std::vector<DirectoryProblem> CheckDirectory(const DeviceCapability& capability,
                                             const PortableDirectory& directory) {
    return Checker(capability, directory).Run();
}

}  // namespace orvane
