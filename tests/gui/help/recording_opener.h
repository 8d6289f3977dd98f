// A manual opener that opens nothing and records what it was asked to open.
#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>
#include <memory>

#include "platform/manual_opener.h"

// What the window asked to open, in order.
struct OpenedManuals {
    QList<QUrl> urls;
    QList<QStringList> viewers;  // the program, then its arguments
};

// An opener for CRSUMain::SetManualOpener that writes into `opened` (which must outlive it).
std::unique_ptr<orvane::ManualOpener> RecordingOpener(OpenedManuals* opened);
