#include "cli/directory_source.h"

#include "cli/cli_support.h"
#include "directorytools/directory_csv.h"
#include "directorytools/directory_fit.h"
#include "directorytools/directory_json.h"
#include "directorytools/directory_vcard.h"
#include "remotesetup/directory_file.h"
#include "remotesetup/directory_file_io.h"
#include "remotesetup/slot_order.h"

#include <iostream>
#include <iterator>

namespace orvane::cli {
namespace {

// Larger text files are not directories of any printer.
constexpr std::size_t kMaxTextFileSize = 16 * 1024 * 1024;

bool LoadJsonDirectory(const std::string& file, std::string_view text, CRSUFuncRemoteSetup& setup,
                       LoadedFrom* from, std::ostream& err) {
    CapabilityTexts texts;
    PortableDirectory directory;
    std::string error;
    if (!ReadJsonCapability(text, &texts, &error) || !ParseDirectoryJson(text, &directory, &error)) {
        return FailWith(err, file + ": " + error), false;
    }
    RsResult result = setup.ApplyCapability(texts);
    if (result == rs::kSuccess) result = setup.AllocateCopy(DirectoryCopy::Working);
    if (result != rs::kSuccess) return Fail(err, "reading " + file, result), false;
    std::vector<std::string> listed;
    for (const PortableEntry& entry : directory.entries) listed.push_back(entry.id);
    AssignSlotIds(setup.Capability(), listed, *setup.Copy(DirectoryCopy::Working));
    FitReport report;
    if ((result = FitIntoWorking(directory, FitMode::Replace, setup, &report)) != rs::kSuccess) {
        return Fail(err, "reading " + file, result), false;
    }
    *from = {file, std::nullopt, std::nullopt, std::move(directory)};
    return true;
}

}  // namespace

bool LoadDirectory(const Source& source, const CliOptions& options, CRSUFuncRemoteSetup& setup,
                   LoadedFrom* from, std::ostream& err) {
    if (source.IsDevice()) {
        DeviceTarget target;
        std::string error;
        if (!ResolveDevice(source, options.product_id, &target, &error)) return FailWith(err, error), false;
        const RsResult result = ReadDevice(setup, target);
        if (result != rs::kSuccess) return Fail(err, "reading " + target.Description(), result), false;
        *from = {target.Description(), target, target.product_id, std::nullopt};
        return true;
    }
    std::string text;
    std::string ignored;
    if (ReadTextFile(source.value, &text, &ignored) && LooksLikeJson(text)) {
        return LoadJsonDirectory(source.value, text, setup, from, err);
    }
    std::string plain;
    std::uint16_t product_id = 0;
    RsResult result = ReadDirectoryFileBytes(source.value, &plain);
    if (result == rs::kSuccess) result = ReadProductTag(plain, &product_id);
    if (result == rs::kSuccess) result = SetUpFromDirectoryBytes(plain, setup);
    if (result != rs::kSuccess) return Fail(err, "reading " + source.value, result), false;
    *from = {source.value, std::nullopt, product_id, std::nullopt};
    return true;
}

bool ReadTextFile(const std::string& file, std::string* text, std::string* error) {
    if (file != "-") {
        const RsResult result = ReadWholeFile(file, kMaxTextFileSize, text);
        if (result == rs::kFileOpenFailed) *error = file + " cannot be opened";
        if (result == rs::kFileMalformed) *error = file + " is empty, unreadable or too large";
        if (result == rs::kOutOfMemory) *error = "out of memory reading " + file;
        return result == rs::kSuccess;
    }
    text->assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    if (text->size() > kMaxTextFileSize || std::cin.bad()) {
        *error = "standard input is unreadable or too large";
        return false;
    }
    return true;
}

}  // namespace orvane::cli
