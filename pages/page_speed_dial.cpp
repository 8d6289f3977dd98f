#include "pages/page_speed_dial.h"

#include <QPushButton>

#include "pages/directory_text.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/speed_dial_group.h"
#include "pages/speed_dial_individual.h"
#include "pages/speed_dial_model.h"
#include "pages/speed_dial_type_select.h"
#include "remotesetup/dial_entry_edit.h"
#include "remotesetup/directory_data.h"
#include "resources/resource_ids.h"

namespace orvane {

CRSUPageSpeedDial::CRSUPageSpeedDial(CRSUPageHost* host, QWidget* parent)
    : CRSUPage(host,
               {ids::kIddSpeedDialPage, ids::kIdcSpeedDialList, ids::kIdsSpeedDialListTip,
                ids::kIdcSpeedDialEdit, ids::kIdcSpeedDialSelectAll, ids::kIdcSpeedDialDelete, 50},
               new SpeedDialModel, parent) {
    AddSelectAllAccelerator();
}

void CRSUPageSpeedDial::OnEdit() {
    DirectoryData* working = Working();
    const int row = List()->SelectionMark();
    if (working == nullptr || row < 0) return;
    const EditedRow edited{row, List()->TopRow(), List()->SlotIdAt(row)};
    const DialEntry* entry = FindDialEntry(*working, NarrowBytes(edited.slot_id));
    if (entry == nullptr) return;
    switch (entry->kind) {
        case EntryKind::Individual:
            EditIndividual(edited, true);
            break;
        case EntryKind::Group:
            EditGroup(edited, true);
            break;
        case EntryKind::Empty: {
            CRSUSpeedDialTypeSelect choice(MainWindow());
            if (choice.exec() != QDialog::Accepted) break;
            if (choice.Answer() == EntryTypeAnswer::Individual) EditIndividual(edited, false);
            if (choice.Answer() == EntryTypeAnswer::Group) EditGroup(edited, false);
            break;
        }
    }
    FocusLater(EditButton());
}

void CRSUPageSpeedDial::EditIndividual(const EditedRow& edited, bool existing) {
    IndividualEntryTexts texts{edited.slot_id, {}, {}, existing};
    if (existing) {
        texts.number = List()->CellText(edited.row, 2);
        texts.name = List()->CellText(edited.row, 1);
    }
    CMPSpeedDialIndividual dialog(texts, RemoteSetup(), MainWindow());
    if (dialog.exec() != QDialog::Accepted) return;
    // The directory is looked up again: it is the window's, not the page's.
    DirectoryData* working = Working();
    DialEntry* entry = working != nullptr ? FindDialEntry(*working, NarrowBytes(edited.slot_id)) : nullptr;
    if (entry == nullptr) return;
    if (existing && dialog.Number().isEmpty()) {
        EmptyDialEntry(*entry);
    } else if (dialog.Number() == texts.number && dialog.Name() == texts.name) {
        return;
    } else if (!StoreIndividualEntry(*entry, NarrowBytes(dialog.Number()), WideText(dialog.Name()))) {
        return;
    }
    RestoreView(edited.top_row, edited.row);
}

void CRSUPageSpeedDial::EditGroup(const EditedRow& edited, bool existing) {
    const QString name = existing ? List()->CellText(edited.row, 1) : QString();
    CMPSpeedDialGroup dialog({edited.slot_id, name, existing}, RemoteSetup(), this);
    if (dialog.exec() == QDialog::Accepted) RestoreView(edited.top_row, edited.row);
}

void CRSUPageSpeedDial::OnSelectAll() {
    List()->SelectAllRows(true);
    FocusLater(SecondButton());
}

void CRSUPageSpeedDial::OnDelete() {
    DirectoryData* working = Working();
    const QList<int> selected = List()->SelectedRows();
    if (working == nullptr || selected.isEmpty()) return;
    const int top_row = List()->TopRow();
    for (int row : selected) {
        DialEntry* entry = FindDialEntry(*working, NarrowBytes(List()->SlotIdAt(row)));
        if (entry != nullptr && entry->kind != EntryKind::Empty) EmptyDialEntry(*entry);
    }
    RestoreView(top_row, selected.first());
    FocusLater(DeleteButton());
}

}  // namespace orvane
