#include "app/file_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvane {

QString DefaultFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("Velor/Orvane"));
}

void PrepareFileDialog(QFileDialog* dialog, QFileDialog::AcceptMode mode, const QStringList& filters,
                       const QString& suffix) {
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilters(filters);
    dialog->setDefaultSuffix(suffix);
    const QString folder = DefaultFolder();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog->setDirectory(folder);
}

std::filesystem::path FilePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace orvane
