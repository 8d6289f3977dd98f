#include "app/fit_report_dlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <numeric>

#include "directorytools/directory_fit.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {
namespace {

constexpr std::array kColumns = {ids::kIdsFitColumnLine,   ids::kIdsFitColumnSlot,
                                 ids::kIdsFitColumnName,   ids::kIdsFitColumnNumber,
                                 ids::kIdsFitColumnResult, ids::kIdsFitColumnDetails};
enum Column { kLine, kSlot, kName, kNumber, kResult, kDetails };

// Room for a few hundred rows without the dialog growing past a small screen.
constexpr QSize kListSize(640, 280);

int OutcomeText(FitOutcome outcome) {
    switch (outcome) {
        case FitOutcome::Placed:
            return ids::kIdsFitPlaced;
        case FitOutcome::Cut:
            return ids::kIdsFitCut;
        case FitOutcome::Changed:
            return ids::kIdsFitChanged;
        case FitOutcome::NotPlaced:
            break;
    }
    return ids::kIdsFitNotPlaced;
}

QString Text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The note in the module's words.
QString NoteText(const FitNote& note) {
    const QString given = Text(note.given);
    const QString limit = QString::number(note.limit);
    switch (note.issue) {
        case FitIssue::NameChanged:
            return LoadString(ids::kIdsFitNameChanged).arg(given, Text(note.stored));
        case FitIssue::NameCut:
            return LoadString(ids::kIdsFitNameCut).arg(given, limit);
        case FitIssue::NumberChanged:
            return LoadString(ids::kIdsFitNumberChanged).arg(given, Text(note.stored));
        case FitIssue::NumberCut:
            return LoadString(ids::kIdsFitNumberCut).arg(given, limit);
        case FitIssue::NoSuchSlot:
            return LoadString(ids::kIdsFitNoSuchSlot).arg(given);
        case FitIssue::SlotGivenTwice:
            return LoadString(ids::kIdsFitSlotTwice);
        case FitIssue::NoNumber:
            return LoadString(ids::kIdsFitNoNumber);
        case FitIssue::NoFreeSlot:
            return LoadString(ids::kIdsFitNoFreeSlot);
        case FitIssue::NumberRefused:
            return LoadString(ids::kIdsFitNumberRefused);
        case FitIssue::MemberDropped:
            return LoadString(ids::kIdsFitMemberDropped).arg(given);
        case FitIssue::MemberTwice:
            break;
    }
    return LoadString(ids::kIdsFitMemberTwice).arg(given);
}

QString SlotText(const FitItem& item) {
    const QString slot = QString::fromStdString(item.slot);
    switch (item.part) {
        case FitPart::Sender:
            return LoadString(ids::kIdsFitSender);
        case FitPart::Reject:
            return LoadString(ids::kIdsFitReject).arg(slot);
        case FitPart::Dial:
            break;
    }
    return slot;
}

QString NumberText(const FitItem& item) {
    return item.part == FitPart::Dial && item.kind == EntryKind::Group ? LoadString(ids::kIdsGroupMarker)
                                                                       : Text(item.number);
}

QString SummaryText(const FitReport& report, const QString& file_name, const QString& text) {
    const auto count = [&](FitOutcome outcome) {
        return QString::number(std::count_if(report.items.begin(), report.items.end(),
                                             [&](const FitItem& item) { return item.outcome == outcome; }));
    };
    return text.arg(file_name, count(FitOutcome::Placed), count(FitOutcome::Changed), count(FitOutcome::Cut),
                    count(FitOutcome::NotPlaced));
}

}  // namespace

CRSUFitReportDlg::CRSUFitReportDlg(const FitReport& report, const QString& file_name, QWidget* parent)
    : CRSUEditDialog(ids::kIddFitReport, parent) {
    auto* summary = new QLabel(SummaryText(report, file_name, TemplateText(ids::kIdcFitSummary)), this);
    summary->setObjectName(QString::number(ids::kIdcFitSummary));
    summary->setWordWrap(true);
    summary->setAccessibleName(summary->text());
    list_ = new QTreeWidget(this);
    list_->setObjectName(QString::number(ids::kIdcFitList));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setMinimumSize(kListSize);
    QStringList headers;
    for (int column : kColumns) headers << LoadString(column);
    list_->setHeaderLabels(headers);
    FillRows(report);
    for (int column = 0; column < list_->columnCount(); ++column) list_->resizeColumnToContents(column);
    QLabel* label = AddLabel(ids::kIdcFitList, list_);

    auto* content = new QVBoxLayout;
    content->addWidget(summary);
    content->addWidget(label);
    content->addWidget(list_, 1);
    ArrangeAboveButtons(content);
}

void CRSUFitReportDlg::FillRows(const FitReport& report) {
    std::vector<std::size_t> order(report.items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return report.items[a].line < report.items[b].line;
    });
    for (std::size_t index : order) {
        const FitItem& item = report.items[index];
        QStringList details;
        for (const FitNote& note : report.notes) {
            if (note.item == index) details << NoteText(note);
        }
        auto* row = new QTreeWidgetItem(list_);
        row->setText(kLine, item.line > 0 ? QString::number(item.line) : QString());
        row->setText(kSlot, SlotText(item));
        row->setText(kName, Text(item.name));
        row->setText(kNumber, NumberText(item));
        row->setText(kResult, LoadString(OutcomeText(item.outcome)));
        row->setText(kDetails, details.join(QStringLiteral("; ")));
    }
}

}  // namespace orvane
