#include "pages/page_reception_reject.h"

#include <QPushButton>
#include <cstring>

#include "pages/reject_model.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/rsu_reception_reject.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"

namespace orvane {
namespace {

// Stores `number` in the reject record whose slot ID matches `slot_id` over at most 3 bytes (the
// first match); an empty number frees the slot. False when no record matches or it does not fit.
bool StoreRejectNumber(DirectoryData& working, const QString& slot_id, const QString& number) {
    const QByteArray id = slot_id.toUtf8();
    for (RejectEntry& entry : working.rejects) {
        if (std::strncmp(id.constData(), entry.slot_id.data(), kRejectSlotIdSize) == 0) {
            const QByteArray narrow = number.toUtf8();
            return StoreText(entry.number, std::string_view(narrow.constData(), narrow.size()));
        }
    }
    return false;
}

}  // namespace

CRSUPageReceptionReject::CRSUPageReceptionReject(CRSUPageHost* host, QWidget* parent)
    : CRSUPage(host,
               {ids::kIddRejectPage, ids::kIdcRejectList, ids::kIdsRejectListTip, ids::kIdcRejectEdit,
                ids::kIdcRejectSelectAll, ids::kIdcRejectDelete, 50},
               new RejectModel, parent) {
    AddSelectAllAccelerator();
}

void CRSUPageReceptionReject::OnEdit() {
    const int row = List()->SelectionMark();
    if (row >= 0) EditRow(row);
    FocusLater(EditButton());
}

void CRSUPageReceptionReject::EditRow(int row) {
    const int top = List()->TopRow();
    const QString slot_id = List()->SlotIdAt(row);
    const QString old_number = List()->CellText(row, 1);
    CRSUReceptionReject dialog(Host(), slot_id, old_number, window());
    if (dialog.exec() != QDialog::Accepted) return;
    const QString number = dialog.Number();
    if (!number.isEmpty() && number == old_number) return;
    DirectoryData* working = Working();
    if (working == nullptr || !StoreRejectNumber(*working, slot_id, number)) return;
    RestoreView(top, row);
}

void CRSUPageReceptionReject::OnSelectAll() {
    // Unlike the speed-dial page, the focused row stays where it is.
    List()->SelectAllRows(false);
    FocusLater(SecondButton());
}

void CRSUPageReceptionReject::OnDelete() {
    const QList<int> rows = List()->SelectedRows();
    DirectoryData* working = Working();
    if (!rows.isEmpty() && working != nullptr) {
        const int top = List()->TopRow();
        for (int row : rows) StoreRejectNumber(*working, List()->SlotIdAt(row), QString());
        RestoreView(top, rows.first());
    }
    FocusLater(DeleteButton());
}

}  // namespace orvane
