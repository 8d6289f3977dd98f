#include "platform/program_directory.h"

#include <QCoreApplication>
#include <QDir>

namespace orvane {

QString ProgramDirectory() {
    const QDir executable(QCoreApplication::applicationDirPath());
    if (!executable.entryList({QStringLiteral("ORVI_*.qm")}, QDir::Files).isEmpty()) return executable.path();
    const QDir shared(executable.filePath(QStringLiteral("../share/orvane")));
    return shared.exists() ? shared.canonicalPath() : executable.path();
}

}  // namespace orvane
