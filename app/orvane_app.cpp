#include "app/orvane_app.h"

#include <QSessionManager>
#include <cstdio>

#include "app/first_show_report.h"
#include "app/instance_channel.h"
#include "app/program_icon.h"
#include "app/rsu_main.h"
#include "app/single_instance.h"
#include "platform/program_directory.h"
#include "resources/resource_ids.h"
#include "ui/language.h"
#include "ui/language_module.h"

namespace orvane {

COrvaneApp::COrvaneApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The desktop entry's ID: the desktop ties the window to its menu entry and icon.
    setDesktopFileName(QStringLiteral("com.velor.orvane"));
    setWindowIcon(ProgramIcon(ids::kIconWindow));
    connect(this, &QGuiApplication::commitDataRequest, this, &COrvaneApp::OnCommitDataRequest,
            Qt::DirectConnection);
}

bool COrvaneApp::QueryEndSession() {
    return main_window_ == nullptr || main_window_->QueryEndSession();
}

void COrvaneApp::OnCommitDataRequest(QSessionManager& manager) {
    // The discard question and the notice need the user.
    manager.allowsInteraction();
    if (!QueryEndSession()) manager.cancel();
}

ExitCode COrvaneApp::Run() {
    ExitCode exit_code = ExitCode::Normal;
    if (InitInstance(&exit_code)) RunMainWindow();
    ExitInstance();
    return exit_code;
}

bool COrvaneApp::InitInstance(ExitCode* exit_code) {
    SyncLanguageSetting();
    // A language without a loadable module falls back to English; the stored choice stays.
    const std::optional<std::uint16_t> language =
        LoadStartupLanguageModule(CurrentLanguage(), ProgramDirectory());
    if (!language) {
        *exit_code = ExitCode::StartupEnded;
        return false;
    }
    setLayoutDirection(LayoutDirectionOf(*language));

    // The instance object lives in the object folders; say what is wrong with a refused one.
    if (const std::string problem = NamedObject::FolderProblem(); !problem.empty()) {
        std::fprintf(stderr, "orvane: %s\n", problem.c_str());
        *exit_code = ExitCode::StartupEnded;
        return false;
    }
    switch (ClaimSingleInstance(&instance_object_)) {
        case InstanceOutcome::Run:
        case InstanceOutcome::RunAsSecond:
            break;
        case InstanceOutcome::LeaveQuietly:
            *exit_code = ExitCode::Normal;
            return false;
        case InstanceOutcome::LeaveRefused:
        case InstanceOutcome::LeaveSilently:
            *exit_code = ExitCode::StartupEnded;
            return false;
    }
    command_line_.ParseCommandLine(arguments().mid(1));
    return true;
}

void COrvaneApp::RunMainWindow() {
    CRSUMain window;
    // Without the model list there is nothing to choose from; message 164 was shown.
    if (!window.IsUsable()) return;
    main_window_ = &window;
    InstanceServer server;
    // Only the holder of the instance object answers later starts of this session.
    if (instance_object_.IsHeld()) {
        server.SetWindow(&window);
        server.Listen(InstanceChannelPath());
    }
    ReportFirstShow(&window);
    window.exec();
    main_window_ = nullptr;
}

void COrvaneApp::ExitInstance() {
    instance_object_.Release();
}

}  // namespace orvane
