#include "pages/speed_dial_group.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>

#include "pages/context_menu.h"
#include "pages/directory_text.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/rsu_name_edit.h"
#include "pages/slot_order.h"
#include "pages/speed_dial_model.h"
#include "remotesetup/dial_entry_edit.h"
#include "remotesetup/directory_data.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"
#include "ui/show_message.h"

namespace orvane {
namespace {

constexpr int kColumnWidths[] = {50, 150, 270};
// A context menu asked for from the keyboard opens this far right in the list.
constexpr int kMenuOffset = 100;

QStandardItemModel* RowsOf(const CRSUListCtrl* list) {
    return static_cast<QStandardItemModel*>(list->model());
}

QStringList SlotIds(const CRSUListCtrl* list) {
    QStringList ids;
    for (int row = 0; row < list->model()->rowCount(); ++row) ids << list->SlotIdAt(row);
    return ids;
}

QList<QStandardItem*> RowItems(const QStringList& texts) {
    QList<QStandardItem*> items;
    for (const QString& text : texts) {
        auto* item = new QStandardItem(text);
        item->setEditable(false);
        items << item;
    }
    return items;
}

QStringList RowTexts(const CRSUListCtrl* list, int row) {
    QStringList texts;
    for (int column = 0; column < list->model()->columnCount(); ++column)
        texts << list->CellText(row, column);
    return texts;
}

}  // namespace

CMPSpeedDialGroup::CMPSpeedDialGroup(const GroupEntryTexts& entry, CRSUFuncRemoteSetup* setup,
                                     QWidget* parent)
    : CRSUEditDialog(ids::kIddGroupEntry, parent),
      slot_id_(entry.slot_id),
      existing_(entry.existing),
      setup_(setup) {
    name_edit_ = new CRSUNameEdit(this);
    name_edit_->setObjectName(QString::number(ids::kIdcGroupName));
    name_edit_->installEventFilter(this);
    slot_id_label_ = new QLabel(this);
    slot_id_label_->setObjectName(QString::number(ids::kIdcGroupSlotId));
    candidates_ = AddList(ids::kIdcGroupCandidates, ids::kIdsCandidatesSlotId);
    members_ = AddList(ids::kIdcGroupMembers, ids::kIdsMembersSlotId);
    add_ = AddMoveButton(ids::kIdcGroupAdd, ids::kIdsGroupAddTip);
    remove_ = AddMoveButton(ids::kIdcGroupRemove, ids::kIdsGroupRemoveTip);
    const DirectoryData* working = setup_ != nullptr ? setup_->Copy(DirectoryCopy::Working) : nullptr;
    if (working != nullptr) {
        name_edit_->SetUp(setup_->Capability().keycode_type.c_str());
        name_edit_->setMaxLength(FieldLimit(setup_->Capability().current_name_length, kNameFieldSize));
        FillLists(*working);
        name_edit_->setText(entry.name);
        slot_id_label_->setText(slot_id_);
        SelectFirstRows();
    }
    UpdateMoveButtons();
    ToolTips().AddTool(name_edit_, ids::kIdsGroupNameTip);
    ToolTips().AddTool(candidates_, ids::kIdsGroupCandidatesTip);
    ToolTips().AddTool(members_, ids::kIdsGroupMembersTip);
    ToolTips().AddTool(OkButton(), ids::kIdsGroupOkTip);
    Arrange();
    Connect();
    name_edit_->setFocus();
}

CRSUListCtrl* CMPSpeedDialGroup::AddList(int control_id, int first_header) {
    auto* list = new CRSUListCtrl(this);
    list->setObjectName(QString::number(control_id));
    auto* rows = new QStandardItemModel(0, 3, list);
    for (int column = 0; column < 3; ++column) {
        rows->setHeaderData(column, Qt::Horizontal, LoadString(first_header + column));
    }
    list->setModel(rows);
    for (int column = 0; column < 3; ++column) list->header()->resizeSection(column, kColumnWidths[column]);
    list->installEventFilter(this);
    return list;
}

QPushButton* CMPSpeedDialGroup::AddMoveButton(int control_id, int tip) {
    QPushButton* button = AddButton(control_id);
    ToolTips().AddTool(button, tip);
    return button;
}

void CMPSpeedDialGroup::Arrange() {
    auto* top = new QGridLayout;
    int row = 0;
    for (QWidget* field : std::initializer_list<QWidget*>{slot_id_label_, name_edit_}) {
        top->addWidget(AddLabel(field->objectName().toInt(), field), row, 0);
        top->addWidget(field, row++, 1);
    }
    auto* lists = new QGridLayout;
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(add_);
    moves->addWidget(remove_);
    moves->addStretch(1);
    int column = 0;
    for (CRSUListCtrl* list : {candidates_, members_}) {
        lists->addWidget(AddLabel(list->objectName().toInt(), list), 0, column);
        lists->addWidget(list, 1, column);
        column += 2;
    }
    lists->addLayout(moves, 1, 1);
    auto* content = new QVBoxLayout;
    content->addLayout(top);
    content->addLayout(lists, 1);
    ArrangeAboveButtons(content);
    QWidget* previous = nullptr;
    for (QWidget* control : std::initializer_list<QWidget*>{name_edit_, candidates_, add_, remove_, members_,
                                                            OkButton(), CancelButton()}) {
        if (previous != nullptr) setTabOrder(previous, control);
        previous = control;
    }
}

void CMPSpeedDialGroup::Connect() {
    connect(add_, &QPushButton::clicked, this, &CMPSpeedDialGroup::OnAdd);
    connect(remove_, &QPushButton::clicked, this, &CMPSpeedDialGroup::OnRemove);
    connect(candidates_, &QAbstractItemView::doubleClicked, this, &CMPSpeedDialGroup::OnAdd);
    connect(members_, &QAbstractItemView::doubleClicked, this, &CMPSpeedDialGroup::OnRemove);
    for (CRSUListCtrl* list : {candidates_, members_}) {
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
                &CMPSpeedDialGroup::UpdateMoveButtons);
        connect(list, &CRSUListCtrl::ContextMenuRequested, this,
                [this, list](const QPoint& position, bool from_keyboard) {
                    ShowContextMenu(list, position, from_keyboard);
                });
    }
    // Accelerator table 158.
    auto* select_all = new QAction(this);
    select_all->setObjectName(QString::number(ids::kCmdSelectAll));
    select_all->setShortcut(QKeySequence::SelectAll);
    connect(select_all, &QAction::triggered, this, &CMPSpeedDialGroup::OnSelectAll);
    addAction(select_all);
}

