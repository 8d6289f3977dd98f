// The speed-dial page (template 144): every dial slot of the Working copy, edited through the
// entry dialogs, selected all at once and emptied. A find field above the list narrows it to the
// slots whose name or number contains a text; Edit, Select all and Delete act on the rows shown.
#pragma once

#include "pages/rsu_page.h"

class QLineEdit;

namespace orvane {

struct DirectoryData;
class SpeedDialFilter;

class CRSUPageSpeedDial : public CRSUPage {
    Q_OBJECT
  public:
    CRSUPageSpeedDial(CRSUPageHost* host, QWidget* parent);

    // Rebuilds the list and decides again which rows the find text shows.
    int RefreshList() override;

  protected:
    // Edits the slot of the selection mark: its individual entry or group, or for an empty slot
    // first the choice of what it becomes.
    void OnEdit() override;
    void OnSelectAll() override;
    void OnDelete() override;
    // The page's own change keeps the rows shown, so the edited or emptied row stays in view.
    int RefreshAfterChange() override;
    // Escape clears the find text; Enter in the find field moves into the list.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The slot being edited: its row, its ID and the list's top row before the dialog opened.
    struct EditedRow {
        int row;
        int top_row;
        QString slot_id;
    };

    void EditIndividual(const EditedRow& edited, bool existing);
    void EditGroup(const EditedRow& edited, bool existing);
    // The find field with its label, and Find (Ctrl+F) that moves the focus into it.
    void CreateFindField();
    // Shows the rows the new find text matches; a selection left without rows moves to the first.
    void OnFindTextChanged(const QString& text);
    // The dialogs of the individual entries and the type choice belong to the main window.
    QWidget* MainWindow() { return window(); }

    SpeedDialFilter* filter_ = nullptr;
    QLineEdit* find_ = nullptr;
};

}  // namespace orvane
