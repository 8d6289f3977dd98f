#include "pages/rsu_reception_reject.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/language_module.h"
#include "pages/dialog_controls.h"
#include "pages/rsu_fax_edit.h"
#include "pages/rsu_page_host.h"
#include "pages/rsu_tooltip_ctrl.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"

namespace orvane {
namespace {

// FaxEditMode of a rejected number.
constexpr int kRejectedNumberMode = 2;
// The template's static text before the slot ID.
constexpr int kSlotCaption = -1;

}  // namespace

CRSUReceptionReject::CRSUReceptionReject(CRSUPageHost* host, const QString& slot_id, const QString& number,
                                         QWidget* owner)
    : QDialog(owner) {
    setObjectName(QString::number(ids::kIddRejectedNumber));
    setWindowTitle(LoadTemplateText(ids::kIddRejectedNumber, kDialogCaption));
    auto* slot = new QLabel(this);
    slot->setObjectName(QString::number(ids::kIdcRejectSlotId));
    number_edit_ = new CRSUFaxEdit(this);
    number_edit_->setObjectName(QString::number(ids::kIdcRejectNumber));
    QDialogButtonBox* buttons = AddOkCancel(this, ids::kIddRejectedNumber);

    auto* fields = new QFormLayout;
    fields->addRow(AddLabelFor(slot, ids::kIddRejectedNumber, kSlotCaption), slot);
    fields->addRow(AddLabelFor(number_edit_, ids::kIddRejectedNumber, ids::kIdcRejectNumber), number_edit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);

    CRSUFuncRemoteSetup* setup = host->RemoteSetup();
    if (setup == nullptr) return;
    const DeviceCapability& capability = setup->Capability();
    number_edit_->SetUp(capability.keycode_type.c_str(), kRejectedNumberMode);
    number_edit_->setMaxLength(capability.current_reject_tel_no_length);
    slot->setText(slot_id);
    number_edit_->setText(number);
    tool_tips_.AddTool(number_edit_, ids::kIdsRejectNumberTip);
    tool_tips_.AddTool(OkButton(this), ids::kIdsRejectOkTip);
}

void CRSUReceptionReject::accept() {
    number_ = number_edit_->text();
    QDialog::accept();
}

}  // namespace orvane
