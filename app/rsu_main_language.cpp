// The main window's language action and the language dialog it opens.
#include <QAction>

#include "app/about_dialog.h"
#include "app/rsu_main.h"
#include "resources/resource_ids.h"
#include "ui/language.h"
#include "ui/language_module.h"

namespace orvane {

void CRSUMain::CreateLanguageAction() {
    const QString text = LoadString(ids::kIdsLanguageMenuItem);
    if (text.isEmpty()) return;
    // The window manager's menu cannot take an item: the window's own context menu and a
    // shortcut stand for it.
    auto* action = new QAction(text, this);
    action->setObjectName(QString::number(ids::kCmdLanguageDialog));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, &CRSUMain::OnLanguageDialog);
    addAction(action);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CRSUMain::OnLanguageDialog() {
    if (IsBusy()) return;
    CAboutDlg dialog(CurrentLanguage(), pending_language_, program_directory_, this);
    if (dialog.exec() == QDialog::Accepted) pending_language_ = dialog.ChosenLanguage();
}

}  // namespace orvane
