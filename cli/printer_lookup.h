// The printers orvane-cli can name with --printer: the installed printers (CUPS, or the printers
// file named by ORVANE_PRINTERS) whose driver is a model of the model list beside the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::cli {

// One supported printer.
struct SupportedPrinter {
    std::string name;              // the printing system's printer name
    std::string model;             // its driver name, a section of the model list
    std::string port;              // the port it is reached through; empty when unknown
    std::uint16_t product_id = 0;  // from the model list
};

// The supported printers in the printing system's order. False with a one-line `*error` when the
// model list cannot be read.
bool ListSupportedPrinters(std::vector<SupportedPrinter>* printers, std::string* error);

// Resolves the printer named exactly `name`. False with a one-line `*error` when the model list
// cannot be read, no printer has that name, its driver is not a listed model or its port is unknown.
bool FindSupportedPrinter(const std::string& name, SupportedPrinter* printer, std::string* error);

// The supported printers whose model is exactly `model`, in the printing system's order; false as
// ListSupportedPrinters.
bool PrintersOfModel(const std::string& model, std::vector<SupportedPrinter>* printers, std::string* error);

}  // namespace orvane::cli
