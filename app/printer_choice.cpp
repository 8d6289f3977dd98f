#include "app/printer_choice.h"

#include <algorithm>
#include <optional>

#include "app/command_line.h"
#include "platform/printer_enumeration.h"
#include "platform/settings_store.h"

namespace orvane {
namespace {

constexpr const char* kSelectedDevice = "SelectedDevice";
// The launch source of a start for a given printer.
constexpr int kLaunchForPrinter = 2;

// The installed printer called `name`, as the printing system describes it now.
std::optional<InstalledPrinter> FindInstalledPrinter(const QString& name) {
    const QList<InstalledPrinter> printers = EnumeratePrinters();
    const auto found = std::find_if(printers.begin(), printers.end(),
                                    [&name](const InstalledPrinter& p) { return p.name == name; });
    if (found == printers.end()) return std::nullopt;
    return *found;
}

}  // namespace

bool PrinterChoice::ReadModels(const QString& program_directory) {
    model_list_path_ = program_directory + QStringLiteral("/orvkit.dat");
    return ReadModelList(model_list_path_, &models_) == 0;
}

PrinterChoice::Listing PrinterChoice::ListPrinters() {
    Listing listing;
    const QString remembered =
        SettingsStore::OpenUser().ReadString(QLatin1String(kSelectedDevice)).value_or(QString());
    int command_line_choice = -1;
    int stored_choice = -1;
    for (const InstalledPrinter& printer : EnumeratePrinters(&listing.enumerated)) {
        if (FindModel(models_, printer.driver) < 0) continue;
        const int index = static_cast<int>(listing.names.size());
        listing.names << printer.name;
        if (LaunchSource() == kLaunchForPrinter && printer.name == CommandLinePrinterName()) {
            command_line_choice = index;
        }
        if (printer.name == remembered) stored_choice = index;
    }
    if (!listing.names.isEmpty()) {
        listing.choice = command_line_choice >= 0 ? command_line_choice
                         : stored_choice >= 0     ? stored_choice
                                                  : 0;
    }
    return listing;
}

int PrinterChoice::Resolve(const QString& name) {
    printer_name_ = name;
    driver_name_.clear();
    port_name_.clear();
    const std::optional<InstalledPrinter> found = FindInstalledPrinter(name);
    if (!found) return kPrinterGone;
    driver_name_ = found->driver;
    port_name_ = found->port;
    model_index_ = FindModel(models_, driver_name_);
    if (model_index_ < 0) return kModelNotListed;
    product_id_ = models_[static_cast<std::size_t>(model_index_)].product_id;
    return 0;
}

const ModelRecord* PrinterChoice::ResolvedModel() const {
    if (model_index_ < 0 || model_index_ >= static_cast<int>(models_.size())) return nullptr;
    return &models_[static_cast<std::size_t>(model_index_)];
}

const ModelRecord* PrinterChoice::ModelOf(const QString& name) const {
    const std::optional<InstalledPrinter> printer = FindInstalledPrinter(name);
    if (!printer) return nullptr;
    const int index = FindModel(models_, printer->driver);
    return index < 0 ? nullptr : &models_[static_cast<std::size_t>(index)];
}

void PrinterChoice::Remember(const QString& name) {
    SettingsStore::OpenUser().WriteString(QLatin1String(kSelectedDevice), name);
}

}  // namespace orvane
