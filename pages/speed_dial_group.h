// The editor of one group speed-dial entry (template 109): its name, and its members chosen from
// the other registered slots by moving rows between a candidates list and a members list.
#pragma once

#include <QString>
#include <QStringList>

#include "pages/rsu_edit_dialog.h"

class QLabel;

namespace orvane {

class CRSUFuncRemoteSetup;
class CRSUListCtrl;
class CRSUNameEdit;
struct DirectoryData;

// What the page hands in: the group's slot and, for an existing group, its name.
struct GroupEntryTexts {
    QString slot_id;
    QString name;
    bool existing = false;  // the slot already holds a group
};

class CMPSpeedDialGroup : public CRSUEditDialog {
    Q_OBJECT
  public:
    // `setup` (may be null: nothing is listed) holds the Working copy that OK writes the group into.
    CMPSpeedDialGroup(const GroupEntryTexts& entry, CRSUFuncRemoteSetup* setup, QWidget* parent);

    CRSUListCtrl* Candidates() const { return candidates_; }
    CRSUListCtrl* Members() const { return members_; }

    // Checks in order: a name needs a member (message 167); a new group left empty closes as
    // Cancel; otherwise the group is written (an existing group left empty empties its slot).
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CRSUListCtrl* AddList(int control_id, int first_header);
    QPushButton* AddMoveButton(int control_id, int tip);
    void Arrange();
    void Connect();
    void FillLists(const DirectoryData& working);
    void SelectFirstRows();
    // Moves the selected rows of `source` to their sorted places in `destination`.
    void MoveRows(CRSUListCtrl* source, CRSUListCtrl* destination);
    void OnAdd();
    void OnRemove();
    void OnSelectAll();
    void UpdateMoveButtons();
    void ShowContextMenu(CRSUListCtrl* list, const QPoint& global_position, bool from_keyboard);
    bool WriteGroup();

    QString slot_id_;
    bool existing_;
    CRSUFuncRemoteSetup* setup_;
    QStringList slot_order_;  // every slot ID in the printer's order, which both lists keep
    QLabel* slot_id_label_ = nullptr;
    CRSUNameEdit* name_edit_ = nullptr;
    CRSUListCtrl* candidates_ = nullptr;
    CRSUListCtrl* members_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace orvane
