#include "app/rsu_main.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTimer>

#include "app/command_line.h"
#include "app/communication.h"
#include "app/help_controller.h"
#include "app/printer_choice.h"
#include "app/program_icon.h"
#include "pages/page_reception_reject.h"
#include "pages/page_speed_dial.h"
#include "pages/page_tti.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/rsu_tree_ctrl.h"
#include "platform/manual_opener.h"
#include "platform/program_directory.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "ui/language.h"
#include "ui/language_module.h"
#include "ui/template_controls.h"

namespace orvane {
namespace {

template <typename Control>
Control* Named(Control* control, int id) {
    control->setObjectName(QString::number(id));
    return control;
}

QString TemplateText(int control_id) {
    return LoadTemplateText(ids::kIddMain, control_id);
}

}  // namespace

CRSUMain::CRSUMain(QWidget* parent, const QString& program_directory)
    : QDialog(parent),
      communication_(new Communication(this)),
      pending_language_(CurrentLanguage()),
      printers_(std::make_unique<PrinterChoice>()),
      help_(std::make_unique<HelpController>(DesktopManualOpener())) {
    program_directory_ = program_directory.isEmpty() ? ProgramDirectory() : program_directory;
    const QString& directory = program_directory_;
    setObjectName(QString::number(ids::kIddMain));
    setWindowTitle(LoadString(ids::kIdsAppTitle));
    setWindowIcon(ProgramIcon(ids::kIconWindow));
    setAccessibleName(windowTitle());
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    CreateControls();
    CreateLanguageAction();
    CreateCheckAction();
    if (!ReadModels(directory)) {
        usable_ = false;
        return;
    }
    if (!FillPrinterList()) read_->setEnabled(false);
    CreatePages();
    ShowNoDirectoryState();
    UpdateHelpState();
    ShowDemoButton(directory);
    QTimer::singleShot(0, printer_list_, [this] { printer_list_->setFocus(); });
    StartUsageSurvey();
    RestoreWindowSize();
}

CRSUMain::~CRSUMain() {
    // The pages' lists ask this window for the directory while they are hidden and go; so they go
    // first, while the window is still whole.
    for (CRSUPage* page : std::initializer_list<CRSUPage*>{speed_dial_, sender_, reject_}) delete page;
}

bool CRSUMain::IsBusy() const {
    return communication_->IsBusy();
}

QPushButton* CRSUMain::AddButton(int id) {
    QPushButton* button = MakeTemplateButton(ids::kIddMain, id, this);
    button->setAutoDefault(false);
    return button;
}

void CRSUMain::CreateControls() {
    auto* printer_label = new QLabel(TemplateText(ids::kIdcPrinterList), this);
    printer_list_ = Named(new QComboBox(this), ids::kIdcPrinterList);
    printer_list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    printer_list_->setAccessibleName(WithoutMnemonic(printer_label->text()));
    printer_list_->installEventFilter(this);
    printer_label->setBuddy(printer_list_);
    read_ = AddButton(ids::kIdcRead);

    directory_static_ =
        Named(new QLabel(TemplateText(ids::kIdcDirectoryStatic), this), ids::kIdcDirectoryStatic);
    tree_ = Named(new CRSUTreeCtrl(this), ids::kIdcTree);
    tree_->setAccessibleName(directory_static_->text());
    tree_->installEventFilter(this);
    page_heading_ = Named(new QLabel(this), ids::kIdcPageHeading);
    page_placeholder_ = Named(new QFrame(this), ids::kIdcPagePlaceholder);
    page_placeholder_->setFrameShape(QFrame::NoFrame);

    write_ = AddButton(ids::kIdOk);
    save_ = AddButton(ids::kIdcSave);
    load_ = AddButton(ids::kIdcLoad);
    more_ = AddButton(ids::kIdcMore);
    CreateMoreMenu();
    help_button_ = AddButton(ids::kIdcHelp);
    catalogue_ = AddButton(ids::kIdcMessageCatalogue);
    close_ = AddButton(ids::kIdCancel);
    bottom_static_ = Named(new QLabel(TemplateText(ids::kIdcBottomStatic), this), ids::kIdcBottomStatic);
    bottom_static_->setWordWrap(true);

    tool_tips_.AddTool(printer_list_, ids::kIdsPrinterListTip);
    tool_tips_.AddTool(read_, ids::kIdsReadTip);
    tool_tips_.AddTool(tree_, ids::kIdsTreeTip);
    tool_tips_.AddTool(save_, ids::kIdsSaveTip);
    tool_tips_.AddTool(load_, ids::kIdsLoadTip);
    tool_tips_.AddTool(more_, ids::kIdsMoreTip);
    tool_tips_.AddTool(write_, ids::kIdsWriteTip);

    connect(read_, &QPushButton::clicked, this, &CRSUMain::OnRead);
    connect(write_, &QPushButton::clicked, this, &CRSUMain::OnWrite);
    connect(close_, &QPushButton::clicked, this, &CRSUMain::reject);
    connect(help_button_, &QPushButton::clicked, this, &CRSUMain::OnHelp);
    connect(catalogue_, &QPushButton::clicked, this, &CRSUMain::OnMessageCatalogue);
    connect(save_, &QPushButton::clicked, this, &CRSUMain::OnSave);
    connect(load_, &QPushButton::clicked, this, &CRSUMain::OnLoad);
    // The keyboard bridge into the page watches the two buttons at its ends.
    more_->installEventFilter(this);
    write_->installEventFilter(this);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &CRSUMain::OnTreeSelectionChanged);
    ArrangeControls(printer_label);
}

