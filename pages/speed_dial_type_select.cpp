#include "pages/speed_dial_type_select.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {

CRSUSpeedDialTypeSelect::CRSUSpeedDialTypeSelect(QWidget* parent)
    : CRSUEditDialog(ids::kIddEntryType, parent) {
    auto* choices = new QButtonGroup(this);
    QRadioButton* individual = AddChoice(ids::kIdcTypeIndividual, ids::kIdsTypeIndividualTip, 0);
    QRadioButton* group = AddChoice(ids::kIdcTypeGroup, ids::kIdsTypeGroupTip, 1);
    choices->addButton(individual);
    choices->addButton(group);
    individual->setChecked(true);
    ToolTips().AddTool(OkButton(), ids::kIdsTypeOkTip);

    auto* choice_column = new QVBoxLayout;
    choice_column->addWidget(individual);
    choice_column->addWidget(group);
    ArrangeAboveButtons(choice_column);
}

QRadioButton* CRSUSpeedDialTypeSelect::AddChoice(int control_id, int tip, int index) {
    auto* choice = new QRadioButton(TemplateText(control_id), this);
    choice->setObjectName(QString::number(control_id));
    choice->setAccessibleName(WithoutMnemonic(choice->text()));
    ToolTips().AddTool(choice, tip);
    // Mouse, Space and the arrow keys all end in a toggle.
    connect(choice, &QRadioButton::toggled, this, [this, index](bool checked) {
        if (checked) choice_ = index;
    });
    return choice;
}

void CRSUSpeedDialTypeSelect::accept() {
    answer_ = choice_ == 0 ? EntryTypeAnswer::Individual : EntryTypeAnswer::Group;
    CRSUEditDialog::accept();
}

}  // namespace orvane
