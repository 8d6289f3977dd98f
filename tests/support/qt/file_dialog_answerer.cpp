#include "file_dialog_answerer.h"

#include <QApplication>
#include <QLineEdit>

FileDialogAnswerer::FileDialogAnswerer(std::function<void(QFileDialog*)> answer)
    : answer_(std::move(answer)) {
    connect(&timer_, &QTimer::timeout, this, &FileDialogAnswerer::Check);
    timer_.start(20);
}

void FileDialogAnswerer::Choose(QFileDialog* dialog, const QString& path) {
    // As a user does it: go to the folder, type the name, press the dialog's button.
    const QFileInfo file(path);
    dialog->setDirectory(file.absolutePath());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name == nullptr) return;
    name->setText(file.fileName());
    // accept() is protected in QFileDialog; it is what the dialog's own button calls.
    static_cast<QDialog*>(dialog)->accept();
}

void FileDialogAnswerer::Check() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    ++answered_;
    answer_(dialog);
}
