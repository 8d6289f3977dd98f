#include "x_display.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int kToolTimeoutMs = 30000;

QByteArray Xdotool(const QStringList& arguments, bool* ok) {
    QProcess tool;
    tool.start("xdotool", arguments);
    *ok = tool.waitForFinished(kToolTimeoutMs) && tool.exitStatus() == QProcess::NormalExit;
    return tool.readAllStandardOutput();
}

}  // namespace

bool HaveXDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") && !QStandardPaths::findExecutable("xdotool").isEmpty();
}

QStringList WindowsNamed(const QString& title) {
    bool ok = false;
    const QByteArray found = Xdotool({"search", "--onlyvisible", "--name", title}, &ok);
    return QString::fromUtf8(found).split('\n', Qt::SkipEmptyParts);
}

bool TypeInto(const QString& window, const QStringList& keys) {
    bool ok = false;
    Xdotool(QStringList{"windowfocus", "--sync", window, "key", "--clearmodifiers"} + keys, &ok);
    return ok;
}
