// The main window in this process against the virtual printer: its Read and the speed-dial page's
// RefreshList.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace orvane {
class CRSUMain;
}

struct ReadTimes {
    std::vector<double> exchange;    // ReadFromDevice alone, on a remote-setup object of its own
    std::vector<double> total;       // the window's Read until its pages are filled and painted
    std::vector<double> window_cpu;  // the processor time the window's thread took during it
};

// `runs` rounds of a bare exchange and a Read of the window, both from `printer` on `port`;
// milliseconds each. Nothing when an exchange fails or the Read shows a message.
std::optional<ReadTimes> TimeReads(orvane::CRSUMain& window, const QString& printer, const QString& port,
                                   int runs);

struct RefreshTimes {
    std::vector<double> refresh;  // RefreshList alone
    std::vector<double> painted;  // RefreshList and the list's repaint
};

// `runs` rounds of the speed-dial page's RefreshList over the directory the window shows.
RefreshTimes TimeRefreshList(orvane::CRSUMain& window, int runs);