void CMPSpeedDialGroup::FillLists(const DirectoryData& working) {
    // Without the group's own entry nothing is skipped and nothing counts as a member.
    const DialEntry* group = FindDialEntry(working, NarrowBytes(slot_id_));
    for (const DialEntry& entry : working.entries) {
        slot_order_ << DialEntryCell(entry, 0);
        if (&entry == group) continue;
        const bool member = group != nullptr && ListsMember(*group, entry.slot_id);
        if (!member && entry.kind == EntryKind::Empty) continue;
        QStringList texts;
        for (int column = 0; column < 3; ++column) texts << DialEntryCell(entry, column);
        RowsOf(member ? members_ : candidates_)->appendRow(RowItems(texts));
    }
}

void CMPSpeedDialGroup::SelectFirstRows() {
    candidates_->SelectRow(0);
    members_->SelectRow(0);
}

void CMPSpeedDialGroup::UpdateMoveButtons() {
    add_->setEnabled(candidates_->SelectionMark() >= 0);
    remove_->setEnabled(members_->SelectionMark() >= 0);
}

void CMPSpeedDialGroup::MoveRows(CRSUListCtrl* source, CRSUListCtrl* destination) {
    const QList<int> selected = source->SelectedRows();
    if (selected.isEmpty()) return;
    for (int row : selected) {
        const QStringList texts = RowTexts(source, row);
        RowsOf(destination)
            ->insertRow(SortedInsertIndex(SlotIds(destination), texts.first(), slot_order_), RowItems(texts));
    }
    const QString first_moved = source->SlotIdAt(selected.first());
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) RowsOf(source)->removeRow(*row);
    const int source_rows = source->model()->rowCount();
    if (source_rows == 0) {
        destination->SelectRow(static_cast<int>(SlotIds(destination).indexOf(first_moved)));
        QTimer::singleShot(0, destination, [destination] { destination->setFocus(Qt::OtherFocusReason); });
    } else {
        source->SelectRow(selected.first() < source_rows ? selected.first() : 0);
    }
    if (destination->SelectedRows().isEmpty()) destination->SelectRow(0);
    UpdateMoveButtons();
}

