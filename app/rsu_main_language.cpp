// The main window's actions (its context menu and shortcuts), the language action and the language
// dialog it opens.
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
    AddWindowAction(text, ids::kCmdLanguageDialog, QKeySequence(Qt::CTRL | Qt::Key_L),
                    &CRSUMain::OnLanguageDialog);
}

QAction* CRSUMain::AddWindowAction(const QString& text, int command, const QKeySequence& shortcut,
                                   void (CRSUMain::*handler)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::number(command));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    addAction(action);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    return action;
}

void CRSUMain::OnLanguageDialog() {
    if (IsBusy()) return;
    CAboutDlg dialog(CurrentLanguage(), pending_language_, program_directory_, this);
    if (dialog.exec() == QDialog::Accepted) pending_language_ = dialog.ChosenLanguage();
}

}  // namespace orvane
