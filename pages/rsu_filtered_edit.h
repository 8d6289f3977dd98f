// The single-line edit under the number and name fields: every way text comes in (typing,
// input-method commits, the paste shortcut, the context menu, the middle-click selection, drag and
// drop) goes through one character filter, one character at a time; a refused character beeps.
#pragma once

#include <QLineEdit>

#include "remotesetup/input_rules.h"

namespace orvane {

class CRSUFilteredEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit CRSUFilteredEdit(QWidget* parent = nullptr);

  protected:
    // The rules the field's characters follow.
    virtual FieldRules Rules() const = 0;
    // Repairs the field after a change; true when it changed. Nothing to repair by default.
    virtual bool Tidy(EditField& field) const;

    // Stores the keycode set of `keycode_type` and, under the Korean code page, detaches the input
    // method. A null text changes nothing; returns whether it was set up.
    bool SetUpKeycode(const char* keycode_type);
    KeycodeSet CurrentKeycodeSet() const { return keycode_set_; }

    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    enum class UndoStep { kMerged, kOwn };

    EditField CurrentField() const;
    // Puts `field`'s text and selection into the control; a paste is an undo step of its own.
    void ApplyField(const EditField& field, UndoStep step);
    void SetSelection(const EditField& field);
    void SeparateUndoStep();
    // Sends `text` through the filter at the selection; a paste first cuts it to the limit.
    void Send(const QString& text, bool paste);
    void PasteClipboard();
    void PasteText(const QString& text);
    // Replaces the text from `start` for `length` units by the filtered `commit`.
    void CommitInputMethodText(const QString& commit, int start, int length);
    void TidyAfterChange();
    void ApplyInputMethodRule();

    KeycodeSet keycode_set_ = KeycodeSet::Latin;
    bool input_method_detached_ = false;
    bool applying_ = false;
};

}  // namespace orvane
