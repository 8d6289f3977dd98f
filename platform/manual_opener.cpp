#include "platform/manual_opener.h"

#include <QDesktopServices>
#include <QProcess>

namespace orvane {
namespace {

class DesktopOpener : public ManualOpener {
  public:
    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
    bool StartViewer(const QString& program, const QStringList& arguments) override {
        return QProcess::startDetached(program, arguments);
    }
};

}  // namespace

std::unique_ptr<ManualOpener> DesktopManualOpener() {
    return std::make_unique<DesktopOpener>();
}

}  // namespace orvane
