// The maker's usage-survey component: a library named by the installer's settings (group "Zuvana",
// value "Library", an absolute path) that exports WriteAppInfoW.
#pragma once

#include <QString>

extern "C" {
// WriteAppInfoW(record name, application name, report text): NUL-terminated UTF-16 strings.
// Returns non-zero when the component took the report.
using WriteAppInfoWFunction = int (*)(const char16_t* record_name, const char16_t* application_name,
                                      const char16_t* report_text);
}

namespace orvane {

// How a report to the component went.
enum class SurveyReportStatus {
    Delivered,     // WriteAppInfoW took it
    NotInstalled,  // no registration, or its library file does not exist
    NotLoaded,     // the library does not load
    NoEntry,       // the library has no WriteAppInfoW
    Refused,       // WriteAppInfoW returned 0
};

// Loads the component, hands it one report and unloads it again.
SurveyReportStatus ReportToSurveyComponent(const QString& record_name, const QString& application_name,
                                           const QString& report_text);

}  // namespace orvane
