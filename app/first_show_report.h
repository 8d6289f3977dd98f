// A start-up timing aid for benchmarks and scripts, off by default: with ORVANE_REPORT_SHOWN set,
// the program prints "orvane: main window shown" on standard output once the main window has been
// painted for the first time.
#pragma once

class QWidget;

namespace orvane {

// Arranges that line for `window` while the variable is set; does nothing otherwise.
void ReportFirstShow(QWidget* window);

}  // namespace orvane
