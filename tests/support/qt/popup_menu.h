// Waits for the next popup menu, records which commands it offers enabled and where it opened,
// then triggers one of them (or closes it).
#pragma once

#include <QMap>
#include <QObject>
#include <QPoint>
#include <QTimer>

class PopupMenu : public QObject {
    Q_OBJECT
  public:
    // `command` is the command ID to trigger; 0 closes the menu.
    explicit PopupMenu(int command = 0);

    bool Seen() const { return seen_; }
    QPoint Position() const { return position_; }
    QString MenuId() const { return menu_id_; }
    // Command ID to enabled state of every item of the menu.
    const QMap<int, bool>& Commands() const { return commands_; }

  private:
    void Check();

    int command_;
    bool seen_ = false;
    QPoint position_;
    QString menu_id_;
    QMap<int, bool> commands_;
    QTimer timer_;
};
