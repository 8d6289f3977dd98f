// write and restore on one printer: the file (a directory file or JSON) loaded into the printer's
// directory, then the check, backup, write and verify of printer_write.h.
#include "cli/cli_commands.h"
#include "cli/directory_source.h"
#include "cli/printer_write.h"
#include "directorytools/directory_fit.h"
#include "directorytools/directory_json.h"
#include "directorytools/directory_merge.h"
#include "remotesetup/directory_file.h"
#include "remotesetup/text_codec.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane::cli {
namespace {

// The directories of a merge besides the base, which is loaded into Working.
struct MergeInputs {
    std::string base_file;  // BASE, for messages
    DirectoryData printer;  // the printer's directory now
    DirectoryData here;     // FILE
};

// The one printer of a command that works on one.
bool ResolveOnlyDevice(const CliOptions& options, DeviceTarget* target, std::ostream& err) {
    std::string error;
    if (ResolveDevice(options.Devices().front(), options.product_id, target, &error)) return true;
    FailWith(err, error);
    return false;
}

// Checks the file's product tag; with --force another product (or an unchecked one) only warns.
RsResult CheckProduct(const CRSUFuncRemoteSetup& setup, const DeviceTarget& target, const std::string& file,
                      bool force, std::ostream& err) {
    const RsResult result = setup.CheckDirectoryFile(file, target.product_id.value_or(0));
    if (result != rs::kOtherProduct || !force) return result;
    err << "orvane-cli: warning: " << file
        << (target.product_id ? " was made for another printer model" : "'s printer model was not checked")
        << "; writing it anyway (--force)\n";
    return rs::kSuccess;
}

// Fits the JSON document `text` into Working, replacing the whole directory; what did not arrive
// as given is printed as warnings.
bool LoadJson(CRSUFuncRemoteSetup& setup, const std::string& file, std::string_view text, std::ostream& err) {
    PortableDirectory directory;
    std::string error;
    if (!ParseDirectoryJson(text, &directory, &error)) return FailWith(err, file + ": " + error), false;
    FitReport report;
    const RsResult result = FitIntoWorking(directory, FitMode::Replace, setup, &report);
    if (result != rs::kSuccess) return Fail(err, "loading " + file, result), false;
    for (const FitNote& note : report.notes)
        err << "orvane-cli: warning: " << file << ": " << note.Text() << "\n";
    return true;
}

// Loads the directory file or JSON document `file`, whose bytes are `text`, into Working; a directory
// file's product ID goes to `*file_product`.
bool LoadWriteSource(CRSUFuncRemoteSetup& setup, const DeviceTarget& target, const std::string& file,
                     std::string_view text, bool force, std::optional<std::uint16_t>* file_product,
                     std::ostream& err) {
    // A directory file is stored inverted, so it never starts like a JSON document.
    if (LooksLikeJson(text)) return LoadJson(setup, file == "-" ? "standard input" : file, text, err);
    if (file == "-") return FailWith(err, "standard input holds no JSON document"), false;
    RsResult result = CheckProduct(setup, target, file, force, err);
    if (result != rs::kSuccess) {
        return Fail(err, "checking " + file, result,
                    result == rs::kOtherProduct ? "Use --force to write it anyway." : ""),
               false;
    }
    if ((result = setup.LoadDirectoryFile(file)) != rs::kSuccess)
        return Fail(err, "loading " + file, result), false;
    std::string plain(text);
    std::uint16_t product_id = 0;
    if (InvertBytes(plain) == rs::kSuccess && ReadProductTag(plain, &product_id) == rs::kSuccess) {
        *file_product = product_id;
    }
    return true;
}

// What `directory` holds in the slot of `slot`, in one line.
std::string SlotText(const PortableDirectory& directory, const MergeSlot& slot) {
    switch (slot.part) {
        case MergePart::Dial:
            return DescribeEntry(directory.entries[slot.index]);
        case MergePart::Sender:
            return QuotedText(directory.sender->name) + " " + QuotedText(directory.sender->number);
        case MergePart::Reject:
            break;
    }
    return QuotedText(directory.rejects[slot.index].number);
}

// Every conflict left, by slot ID with what each side holds; nothing was written.
int ListConflicts(const std::vector<MergeSlot>& slots, const MergeInputs& inputs, const std::string& printer,
                  const std::string& file, std::ostream& err) {
    const PortableDirectory on_printer = ToPortable(inputs.printer);
    const PortableDirectory in_file = ToPortable(inputs.here);
    err << "orvane-cli: nothing was written to " << printer << ": it and " << file
        << " changed these slots differently since " << inputs.base_file
        << "; settle them with --prefer file or --prefer printer:\n";
    for (const MergeSlot& slot : slots) {
        if (slot.change != SlotChange::Conflict) continue;
        err << "  " << slot.id << ": the printer holds " << SlotText(on_printer, slot) << ", " << file
            << " holds " << SlotText(in_file, slot) << "\n";
    }
    return kExitConflicts;
}

// With --base: Working (FILE) becomes the merge of FILE and the printer's directory just read
// (Baseline), BASE being the directory FILE was edited from. Conflicts that --prefer does not settle
// are listed, and nothing is written.
int MergeWithBase(const CliOptions& options, CRSUFuncRemoteSetup& setup, const DeviceTarget& target,
                  const std::string& what, std::ostream& err) {
    std::string text;
    std::string error;
    if (!ReadTextFile(options.base, &text, &error)) return FailWith(err, error);
    MergeInputs inputs{options.base, *setup.Copy(DirectoryCopy::Baseline),
                       *setup.Copy(DirectoryCopy::Working)};
    std::optional<std::uint16_t> base_product;
    if (!LoadWriteSource(setup, target, options.base, text, options.force, &base_product, err))
        return kExitFailure;
    DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    std::vector<MergeSlot> slots = CompareThreeWay(working, inputs.printer, inputs.here);
    if (options.prefer) ChooseForConflicts(slots, *options.prefer);
    if (!options.prefer && HasConflict(slots))
        return ListConflicts(slots, inputs, target.Description(), what, err);
    MergeResult merge = MergeDirectories(working, inputs.printer, inputs.here, slots);
    working = std::move(merge.merged);
    for (const DroppedMember& dropped : merge.dropped) {
        err << "orvane-cli: warning: group " << dropped.group << " no longer has member " << dropped.member
            << ": the merge emptied that slot\n";
    }
    return kExitSuccess;
}

}  // namespace

