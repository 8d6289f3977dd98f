// The application object: start-up in its fixed order, the modal main window, and the exit.
#pragma once

#include <QApplication>

#include "app/command_line.h"
#include "transport/named_object.h"

namespace orvane {

class CRSUMain;

// Process exit codes of the GUI program.
enum class ExitCode {
    Normal = 0,        // the main window closed, or the running window was brought forward
    StartupEnded = 1,  // start-up ended early: no language module, instance refused or failed
};

// Owns the process: language, language module, single instance, command line, main window.
class COrvaneApp : public QApplication {
    Q_OBJECT
  public:
    COrvaneApp(int& argc, char** argv);

    // Runs start-up, shows the main window modally until it closes, then exits.
    ExitCode Run();

    // The main window while it runs (the owner of application-level dialogs), else null.
    CRSUMain* MainWindow() const { return main_window_; }

    // Whether the desktop session may end now. An open editing dialog answers itself (it refuses);
    // otherwise refused, with notice 182 shown once, while the window communicates or a modal
    // dialog, message box or file dialog of the program is open;
    // otherwise the main window's PrepareExit decides (it may ask before discarding changes).
    bool QueryEndSession();

  private:
    // Start-up up to the main window; false ends it (with `exit_code` as the outcome).
    bool InitInstance(ExitCode* exit_code);
    // Releases the single-instance object.
    void ExitInstance();
    void RunMainWindow();
    void OnCommitDataRequest(QSessionManager& manager);

    NamedObject instance_object_;
    CORVCommandLineInfo command_line_;
    CRSUMain* main_window_ = nullptr;
};

}  // namespace orvane
