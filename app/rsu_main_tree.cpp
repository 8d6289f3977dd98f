// The main window's navigation tree, the page it shows and the keyboard bridge into that page.
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/program_icon.h"
#include "app/rsu_main.h"
#include "pages/page_reception_reject.h"
#include "pages/page_speed_dial.h"
#include "pages/page_tti.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/rsu_tree_ctrl.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {
namespace {

// Images of the tree rows: 0 printer and dummy headings, 1 the fax heading, 2 a page.
QIcon RowIcon(int image) {
    static constexpr int kIcons[] = {ids::kIconTreeRoot, ids::kIconTreeFax, ids::kIconTreePage};
    return ProgramIcon(kIcons[image]);
}

}  // namespace

void CRSUMain::BuildPageRows() {
    page_rows_.clear();
    page_rows_.push_back({kRowRoot, 0, PrinterName(), 0});
    const ModelRecord* model = SelectedModel();
    const std::uint8_t functions = model != nullptr ? model->functions : 0;
    if (functions & kFunctionScanner) {
        page_rows_.push_back({kRowHeading, 0, QStringLiteral("Scanner Dummy"), 0});
        page_rows_.push_back({kRowPage, 2, QStringLiteral("Scanner Dummy Element"), 0});
    }
    if (functions & kFunctionPrinter) {
        page_rows_.push_back({kRowHeading, 0, QStringLiteral("Printer Dummy"), 0});
        page_rows_.push_back({kRowPage, 2, QStringLiteral("Printer Dummy Element"), 0});
    }
    if (functions & kFunctionFax) {
        page_rows_.push_back({kRowHeading, 1, LoadString(ids::kIdsTreeFax), 0});
        page_rows_.push_back({kRowPage, 2, LoadString(ids::kIdsTreeSpeedDial), 1});
        page_rows_.push_back({kRowPage, 2, LoadString(ids::kIdsTreeSender), 0});
        if (remote_setup_->Capability().current_reject_tel_num != 0) {
            page_rows_.push_back({kRowPage, 2, LoadString(ids::kIdsTreeRejected), 0});
        }
    }
}

void CRSUMain::FillTree() {
    const QSignalBlocker quiet(tree_);
    tree_->clear();
    tree_->SetPageRows(&page_rows_);
    QTreeWidgetItem* root = nullptr;
    QTreeWidgetItem* heading = nullptr;
    for (const PageRow& row : page_rows_) {
        auto* item = new QTreeWidgetItem(QStringList(row.text));
        item->setIcon(0, RowIcon(row.image));
        if (row.kind == kRowRoot) {
            tree_->addTopLevelItem(item);
            root = item;
        } else if (row.kind == kRowHeading && root != nullptr) {
            root->addChild(item);
            heading = item;
        } else if (heading != nullptr) {
            heading->addChild(item);
        }
    }
    tree_->expandAll();
    FitTreeWidth();
}

CRSUPage* CRSUMain::SelectedRowPage() const {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty() || !remote_setup_) return nullptr;
    const QString text = selected.first()->text(0);
    if (text == LoadString(ids::kIdsTreeSpeedDial)) return speed_dial_;
    if (text == LoadString(ids::kIdsTreeSender)) return sender_;
    if (text == LoadString(ids::kIdsTreeRejected)) return reject_;
    return nullptr;
}

void CRSUMain::OnTreeSelectionChanged() {
    CRSUPage* page = SelectedRowPage();
    if (page == speed_dial_) {
        const bool coded_only = remote_setup_->Capability().current_onetouch_dial_num < 1;
        page_heading_->setText(coded_only ? LoadString(ids::kIdsHeadingCodedOnly) + QLatin1Char('\n') +
                                                LoadString(ids::kIdsHeadingCoded)
                                          : LoadString(ids::kIdsHeadingSpeedDial) + QLatin1Char('\n') +
                                                LoadString(ids::kIdsHeadingOneTouch) + QLatin1Char('\n') +
                                                LoadString(ids::kIdsHeadingCoded));
    } else if (page == sender_) {
        page_heading_->setText(LoadString(ids::kIdsHeadingSender));
    } else if (page == reject_) {
        page_heading_->setText(LoadString(ids::kIdsHeadingRejected));
    }
    if (page != nullptr) ShowPage(page);
}

bool CRSUMain::BridgeFocusToPage(QObject* watched, const QKeyEvent* key) {
    const bool backwards = key->key() == Qt::Key_Backtab ||
                           (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
    const bool forwards = key->key() == Qt::Key_Tab && !backwards;
    QWidget* target = nullptr;
    CRSUPage* page = SelectedRowPage();
    if (page == nullptr) return false;
    if (forwards && watched == more_) target = page->List();
    if (backwards && watched == write_) target = page->DeleteButton();
    if (target == nullptr) return false;
    // The focus moves after this key, as the dialog manager would do it.
    QTimer::singleShot(0, target, [target] { target->setFocus(Qt::TabFocusReason); });
    return true;
}

}  // namespace orvane
