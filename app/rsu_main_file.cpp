// The main window's Save and Load commands: the directory shown kept in a directory file (.rsd).
#include <QDir>
#include <QFileDialog>

#include "app/file_dialogs.h"
#include "app/result_message.h"
#include "app/rsu_main.h"
#include "pages/page_reception_reject.h"
#include "pages/page_speed_dial.h"
#include "pages/page_tti.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"

namespace orvane {
namespace {

const QStringList kRsdFilters = {QStringLiteral("RSD(*.rsd)")};
const QString kRsdSuffix = QStringLiteral("rsd");

}  // namespace

QString CRSUMain::RunFileDialog(QFileDialog* dialog) {
    file_dialog_ = dialog;
    const bool chosen = dialog->exec() == QDialog::Accepted;
    file_dialog_ = nullptr;
    return chosen ? dialog->selectedFiles().value(0) : QString();
}

void CRSUMain::OnSave() {
    if (!remote_setup_ || IsBusy()) return;
    QFileDialog dialog(this);
    const QString folder = DefaultFolder();
    // Without the folder the dialog starts elsewhere; saving still works.
    if (!folder.isEmpty()) QDir().mkpath(folder);
    PrepareFileDialog(&dialog, QFileDialog::AcceptSave, kRsdFilters, kRsdSuffix);
    const QString path = RunFileDialog(&dialog);
    if (path.isEmpty()) return;
    if (remote_setup_->SaveDirectoryFile(FilePath(path), ProductId()) != rs::kSuccess) {
        Ask(ids::kMsgSaveFailed, MessageStyle::Error);
        return;
    }
    saved_ = true;
    CountUsage(UsageIndex::kSaveToPc);
}

void CRSUMain::OnLoad() {
    if (!remote_setup_ || IsBusy()) return;
    QFileDialog dialog(this);
    PrepareFileDialog(&dialog, QFileDialog::AcceptOpen, kRsdFilters, kRsdSuffix);
    const QString path = RunFileDialog(&dialog);
    if (!path.isEmpty() && LoadDirectory(path)) {
        ShowReplacedDirectory();
        CountUsage(UsageIndex::kLoadFromPc);
    }
    // Whatever happened, the directory shown no longer matches a saved file.
    saved_ = false;
}

bool CRSUMain::LoadDirectory(const QString& path) {
    if (AskBeforeDiscard() != DiscardAnswer::Discard) return false;
    const std::filesystem::path file = FilePath(path);
    const RsResult check = remote_setup_->CheckDirectoryFile(file, ProductId());
    if (check == rs::kOtherProduct) {
        if (Ask(ids::kMsgOtherModelFile, MessageStyle::Question) != QMessageBox::Ok) return false;
    } else if (check != rs::kSuccess) {
        ShowResultMessage(this, check);
        return false;
    }
    const RsResult loaded = remote_setup_->LoadDirectoryFile(file);
    ShowResultMessage(this, loaded);
    return loaded == rs::kSuccess;
}

void CRSUMain::ShowReplacedDirectory() {
    // The tree and the page shown stay as they are.
    RefreshPages();
    for (CRSUPage* page : std::initializer_list<CRSUPage*>{speed_dial_, sender_, reject_}) page->SelectRow(0);
}

}  // namespace orvane
