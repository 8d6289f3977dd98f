// The main window's printer list and the preparation of a read, on the printer choice.
#include <QComboBox>

#include "app/printer_choice.h"
#include "app/result_message.h"
#include "app/rsu_main.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "ui/show_message.h"

namespace orvane {

bool CRSUMain::ReadModels(const QString& program_directory) {
    if (printers_->ReadModels(program_directory)) return true;
    ShowMessage(this, ids::kMsgModelListFailed, ids::kIdsAppTitle, MessageStyle::Error);
    return false;
}

const ModelRecord* CRSUMain::SelectedModel() const {
    return printers_->ResolvedModel();
}

std::uint16_t CRSUMain::ProductId() const {
    return printers_->ProductId();
}

const QString& CRSUMain::PrinterName() const {
    return printers_->PrinterName();
}

bool CRSUMain::FillPrinterList() {
    printer_list_->clear();
    const PrinterChoice::Listing listing = printers_->ListPrinters();
    printer_list_->addItems(listing.names);
    printer_list_->setCurrentIndex(listing.choice);
    connect(printer_list_, &QComboBox::currentIndexChanged, this, &CRSUMain::OnPrinterChanged,
            Qt::UniqueConnection);
    return listing.enumerated && printer_list_->count() > 0;
}

bool CRSUMain::PrepareRead() {
    const int resolved = printers_->Resolve(printer_list_->currentText());
    if (resolved == PrinterChoice::kModelNotListed) {
        ShowMessage(this, ids::kMsgGeneralFailure, ids::kIdsAppTitle, MessageStyle::Error);
    }
    if (resolved != 0) return false;
    const QByteArray printer = printers_->PrinterName().toUtf8();
    const QByteArray port = printers_->PortName().toUtf8();
    RsResult code = remote_setup_->SetPrinterName(printer.constData());
    if (code == rs::kSuccess) code = remote_setup_->SetPortName(port.constData());
    if (code != rs::kSuccess) ShowResultMessage(this, code);
    return code == rs::kSuccess;
}

void CRSUMain::RememberPrinter() {
    if (printer_list_->currentIndex() >= 0) printers_->Remember(printer_list_->currentText());
}

}  // namespace orvane
