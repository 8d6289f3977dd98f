#include "pages/dialog_controls.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

#include "app/language_module.h"
#include "resources/resource_ids.h"

namespace orvane {

QString WithoutMnemonic(const QString& caption) {
    return QString(caption).remove(QLatin1Char('&'));
}

QLabel* AddLabelFor(QWidget* control, int template_id, int caption_id) {
    auto* label = new QLabel(LoadTemplateText(template_id, caption_id), control->parentWidget());
    label->setBuddy(control);
    control->setAccessibleName(WithoutMnemonic(label->text()));
    label->setAccessibleName(control->accessibleName());
    return label;
}

QDialogButtonBox* AddOkCancel(QDialog* dialog, int template_id) {
    auto* buttons = new QDialogButtonBox(dialog);
    for (int id : {ids::kIdOk, ids::kIdCancel}) {
        auto* button = new QPushButton(LoadTemplateText(template_id, id), buttons);
        button->setObjectName(QString::number(id));
        button->setAccessibleName(WithoutMnemonic(button->text()));
        buttons->addButton(button, id == ids::kIdOk ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole);
    }
    OkButton(dialog)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QPushButton* OkButton(const QDialog* dialog) {
    return dialog->findChild<QPushButton*>(QString::number(ids::kIdOk));
}

}  // namespace orvane