void CMPSpeedDialGroup::OnAdd() {
    MoveRows(candidates_, members_);
    if (candidates_->model()->rowCount() > 0) add_->setFocus(Qt::OtherFocusReason);
}

void CMPSpeedDialGroup::OnRemove() {
    MoveRows(members_, candidates_);
    if (members_->model()->rowCount() > 0) remove_->setFocus(Qt::OtherFocusReason);
}

void CMPSpeedDialGroup::OnSelectAll() {
    for (CRSUListCtrl* list : {candidates_, members_}) {
        if (list->hasFocus()) list->SelectAllRows(true);
    }
}

bool CMPSpeedDialGroup::eventFilter(QObject* watched, QEvent* event) {
    // The default button follows the focus: OK for the name, Add for the candidates, Remove for the
    // members.
    if (event->type() == QEvent::FocusIn) {
        if (watched == name_edit_) OkButton()->setDefault(true);
        if (watched == candidates_) add_->setDefault(true);
        if (watched == members_) remove_->setDefault(true);
    }
    return CRSUEditDialog::eventFilter(watched, event);
}

void CMPSpeedDialGroup::ShowContextMenu(CRSUListCtrl* list, const QPoint& global_position,
                                        bool from_keyboard) {
    const bool adding = list == candidates_;
    const int command = adding ? ids::kCmdAddMember : ids::kCmdRemoveMember;
    const std::unique_ptr<QMenu> menu =
        LoadContextMenu(adding ? ids::kMenuCandidatesContext : ids::kMenuMembersContext, {command}, this);
    MenuCommand(*menu, command)->setEnabled(list->model()->rowCount() > 0);
    const QPoint anchor = from_keyboard ? list->KeyboardMenuPosition(kMenuOffset) : global_position;
    // The menu's right edge sits at the anchor.
    if (menu->exec(anchor - QPoint(menu->sizeHint().width(), 0)) == nullptr) return;
    if (adding) {
        OnAdd();
    } else {
        OnRemove();
    }
}

void CMPSpeedDialGroup::accept() {
    const bool named = !name_edit_->text().isEmpty();
    const bool has_members = members_->model()->rowCount() > 0;
    if (named && !has_members) {
        ShowMessage(this, ids::kMsgMembersRequired, ids::kIdsAppTitle, MessageStyle::Error);
        return;
    }
    if (!existing_ && !named && !has_members) {
        reject();
        return;
    }
    if (WriteGroup()) CRSUEditDialog::accept();
}

bool CMPSpeedDialGroup::WriteGroup() {
    DirectoryData* working = setup_ != nullptr ? setup_->Copy(DirectoryCopy::Working) : nullptr;
    DialEntry* entry = working != nullptr ? FindDialEntry(*working, NarrowBytes(slot_id_)) : nullptr;
    if (entry == nullptr) return false;
    if (members_->model()->rowCount() == 0 && name_edit_->text().isEmpty()) {
        EmptyDialEntry(*entry);
        return true;
    }
    std::vector<std::string> members;
    for (const QString& member : SlotIds(members_)) members.push_back(NarrowBytes(member));
    return StoreGroupEntry(*entry, WideText(name_edit_->text()), members);
}

}  // namespace orvane
