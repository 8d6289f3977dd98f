#include "cli/cli_commands.h"

#include "cli/directory_report.h"
#include "cli/result_messages.h"
#include "remotesetup/directory_file.h"
#include "remotesetup/remote_setup.h"
#include "resources/version.h"

#include <cstdio>
#include <string>

namespace orvane::cli {
namespace {

std::string CodeText(RsResult code) {
    char text[16];
    // The outcome codes read best in hexadecimal, the small failure codes in decimal.
    std::snprintf(text, sizeof text, code >= rs::kOtherProduct ? "0x%08x" : "%u",
                  static_cast<unsigned>(code));
    return text;
}

int Fail(std::ostream& err, const std::string& doing, RsResult code, std::string_view advice = {}) {
    err << "orvane-cli: " << doing << ": " << ResultMessage(code) << " (code " << CodeText(code) << ")";
    if (!advice.empty()) err << " " << advice;
    err << "\n";
    return kExitFailure;
}

std::string ProductText(std::uint16_t product_id) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04x", static_cast<unsigned>(product_id));
    return text;
}

// Reads the printer on `port` into a fresh `setup`. The port name also serves as the printer name,
// which the exchange requires and the command line does not otherwise have.
RsResult ReadPrinter(CRSUFuncRemoteSetup& setup, const std::string& port) {
    RsResult result = setup.SetPrinterName(port.c_str());
    if (result == rs::kSuccess) result = setup.SetPortName(port.c_str());
    return result == rs::kSuccess ? setup.ReadFromDevice() : result;
}

void PrintDirectory(const CRSUFuncRemoteSetup& setup, bool json, std::ostream& out) {
    out << (json ? JsonReport(setup) : PlainReport(setup));
}

int RunRead(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CRSUFuncRemoteSetup setup;
    RsResult result = ReadPrinter(setup, options.port);
    if (result != rs::kSuccess) return Fail(err, "reading the printer on " + options.port, result);
    if (!options.out.empty()) {
        result = setup.SaveDirectoryFile(options.out, *options.product_id);
        if (result != rs::kSuccess) return Fail(err, "saving " + options.out, result);
        if (!options.json) {
            out << "Saved the directory of the printer on " << options.port << " to " << options.out << "\n";
            return kExitSuccess;
        }
    }
    PrintDirectory(setup, options.json, out);
    return kExitSuccess;
}

// Checks the file's product tag; with --force another product (or an unchecked one) only warns.
RsResult CheckProduct(const CRSUFuncRemoteSetup& setup, const CliOptions& options, std::ostream& err) {
    const RsResult result = setup.CheckDirectoryFile(options.file, options.product_id.value_or(0));
    if (result != rs::kOtherProduct || !options.force) return result;
    err << "orvane-cli: warning: " << options.file
        << (options.product_id ? " was made for another printer model" : "'s printer model was not checked")
        << "; writing it anyway (--force)\n";
    return rs::kSuccess;
}

// Writes Working after the check before a write: inside the check's job when the printer is unchanged,
// from a closed port when it changed and --force allows it. `*written` tells whether data went out.
RsResult WriteChecked(CRSUFuncRemoteSetup& setup, bool force, bool* written) {
    RsResult result = setup.CheckDeviceUnchanged();
    if (result == rs::kDeviceDirectoryChanged && force) {
        *written = true;
        return setup.WriteToDevice();
    }
    if (result != rs::kSuccess) return result;
    const RsResult modified = setup.IsModified();
    if (modified == rs::kModified) {
        *written = true;
        return setup.WriteToDevice();
    }
    // Nothing to send: end the job the check left open.
    result = setup.FinishDeviceJob();
    return modified != rs::kSuccess ? modified : result;
}

int RunWrite(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CRSUFuncRemoteSetup setup;
    RsResult result = ReadPrinter(setup, options.port);
    if (result != rs::kSuccess) return Fail(err, "reading the printer on " + options.port, result);
    if ((result = CheckProduct(setup, options, err)) != rs::kSuccess) {
        return Fail(err, "checking " + options.file, result,
                    result == rs::kOtherProduct ? "Use --force to write it anyway." : "");
    }
    if ((result = setup.LoadDirectoryFile(options.file)) != rs::kSuccess) {
        return Fail(err, "loading " + options.file, result);
    }
    bool written = false;
    result = WriteChecked(setup, options.force, &written);
    if (result == rs::kDeviceDirectoryChanged) {
        return Fail(err, "writing to the printer on " + options.port, result,
                    "Nothing was written; read it again, or use --force to write anyway.");
    }
    if (result != rs::kSuccess) return Fail(err, "writing to the printer on " + options.port, result);
    if (written) {
        setup.ReplaceCopy(DirectoryCopy::Baseline, DirectoryCopy::Working);
        out << "Wrote " << options.file << " to the printer on " << options.port << "\n";
    } else {
        out << "The printer on " << options.port << " already holds the directory of " << options.file
            << "; nothing was written\n";
    }
    return kExitSuccess;
}

int RunShow(const CliOptions& options, std::ostream& out, std::ostream& err) {
    std::string plain;
    std::uint16_t product_id = 0;
    CRSUFuncRemoteSetup setup;
    RsResult result = ReadDirectoryFileBytes(options.file, &plain);
    if (result == rs::kSuccess) result = ReadProductTag(plain, &product_id);
    if (result == rs::kSuccess) result = SetUpFromDirectoryBytes(plain, setup);
    if (result != rs::kSuccess) return Fail(err, "reading " + options.file, result);
    if (!options.json) out << "Product ID: " << ProductText(product_id) << "\n";
    PrintDirectory(setup, options.json, out);
    return kExitSuccess;
}

}  // namespace

int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    switch (options.command) {
        case Command::Read:
            return RunRead(options, out, err);
        case Command::Write:
            return RunWrite(options, out, err);
        case Command::Show:
            return RunShow(options, out, err);
        case Command::Version:
            out << "orvane-cli " << kVersion << "\n";
            return kExitSuccess;
        case Command::Help:
            break;
    }
    out << UsageText();
    return kExitSuccess;
}

}  // namespace orvane::cli
