// write and restore on several printers at once: each printer's exchange runs in its own thread
// with its own remote-setup object (each port claimed as usual), so that a slow or failing printer
// never holds up the others; one result row per printer.
#include "cli/cli_commands.h"
#include "cli/printer_lookup.h"
#include "cli/text_table.h"

#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>

namespace orvane::cli {
namespace {

// One printer's job and what it printed.
struct PrinterJob {
    std::string label;                   // the printer as the row names it
    std::optional<DeviceTarget> target;  // none when the printer could not be resolved
    int status = kExitFailure;
    std::ostringstream out;
    std::ostringstream err;
    double seconds = 0;
};

// The printers of the command line: each --port and --printer, then --all-of-model's.
bool CollectJobs(const CliOptions& options, std::vector<std::unique_ptr<PrinterJob>>* jobs,
                 std::ostream& err) {
    for (const Source& device : options.Devices()) {
        auto job = std::make_unique<PrinterJob>();
        job->label = device.value;
        DeviceTarget target;
        std::string error;
        if (ResolveDevice(device, options.product_id, &target, &error)) {
            job->target = target;
        } else {
            job->err << "orvane-cli: " << error << "\n";
        }
        jobs->push_back(std::move(job));
    }
    if (options.all_of_model.empty()) return true;
    std::vector<SupportedPrinter> printers;
    std::string error;
    if (!PrintersOfModel(options.all_of_model, &printers, &error)) return FailWith(err, error), false;
    if (printers.empty())
        return FailWith(err, "no installed printer is a \"" + options.all_of_model + "\""), false;
    for (const SupportedPrinter& printer : printers) {
        auto job = std::make_unique<PrinterJob>();
        job->label = printer.name;
        job->target =
            DeviceTarget{printer.name, printer.port, true, options.product_id.value_or(printer.product_id)};
        jobs->push_back(std::move(job));
    }
    return true;
}

// The first line of `text` without the program's prefix.
std::string FirstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    if (line.starts_with("orvane-cli: ")) line.erase(0, 12);
    return line;
}

// The status of several printers: any failure first, then any conflicts of a merge, then any write
// that did not verify.
int Worse(int a, int b) {
    for (int status : {kExitFailure, kExitConflicts, kExitVerifyFailed}) {
        if (a == status || b == status) return status;
    }
    return kExitSuccess;
}

std::string Outcome(const PrinterJob& job) {
    if (job.status == kExitSuccess) return job.out.str().starts_with("Wrote ") ? "written" : "unchanged";
    return (job.status == kExitVerifyFailed ? "written, not verified: " : "failed: ") +
           FirstLine(job.err.str());
}

}  // namespace

int WriteMany(const CliOptions& options, std::string_view text, std::ostream& out, std::ostream& err) {
    std::vector<std::unique_ptr<PrinterJob>> jobs;
    if (!CollectJobs(options, &jobs, err)) return kExitFailure;
    const std::string file = options.Files().front();
    std::vector<std::thread> threads;
    for (const auto& job : jobs) {
        if (!job->target) continue;
        threads.emplace_back([&options, &file, text, job = job.get()] {
            const auto start = std::chrono::steady_clock::now();
            job->status = WriteToTarget(options, *job->target, file, text, job->out, job->err);
            job->seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        });
    }
    for (std::thread& thread : threads) thread.join();
    TextTable table({"Printer", "Port", "Time", "Result"});
    int status = kExitSuccess;
    for (const auto& job : jobs) {
        char seconds[16];
        std::snprintf(seconds, sizeof seconds, "%.1f s", job->seconds);
        table.AddRow(
            {job->label, job->target ? job->target->port : "", job->target ? seconds : "", Outcome(*job)});
        if (job->status == kExitSuccess) err << job->err.str();  // warnings of a good write
        status = Worse(status, job->status);
    }
    out << table.Text();
    return status;
}

}  // namespace orvane::cli
