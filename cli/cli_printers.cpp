// printers: the installed printers whose driver is a listed model.
#include "cli/cli_commands.h"
#include "cli/printer_lookup.h"
#include "cli/text_table.h"
#include "directorytools/json_text.h"

namespace orvane::cli {

int RunPrinters(const CliOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<SupportedPrinter> printers;
    std::string error;
    if (!ListSupportedPrinters(&printers, &error)) return FailWith(err, error);
    if (options.json) {
        std::vector<std::string> rows;
        for (const SupportedPrinter& printer : printers) {
            rows.push_back("  {\"name\": " + JsonString(printer.name) + ", \"model\": " +
                           JsonString(printer.model) + ", \"port\": " + JsonString(printer.port) +
                           ", \"product_id\": " + JsonString(ProductText(printer.product_id)) + "}");
        }
        out << "[\n" << Joined(rows, ",\n") << (rows.empty() ? "" : "\n") << "]\n";
        return kExitSuccess;
    }
    if (printers.empty()) {
        out << "No supported printer is installed.\n";
        return kExitSuccess;
    }
    TextTable table({"Name", "Model", "Port", "Product ID"});
    for (const SupportedPrinter& printer : printers) {
        table.AddRow({printer.name, printer.model, printer.port, ProductText(printer.product_id)});
    }
    out << table.Text();
    return kExitSuccess;
}

}  // namespace orvane::cli
