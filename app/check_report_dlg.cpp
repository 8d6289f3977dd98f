#include "app/check_report_dlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {
namespace {

// String `string_id` with its %1, %2 filled in.
template <typename... Texts>
QString Text(int string_id, const Texts&... texts) {
    if constexpr (sizeof...(texts) == 0) {
        return LoadString(string_id);
    } else {
        return LoadString(string_id).arg(texts...);
    }
}

QString SlotList(const std::vector<std::string>& slot_ids) {
    QStringList listed;
    for (const std::string& slot : slot_ids) listed.append(QString::fromStdString(slot));
    return listed.join(QStringLiteral(", "));
}

QPushButton* AddButton(QWidget* dialog, int id) {
    auto* button = new QPushButton(LoadTemplateText(ids::kIddCheckReport, id), dialog);
    button->setObjectName(QString::number(id));
    button->setAccessibleName(WithoutMnemonic(button->text()));
    return button;
}

QTreeWidget* ProblemList(const std::vector<DirectoryProblem>& problems, QWidget* dialog) {
    auto* list = new QTreeWidget(dialog);
    list->setObjectName(QString::number(ids::kIdcCheckList));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels({Text(ids::kIdsCheckColumnSlot), Text(ids::kIdsCheckColumnProblem)});
    list->header()->setSectionsMovable(false);
    for (const DirectoryProblem& problem : problems) {
        new QTreeWidgetItem(list, {ProblemPlaceText(problem), ProblemText(problem)});
    }
    list->resizeColumnToContents(0);
    list->setCurrentItem(list->topLevelItem(0));
    return list;
}

}  // namespace

QString ProblemPlaceText(const DirectoryProblem& problem) {
    const QString slot =
        problem.slot_ids.empty() ? QString() : QString::fromStdString(problem.slot_ids.front());
    switch (problem.place) {
        case ProblemPlace::kSender:
            return Text(ids::kIdsCheckSender);
        case ProblemPlace::kReject:
            return Text(ids::kIdsCheckRejectSlot, slot);
        case ProblemPlace::kDial:
            break;
    }
    return slot;
}

QString ProblemText(const DirectoryProblem& problem) {
    const QString subject = QString::fromStdU16String(problem.subject);
    if (problem.kind == "empty-member") {
        return Text(ids::kIdsProblemEmptyMember, QString::fromStdString(problem.slot_ids.back()));
    }
    if (problem.kind == "duplicate-number") {
        return Text(ids::kIdsProblemDuplicateNumber, subject, SlotList(problem.slot_ids));
    }
    if (problem.kind == "duplicate-rejected") {
        return Text(ids::kIdsProblemDuplicateRejected, subject, SlotList(problem.slot_ids));
    }
    if (problem.kind == "group-without-members") return Text(ids::kIdsProblemNoMembers);
    if (problem.kind == "name-refused") return Text(ids::kIdsProblemNameRefused, subject);
    return Text(ids::kIdsProblemNumberRefused, subject);
}

CRSUCheckReport::CRSUCheckReport(Purpose purpose, const std::vector<DirectoryProblem>& problems,
                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::number(ids::kIddCheckReport));
    setWindowTitle(LoadTemplateText(ids::kIddCheckReport, 0));
    const int intro = purpose == Purpose::kBeforeWrite ? ids::kIdsCheckBeforeWrite
                      : problems.empty()               ? ids::kIdsCheckNone
                                                       : ids::kIdsCheckAll;
    auto* text = new QLabel(Text(intro), this);
    text->setObjectName(QString::number(ids::kIdcCheckText));
    text->setWordWrap(true);
    text->setAccessibleName(text->text());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (purpose == Purpose::kBeforeWrite) {
        QPushButton* write = AddButton(this, ids::kIdcCheckWriteAnyway);
        QPushButton* cancel = AddButton(this, ids::kIdcCheckCancel);
        // Enter keeps the directory off the printer; writing takes a deliberate choice.
        cancel->setDefault(true);
        connect(write, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(write);
        buttons->addWidget(cancel);
    } else {
        QPushButton* close = AddButton(this, ids::kIdcCheckClose);
        close->setDefault(true);
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(close);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    if (!problems.empty()) {
        QTreeWidget* list = ProblemList(problems, this);
        list->setAccessibleName(text->text());
        text->setBuddy(list);
        layout->addWidget(list, 1);
        resize(560, 320);
    }
    layout->addLayout(buttons);
}

}  // namespace orvane
