// The main window: printer choice, Read and Write, and (once read) the directory's pages.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/show_message.h"
#include "app/usage_counter.h"
#include "pages/page_row.h"
#include "pages/rsu_page_host.h"
#include "pages/rsu_tooltip_ctrl.h"
#include "platform/manual_settings.h"
#include "platform/model_list.h"

class QComboBox;
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
class ManualOpener;
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
    std::uint16_t ProductId() const { return product_id_; }
    // The printer name of the last read.
    const QString& PrinterName() const { return printer_name_; }
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
    void RestoreWindowSize();
    void StoreWindowSize();
    // The language action (rsu_main_language.cpp): context menu of the window and a shortcut.
    void CreateLanguageAction();
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
    int ResolvePrinter();
    // False when the printer cannot be prepared (a failure of its own may have been shown).
    bool PrepareRead();
    void RememberPrinter();
    // The model of the printer chosen in the list, found without a message; null when none.
    const ModelRecord* ListedPrinterModel() const;

    // Help (rsu_main_help.cpp): the manual data of the chosen printer's model, whether its manual
    // can be opened, and the Help button's state from both.
    void ReadManualData();
    void CheckManual();
    void UpdateHelpState();

    // Commands (rsu_main_commands.cpp).
    // Step of a successful read: tree, pages and the directory-shown state.
    void ShowReadDirectory();
    std::int32_t CheckAndWrite(bool* written);
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
    // Rebuilds the pages' lists from the directory shown and selects the first row of each.
    void RefreshPagesFromTheTop();

    // The More menu (rsu_main_more.cpp) and Import and Export (rsu_main_transfer.cpp).
    void CreateMoreMenu();
    // Reads the file Import chose, asking for the columns of an address book that are not
    // recognised; false after its message, or when the user cancelled.
    bool ReadImportFile(const QString& path, PortableDirectory* source);

    CRSUToolTipCtrl tool_tips_;
    std::unique_ptr<CRSUFuncRemoteSetup> remote_setup_;
    std::vector<ModelRecord> models_;
    bool saved_ = false;
    bool usable_ = true;
    CRSUPage* current_page_ = nullptr;
    CRSUPageSpeedDial* speed_dial_ = nullptr;
    CRSUPageTTI* sender_ = nullptr;
    CRSUPageReceptionReject* reject_ = nullptr;
    CRSUTreeCtrl* tree_ = nullptr;
    QComboBox* printer_list_ = nullptr;
    QString printer_name_;
    QString driver_name_;
    QString port_name_;
    QString remembered_printer_;
    std::uint16_t product_id_ = 0;
    int model_index_ = -1;
    QLabel* directory_static_ = nullptr;
    QLabel* page_heading_ = nullptr;
    QLabel* bottom_static_ = nullptr;
    QFrame* page_placeholder_ = nullptr;
    QPushButton* read_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* load_ = nullptr;
    QPushButton* more_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* catalogue_ = nullptr;
    QPushButton* close_ = nullptr;
    std::vector<PageRow> page_rows_;
    Communication* communication_ = nullptr;
    std::uint16_t pending_language_ = 0;
    QString program_directory_;
    // Maximized as the window last reported it; minimizing leaves it as it was.
    bool maximized_ = false;
    QFileDialog* file_dialog_ = nullptr;
    // Help: the chosen model's "Manual" and "DevID", and what the last check found.
    int manual_mode_ = 0;
    QString device_id_;
    bool help_available_ = false;
    ManualViewer viewer_;
    std::unique_ptr<ManualOpener> manual_opener_;
    QString model_list_path_;
    // Null while the survey is off for this run.
    std::unique_ptr<UsageCounter> usage_;
    // The printer list's entry while the directory shown belongs to it (for Cancel on a change).
    int shown_printer_index_ = -1;
};

}  // namespace orvane
