#include "popup_menu.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

PopupMenu::PopupMenu(int command) : command_(command) {
    connect(&timer_, &QTimer::timeout, this, &PopupMenu::Check);
    timer_.start(20);
}

void PopupMenu::Check() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || !menu->isVisible()) return;
    timer_.stop();
    seen_ = true;
    position_ = menu->pos();
    menu_id_ = menu->objectName();
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        commands_.insert(action->objectName().toInt(), action->isEnabled());
        if (action->objectName().toInt() == command_) chosen = action;
    }
    // As the user does it: the item made active, then Enter (nothing happens on a grayed item).
    if (chosen != nullptr) menu->setActiveAction(chosen);
    QTest::keyClick(menu, chosen != nullptr ? Qt::Key_Return : Qt::Key_Escape);
    if (menu->isVisible()) menu->close();
}
