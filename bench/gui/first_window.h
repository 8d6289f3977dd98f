// Start-up of the real program: from starting the process to its first painted main window.
#pragma once

#include <QString>
#include <vector>

// Starts `program` `starts` times, one after the other, each with ORVANE_REPORT_SHOWN set, and
// returns the milliseconds from each start to the program's line that its window is shown; the
// program is ended after that line. Empty when a start does not report its window within 30 s.
std::vector<double> TimeFirstWindows(const QString& program, int starts);
