#include "pages/rsu_reception_reject.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "pages/rsu_fax_edit.h"
#include "pages/rsu_page_host.h"
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
    : CRSUEditDialog(ids::kIddRejectedNumber, owner) {
    auto* slot = new QLabel(this);
    slot->setObjectName(QString::number(ids::kIdcRejectSlotId));
    number_edit_ = new CRSUFaxEdit(this);
    number_edit_->setObjectName(QString::number(ids::kIdcRejectNumber));

    auto* fields = new QFormLayout;
    fields->addRow(AddLabel(kSlotCaption, slot), slot);
    fields->addRow(AddLabel(ids::kIdcRejectNumber, number_edit_), number_edit_);
    ArrangeAboveButtons(fields);
    number_edit_->setFocus();

    CRSUFuncRemoteSetup* setup = host->RemoteSetup();
    if (setup == nullptr) return;
    const DeviceCapability& capability = setup->Capability();
    number_edit_->SetUp(capability.keycode_type.c_str(), kRejectedNumberMode);
    number_edit_->setMaxLength(capability.current_reject_tel_no_length);
    slot->setText(slot_id);
    number_edit_->setText(number);
    ToolTips().AddTool(number_edit_, ids::kIdsRejectNumberTip);
    ToolTips().AddTool(OkButton(), ids::kIdsRejectOkTip);
}

void CRSUReceptionReject::accept() {
    number_ = number_edit_->text();
    CRSUEditDialog::accept();
}

}  // namespace orvane
