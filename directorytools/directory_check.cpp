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
                Texts(entry.id, entry.name, capability_.current_name_length, entry.number,
                      FaxEditMode::kDialEntry, capability_.current_tel_no_length);
                numbers[entry.number].push_back(entry.id);
            }
        }
        Repeated(numbers, "duplicate-number", "slots");
        if (directory_.sender) {
            Texts("sender", directory_.sender->name, capability_.current_user_name_length,
                  directory_.sender->number, FaxEditMode::kSenderNumber,
                  capability_.current_user_tel_no_length);
        }
        std::map<std::u16string, std::vector<std::string>> rejected;
        for (const PortableReject& reject : directory_.rejects) {
            if (reject.number.empty()) continue;
            NumberText("rejected " + reject.id, reject.number, FaxEditMode::kRejectedNumber,
                       capability_.current_reject_tel_no_length);
            rejected[reject.number].push_back(reject.id);
        }
        Repeated(rejected, "duplicate-rejected", "reject slots");
        return std::move(problems_);
    }

  private:
    void Add(std::string kind, std::string slot, std::string text) {
        problems_.push_back({std::move(kind), std::move(slot), std::move(text)});
    }

    void Group(const PortableEntry& group) {
        const std::string label = "group " + group.id + " " + QuotedText(group.name);
        if (!Accepted(group.name, name_rules_, capability_.current_name_length)) {
            Add("name-refused", group.id, "the name of " + label + " is not one the printer's rules accept");
        }
        if (group.members.empty()) {
            Add("group-without-members", group.id, label + " has no members");
            return;
        }
        for (const std::string& member : group.members) {
            const auto kind = kinds_.find(member);
            if (kind == kinds_.end() || kind->second == EntryKind::Empty) {
                Add("empty-member", group.id, label + ": member " + member + " names an empty slot");
            }
        }
    }

    void Texts(const std::string& slot, std::u16string_view name, std::int32_t name_limit,
               std::u16string_view number, FaxEditMode mode, std::int32_t number_limit) {
        if (!Accepted(name, name_rules_, name_limit)) {
            Add("name-refused", slot,
                slot + ": the name " + QuotedText(name) + " is not one the printer's rules accept");
        }
        NumberText(slot, number, mode, number_limit);
    }

    void NumberText(const std::string& slot, std::u16string_view number, FaxEditMode mode,
                    std::int32_t limit) {
        if (!Accepted(number, FieldRules::Number(mode), limit)) {
            Add("number-refused", slot,
                slot + ": the number " + QuotedText(number) + " is not one the printer's rules accept");
        }
    }

    void Repeated(const std::map<std::u16string, std::vector<std::string>>& numbers, const std::string& kind,
                  const std::string& what) {
        for (const auto& [number, slots] : numbers) {
            if (slots.size() > 1) {
                Add(kind, slots.front(),
                    "the number " + QuotedText(number) + " is in the " + what + " " + Listed(slots));
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
