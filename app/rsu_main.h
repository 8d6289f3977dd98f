// The main window: printer choice, Read and Write, and (once read) the directory's pages.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/usage_counter.h"
#include "pages/page_row.h"
#include "pages/rsu_page_host.h"
#include "pages/rsu_tooltip_ctrl.h"
#include "platform/model_list.h"
#include "ui/show_message.h"

class QAction;
class QComboBox;
class QKeySequence;
class QFileDialog;
class QFrame;
class QLabel;
class QPushButton;

namespace orvane {

class Communication;
class CRSUFuncRemoteSetup;
class CRSUPage;
class CRSUPageReceptionReject;
class CRSUPageSpeedDial;
class CRSUPageTTI;
class CRSUTreeCtrl;
class HelpController;
class ManualOpener;
class PrinterChoice;
struct PortableDirectory;

// The program's one window (template 142), shown modally by start-up. Every control carries its
// ID as objectName.
class CRSUMain : public QDialog, public CRSUPageHost {
    Q_OBJECT
  public:
    // `program_directory` holds the model list and the demo marker (default: ProgramDirectory()).
    explicit CRSUMain(QWidget* parent = nullptr, const QString& program_directory = {});
    ~CRSUMain() override;

    // False when the model list could not be read (message 164 was shown): the window must not run.
    bool IsUsable() const { return usable_; }

    // Runs before the window closes; false keeps it open. Asks before discarding unwritten
    // changes, then stores the window size and the pending language and finishes the usage survey.
    bool PrepareExit();

    // Whether the desktop session may end now. Refused, with notice 182, while the window
    // communicates, a modal dialog or message box or a file dialog of it is open; otherwise
    // PrepareExit decides.
    bool QueryEndSession();
    // True while the Save or Load file dialog is open.
    bool IsFileDialogOpen() const { return file_dialog_ != nullptr; }

    // The language the language dialog chose; stored at exit and used from the next start.
    std::uint16_t PendingLanguage() const { return pending_language_; }

    // --- What the pages, dialogs and later commands use ---
    CRSUFuncRemoteSetup* RemoteSetup() override { return remote_setup_.get(); }
    bool IsSaved() const override { return saved_; }
    void ClearSavedFlag() override { saved_ = false; }
    // A successful save to a directory file sets the saved flag.
    void SetSavedFlag() { saved_ = true; }
    // The product ID of the model resolved for the last read (0 before one).
    std::uint16_t ProductId() const;
    // The printer name of the last read.
    const QString& PrinterName() const;
    // The model record of the printer selected in the list, or null when it has none.
    const ModelRecord* SelectedModel() const;
    // The three pages, for the commands that refresh them after a change (file load).
    CRSUPageSpeedDial* SpeedDialPage() const { return speed_dial_; }
    CRSUPageTTI* SenderPage() const { return sender_; }
    CRSUPageReceptionReject* RejectPage() const { return reject_; }
    // The communication worker (Read, Write and later commands share it).
    Communication* Worker() const { return communication_; }
    // True while a device operation runs.
    bool IsBusy() const;

    // The Read, Write and Help commands (buttons 1001, 1 and 1002).
    void OnRead();
    void OnWrite();
    void OnHelp();
    // The Save and Load commands (buttons 1005 and 1006).
    void OnSave();
    void OnLoad();
    // The Import and Export commands of the More menu: a directory text (vCard, CSV, JSON) fitted
    // into the directory shown after the fit report's OK, and the directory shown as such a text.
    void OnImport();
    void OnExport();
    // The language dialog (the window's language action 16).
    void OnLanguageDialog();
    // The check report of every problem of the directory shown (the window's check action).
    void OnCheck();
    // The window's check action (Ctrl+K), for a menu that offers it.
    QAction* CheckAction() const { return check_; }

    // Counts one use in the usage survey (nothing while the survey is off).
    void CountUsage(UsageIndex index);

    // Replaces how Help opens a manual (the desktop's opener by default).
    void SetManualOpener(std::unique_ptr<ManualOpener> opener);

    // Closes through PrepareExit (Close button, close box), never by Escape.
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Creation.
    void CreateControls();
    void CreatePages();
    // Layout (rsu_main_layout.cpp).
    void ArrangeControls(QLabel* printer_label);
    // Widens the tree to show its rows' texts whole, within bounds that leave the page its room.
    void FitTreeWidth();
    void RestoreWindowSize();
    void StoreWindowSize();
    // The language action (rsu_main_language.cpp): context menu of the window and a shortcut.
    void CreateLanguageAction();
    // An action of the window with `text` and objectName `command`, in the window's context menu and
    // on `shortcut`, that runs `handler`.
    QAction* AddWindowAction(const QString& text, int command, const QKeySequence& shortcut,
                             void (CRSUMain::*handler)());
    // The check action (rsu_main_check.cpp): context menu of the window and a shortcut.
    void CreateCheckAction();
    // Before a write: the problems the edits brought in are shown first; false when the user
    // keeps the directory off the printer.
    bool AgreeToWriteProblems();
    QPushButton* AddButton(int id);
    void ShowDemoButton(const QString& program_directory);
    // Starts the usage survey and counts this launch.
    void StartUsageSurvey();

