#include "pages/page_tti.h"

#include <QPushButton>
#include <algorithm>
#include <new>

#include "pages/directory_text.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/rsu_tti.h"
#include "pages/sender_model.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "ui/show_message.h"

namespace orvane {
namespace {

// RefreshList's code when the texts cannot be converted (the system's out-of-memory code).
constexpr int kNotEnoughMemory = 8;

void ClearSender(SenderInfo& sender) {
    std::fill(sender.name.begin(), sender.name.end(), '\0');
    std::fill(sender.number.begin(), sender.number.end(), '\0');
}

// The name in the printer's character code, the number as narrow text; a value that does not fit
// its buffer is left as it was.
void StoreSender(SenderInfo& sender, const QString& name, const QString& number) {
    StoreDeviceName(name, sender.name);
    const QByteArray narrow = number.toUtf8();
    StoreText(sender.number, std::string_view(narrow.constData(), static_cast<std::size_t>(narrow.size())));
}

}  // namespace

CRSUPageTTI::CRSUPageTTI(CRSUPageHost* host, QWidget* parent)
    : CRSUPage(host,
               {ids::kIddSenderPage, ids::kIdcSenderList, ids::kIdsSenderListTip, ids::kIdcSenderEdit,
                ids::kIdcSenderSpare, ids::kIdcSenderDelete, 150},
               new SenderModel, parent) {}

int CRSUPageTTI::RefreshList() {
    auto* model = static_cast<SenderModel*>(List()->model());
    try {
        model->Convert(RemoteSetup());
    } catch (const std::bad_alloc&) {
        ShowMessage(this, ids::kMsgOutOfMemory, ids::kIdsAppTitle, MessageStyle::Error);
        return kNotEnoughMemory;
    }
    return CRSUPage::RefreshList();
}

void CRSUPageTTI::OnEdit() {
    const int row = List()->SelectionMark();
    if (row >= 0) EditRow(row);
    FocusLater(EditButton());
}

void CRSUPageTTI::EditRow(int row) {
    const QString old_name = List()->CellText(row, 0);
    const QString old_number = List()->CellText(row, 1);
    CRSUTTI dialog(Host(), old_name, old_number, window());
    if (dialog.exec() != QDialog::Accepted) return;
    DirectoryData* working = Working();
    if (working == nullptr) return;
    SenderInfo* sender = &working->sender;
    if (dialog.Name().isEmpty() && dialog.Number().isEmpty()) {
        ClearSender(*sender);
    } else if (dialog.Name() != old_name || dialog.Number() != old_number) {
        StoreSender(*sender, dialog.Name(), dialog.Number());
    } else {
        return;
    }
    RestoreView(List()->TopRow(), row);
}

void CRSUPageTTI::OnDelete() {
    const int row = List()->SelectionMark();
    if (DirectoryData* working = Working()) {
        ClearSender(working->sender);
        RestoreView(List()->TopRow(), row);
    }
    FocusLater(DeleteButton());
}

}  // namespace orvane
