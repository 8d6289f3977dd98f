// The main window's model list and printer choice.
#include <QComboBox>
#include <algorithm>
#include <optional>

#include "app/command_line.h"
#include "app/result_message.h"
#include "app/rsu_main.h"
#include "app/show_message.h"
#include "platform/printer_enumeration.h"
#include "platform/settings_store.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"

namespace orvane {
namespace {

constexpr const char* kSelectedDevice = "SelectedDevice";
// What ResolvePrinter reports when the printing system no longer knows the printer.
constexpr int kInvalidPrinterName = 1801;
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

bool CRSUMain::ReadModels(const QString& program_directory) {
    model_list_path_ = program_directory + QStringLiteral("/orvkit.dat");
    if (ReadModelList(model_list_path_, &models_) == 0) return true;
    ShowMessage(this, ids::kMsgModelListFailed, ids::kIdsAppTitle, MessageStyle::Error);
    return false;
}

const ModelRecord* CRSUMain::SelectedModel() const {
    if (model_index_ < 0 || model_index_ >= static_cast<int>(models_.size())) return nullptr;
    return &models_[static_cast<std::size_t>(model_index_)];
}

bool CRSUMain::FillPrinterList() {
    printer_list_->clear();
    remembered_printer_ =
        SettingsStore::OpenUser().ReadString(QLatin1String(kSelectedDevice)).value_or(QString());
    bool enumerated = false;
    const QList<InstalledPrinter> printers = EnumeratePrinters(&enumerated);
    int command_line_choice = -1;
    int stored_choice = -1;
    for (const InstalledPrinter& printer : printers) {
        if (FindModel(models_, printer.driver) < 0) continue;
        const int index = printer_list_->count();
        printer_list_->addItem(printer.name);
        if (LaunchSource() == kLaunchForPrinter && printer.name == CommandLinePrinterName()) {
            command_line_choice = index;
        }
        if (printer.name == remembered_printer_) stored_choice = index;
    }
    const int choice = command_line_choice >= 0 ? command_line_choice
                       : stored_choice >= 0     ? stored_choice
                                                : 0;
    printer_list_->setCurrentIndex(printer_list_->count() > 0 ? choice : -1);
    connect(printer_list_, &QComboBox::currentIndexChanged, this, &CRSUMain::OnPrinterChanged,
            Qt::UniqueConnection);
    return enumerated && printer_list_->count() > 0;
}

const ModelRecord* CRSUMain::ListedPrinterModel() const {
    if (printer_list_->currentIndex() < 0) return nullptr;
    const std::optional<InstalledPrinter> printer = FindInstalledPrinter(printer_list_->currentText());
    if (!printer) return nullptr;
    const int index = FindModel(models_, printer->driver);
    return index < 0 ? nullptr : &models_[static_cast<std::size_t>(index)];
}

int CRSUMain::ResolvePrinter() {
    const std::optional<InstalledPrinter> found = FindInstalledPrinter(printer_name_);
    if (!found) return kInvalidPrinterName;
    driver_name_ = found->driver;
    port_name_ = found->port;
    model_index_ = FindModel(models_, driver_name_);
    if (model_index_ < 0) {
        ShowMessage(this, ids::kMsgGeneralFailure, ids::kIdsAppTitle, MessageStyle::Error);
        return kPreparePrinterFailed;
    }
    product_id_ = models_[static_cast<std::size_t>(model_index_)].product_id;
    return 0;
}

bool CRSUMain::PrepareRead() {
    printer_name_.clear();
    driver_name_.clear();
    port_name_.clear();
    printer_name_ = printer_list_->currentText();
    if (ResolvePrinter() != 0) return false;
    const QByteArray printer = printer_name_.toUtf8();
    const QByteArray port = port_name_.toUtf8();
    RsResult code = remote_setup_->SetPrinterName(printer.constData());
    if (code == rs::kSuccess) code = remote_setup_->SetPortName(port.constData());
    if (code != rs::kSuccess) ShowResultMessage(this, code);
    return code == rs::kSuccess;
}

void CRSUMain::RememberPrinter() {
    if (printer_list_->currentIndex() < 0) return;
    SettingsStore::OpenUser().WriteString(QLatin1String(kSelectedDevice), printer_list_->currentText());
}

}  // namespace orvane
