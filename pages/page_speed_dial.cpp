#include "pages/page_speed_dial.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "pages/directory_text.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/speed_dial_filter.h"
#include "pages/speed_dial_group.h"
#include "pages/speed_dial_individual.h"
#include "pages/speed_dial_model.h"
#include "pages/speed_dial_type_select.h"
#include "remotesetup/dial_entry_edit.h"
#include "remotesetup/directory_data.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {

CRSUPageSpeedDial::CRSUPageSpeedDial(CRSUPageHost* host, QWidget* parent)
    : CRSUPage(host,
               {ids::kIddSpeedDialPage, ids::kIdcSpeedDialList, ids::kIdsSpeedDialListTip,
                ids::kIdcSpeedDialEdit, ids::kIdcSpeedDialSelectAll, ids::kIdcSpeedDialDelete, 50},
               new SpeedDialModel, parent, new SpeedDialFilter) {
    filter_ = static_cast<SpeedDialFilter*>(List()->model());
    AddSelectAllAccelerator();
    CreateFindField();
}

void CRSUPageSpeedDial::CreateFindField() {
    const QString label_text = LoadTemplateText(ids::kIddSpeedDialPage, ids::kIdcFind);
    auto* label = new QLabel(label_text, this);
    find_ = new QLineEdit(this);
    find_->setObjectName(QString::number(ids::kIdcFind));
    find_->setPlaceholderText(LoadString(ids::kIdsFindPlaceholder));
    find_->setClearButtonEnabled(true);
    find_->setAccessibleName(WithoutMnemonic(label_text));
    label->setBuddy(find_);
    ToolTips().AddTool(find_, ids::kIdsFindTip);
    connect(find_, &QLineEdit::textChanged, this, &CRSUPageSpeedDial::OnFindTextChanged);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(find_, 1);
    AddAboveList(row, find_);

    // Reaches the field from anywhere in the window while the page is shown.
    auto* find = new QAction(this);
    find->setObjectName(QString::number(ids::kCmdFind));
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    connect(find, &QAction::triggered, this, [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    addAction(find);
}

int CRSUPageSpeedDial::RefreshList() {
    const int result = CRSUPage::RefreshList();
    filter_->Refilter();
    return result;
}

int CRSUPageSpeedDial::RefreshAfterChange() {
    return CRSUPage::RefreshList();
}

void CRSUPageSpeedDial::OnFindTextChanged(const QString& text) {
    filter_->SetFindText(text);
    if (List()->SelectedRows().isEmpty()) {
        SelectRow(0);
    } else {
        UpdateEditButton();
    }
    List()->scrollTo(List()->currentIndex());
}

void CRSUPageSpeedDial::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == find_) {
        // Into the rows found, never on to the window's default button.
        List()->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !find_->text().isEmpty()) {
        find_->clear();
        event->accept();
        return;
    }
    CRSUPage::keyPressEvent(event);
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
