// Typing into a dialog's edit as the user does.
#pragma once

#include <QString>

class QWidget;

// Types `text` into the edit whose objectName is `id` inside `dialog`, in place of its text, key by
// key so that the edit's character rules apply.
void Retype(QWidget* dialog, int id, const QString& text);
