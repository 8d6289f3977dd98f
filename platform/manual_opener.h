// How the program hands a manual to the desktop: the on-line manual to the default web browser,
// the installed manual to the maker's viewer program. Tests put an observing opener in its place.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

namespace orvane {

class ManualOpener {
  public:
    virtual ~ManualOpener() = default;
    // Opens `url` in the user's web browser; false when the desktop refused.
    virtual bool OpenUrl(const QUrl& url) = 0;
    // Starts `program` with `arguments`, detached from this process; false when it did not start.
    virtual bool StartViewer(const QString& program, const QStringList& arguments) = 0;
};

// The desktop's own opener: QDesktopServices for URLs, QProcess for the viewer.
std::unique_ptr<ManualOpener> DesktopManualOpener();

}  // namespace orvane
