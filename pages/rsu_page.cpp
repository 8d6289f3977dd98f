#include "pages/rsu_page.h"

#include <QAbstractProxyModel>
#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "pages/context_menu.h"
#include "pages/directory_list_model.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/rsu_page_host.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"
#include "ui/template_controls.h"

namespace orvane {
namespace {

// RefreshList's code while no directory is shown.
constexpr int kNoDirectory = 5;

}  // namespace

CRSUPage::CRSUPage(CRSUPageHost* host, const PageControls& controls, DirectoryListModel* model,
                   QWidget* parent, QAbstractProxyModel* shown)
    : QWidget(parent), host_(host), model_(model), menu_x_offset_(controls.menu_x_offset) {
    setObjectName(QString::number(controls.template_id));
    model_->setParent(this);
    list_ = new CRSUListCtrl(this);
    list_->setObjectName(QString::number(controls.list_id));
    if (shown != nullptr) {
        shown->setParent(this);
        shown->setSourceModel(model_);
        list_->setModel(shown);
    } else {
        list_->setModel(model_);
    }
    for (std::size_t i = 0; i < model_->Columns().size(); ++i) {
        list_->header()->resizeSection(static_cast<int>(i), model_->Columns()[i].width);
    }
    tool_tips_.AddTool(list_, controls.list_tip);
    edit_ = AddButton(controls.template_id, controls.edit_id, ids::kIdsEditTip);
    second_ = AddButton(controls.template_id, controls.second_id, ids::kIdsSelectAllTip);
    delete_ = AddButton(controls.template_id, controls.delete_id, ids::kIdsDeleteTip);

    connect(edit_, &QPushButton::clicked, this, [this] { OnEdit(); });
    connect(second_, &QPushButton::clicked, this, [this] { OnSelectAll(); });
    connect(delete_, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(list_, &QAbstractItemView::doubleClicked, this, [this] { OnEdit(); });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CRSUPage::UpdateEditButton);
    connect(list_, &CRSUListCtrl::ContextMenuRequested, this, &CRSUPage::ShowContextMenu);
    list_->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {edit_, second_, delete_}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
}

QPushButton* CRSUPage::AddButton(int template_id, int id, int tip) {
    QPushButton* button = MakeTemplateButton(template_id, id, this);
    button->setAutoDefault(false);
    tool_tips_.AddTool(button, tip);
    return button;
}

CRSUFuncRemoteSetup* CRSUPage::RemoteSetup() const {
    return host_->RemoteSetup();
}

DirectoryData* CRSUPage::Working() const {
    CRSUFuncRemoteSetup* setup = RemoteSetup();
    return setup != nullptr ? setup->Copy(DirectoryCopy::Working) : nullptr;
}

void CRSUPage::ClearSavedFlag() {
    host_->ClearSavedFlag();
}

int CRSUPage::RefreshList() {
    CRSUFuncRemoteSetup* setup = RemoteSetup();
    model_->Reset(setup);
    return setup == nullptr ? kNoDirectory : 0;
}

void CRSUPage::ApplyReadState(bool second_enabled) {
    edit_->setEnabled(false);
    second_->setEnabled(second_enabled);
    delete_->setEnabled(true);
    SelectRow(0);
}

void CRSUPage::SelectRow(int row) {
    list_->SelectRow(row);
    UpdateEditButton();
}

void CRSUPage::AddSelectAllAccelerator() {
    auto* select_all = new QAction(this);
    select_all->setObjectName(QString::number(ids::kCmdSelectAll));
    select_all->setShortcut(QKeySequence::SelectAll);
    select_all->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(select_all, &QAction::triggered, this, [this] { OnSelectAll(); });
    addAction(select_all);
}

void CRSUPage::AddAboveList(QLayout* row, QWidget* first) {
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, row);
    QWidget* const chain[] = {first, list_, edit_, second_, delete_};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) setTabOrder(chain[i], chain[i + 1]);
}

void CRSUPage::RestoreView(int top_row, int row) {
    RefreshAfterChange();
    ClearSavedFlag();
    SelectRow(row);
    // After the selection, which brings its row into view: the top row wins wherever that row is.
    list_->ScrollToTopRow(top_row);
}

void CRSUPage::FocusLater(QWidget* control) {
    QTimer::singleShot(0, control, [control] { control->setFocus(Qt::OtherFocusReason); });
}

void CRSUPage::UpdateEditButton() {
    const bool one_row = list_->SelectedRows().size() == 1;
    edit_->setEnabled(one_row);
    if (one_row && list_->hasFocus()) edit_->setDefault(true);
}

bool CRSUPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::FocusIn) edit_->setDefault(true);
    return QWidget::eventFilter(watched, event);
}

void CRSUPage::ShowContextMenu(const QPoint& global_position, bool from_keyboard) {
    const int selected = static_cast<int>(list_->SelectedRows().size());
    if (selected == 0) return;
    const std::unique_ptr<QMenu> menu =
        LoadContextMenu(ids::kMenuPageContext, {ids::kCmdSelectAll, ids::kCmdEdit, ids::kCmdDelete}, this);
    MenuCommand(*menu, ids::kCmdEdit)->setEnabled(selected == 1);
    MenuCommand(*menu, ids::kCmdDelete)->setEnabled(true);
    const QPoint position = from_keyboard ? list_->KeyboardMenuPosition(menu_x_offset_) : global_position;
    QAction* chosen = menu->exec(position);
    if (chosen == nullptr) return;
    switch (chosen->objectName().toInt()) {
        case ids::kCmdSelectAll:
            OnSelectAll();
            break;
        case ids::kCmdEdit:
            OnEdit();
            break;
        case ids::kCmdDelete:
            OnDelete();
            break;
        default:
            break;
    }
}

void CRSUPage::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Enter acts on the control that has the focus and goes no further.
    QWidget* focus = focusWidget();
    if (focus == list_) {
        if (list_->SelectedRows().size() == 1) OnEdit();
    } else if (focus == edit_) {
        OnEdit();
    } else if (focus == second_) {
        OnSelectAll();
    } else if (focus == delete_) {
        OnDelete();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

}  // namespace orvane
