// The base of the three directory pages: a list over the Working copy and three buttons
// (Edit, a second button, Delete) below it on the right.
#pragma once

#include <QWidget>

#include "pages/rsu_tooltip_ctrl.h"

class QAbstractProxyModel;
class QLayout;
class QPushButton;

namespace orvane {

class CRSUFuncRemoteSetup;
class CRSUListCtrl;
class CRSUPageHost;
struct DirectoryData;
class DirectoryListModel;

// The controls of one page: template, list, buttons and their tool-tip strings.
struct PageControls {
    int template_id;
    int list_id;
    int list_tip;
    int edit_id;
    int second_id;  // Select all, or the sender page's button without a command
    int delete_id;
    int menu_x_offset;  // a context menu asked for from the keyboard opens this far right in the list
};

class CRSUPage : public QWidget {
    Q_OBJECT
  public:
    // With `shown`, the list shows the rows of `model` through it (the page owns both).
    CRSUPage(CRSUPageHost* host, const PageControls& controls, DirectoryListModel* model, QWidget* parent,
             QAbstractProxyModel* shown = nullptr);

    // Rebuilds the list from the Working copy: 0, or 5 (list left empty) while the window holds no
    // remote-setup object.
    virtual int RefreshList();

    // The state a read from the printer leaves: Edit disabled, the second button as given, Delete
    // enabled, row 0 selected and focused (the Edit rule then enables Edit).
    void ApplyReadState(bool second_enabled);
    // Selects and focuses `row` alone.
    void SelectRow(int row);

    CRSUListCtrl* List() const { return list_; }
    QPushButton* EditButton() const { return edit_; }
    QPushButton* SecondButton() const { return second_; }
    QPushButton* DeleteButton() const { return delete_; }

  protected:
    // Command hooks of the editing work; the base does nothing. Each is reached by its button, by
    // Enter on that button and by its command of context menu 155 (40002 Edit, 40001 Select all,
    // 40003 Delete); Edit also by a double-click on a row and by Enter on the list with exactly one
    // row selected, Select all also by accelerator table 158 where the page adds it.
    virtual void OnEdit() {}
    virtual void OnSelectAll() {}
    virtual void OnDelete() {}

    // After a change of the Working copy: rebuilds the list, clears the saved flag, scrolls
    // `top_row` back to the top and selects and focuses `row` alone.
    void RestoreView(int top_row, int row);
    // How RestoreView rebuilds the list after the page's own change; RefreshList unless the page
    // keeps more of its view.
    virtual int RefreshAfterChange() { return RefreshList(); }
    // Puts `row` of controls above the list; `first` comes right before the list in the tab order
    // (Tab from the window still enters at the list).
    void AddAboveList(QLayout* row, QWidget* first);
    // Edit is enabled exactly when one row is selected, and is the default button while the list
    // has the focus.
    void UpdateEditButton();
    // Moves the focus to `control` once the current event is done.
    static void FocusLater(QWidget* control);

    CRSUPageHost* Host() const { return host_; }
    // The window's remote-setup object, or null.
    CRSUFuncRemoteSetup* RemoteSetup() const;
    // Its Working copy, looked up again at every call (the directory is the window's), or null.
    DirectoryData* Working() const;
    // Every change to the Working copy ends with this.
    void ClearSavedFlag();
    CRSUToolTipCtrl& ToolTips() { return tool_tips_; }
    // Select all from the keyboard (accelerator table 158) while the focus is inside the page.
    void AddSelectAllAccelerator();

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton* AddButton(int template_id, int id, int tip);
    void ShowContextMenu(const QPoint& global_position, bool from_keyboard);

    CRSUPageHost* host_;
    DirectoryListModel* model_;
    CRSUToolTipCtrl tool_tips_;
    int menu_x_offset_;
    CRSUListCtrl* list_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* second_ = nullptr;
    QPushButton* delete_ = nullptr;
};

}  // namespace orvane