void CRSUMain::CreatePages() {
    speed_dial_ = new CRSUPageSpeedDial(this, page_placeholder_);
    sender_ = new CRSUPageTTI(this, page_placeholder_);
    reject_ = new CRSUPageReceptionReject(this, page_placeholder_);
    for (CRSUPage* page : std::initializer_list<CRSUPage*>{speed_dial_, sender_, reject_}) {
        page_placeholder_->layout()->addWidget(page);
        page->hide();
    }
}

void CRSUMain::ShowDemoButton(const QString& program_directory) {
    catalogue_->setVisible(QFile::exists(program_directory + QStringLiteral("/DemoMode.dat")));
}

void CRSUMain::StartUsageSurvey() {
    if (UsageCounter::StartSurvey(printers_->ModelListPath(), CurrentLanguage(), &usage_) ==
        UsageCounter::kOutOfMemory) {
        Ask(ids::kMsgOutOfMemory, MessageStyle::Error);
        return;
    }
    CountUsage(UsageIndex::kLaunch);
    if (LaunchSource() == static_cast<int>(LaunchKind::Launcher)) CountUsage(UsageIndex::kTalvLaunch);
    if (LaunchSource() == static_cast<int>(LaunchKind::ForPrinter)) CountUsage(UsageIndex::kDsLaunch);
}

void CRSUMain::CountUsage(UsageIndex index) {
    if (usage_) usage_->Count(index);
}

void CRSUMain::ShowNoDirectoryState() {
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{directory_static_, tree_, page_heading_, save_, load_, more_}) {
        hidden->hide();
    }
    ShowPage(nullptr);
    write_->setEnabled(false);
    check_->setEnabled(false);
    read_->setEnabled(printer_list_->count() > 0);
}

void CRSUMain::ShowDirectoryState() {
    for (QWidget* shown :
         std::initializer_list<QWidget*>{directory_static_, tree_, page_heading_, save_, load_, more_}) {
        shown->show();
    }
    write_->setEnabled(true);
    check_->setEnabled(true);
}

void CRSUMain::CloseDirectory() {
    remote_setup_.reset();
    RefreshPages();
    tree_->clear();
    tree_->SetPageRows(nullptr);
    page_rows_.clear();
    shown_printer_index_ = -1;
    ShowNoDirectoryState();
}

void CRSUMain::RefreshPages() {
    for (CRSUPage* page : std::initializer_list<CRSUPage*>{speed_dial_, sender_, reject_})
        page->RefreshList();
}

void CRSUMain::ShowPage(CRSUPage* page) {
    for (CRSUPage* each : std::initializer_list<CRSUPage*>{speed_dial_, sender_, reject_}) {
        if (each != nullptr) each->setVisible(each == page);
    }
    current_page_ = page;
}

void CRSUMain::SetDefaultButton(QPushButton* button) {
    for (QPushButton* each : {write_, close_}) each->setDefault(each == button);
}

bool CRSUMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && BridgeFocusToPage(watched, static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        if (watched == printer_list_) SetDefaultButton(remote_setup_ ? write_ : close_);
        if (watched == tree_) SetDefaultButton(write_);
    }
    return QDialog::eventFilter(watched, event);
}

void CRSUMain::reject() {
    if (PrepareExit()) QDialog::reject();
}

void CRSUMain::keyPressEvent(QKeyEvent* event) {
    // Escape never closes the window; only Close and the close box do. F1 is handled and ignored.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F1) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace orvane
