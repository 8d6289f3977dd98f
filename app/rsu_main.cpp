#include "app/rsu_main.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/language_module.h"
#include "resources/resource_ids.h"

namespace orvane {
namespace {

constexpr int kDefaultWidth = 788;
constexpr int kDefaultHeight = 500;

template <typename Control>
Control* Named(Control* control, int id) {
    control->setObjectName(QString::number(id));
    return control;
}

QString TemplateText(int control_id) {
    return LoadTemplateText(ids::kIddMain, control_id);
}

}  // namespace

CRSUMain::CRSUMain(QWidget* parent) : QDialog(parent), pending_language_(CurrentLanguage()) {
    setObjectName(QString::number(ids::kIddMain));
    setWindowTitle(LoadString(ids::kIdsAppTitle));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    CreateControls();
    ShowNoDirectoryState();
    resize(kDefaultWidth, kDefaultHeight);
    printer_list_->setFocus();
}

QPushButton* CRSUMain::AddButton(int id) {
    auto* button = Named(new QPushButton(TemplateText(id), this), id);
    button->setAutoDefault(false);
    return button;
}

void CRSUMain::CreateControls() {
    auto* printer_label = new QLabel(TemplateText(ids::kIdcPrinterList), this);
    printer_list_ = Named(new QComboBox(this), ids::kIdcPrinterList);
    printer_list_->setToolTip(LoadString(ids::kIdsPrinterListTip));
    printer_list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    printer_label->setBuddy(printer_list_);
    read_ = AddButton(ids::kIdcRead);
    read_->setToolTip(LoadString(ids::kIdsReadTip));

    directory_static_ =
        Named(new QLabel(TemplateText(ids::kIdcDirectoryStatic), this), ids::kIdcDirectoryStatic);
    tree_ = Named(new QTreeWidget(this), ids::kIdcTree);
    tree_->setHeaderHidden(true);
    tree_->setToolTip(LoadString(ids::kIdsTreeTip));
    page_heading_ = Named(new QLabel(this), ids::kIdcPageHeading);
    page_placeholder_ = Named(new QFrame(this), ids::kIdcPagePlaceholder);
    page_placeholder_->setFrameShape(QFrame::NoFrame);

    write_ = AddButton(ids::kIdOk);
    write_->setToolTip(LoadString(ids::kIdsWriteTip));
    save_ = AddButton(ids::kIdcSave);
    save_->setToolTip(LoadString(ids::kIdsSaveTip));
    load_ = AddButton(ids::kIdcLoad);
    load_->setToolTip(LoadString(ids::kIdsLoadTip));
    help_ = AddButton(ids::kIdcHelp);
    catalogue_ = AddButton(ids::kIdcMessageCatalogue);
    close_ = AddButton(ids::kIdCancel);
    connect(close_, &QPushButton::clicked, this, &CRSUMain::reject);
    bottom_static_ = Named(new QLabel(TemplateText(ids::kIdcBottomStatic), this), ids::kIdcBottomStatic);
    bottom_static_->setWordWrap(true);

    auto* printer_row = new QHBoxLayout;
    printer_row->addWidget(printer_label);
    printer_row->addWidget(printer_list_, 1);
    printer_row->addWidget(read_);

    auto* directory = new QGridLayout;
    directory->addWidget(directory_static_, 0, 0);
    directory->addWidget(page_heading_, 0, 1);
    directory->addWidget(tree_, 1, 0);
    directory->addWidget(page_placeholder_, 1, 1);
    directory->setColumnStretch(0, 1);
    directory->setColumnStretch(1, 3);
    directory->setRowStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {write_, save_, load_}) buttons->addWidget(button);
    buttons->addStretch(1);
    for (QPushButton* button : {help_, catalogue_, close_}) buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(printer_row);
    layout->addLayout(directory, 1);
    layout->addLayout(buttons);
    layout->addWidget(bottom_static_);
}

void CRSUMain::ShowNoDirectoryState() {
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{directory_static_, tree_, page_heading_, save_, load_, catalogue_}) {
        hidden->hide();
    }
    write_->setEnabled(false);
    read_->setEnabled(printer_list_->count() > 0);
    // Help becomes usable once the selected model's manual is known.
    help_->setEnabled(false);
}

bool CRSUMain::PrepareExit() {
    StoreLanguage(pending_language_);
    return true;
}

void CRSUMain::reject() {
    if (PrepareExit()) QDialog::reject();
}

void CRSUMain::keyPressEvent(QKeyEvent* event) {
    // Escape never closes the window; only Close and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace orvane
