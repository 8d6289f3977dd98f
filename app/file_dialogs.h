// What the main window's file dialogs share: the folder they start in and how they are set up.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace orvane {

// The folder the file dialogs start in: Velor/Orvane in the user's application data, or empty when
// the system names no such place.
QString DefaultFolder();

// Sets `dialog` up to open an existing file or to save one (with overwrite confirmation) among
// `filters` (the first one selected), adding `suffix` to a name typed without one, and starting in
// the default folder when it exists.
void PrepareFileDialog(QFileDialog* dialog, QFileDialog::AcceptMode mode, const QStringList& filters,
                       const QString& suffix);

// The file `path` as the file system names it.
std::filesystem::path FilePath(const QString& path);

}  // namespace orvane
