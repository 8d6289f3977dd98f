// The review of a merge with the printer's changes (template 200): one row per slot that changed
// since the read, with what the printer and this window hold, the conflicts marked; each conflict
// takes this window's side until the user chooses the printer's. "Merge and Write" accepts.
#pragma once

#include <QDialog>
#include <vector>

#include "directorytools/directory_merge.h"

class QListWidget;
class QPushButton;
class QTreeWidget;

namespace orvane {

class CRSUMergeReviewDlg : public QDialog {
    Q_OBJECT
  public:
    // Compares `base` (the directory as read), `printer` (the printer's now) and `here` (this
    // window's); the three must stay alive and unchanged while the dialog exists.
    CRSUMergeReviewDlg(const DirectoryData& base, const DirectoryData& printer, const DirectoryData& here,
                       QWidget* parent);

    // The merge with the choices made so far: the merged directory and the members it drops.
    const MergeResult& Merge() const { return merge_; }

  private:
    void CreateControls();
    void FillRows();
    // Sets the choice of the selected conflicts to `side` and shows what the merge now gives.
    void Choose(MergeSide side);
    void ShowMerge();
    // The side buttons act only while a conflict is selected.
    void UpdateButtons();
    QPushButton* AddButton(int id);

    const DirectoryData& base_;
    const DirectoryData& printer_;
    const DirectoryData& here_;
    std::vector<MergeSlot> slots_;
    MergeResult merge_;
    QTreeWidget* list_ = nullptr;
    QListWidget* dropped_ = nullptr;
    QPushButton* take_printer_ = nullptr;
    QPushButton* keep_here_ = nullptr;
};

}  // namespace orvane
