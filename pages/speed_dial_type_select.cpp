#include "pages/speed_dial_type_select.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "resources/resource_ids.h"

namespace orvane {

CRSUSpeedDialTypeSelect::CRSUSpeedDialTypeSelect(QWidget* parent) : CRSUEditDialog(ids::kIddEntryType, parent) {
    auto* choices = new QButtonGroup(this);
    QRadioButton* individual = AddChoice(ids::kIdcTypeIndividual, ids::kIdsTypeIndividualTip, 0);
    QRadioButton* group = AddChoice(ids::kIdcTypeGroup, ids::kIdsTypeGroupTip, 1);
    choices->addButton(individual);
    choices->addButton(group);
    individual->setChecked(true);
    ToolTips().AddTool(OkButton(), ids::kIdsTypeOkTip);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton());
    buttons->addWidget(CancelButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(individual);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

QRadioButton* CRSUSpeedDialTypeSelect::AddChoice(int control_id, int tip, int index) {
    auto* choice = new QRadioButton(TemplateText(control_id), this);
    choice->setObjectName(QString::number(control_id));
    choice->setAccessibleName(QString(choice->text()).remove(QLatin1Char('&')));
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
