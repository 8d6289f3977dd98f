#include "pages/speed_dial_individual.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "pages/rsu_fax_edit.h"
#include "pages/rsu_name_edit.h"
#include "remotesetup/dial_entry_edit.h"
#include "remotesetup/directory_data.h"
#include "remotesetup/input_rules.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "ui/show_message.h"

namespace orvane {
CMPSpeedDialIndividual::CMPSpeedDialIndividual(const IndividualEntryTexts& entry, CRSUFuncRemoteSetup* setup,
                                               QWidget* parent)
    : CRSUEditDialog(ids::kIddIndividualEntry, parent), existing_(entry.existing) {
    slot_id_ = new QLabel(entry.slot_id, this);
    slot_id_->setObjectName(QString::number(ids::kIdcEntrySlotId));
    number_edit_ = new CRSUFaxEdit(this);
    number_edit_->setObjectName(QString::number(ids::kIdcEntryNumber));
    name_edit_ = new CRSUNameEdit(this);
    name_edit_->setObjectName(QString::number(ids::kIdcEntryName));
    if (setup != nullptr) {
        SetUpEdits(*setup);
        number_edit_->setText(entry.number);
        name_edit_->setText(entry.name);
    }
    ToolTips().AddTool(name_edit_, ids::kIdsEntryNameTip);
    ToolTips().AddTool(number_edit_, ids::kIdsEntryNumberTip);
    ToolTips().AddTool(OkButton(), ids::kIdsEntryOkTip);

    auto* fields = new QGridLayout;
    int row = 0;
    for (QWidget* field : std::initializer_list<QWidget*>{slot_id_, number_edit_, name_edit_}) {
        fields->addWidget(AddLabel(field->objectName().toInt(), field), row, 0);
        fields->addWidget(field, row++, 1);
    }
    ArrangeAboveButtons(fields);
    setTabOrder(number_edit_, name_edit_);
    number_edit_->setFocus();
}

void CMPSpeedDialIndividual::SetUpEdits(const CRSUFuncRemoteSetup& setup) {
    const DeviceCapability& capability = setup.Capability();
    number_edit_->SetUp(capability.keycode_type.c_str(), static_cast<int>(FaxEditMode::kDialEntry));
    name_edit_->SetUp(capability.keycode_type.c_str());
    number_edit_->setMaxLength(FieldLimit(capability.current_tel_no_length, kNumberFieldSize));
    name_edit_->setMaxLength(FieldLimit(capability.current_name_length, kNameFieldSize));
}

void CMPSpeedDialIndividual::accept() {
    const QString number = number_edit_->text();
    const QString name = name_edit_->text();
    if (!existing_ && number.isEmpty() && name.isEmpty()) {
        reject();
        return;
    }
    if (number.isEmpty() && !name.isEmpty()) {
        ShowMessage(this, ids::kMsgNumberRequired, ids::kIdsAppTitle, MessageStyle::Error);
        number_edit_->setFocus();
        return;
    }
    number_ = number;
    name_ = name;
    CRSUEditDialog::accept();
}

}  // namespace orvane
