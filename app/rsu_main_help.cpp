// The main window's Help button, which the help controller serves.
#include <QComboBox>
#include <QPushButton>

#include "app/help_controller.h"
#include "app/printer_choice.h"
#include "app/rsu_main.h"
#include "platform/manual_opener.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {

void CRSUMain::SetManualOpener(std::unique_ptr<ManualOpener> opener) {
    help_->SetOpener(std::move(opener));
}

void CRSUMain::UpdateHelpState() {
    const ModelRecord* model =
        printer_list_->currentIndex() < 0 ? nullptr : printers_->ModelOf(printer_list_->currentText());
    help_button_->setEnabled(help_->Update(model));
}

void CRSUMain::OnHelp() {
    help_->Open(LoadString(ids::kIdsManualLanguage));
    CountUsage(UsageIndex::kHelp);
}

}  // namespace orvane