int WriteToTarget(const CliOptions& options, const DeviceTarget& target, const std::string& file,
                  std::string_view text, std::ostream& out, std::ostream& err) {
    CRSUFuncRemoteSetup setup;
    const RsResult result = ReadDevice(setup, target);
    if (result != rs::kSuccess) return Fail(err, "reading " + target.Description(), result);
    std::optional<std::uint16_t> file_product;
    if (!LoadWriteSource(setup, target, file, text, options.force, &file_product, err)) return kExitFailure;
    const std::string what = file == "-" ? "standard input" : file;
    if (!options.base.empty()) {
        if (const int merged = MergeWithBase(options, setup, target, what, err); merged != kExitSuccess)
            return merged;
    }
    if (options.dry_run) {
        const std::vector<DirectoryChange> changes =
            DiffDirectories(ToPortable(*setup.Copy(DirectoryCopy::Baseline)),
                            ToPortable(*setup.Copy(DirectoryCopy::Working)));
        out << "Writing " << what << " to " << target.Description()
            << (changes.empty() ? " would change nothing; nothing was written\n"
                                : " would change (nothing was written):\n");
        if (!changes.empty()) PrintChanges(target.Description(), what, changes, false, out);
        return kExitSuccess;
    }
    const WriteRequest request{what, options.force, !options.no_verify,
                               target.product_id ? target.product_id : file_product};
    return WriteWorking(setup, target, request, out, err);
}

int RunWrite(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string file = options.Files().front();
    // The source first: in "read --json | write -" the read must have let go of the port.
    std::string text;
    std::string error;
    if (!ReadTextFile(file, &text, &error)) return FailWith(err, error);
    if (options.Devices().size() > 1 || !options.all_of_model.empty())
        return WriteMany(options, text, out, err);
    DeviceTarget target;
    if (!ResolveOnlyDevice(options, &target, err)) return kExitFailure;
    return WriteToTarget(options, target, file, text, out, err);
}

}  // namespace orvane::cli