    // Window states.
    void ShowNoDirectoryState();
    void ShowDirectoryState();
    void CloseDirectory();
    // Rebuilds the three pages' lists from the directory shown (empty without one).
    void RefreshPages();
    void ShowPage(CRSUPage* page);
    void SetDefaultButton(QPushButton* button);

    // Model list and printer choice (rsu_main_printers.cpp).
    bool ReadModels(const QString& program_directory);
    bool FillPrinterList();
    // False when the printer cannot be prepared (a failure of its own may have been shown).
    bool PrepareRead();
    void RememberPrinter();

    // Help (rsu_main_help.cpp): the Help button follows whether the chosen model's manual opens.
    void UpdateHelpState();

    // Commands (rsu_main_commands.cpp).
    // Step of a successful read: tree, pages and the directory-shown state.
    void ShowReadDirectory();
    std::int32_t CheckAndWrite(bool* written);
    // Message 170 with its Merge... button: true to write Working, as edited (OK) or merged with the
    // printer's directory in DeviceCheck (Merge... and then Merge and Write).
    bool AgreeToWriteOverPrinterChanges();
    // The merge review of Baseline, DeviceCheck and Working; on Merge and Write, Working holds the
    // merge and the pages show it. False when the user cancelled.
    bool ReviewMerge();
    void OnPrinterChanged(int index);
    // Asks whether the shown directory may be closed for another printer; false to keep it.
    bool AgreeToCloseDirectory();
    void RestorePrinterSelection();
    void OnMessageCatalogue();
    // ShowMessage with this window as owner.
    int Ask(int message_id, MessageStyle style);
    // What the user lets happen to the directory shown before it is replaced.
    enum class DiscardAnswer {
        Discard,  // unchanged, saved to a file since its last change, or the user agreed (176)
        Keep,     // the user cancelled question 176
        Failed,   // the comparison failed; its message was shown
    };
    DiscardAnswer AskBeforeDiscard();

    // Tree and pages (rsu_main_tree.cpp).
    void BuildPageRows();
    void FillTree();
    void OnTreeSelectionChanged();
    // The page of the selected tree row, or null for a row without one.
    CRSUPage* SelectedRowPage() const;
    // Tab from More into the page's list, Shift+Tab from Write onto its Delete button; true when
    // the key was taken.
    bool BridgeFocusToPage(QObject* watched, const QKeyEvent* key);

    // Save and Load (rsu_main_file.cpp).
    // Runs `dialog` as the open file dialog; the chosen path, or empty on Cancel.
    QString RunFileDialog(QFileDialog* dialog);
    bool LoadDirectory(const QString& path);
    // Rebuilds the pages after Working was replaced as a whole, each with its first row selected.
    void ShowReplacedDirectory();

    // The More menu (rsu_main_more.cpp) and Import and Export (rsu_main_transfer.cpp).
    void CreateMoreMenu();
    // Reads the file Import chose, asking for the columns of an address book that are not
    // recognised; false after its message, or when the user cancelled.
    bool ReadImportFile(const QString& path, PortableDirectory* source);

    CRSUToolTipCtrl tool_tips_;
    std::unique_ptr<CRSUFuncRemoteSetup> remote_setup_;
    std::unique_ptr<PrinterChoice> printers_;
    std::unique_ptr<HelpController> help_;
    bool saved_ = false;
    bool usable_ = true;
    CRSUPage* current_page_ = nullptr;
    CRSUPageSpeedDial* speed_dial_ = nullptr;
    CRSUPageTTI* sender_ = nullptr;
    CRSUPageReceptionReject* reject_ = nullptr;
    CRSUTreeCtrl* tree_ = nullptr;
    QComboBox* printer_list_ = nullptr;
    QLabel* directory_static_ = nullptr;
    QLabel* page_heading_ = nullptr;
    QLabel* bottom_static_ = nullptr;
    QFrame* page_placeholder_ = nullptr;
    QPushButton* read_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* load_ = nullptr;
    QPushButton* more_ = nullptr;
    QPushButton* help_button_ = nullptr;
    QPushButton* catalogue_ = nullptr;
    QPushButton* close_ = nullptr;
    QAction* check_ = nullptr;
    std::vector<PageRow> page_rows_;
    Communication* communication_ = nullptr;
    std::uint16_t pending_language_ = 0;
    QString program_directory_;
    // Maximized as the window last reported it; minimizing leaves it as it was.
    bool maximized_ = false;
    QFileDialog* file_dialog_ = nullptr;
    // Null while the survey is off for this run.
    std::unique_ptr<UsageCounter> usage_;
    // The printer list's entry while the directory shown belongs to it (for Cancel on a change).
    int shown_printer_index_ = -1;
};

}  // namespace orvane
