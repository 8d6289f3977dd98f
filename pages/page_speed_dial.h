// The speed-dial page (template 144): every dial slot of the Working copy, edited through the
// entry dialogs, selected all at once and emptied.
#pragma once

#include "pages/rsu_page.h"

namespace orvane {

struct DirectoryData;

class CRSUPageSpeedDial : public CRSUPage {
    Q_OBJECT
  public:
    CRSUPageSpeedDial(CRSUPageHost* host, QWidget* parent);

  protected:
    // Edits the slot of the selection mark: its individual entry or group, or for an empty slot
    // first the choice of what it becomes.
    void OnEdit() override;
    void OnSelectAll() override;
    void OnDelete() override;

  private:
    // The slot being edited: its row, its ID and the list's top row before the dialog opened.
    struct EditedRow {
        int row;
        int top_row;
        QString slot_id;
    };

    void EditIndividual(const EditedRow& edited, bool existing);
    void EditGroup(const EditedRow& edited, bool existing);
    // The dialogs of the individual entries and the type choice belong to the main window.
    QWidget* MainWindow() { return window(); }
};

}  // namespace orvane
