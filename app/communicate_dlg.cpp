#include "app/communicate_dlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "resources/resource_ids.h"
#include "ui/deferred_notice.h"
#include "ui/language_module.h"

namespace orvane {
namespace {

// The static text of a template (the dialog editor's "static" control ID).
constexpr int kStaticText = -1;

}  // namespace

CORVCommunicateDlg::CORVCommunicateDlg(QWidget* owner) : QDialog(owner) {
    setObjectName(QString::number(ids::kIddProgress));
    setWindowTitle(LoadString(ids::kIdsAppTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(false);
    setCursor(Qt::WaitCursor);
    auto* text = new QLabel(LoadTemplateText(ids::kIddProgress, kStaticText), this);
    text->setAccessibleName(text->text());
    text->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    adjustSize();
}

void CORVCommunicateDlg::CentreOnOwner() {
    if (parentWidget() == nullptr) return;
    const QRect owner = parentWidget()->frameGeometry();
    move(owner.center() - rect().center());
}

void CORVCommunicateDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
}

bool CORVCommunicateDlg::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) RaiseDeferredNotice();
    return QDialog::event(event);
}

}  // namespace orvane
