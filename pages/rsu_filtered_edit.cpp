#include "pages/rsu_filtered_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>

#include "pages/rsu_beep.h"
#include "pages/rsu_selection_source.h"
#include "platform/system_locale.h"

namespace orvane {
namespace {

// True for the key presses the line edit itself would insert as text.
bool IsTextInput(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) return false;
    const QChar c = text.front();
    if (c.category() == QChar::Other_Format) return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier)) {
        return false;
    }
    return c.isPrint() || c.category() == QChar::Other_PrivateUse ||
           (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

void BeepFor(int refused) {
    for (int i = 0; i < refused; ++i) RSUBeep();
}

}  // namespace

CRSUFilteredEdit::CRSUFilteredEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &CRSUFilteredEdit::TidyAfterChange);
}

bool CRSUFilteredEdit::Tidy(EditField&) const {
    return false;
}

bool CRSUFilteredEdit::SetUpKeycode(const char* keycode_type) {
    if (keycode_type == nullptr) return false;
    keycode_set_ = KeycodeSetFor(keycode_type);
    input_method_detached_ = SystemLocaleIsKorean();
    ApplyInputMethodRule();
    return true;
}

void CRSUFilteredEdit::ApplyInputMethodRule() {
    if (input_method_detached_) setAttribute(Qt::WA_InputMethodEnabled, false);
}

EditField CRSUFilteredEdit::CurrentField() const {
    EditField field;
    field.text = text().toStdU16String();
    field.limit = static_cast<std::size_t>(std::max(0, maxLength()));
    field.caret = static_cast<std::size_t>(cursorPosition());
    field.anchor = field.caret;
    if (hasSelectedText()) {
        const auto start = static_cast<std::size_t>(selectionStart());
        const auto end = static_cast<std::size_t>(selectionEnd());
        field.anchor = field.caret == start ? end : start;
    }
    return field;
}

void CRSUFilteredEdit::ApplyField(const EditField& field, UndoStep step) {
    const QString old_text = text();
    const QString new_text = QString::fromStdU16String(field.text);
    if (new_text != old_text) {
        // Only the part that differs is replaced, as an undoable edit; the field is already
        // tidy, so the change notification leaves it.
        const auto prefix = static_cast<int>(
            std::mismatch(old_text.cbegin(), old_text.cend(), new_text.cbegin(), new_text.cend()).first -
            old_text.cbegin());
        int suffix = 0;
        while (suffix < old_text.size() - prefix && suffix < new_text.size() - prefix &&
               old_text[old_text.size() - 1 - suffix] == new_text[new_text.size() - 1 - suffix]) {
            ++suffix;
        }
        applying_ = true;
        if (step == UndoStep::kOwn) SeparateUndoStep();
        setSelection(prefix, static_cast<int>(old_text.size()) - prefix - suffix);
        const QString inserted = new_text.mid(prefix, new_text.size() - prefix - suffix);
        if (inserted.isEmpty()) {
            del();
        } else {
            insert(inserted);
        }
        if (step == UndoStep::kOwn) SeparateUndoStep();
        applying_ = false;
    }
    SetSelection(field);
}

void CRSUFilteredEdit::SetSelection(const EditField& field) {
    const auto anchor = static_cast<int>(field.anchor);
    const auto caret = static_cast<int>(field.caret);
    if (anchor == caret) {
        setCursorPosition(caret);
    } else {
        setSelection(anchor, caret - anchor);
    }
}

void CRSUFilteredEdit::SeparateUndoStep() {
    // The line edit closes its undo step whenever the cursor moves.
    const int caret = cursorPosition();
    if (caret > 0) {
        cursorBackward(false);
        cursorForward(false);
    } else if (!text().isEmpty()) {
        cursorForward(false);
        cursorBackward(false);
    }
}

void CRSUFilteredEdit::Send(const QString& text, bool paste) {
    EditField field = CurrentField();
    const std::u16string units = text.toStdU16String();
    const int refused = paste ? PasteChars(field, units, Rules()) : SendChars(field, units, Rules());
    ApplyField(field, paste ? UndoStep::kOwn : UndoStep::kMerged);
    BeepFor(refused);
}

void CRSUFilteredEdit::PasteClipboard() {
    PasteText(QGuiApplication::clipboard()->text());
}

void CRSUFilteredEdit::PasteText(const QString& text) {
    if (!isReadOnly() && !text.isEmpty()) Send(text, true);
}

void CRSUFilteredEdit::TidyAfterChange() {
    if (applying_) return;
    EditField field = CurrentField();
    if (!Tidy(field)) return;
    // Set as a new text, which also forgets the undo steps: undoing into a state the tidy-up
    // repairs at once would leave the user stuck there.
    applying_ = true;
    setText(QString::fromStdU16String(field.text));
    applying_ = false;
    SetSelection(field);
}

void CRSUFilteredEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteClipboard();
        event->accept();
        return;
    }
    if (!isReadOnly() && IsTextInput(*event)) {
        Send(event->text(), false);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CRSUFilteredEdit::CommitInputMethodText(const QString& commit, int start, int length) {
    EditField field = CurrentField();
    const int size = static_cast<int>(field.text.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    field.anchor = static_cast<std::size_t>(start);
    field.caret = static_cast<std::size_t>(start + length);
    int refused = 0;
    if (commit.isEmpty()) {
        field.text.erase(field.anchor, field.caret - field.anchor);
        field.caret = field.anchor;
        Tidy(field);
    } else {
        refused = SendChars(field, commit.toStdU16String(), Rules());
    }
    ApplyField(field, UndoStep::kMerged);
    BeepFor(refused);
}

void CRSUFilteredEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    if (event->replacementLength() > 0) {
        CommitInputMethodText(event->commitString(), cursorPosition() + event->replacementStart(),
                              event->replacementLength());
    } else if (!event->commitString().isEmpty()) {
        Send(event->commitString(), false);
    }
    // The composition shows as the input method gives it; only committed text enters the field.
    QInputMethodEvent preedit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&preedit);
    event->accept();
}

void CRSUFilteredEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste calls the unfiltered QLineEdit::paste; it pastes through the filter instead.
    for (QAction* action : menu->actions()) {
        if (disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
            disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
            connect(action, &QAction::triggered, this, &CRSUFilteredEdit::PasteClipboard);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CRSUFilteredEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !isReadOnly()) {
        if (const std::optional<QString> selection = SelectionText()) {
            deselect();
            PasteText(*selection);
            event->accept();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CRSUFilteredEdit::dropEvent(QDropEvent* event) {
    const QString dropped = event->mimeData() != nullptr ? event->mimeData()->text() : QString();
    if (dropped.isEmpty() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    // Line edits drag text out as a copy only, so a drop never removes text of its own.
    event->acceptProposedAction();
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    PasteText(dropped);
}

void CRSUFilteredEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange) ApplyInputMethodRule();
}

}  // namespace orvane
