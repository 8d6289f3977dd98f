// The base of every modal editing dialog: title and OK/Cancel from its template, tool tips, F1 that
// does nothing, and the refusal of the end of the desktop session while it is open.
#pragma once

#include <QDialog>

#include "pages/rsu_tooltip_ctrl.h"

class QLabel;
class QLayout;
class QPushButton;

namespace orvane {

class CRSUEditDialog : public QDialog {
    Q_OBJECT
  public:
    // The dialog of template `template_id`: its caption is the template's text "<template>.0";
    // OK (1) and Cancel (2) carry the template's texts.
    CRSUEditDialog(int template_id, QWidget* parent);

    // Asked when the desktop session is about to end: an editing dialog never lets it end. The
    // refusal notice (message 182) is posted and shown once however often the session asks.
    bool QueryEndSession();

    int TemplateId() const { return template_id_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  protected:
    // The caption of control `control_id` in this dialog's template.
    QString TemplateText(int control_id) const;
    // A push button of the template named by its ID, with its caption as accessible name.
    QPushButton* AddButton(int control_id);
    // The label of `buddy` with caption `control_id` of the template; the caption without its
    // mnemonic also names `buddy` for assistive tools.
    QLabel* AddLabel(int control_id, QWidget* buddy);
    // Lays the dialog out: `content` above, OK and Cancel at the bottom right.
    void ArrangeAboveButtons(QLayout* content);
    CRSUToolTipCtrl& ToolTips() { return tool_tips_; }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int template_id_;
    CRSUToolTipCtrl tool_tips_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace orvane
