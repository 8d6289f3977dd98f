// The context menus of the language module (155, 156, 157): one action per command.
#pragma once

#include <QMenu>
#include <initializer_list>
#include <memory>

namespace orvane {

// Menu `menu_id` with one action per command in the order given. An action's text is the
// module's "<menu>.<command>" text and its objectName the command ID.
std::unique_ptr<QMenu> LoadContextMenu(int menu_id, std::initializer_list<int> commands, QWidget* owner);

// The action of `command` in `menu` (present by construction).
QAction* MenuCommand(const QMenu& menu, int command);

}  // namespace orvane
