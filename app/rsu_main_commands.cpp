// The main window's commands: Read, Write, Close, a change of printer and the message catalogue.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include "app/communication.h"
#include "app/merge_review_dlg.h"
#include "app/result_message.h"
#include "app/rsu_main.h"
#include "directorytools/directory_backup.h"
#include "pages/page_reception_reject.h"
#include "pages/page_speed_dial.h"
#include "pages/page_tti.h"
#include "pages/rsu_edit_dialog.h"
#include "pages/rsu_tree_ctrl.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "ui/deferred_notice.h"
#include "ui/language.h"
#include "ui/show_message.h"

namespace orvane {

int CRSUMain::Ask(int message_id, MessageStyle style) {
    return ShowMessage(this, message_id, ids::kIdsAppTitle, style);
}

CRSUMain::DiscardAnswer CRSUMain::AskBeforeDiscard() {
    const RsResult modified = remote_setup_->IsModified();
    if (modified != rs::kSuccess && modified != rs::kModified) {
        ShowResultMessage(this, modified);
        return DiscardAnswer::Failed;
    }
    if (modified == rs::kModified && !saved_ &&
        Ask(ids::kMsgDiscardChanges, MessageStyle::Question) != QMessageBox::Ok) {
        return DiscardAnswer::Keep;
    }
    return DiscardAnswer::Discard;
}

void CRSUMain::OnRead() {
    if (IsBusy()) return;
    if (remote_setup_) {
        if (AskBeforeDiscard() != DiscardAnswer::Discard) {
            saved_ = false;
            return;
        }
    }
    // The pages keep showing the earlier directory while the worker runs (paint events still
    // arrive), so it lives until they have been pointed at the new one or at nothing.
    const std::unique_ptr<CRSUFuncRemoteSetup> earlier = std::move(remote_setup_);
    remote_setup_ = std::make_unique<CRSUFuncRemoteSetup>();
    RsResult result = rs::kSuccess;
    bool message_shown = false;
    if (!PrepareRead()) {
        // Whatever the preparation said itself, the read then ends with message 159.
        result = kPreparePrinterFailed;
    } else if (!communication_->BeginCommunication()) {
        Ask(ids::kMsgGeneralFailure, MessageStyle::Error);
        message_shown = true;
    } else {
        result = communication_->RunWorker([setup = remote_setup_.get()] { return setup->ReadFromDevice(); });
        if (result == rs::kSuccess) ShowReadDirectory();
    }
    communication_->EndCommunication();
    if (result != rs::kSuccess || message_shown) {
        ShowResultMessage(this, result);
        CloseDirectory();
    }
    saved_ = false;
}

void CRSUMain::ShowReadDirectory() {
    BuildPageRows();
    FillTree();
    speed_dial_->RefreshList();
    speed_dial_->ApplyReadState(true);
    sender_->RefreshList();
    sender_->ApplyReadState(false);
    reject_->RefreshList();
    reject_->ApplyReadState(true);
    ShowDirectoryState();
    tree_->SelectMarkedFirstPage();
    shown_printer_index_ = printer_list_->currentIndex();
    RememberPrinter();
    const ModelRecord* model = SelectedModel();
    if (usage_ && model != nullptr && model->survey_dev_id)
        usage_->SetText(SurveyText::kDevId, *model->survey_dev_id);
    CountUsage(UsageIndex::kUpload);
}

void CRSUMain::OnWrite() {
    if (!remote_setup_ || IsBusy() || !AgreeToWriteProblems()) return;
    if (!communication_->BeginCommunication()) {
        Ask(ids::kMsgGeneralFailure, MessageStyle::Error);
        return;
    }
    bool written = false;
    const RsResult result = CheckAndWrite(&written);
    communication_->EndCommunication();
    if (written && result == rs::kSuccess) CountUsage(UsageIndex::kDownload);
    if (written) Ask(ids::kMsgWritten, MessageStyle::Information);
    ShowResultMessage(this, result);
}

std::int32_t CRSUMain::CheckAndWrite(bool* written) {
    CRSUFuncRemoteSetup* setup = remote_setup_.get();
    const RsResult check = communication_->RunWorker([setup] { return setup->CheckDeviceUnchanged(); });
    if (check == rs::kSuccess) {
        const RsResult modified = setup->IsModified();
        if (modified == rs::kSuccess) {
            communication_->RunWorker([setup] { return setup->FinishDeviceJob(); });
            return rs::kSuccess;
        }
        if (modified != rs::kModified) return modified;
    } else if (check == rs::kDeviceDirectoryChanged) {
        communication_->EndCommunication();
        if (!AgreeToWriteOverPrinterChanges()) return rs::kSuccess;
        if (!communication_->BeginCommunication()) {
            Ask(ids::kMsgGeneralFailure, MessageStyle::Error);
            return rs::kSuccess;
        }
    } else {
        return check;
    }
    // What the check read is kept as a backup; a backup that cannot be saved does not stop the write.
    std::filesystem::path backup;
    BackUpBeforeWrite(*setup, check, ProductId(), &backup);
    const RsResult write = communication_->RunWorker([setup] { return setup->WriteToDevice(); });
    if (write != rs::kSuccess) return write;
    *written = true;
    return setup->ReplaceCopy(DirectoryCopy::Baseline, DirectoryCopy::Working);
}

bool CRSUMain::AgreeToWriteOverPrinterChanges() {
    switch (AskWithButton(this, ids::kMsgPrinterChanged, ids::kIdsAppTitle, ids::kIdsMergeButton)) {
        case QuestionAnswer::Ok:
            return true;
        case QuestionAnswer::Button:
            return ReviewMerge();
        case QuestionAnswer::Cancel:
            break;
    }
    return false;
}

bool CRSUMain::ReviewMerge() {
    CRSUFuncRemoteSetup& setup = *remote_setup_;
    DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    CRSUMergeReviewDlg review(*setup.Copy(DirectoryCopy::Baseline), *setup.Copy(DirectoryCopy::DeviceCheck),
                              working, this);
    if (review.exec() != QDialog::Accepted) return false;
    // The write that follows makes the merge the Baseline too.
    working = review.Merge().merged;
    saved_ = false;
    ShowReplacedDirectory();
    return true;
}

bool CRSUMain::PrepareExit() {
    if (remote_setup_) {
        // A directory that cannot be compared is left without storing anything.
        switch (AskBeforeDiscard()) {
            case DiscardAnswer::Failed:
                return true;
            case DiscardAnswer::Keep:
                return false;
            case DiscardAnswer::Discard:
                break;
        }
    }
    StoreWindowSize();
    StoreLanguage(pending_language_);
    if (usage_) {
        usage_->FinishSurvey();
        usage_.reset();
    }
    return true;
}

bool CRSUMain::QueryEndSession() {
    QWidget* modal = QApplication::activeModalWidget();
    // An open editing dialog answers for itself: it refuses, with the notice shown once.
    if (auto* editing = qobject_cast<CRSUEditDialog*>(modal)) return editing->QueryEndSession();
    if (IsBusy() || IsFileDialogOpen() || (modal != nullptr && modal != this)) {
        PostDeferredNotice(ids::kMsgSessionEndRefused);
        return false;
    }
    return PrepareExit();
}

void CRSUMain::OnPrinterChanged(int index) {
    const bool leaves_directory =
        remote_setup_ && index != shown_printer_index_ && printer_list_->itemText(index) != PrinterName();
    if (leaves_directory) {
        if (AgreeToCloseDirectory()) {
            CloseDirectory();
            SetDefaultButton(close_);
        } else {
            RestorePrinterSelection();
        }
    }
    // After the change was accepted or undone, Help follows the printer the list shows.
    UpdateHelpState();
}

bool CRSUMain::AgreeToCloseDirectory() {
    const RsResult modified = remote_setup_->IsModified();
    if (modified != rs::kSuccess && modified != rs::kModified) {
        ShowResultMessage(this, modified);
        return false;
    }
    const int question = modified == rs::kModified ? ids::kMsgDiscardOnPrinterChange : ids::kMsgClosePrinter;
    return Ask(question, MessageStyle::Question) == QMessageBox::Ok;
}

void CRSUMain::RestorePrinterSelection() {
    // The last entry with the shown printer's name, as the list may hold a name twice.
    int entry = -1;
    for (int i = 0; i < printer_list_->count(); ++i) {
        if (printer_list_->itemText(i) == PrinterName()) entry = i;
    }
    const QSignalBlocker quiet(printer_list_);
    printer_list_->setCurrentIndex(entry);
}

void CRSUMain::OnMessageCatalogue() {
    struct Entry {
        int id;
        MessageStyle style;
    };
    using enum MessageStyle;
    static constexpr Entry kCatalogue[] = {
        {ids::kMsgCommunicationFailed, Error},
        {ids::kMsgPrinterBusy, Error},
        {ids::kMsgPortClaimed, Error},
        {ids::kMsgOutOfMemory, Error},
        {ids::kMsgSaveFailed, Error},
        {ids::kMsgModelListFailed, Error},
        {ids::kMsgLoadFailed, Error},
        {ids::kMsgNumberRequired, Error},
        {ids::kMsgMembersRequired, Error},
        {ids::kMsgOtherModelFile, Question},
        {ids::kMsgDiscardOnPrinterChange, Question},
        {ids::kMsgPrinterChanged, Question},
        {ids::kMsgCatalogueError, Error},
        {ids::kMsgClosePrinter, Question},
        {ids::kMsgDiscardChanges, Question},
        {ids::kMsgRunningElsewhere, Error},
        {ids::kMsgCatalogueInfo, Information},
        {ids::kMsgGeneralFailure, Error},
        {ids::kMsgSessionEndRefused, Information},
        {ids::kMsgStandbyRefused, Information},
        {ids::kMsgWritten, Information},
    };
    for (const Entry& entry : kCatalogue) Ask(entry.id, entry.style);
}

}  // namespace orvane
