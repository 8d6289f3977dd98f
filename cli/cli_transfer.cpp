// export and import: a directory as CSV, vCard or JSON, and those fitted into a directory.
#include "cli/cli_commands.h"
#include "cli/directory_source.h"
#include "cli/printer_write.h"
#include "directorytools/directory_fit.h"
#include "directorytools/text_directory.h"
#include "remotesetup/directory_file.h"
#include "remotesetup/directory_file_io.h"
#include "remotesetup/text_codec.h"

namespace orvane::cli {
namespace {

TextFormat FormatNamed(const std::string& name) {
    if (name == "json") return TextFormat::Json;
    if (name == "vcard") return TextFormat::Vcard;
    return TextFormat::Csv;
}

// Prints the fit report of an import: every entry that was changed, cut or not placed.
void PrintReport(const std::string& source, const FitReport& report, std::ostream& out) {
    if (report.Clean()) {
        out << "Every entry of " << source << " arrived as given.\n";
        return;
    }
    out << report.notes.size() << (report.notes.size() == 1 ? " entry" : " entries") << " of " << source
        << " did not arrive as given:\n";
    for (const FitNote& note : report.notes) out << "  " << note.Text() << "\n";
}

bool ReadSource(const std::string& file, const CliOptions& options, PortableDirectory* directory,
                std::ostream& err) {
    std::string text;
    std::string error;
    if (!ReadTextFile(file, &text, &error)) return FailWith(err, error), false;
    std::vector<std::string> headers;
    const CsvOutcome outcome =
        ReadTextDirectory(TextFormatOf(file, text), text, options.columns ? &*options.columns : nullptr,
                          directory, &headers, &error);
    if (outcome == CsvOutcome::ColumnsUnknown) {
        error += " among \"" + Joined(headers, "\", \"") +
                 "\"; name them with --columns name=HEADER,number=HEADER";
    }
    if (outcome != CsvOutcome::Read)
        return FailWith(err, (file == "-" ? "standard input" : file) + ": " + error), false;
    return true;
}

int Save(const CRSUFuncRemoteSetup& setup, const std::string& file, std::uint16_t product_id,
         std::ostream& out, std::ostream& err) {
    const RsResult result = setup.SaveDirectoryFile(file, product_id);
    if (result != rs::kSuccess) return Fail(err, "saving " + file, result);
    out << "Saved " << file << "\n";
    return kExitSuccess;
}

}  // namespace

int RunExport(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CRSUFuncRemoteSetup setup;
    LoadedFrom from;
    if (!LoadDirectory(options.sources.front(), options, setup, &from, err)) return kExitFailure;
    const std::string text =
        DirectoryText(FormatNamed(options.format), setup.Capability(), *setup.Copy(DirectoryCopy::Working));
    if (options.out.empty()) {
        out << text;
        return kExitSuccess;
    }
    const RsResult result = ReplaceFileContents(options.out, text);
    if (result != rs::kSuccess) return Fail(err, "saving " + options.out, result);
    out << "Exported the directory of " << from.label << " to " << options.out << "\n";
    return kExitSuccess;
}

int RunImport(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string source = options.Files().front();
    PortableDirectory directory;
    if (!ReadSource(source, options, &directory, err)) return kExitFailure;
    const std::vector<Source> devices = options.Devices();
    const Source target = devices.empty() ? Source{Source::Kind::File, options.into_file} : devices.front();
    CRSUFuncRemoteSetup setup;
    LoadedFrom from;
    if (!LoadDirectory(target, options, setup, &from, err)) return kExitFailure;
    if (!from.device && !from.product_id) return FailWith(err, "import --into needs a directory file (.rsd)");
    FitReport report;
    const RsResult result =
        FitIntoWorking(directory, options.replace ? FitMode::Replace : FitMode::Merge, setup, &report);
    if (result != rs::kSuccess) return Fail(err, "importing " + source, result);
    PrintReport(source == "-" ? "standard input" : source, report, out);
    if (!options.out.empty() && !from.product_id) {
        return FailWith(err, "import --out needs the printer's product ID: give --product-id");
    }
    if (!options.out.empty()) return Save(setup, options.out, *from.product_id, out, err);
    if (!from.device) return Save(setup, options.into_file, *from.product_id, out, err);
    return WriteWorking(setup, *from.device, {source, options.force, !options.no_verify, from.product_id},
                        out, err);
}

}  // namespace orvane::cli
