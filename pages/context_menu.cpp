#include "pages/context_menu.h"

#include "ui/language_module.h"

namespace orvane {

std::unique_ptr<QMenu> LoadContextMenu(int menu_id, std::initializer_list<int> commands, QWidget* owner) {
    auto menu = std::make_unique<QMenu>(owner);
    menu->setObjectName(QString::number(menu_id));
    for (int command : commands) {
        QAction* action = menu->addAction(LoadTemplateText(menu_id, command));
        action->setObjectName(QString::number(command));
    }
    return menu;
}

QAction* MenuCommand(const QMenu& menu, int command) {
    return menu.findChild<QAction*>(QString::number(command), Qt::FindDirectChildrenOnly);
}

}  // namespace orvane
