#include "app/merge_review_dlg.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "pages/directory_text.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {
namespace {

enum Column { kSlotColumn, kPrinterColumn, kHereColumn, kChangeColumn, kTakenColumn, kColumnCount };

QString TemplateText(int control_id) {
    return LoadTemplateText(ids::kIddMergeReview, control_id);
}

// A label for `control`, whose accessible name it gives.
QLabel* LabelFor(QWidget* control, int id) {
    auto* label = new QLabel(TemplateText(id), control->parentWidget());
    label->setBuddy(control);
    control->setObjectName(QString::number(id));
    control->setAccessibleName(WithoutMnemonic(label->text()));
    return label;
}

QString EmptyText() {
    return LoadString(ids::kIdsMergeEmpty);
}

// A name with a number, or the empty text when both are empty.
QString NameAndNumber(const QString& name, const QString& number) {
    if (name.isEmpty() && number.isEmpty()) return EmptyText();
    return LoadString(ids::kIdsMergeIndividual).arg(name, number);
}

QString EntryText(const DialEntry& entry) {
    switch (entry.kind) {
        case EntryKind::Individual:
            return NameAndNumber(DeviceName(entry.name), NarrowText(entry.number, entry.number.size()));
        case EntryKind::Group: {
            QStringList members;
            for (std::size_t i = 0; i < entry.member_count && i < entry.members.size(); ++i)
                members << NarrowText(entry.members[i], entry.members[i].size());
            return LoadString(ids::kIdsMergeGroup)
                .arg(DeviceName(entry.name), members.join(QLatin1Char(' ')));
        }
        case EntryKind::Empty:
            break;
    }
    return EmptyText();
}

QString RejectText(const RejectEntry& reject) {
    const QString number = NarrowText(reject.number, reject.number.size());
    return number.isEmpty() ? EmptyText() : number;
}

// What `data` holds in the slot of `slot`.
QString SideText(const DirectoryData& data, const MergeSlot& slot) {
    switch (slot.part) {
        case MergePart::Dial:
            return EntryText(data.entries[slot.index]);
        case MergePart::Sender:
            return NameAndNumber(DeviceName(data.sender.name),
                                 NarrowText(data.sender.number, data.sender.number.size()));
        case MergePart::Reject:
            break;
    }
    return RejectText(data.rejects[slot.index]);
}

QString SlotText(const DirectoryData& data, const MergeSlot& slot) {
    switch (slot.part) {
        case MergePart::Dial: {
            const SlotId& id = data.entries[slot.index].slot_id;
            return NarrowText(id, id.size());
        }
        case MergePart::Sender:
            return LoadString(ids::kIdsMergeSender);
        case MergePart::Reject:
            break;
    }
    const auto& id = data.rejects[slot.index].slot_id;
    return LoadString(ids::kIdsMergeRejected).arg(NarrowText(id, id.size()));
}

int ChangeText(SlotChange change) {
    switch (change) {
        case SlotChange::PrinterOnly:
            return ids::kIdsMergeChangedOnPrinter;
        case SlotChange::HereOnly:
            return ids::kIdsMergeChangedHere;
        case SlotChange::BothAlike:
            return ids::kIdsMergeChangedAlike;
        case SlotChange::Conflict:
            break;
    }
    return ids::kIdsMergeConflict;
}

}  // namespace

CRSUMergeReviewDlg::CRSUMergeReviewDlg(const DirectoryData& base, const DirectoryData& printer,
                                       const DirectoryData& here, QWidget* parent)
    : QDialog(parent),
      base_(base),
      printer_(printer),
      here_(here),
      slots_(CompareThreeWay(base, printer, here)) {
    setObjectName(QString::number(ids::kIddMergeReview));
    setWindowTitle(TemplateText(0));
    CreateControls();
    FillRows();
    ShowMerge();
    UpdateButtons();
}

QPushButton* CRSUMergeReviewDlg::AddButton(int id) {
    auto* button = new QPushButton(TemplateText(id), this);
    button->setObjectName(QString::number(id));
    button->setAccessibleName(WithoutMnemonic(button->text()));
    return button;
}

