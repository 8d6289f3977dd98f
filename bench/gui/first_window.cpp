#include "first_window.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr char kShownLine[] = "orvane: main window shown";

// Milliseconds to the shown line, or a negative value when the program ended or stayed silent.
double TimeFirstWindow(const QString& program) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVANE_REPORT_SHOWN"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(program, {});
    double elapsed = -1;
    while (elapsed < 0 && child.waitForReadyRead(kStartTimeoutMs)) {
        while (child.canReadLine()) {
            if (child.readLine().trimmed() == kShownLine)
                elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        }
    }
    child.terminate();
    if (!child.waitForFinished(5000)) {
        child.kill();
        child.waitForFinished();
    }
    return elapsed;
}

}  // namespace

std::vector<double> TimeFirstWindows(const QString& program, int starts) {
    std::vector<double> samples;
    for (int start = 0; start < starts; ++start) {
        const double elapsed = TimeFirstWindow(program);
        if (elapsed < 0) return {};
        samples.push_back(elapsed);
    }
    return samples;
}
