// The main window's More menu: the commands beyond Save and Load, by mouse from the button beside
// Load and by keyboard from their shortcuts.
#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "app/rsu_main.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {

void CRSUMain::CreateMoreMenu() {
    struct MoreCommand {
        int id;  // the command ID: the action's objectName, and its text "<menu>.<command>"
        QKeyCombination shortcut;
        void (CRSUMain::*run)();
    };
    // Every command of the menu, in menu order: a new command is one more row.
    static constexpr MoreCommand kCommands[] = {
        {ids::kCmdImport, QKeyCombination(Qt::ControlModifier, Qt::Key_I), &CRSUMain::OnImport},
        {ids::kCmdExport, QKeyCombination(Qt::ControlModifier, Qt::Key_E), &CRSUMain::OnExport},
    };
    auto* menu = new QMenu(more_);
    menu->setObjectName(QString::number(ids::kMenuMore));
    menu->setAccessibleName(more_->accessibleName());
    for (const MoreCommand& command : kCommands) {
        QAction* action = menu->addAction(LoadTemplateText(ids::kMenuMore, command.id));
        action->setObjectName(QString::number(command.id));
        action->setShortcut(QKeySequence(command.shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, command.run);
        // The button holds the shortcuts too: they work while it is shown, that is while a
        // directory is.
        more_->addAction(action);
    }
    more_->setMenu(menu);
}

}  // namespace orvane
