#include "window_timing.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <ctime>

#include "app/rsu_main.h"
#include "message_box_answerer.h"
#include "pages/page_speed_dial.h"
#include "pages/rsu_list_ctrl.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"

namespace {

template <typename Action>
double Milliseconds(Action action) {
    QElapsedTimer clock;
    clock.start();
    action();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The processor time the calling thread has used so far.
double ThreadCpuMilliseconds() {
    timespec used{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
}

bool ReadAlone(const QString& printer, const QString& port) {
    orvane::CRSUFuncRemoteSetup setup;
    setup.SetPrinterName(printer.toUtf8().constData());
    setup.SetPortName(port.toUtf8().constData());
    return setup.ReadFromDevice() == orvane::rs::kSuccess;
}

}  // namespace

std::optional<ReadTimes> TimeReads(orvane::CRSUMain& window, const QString& printer, const QString& port,
                                   int runs) {
    auto* list = window.findChild<QComboBox*>(QString::number(orvane::ids::kIdcPrinterList));
    list->setCurrentIndex(list->findText(printer));
    const MessageBoxAnswerer answerer;
    ReadTimes times;
    for (int run = 0; run < runs; ++run) {
        bool read = false;
        times.exchange.push_back(Milliseconds([&] { read = ReadAlone(printer, port); }));
        const double cpu_before = ThreadCpuMilliseconds();
        times.total.push_back(Milliseconds([&] {
            window.OnRead();
            QApplication::processEvents();
        }));
        times.window_cpu.push_back(ThreadCpuMilliseconds() - cpu_before);
        if (!read || window.RemoteSetup() == nullptr || !answerer.Texts().isEmpty()) return std::nullopt;
    }
    return times;
}

RefreshTimes TimeRefreshList(orvane::CRSUMain& window, int runs) {
    orvane::CRSUPageSpeedDial* page = window.SpeedDialPage();
    RefreshTimes times;
    for (int run = 0; run < runs; ++run) {
        times.refresh.push_back(Milliseconds([page] { page->RefreshList(); }));
        times.painted.push_back(Milliseconds([page] {
            page->RefreshList();
            page->List()->viewport()->repaint();
        }));
    }
    return times;
}
