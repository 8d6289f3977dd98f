// A main window that has read the virtual printer's directory, for the layout and file tests.
#pragma once

#include <QPushButton>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "app/rsu_main.h"
#include "sim_printer.h"

// Moves the user's settings and data, the named objects and the network port library into
// `folder` (call before the first window); false when a folder cannot be made.
bool UsePrivateFolders(const QTemporaryDir& folder);

// Empties the user's settings below `folder`.
void ClearUserSettings(const QTemporaryDir& folder);

// Points the program at `sim`: printers file `path` lists "Office Fax" on its device node (port
// USB001) and "Other Fax" on its TCP port, with the drivers given (names in orvkit.dat).
bool InstallPrinters(const SimPrinter& sim, const QString& path, const QString& office_driver,
                     const QString& other_driver);

// The control `id` of `window`.
template <typename Control>
Control* Find(const QWidget& window, int id) {
    return window.findChild<Control*>(QString::number(id));
}

// Clicks button `id`.
void Press(const QWidget& window, int id);

// Chooses `printer` in the printer list and presses Read; true when the directory is shown.
bool ReadPrinter(orvane::CRSUMain& window, const QString& printer);

// Changes the Working copy's first rejected number, as an edit on the page would.
void EditFirstRejectedNumber(orvane::CRSUMain& window, const char* number);

// The text of column `column` in row `row` of list `list_id`.
QString Cell(const QWidget& window, int list_id, int row, int column);
