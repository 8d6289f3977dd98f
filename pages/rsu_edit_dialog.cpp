#include "pages/rsu_edit_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/resource_ids.h"
#include "ui/deferred_notice.h"
#include "ui/language_module.h"
#include "ui/template_controls.h"

namespace orvane {
namespace {

bool IsHelpKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_F1 || key->key() == Qt::Key_Help;
}

}  // namespace

CRSUEditDialog::CRSUEditDialog(int template_id, QWidget* parent)
    : QDialog(parent), template_id_(template_id) {
    setObjectName(QString::number(template_id));
    setWindowTitle(TemplateText(0));
    setAccessibleName(windowTitle());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    ok_ = AddButton(ids::kIdOk);
    ok_->setDefault(true);
    cancel_ = AddButton(ids::kIdCancel);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QString CRSUEditDialog::TemplateText(int control_id) const {
    return LoadTemplateText(template_id_, control_id);
}

QPushButton* CRSUEditDialog::AddButton(int control_id) {
    return MakeTemplateButton(template_id_, control_id, this);
}

QLabel* CRSUEditDialog::AddLabel(int control_id, QWidget* buddy) {
    auto* label = new QLabel(TemplateText(control_id), this);
    label->setBuddy(buddy);
    buddy->setAccessibleName(WithoutMnemonic(label->text()));
    return label;
}

void CRSUEditDialog::ArrangeAboveButtons(QLayout* content) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addLayout(buttons);
}

bool CRSUEditDialog::QueryEndSession() {
    PostDeferredNotice(ids::kMsgSessionEndRefused);
    return false;
}

bool CRSUEditDialog::event(QEvent* event) {
    // F1 must not reach a help shortcut of the program, and "What's This?" help does not exist here.
    if (event->type() == QEvent::ShortcutOverride && IsHelpKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::WhatsThis || event->type() == QEvent::EnterWhatsThisMode) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void CRSUEditDialog::keyPressEvent(QKeyEvent* event) {
    if (IsHelpKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace orvane
