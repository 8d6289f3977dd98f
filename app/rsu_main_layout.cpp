// The main window's layout and its remembered size.
//
// The controls follow the window as it grows: the tree and the page grow downwards, the page and
// the heading to the right; Write, Save, Load and More keep their distance from the bottom-left corner,
// Help, the catalogue button and Close from the bottom-right one; the printer row stays put.
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/rsu_main.h"
#include "app/window_size.h"
#include "pages/rsu_tree_ctrl.h"
#include "platform/settings_store.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {
namespace {

constexpr int kTreeWidth = 190;
// A wider text (a long printer name) scrolls the tree sideways rather than crowd out the page.
constexpr int kMaxTreeWidth = 300;
constexpr int kPrinterNameLength = 40;
// The heading holds up to three lines, the bottom static two; their height never changes.
constexpr int kHeadingLines = 3;
constexpr int kBottomLines = 2;

// The height of `lines` lines in the module's script: a fallback font (Chinese, Thai) may be taller
// than the default one. The title stands for the script.
int LinesHeight(const QLabel* label, int lines) {
    const QString sample = QStringList(lines, LoadString(ids::kIdsAppTitle)).join(QLatin1Char('\n'));
    const QRect bounds(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return std::max(label->fontMetrics().lineSpacing() * lines,
                    label->fontMetrics().boundingRect(bounds, Qt::AlignLeading, sample).height());
}

void FixHeight(QLabel* label, int lines) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    label->setFixedHeight(LinesHeight(label, lines));
    // The text wraps to the width it gets and never widens the window.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

}  // namespace

void CRSUMain::ArrangeControls(QLabel* printer_label) {
    printer_list_->setMinimumContentsLength(kPrinterNameLength);
    auto* printer_row = new QHBoxLayout;
    printer_row->addWidget(printer_label);
    printer_row->addWidget(printer_list_);
    printer_row->addWidget(read_);
    printer_row->addStretch(1);

    auto* page_area = new QVBoxLayout(page_placeholder_);
    page_area->setContentsMargins(0, 0, 0, 0);
    tree_->setFixedWidth(kTreeWidth);
    FixHeight(page_heading_, kHeadingLines);
    FixHeight(bottom_static_, kBottomLines);
    page_placeholder_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* directory = new QGridLayout;
    directory->addWidget(directory_static_, 0, 0, Qt::AlignBottom);
    directory->addWidget(page_heading_, 0, 1);
    directory->addWidget(tree_, 1, 0);
    directory->addWidget(page_placeholder_, 1, 1);
    directory->setColumnStretch(1, 1);
    directory->setRowStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {write_, save_, load_, more_}) buttons->addWidget(button);
    buttons->addStretch(1);
    for (QPushButton* button : {help_button_, catalogue_, close_}) buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(printer_row);
    layout->addLayout(directory, 1);
    layout->addLayout(buttons);
    layout->addWidget(bottom_static_);
}

void CRSUMain::FitTreeWidth() {
    tree_->setFixedWidth(std::clamp(tree_->ContentsWidth(), kTreeWidth, kMaxTreeWidth));
}

void CRSUMain::RestoreWindowSize() {
    setMinimumSize(kDefaultWindowSize);
    const std::optional<WindowSize> stored = ReadWindowSize(SettingsStore::OpenUser());
    orvane::RestoreWindowSize(this, stored);
    maximized_ = stored && stored->maximized;
}

void CRSUMain::StoreWindowSize() {
    SettingsStore settings = SettingsStore::OpenUser();
    orvane::StoreWindowSize(settings, CurrentWindowSize(this, maximized_));
}

void CRSUMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        if (windowState() & Qt::WindowMaximized) {
            maximized_ = true;
        } else if (!(windowState() & Qt::WindowMinimized)) {
            maximized_ = false;
        }
    }
    QDialog::changeEvent(event);
}

}  // namespace orvane