void CRSUMergeReviewDlg::CreateControls() {
    auto* intro = new QLabel(TemplateText(ids::kIdcMergeIntro), this);
    intro->setObjectName(QString::number(ids::kIdcMergeIntro));
    intro->setAccessibleName(intro->text());
    intro->setWordWrap(true);

    list_ = new QTreeWidget(this);
    list_->setColumnCount(kColumnCount);
    list_->setHeaderLabels({LoadString(ids::kIdsMergeColumnSlot), LoadString(ids::kIdsMergeColumnPrinter),
                            LoadString(ids::kIdsMergeColumnHere), LoadString(ids::kIdsMergeColumnChange),
                            LoadString(ids::kIdsMergeColumnTaken)});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QLabel* list_label = LabelFor(list_, ids::kIdcMergeList);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CRSUMergeReviewDlg::UpdateButtons);

    take_printer_ = AddButton(ids::kIdcMergeTakePrinter);
    keep_here_ = AddButton(ids::kIdcMergeKeepHere);
    connect(take_printer_, &QPushButton::clicked, this, [this] { Choose(MergeSide::Printer); });
    connect(keep_here_, &QPushButton::clicked, this, [this] { Choose(MergeSide::Here); });
    auto* sides = new QHBoxLayout;
    sides->addWidget(take_printer_);
    sides->addWidget(keep_here_);
    sides->addStretch();

    dropped_ = new QListWidget(this);
    QLabel* dropped_label = LabelFor(dropped_, ids::kIdcMergeDropped);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* write = AddButton(ids::kIdcMergeWrite);
    write->setDefault(true);
    buttons->addButton(write, QDialogButtonBox::AcceptRole);
    buttons->addButton(AddButton(ids::kIdcMergeCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_label);
    layout->addWidget(list_, 3);
    layout->addLayout(sides);
    layout->addWidget(dropped_label);
    layout->addWidget(dropped_, 1);
    layout->addWidget(buttons);
    resize(720, 440);
}

void CRSUMergeReviewDlg::FillRows() {
    QTreeWidgetItem* first_conflict = nullptr;
    for (const MergeSlot& slot : slots_) {
        auto* item = new QTreeWidgetItem(list_, {SlotText(here_, slot), SideText(printer_, slot),
                                                 SideText(here_, slot), LoadString(ChangeText(slot.change))});
        if (slot.change != SlotChange::Conflict) continue;
        QFont marked = item->font(kSlotColumn);
        marked.setBold(true);
        for (int column = 0; column < kColumnCount; ++column) item->setFont(column, marked);
        if (first_conflict == nullptr) first_conflict = item;
    }
    QTreeWidgetItem* current = first_conflict != nullptr ? first_conflict : list_->topLevelItem(0);
    if (current != nullptr) list_->setCurrentItem(current);
}

void CRSUMergeReviewDlg::Choose(MergeSide side) {
    for (QTreeWidgetItem* item : list_->selectedItems()) {
        MergeSlot& slot = slots_[static_cast<std::size_t>(list_->indexOfTopLevelItem(item))];
        if (slot.change == SlotChange::Conflict) slot.choice = side;
    }
    ShowMerge();
}

void CRSUMergeReviewDlg::ShowMerge() {
    merge_ = MergeDirectories(base_, printer_, here_, slots_);
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const bool printers = slots_[i].Taken() == MergeSide::Printer;
        list_->topLevelItem(static_cast<int>(i))
            ->setText(kTakenColumn,
                      LoadString(printers ? ids::kIdsMergeTakenPrinter : ids::kIdsMergeTakenHere));
    }
    dropped_->clear();
    for (const DroppedMember& member : merge_.dropped) {
        dropped_->addItem(
            LoadString(ids::kIdsMergeDropped)
                .arg(QString::fromStdString(member.group), QString::fromStdString(member.member)));
    }
}

void CRSUMergeReviewDlg::UpdateButtons() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    const bool conflict = std::any_of(selected.begin(), selected.end(), [this](QTreeWidgetItem* item) {
        return slots_[static_cast<std::size_t>(list_->indexOfTopLevelItem(item))].change ==
               SlotChange::Conflict;
    });
    take_printer_->setEnabled(conflict);
    keep_here_->setEnabled(conflict);
}

}  // namespace orvane
