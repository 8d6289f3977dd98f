// Timing and memory of the window on the offscreen platform, against the virtual printer's "large"
// profile (99 one-touch and 100 coded slots, 99 rejected numbers). Four figures, each beside its
// goal, which is printed and never enforced:
//   first window     the real program, from starting its process to its first painted main window
//   read to pages    the window's Read until the pages are filled and painted, less the time the
//                    exchange alone takes (measured apart, on the same printer and port)
//   RefreshList      the speed-dial page's RefreshList over the directory read
//   resident memory  this process's resident set, holding the window after the reads
//
// Usage: gui_bench [starts] [reads] [refreshes]   (defaults: 10 starts, 5 reads, 200 refreshes)
#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "app/rsu_main.h"
#include "figures.h"
#include "first_window.h"
#include "process_memory.h"
#include "remotesetup/remote_setup.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "sim_printers_file.h"
#include "ui/language_module.h"
#include "window_timing.h"

namespace {

constexpr double kFirstWindowGoalMs = 300;
constexpr double kRefreshGoalMs = 5;
constexpr double kResidentGoalMb = 60;
constexpr std::uint16_t kEnglish = 0x0409;

int Count(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::max(1, std::atoi(argv[index])) : fallback;
}

int Fail(const char* why) {
    std::fprintf(stderr, "gui_bench: %s\n", why);
    return 1;
}

void ReportFirstWindow(const std::vector<double>& samples) {
    const QByteArray detail =
        QString::asprintf("median of %zu starts; the first took %.2f ms", samples.size(), samples.front())
            .toUtf8();
    PrintFigure("first window", Median(samples), "ms", detail.constData(), kFirstWindowGoalMs);
}

void ReportRead(const ReadTimes& times, int slot_count) {
    const double total = Median(times.total);
    const double exchange = Median(times.exchange);
    const QByteArray detail = QString::asprintf(
                                  "Read %.2f ms less the exchange %.2f ms (medians of %zu, %d "
                                  "slots); the window's thread worked %.2f ms",
                                  total, exchange, times.total.size(), slot_count, Median(times.window_cpu))
                                  .toUtf8();
    PrintFigure("read to pages", total - exchange, "ms", detail.constData(), 0);
}

void ReportRefresh(const RefreshTimes& times, int slot_count) {
    const QByteArray detail = QString::asprintf("median of %zu, %d slots; with the list's repaint %.2f ms",
                                                times.refresh.size(), slot_count, Median(times.painted))
                                  .toUtf8();
    PrintFigure("RefreshList", Median(times.refresh), "ms", detail.constData(), kRefreshGoalMs);
}

}  // namespace

int main(int argc, char** argv) {
    const int starts = Count(argc, argv, 1, 10);
    const int reads = Count(argc, argv, 2, 5);
    const int refreshes = Count(argc, argv, 3, 200);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings, locks and claims of this run stay in its own folder, away from the user's.
    const QTemporaryDir folder;
    if (!folder.isValid()) return Fail("no temporary folder");
    UseSettingsFolder(folder);
    if (!UseObjectFolders(folder)) return Fail("the lock folders cannot be made");
    QApplication application(argc, argv);
    const SimPrinter printer({"--profile", "large"});
    if (!InstallSimPrinters(printer, folder.filePath("printers")))
        return Fail("the virtual printer did not start");
    std::printf("offscreen, virtual printer profile \"large\"\n");

    const std::vector<double> windows = TimeFirstWindows(ORVANE_PROGRAM, starts);
    if (windows.empty()) return Fail("the program did not report its main window");
    ReportFirstWindow(windows);

    if (!orvane::LoadLanguageModule(kEnglish, ORVANE_PROGRAM_DIR)) return Fail("no language module");
    orvane::CRSUMain window(nullptr, ORVANE_PROGRAM_DIR);
    window.show();
    const std::optional<ReadTimes> read_times = TimeReads(window, "Office Fax", "USB001", reads);
    if (!read_times) return Fail("a read failed");
    const int slot_count = window.RemoteSetup()->DialSlotCount();
    ReportRead(*read_times, slot_count);
    ReportRefresh(TimeRefreshList(window, refreshes), slot_count);
    PrintFigure("resident memory", ResidentMegabytes(), "MB",
                "VmRSS of this process, holding the window after the reads", kResidentGoalMb);
    return 0;
}
