#include "cli/printer_lookup.h"

#include "platform/model_list.h"
#include "platform/printer_enumeration.h"
#include "platform/program_directory.h"

#include <algorithm>

namespace orvane::cli {
namespace {

struct Installed {
    std::vector<ModelRecord> models;
    QList<InstalledPrinter> printers;
};

bool ReadInstalled(Installed* installed, std::string* error) {
    const QString path = ProgramDirectory() + QStringLiteral("/orvkit.dat");
    if (ReadModelList(path, &installed->models) != 0) {
        *error = "the model list " + path.toStdString() + " cannot be read";
        return false;
    }
    installed->printers = EnumeratePrinters();
    return true;
}

SupportedPrinter Supported(const InstalledPrinter& printer, const ModelRecord& model) {
    return {printer.name.toStdString(), printer.driver.toStdString(), printer.port.toStdString(),
            model.product_id};
}

}  // namespace

bool ListSupportedPrinters(std::vector<SupportedPrinter>* printers, std::string* error) {
    printers->clear();
    Installed installed;
    if (!ReadInstalled(&installed, error)) return false;
    for (const InstalledPrinter& printer : installed.printers) {
        const int model = FindModel(installed.models, printer.driver);
        if (model >= 0)
            printers->push_back(Supported(printer, installed.models[static_cast<std::size_t>(model)]));
    }
    return true;
}

bool FindSupportedPrinter(const std::string& name, SupportedPrinter* printer, std::string* error) {
    Installed installed;
    if (!ReadInstalled(&installed, error)) return false;
    const QString wanted = QString::fromStdString(name);
    const auto found =
        std::find_if(installed.printers.begin(), installed.printers.end(),
                     [&](const InstalledPrinter& candidate) { return candidate.name == wanted; });
    if (found == installed.printers.end()) {
        *error = "no printer named \"" + name + "\" is installed";
        return false;
    }
    const int model = FindModel(installed.models, found->driver);
    if (model < 0) {
        *error = "the printer \"" + name + "\" has the driver \"" + found->driver.toStdString() +
                 "\", which is not a supported model";
        return false;
    }
    if (found->port.isEmpty()) {
        *error = "the port of the printer \"" + name + "\" is unknown";
        return false;
    }
    *printer = Supported(*found, installed.models[static_cast<std::size_t>(model)]);
    return true;
}

bool PrintersOfModel(const std::string& model, std::vector<SupportedPrinter>* printers, std::string* error) {
    if (!ListSupportedPrinters(printers, error)) return false;
    std::erase_if(*printers, [&](const SupportedPrinter& printer) { return printer.model != model; });
    return true;
}

}  // namespace orvane::cli
