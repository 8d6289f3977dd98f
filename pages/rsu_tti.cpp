#include "pages/rsu_tti.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "pages/rsu_fax_edit.h"
#include "pages/rsu_name_edit.h"
#include "pages/rsu_page_host.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"

namespace orvane {
namespace {

// FaxEditMode of the sender's fax number.
constexpr int kSenderNumberMode = 3;

}  // namespace

CRSUTTI::CRSUTTI(CRSUPageHost* host, const QString& name, const QString& number, QWidget* owner)
    : CRSUEditDialog(ids::kIddSenderInfo, owner) {
    name_edit_ = new CRSUNameEdit(this);
    name_edit_->setObjectName(QString::number(ids::kIdcSenderName));
    number_edit_ = new CRSUFaxEdit(this);
    number_edit_->setObjectName(QString::number(ids::kIdcSenderNumber));

    auto* fields = new QFormLayout;
    fields->addRow(AddLabel(ids::kIdcSenderName, name_edit_), name_edit_);
    fields->addRow(AddLabel(ids::kIdcSenderNumber, number_edit_), number_edit_);
    ArrangeAboveButtons(fields);
    name_edit_->setFocus();

    CRSUFuncRemoteSetup* setup = host->RemoteSetup();
    if (setup == nullptr) return;
    const DeviceCapability& capability = setup->Capability();
    number_edit_->SetUp(capability.keycode_type.c_str(), kSenderNumberMode);
    number_edit_->setMaxLength(capability.current_user_tel_no_length);
    name_edit_->SetUp(capability.keycode_type.c_str());
    name_edit_->setMaxLength(capability.current_user_name_length);
    name_edit_->setText(name);
    number_edit_->setText(number);
    ToolTips().AddTool(name_edit_, ids::kIdsSenderNameTip);
    ToolTips().AddTool(number_edit_, ids::kIdsSenderNumberTip);
    ToolTips().AddTool(OkButton(), ids::kIdsSenderOkTip);
}

void CRSUTTI::accept() {
    name_ = name_edit_->text();
    number_ = number_edit_->text();
    CRSUEditDialog::accept();
}

}  // namespace orvane
