#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

#include "pages/rsu_beep.h"
#include "pages/rsu_fax_edit.h"
#include "pages/rsu_name_edit.h"
#include "pages/rsu_selection_source.h"
#include "platform/system_locale.h"

using orvane::CRSUFaxEdit;
using orvane::CRSUNameEdit;

// The number and name fields as a user meets them: keys, input-method events, the clipboard,
// menus, mouse and drops, on real widgets. Beeps are counted through the beep seam.
class InputFieldsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void typedNumberFollowsTheMode_data();
    void typedNumberFollowsTheMode();
    void secondToneSwitchBeeps();
    void numberBeforeSetUpTakesDigitsOnly();
    void nullKeycodeTextChangesNothing();
    void typedNameFollowsTheKeycodeSet_data();
    void typedNameFollowsTheKeycodeSet();
    void inputMethodCommitOfHiragana_data();
    void inputMethodCommitOfHiragana();
    void preeditShowsButStaysOutOfTheText();
    void inputMethodReplacementIsFiltered();
    void pasteShortcutsSendTwentyOfThirty_data();
    void pasteShortcutsSendTwentyOfThirty();
    void contextMenuPasteIsFiltered();
    void middleClickPastesTheSelectionThroughTheFilter();
    void dropIsFiltered();
    void fullFieldBeeps();
    void caretKeptAfterTidyUp();
    void deletingLeadingDigitRemovesThePause();
    void programmaticTextIsTidied();
    void undoRestoresTheTextBeforeAPaste();
    void koreanLocaleDetachesTheInputMethod();
    void koreanLocaleNames_data();
    void koreanLocaleNames();

  private:
    template <typename Edit>
    Edit* Make();
    static void SendKeyText(QWidget* widget, const QString& text);
    static void Commit(QWidget* widget, const QString& commit);

    int beeps_ = 0;
    QList<QWidget*> widgets_;
};

void InputFieldsTest::init() {
    beeps_ = 0;
    orvane::SetBeepHandler([this] { ++beeps_; });
    QGuiApplication::clipboard()->clear();
}

void InputFieldsTest::cleanup() {
    orvane::SetBeepHandler({});
    orvane::SetSelectionSource({});
    qDeleteAll(widgets_);
    widgets_.clear();
}

template <typename Edit>
Edit* InputFieldsTest::Make() {
    auto* edit = new Edit;
    widgets_.append(edit);
    edit->resize(300, 30);
    edit->show();
    edit->activateWindow();
    edit->setFocus();
    return edit;
}

// A key press carrying text that has no key of its own (kana, accented letters).
void InputFieldsTest::SendKeyText(QWidget* widget, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void InputFieldsTest::Commit(QWidget* widget, const QString& commit) {
    QInputMethodEvent event(QString(), {});
    event.setCommitString(commit);
    QApplication::sendEvent(widget, &event);
}

void InputFieldsTest::typedNumberFollowsTheMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    QTest::newRow("dial entry, pauses tidied") << 1 << "p 12P34pp"
                                               << "12p34PP" << 2;
    QTest::newRow("dial entry, tone and codes") << 1 << "T*#1 2+"
                                                << "T*#1 2" << 1;
    QTest::newRow("rejected number") << 2 << " *1 2#Tp+"
                                     << "*1 2#" << 4;
    QTest::newRow("sender number") << 3 << "+81 3*#+"
                                   << "+81 3+" << 2;
    QTest::newRow("letters never") << 1 << "1a-b(2)"
                                   << "12" << 5;
}

void InputFieldsTest::typedNumberFollowsTheMode() {
    QFETCH(int, mode);
    QFETCH(QString, typed);
    auto* edit = Make<CRSUFaxEdit>();
    edit->SetUp("type1", mode);
    QTest::keyClicks(edit, typed);
    QTEST(edit->text(), "text");
    QTEST(beeps_, "beeps");
    QCOMPARE(edit->cursorPosition(), edit->text().size());
}

void InputFieldsTest::secondToneSwitchBeeps() {
    auto* edit = Make<CRSUFaxEdit>();
    edit->SetUp("type2", 1);
    QTest::keyClicks(edit, "12T4");
    QTest::keyClicks(edit, "T");
    QCOMPARE(edit->text(), QString("12T4"));
    QCOMPARE(beeps_, 1);
    SendKeyText(edit, QString(QChar(0xFF15)));  // full-width 5
    QCOMPARE(edit->text(), QString("12T45"));
    QCOMPARE(beeps_, 1);
}

void InputFieldsTest::numberBeforeSetUpTakesDigitsOnly() {
    auto* edit = Make<CRSUFaxEdit>();
    QTest::keyClicks(edit, "1*#T+ p2");
    QCOMPARE(edit->text(), QString("12"));
    QCOMPARE(beeps_, 6);
}

void InputFieldsTest::nullKeycodeTextChangesNothing() {
    auto* fax = Make<CRSUFaxEdit>();
    fax->SetUp("type1", 1);
    fax->SetUp(nullptr, 3);
    QTest::keyClicks(fax, "1T+");
    QCOMPARE(fax->text(), QString("1T"));
    auto* name = Make<CRSUNameEdit>();
    name->SetUp("type1");
    name->SetUp(nullptr);
    SendKeyText(name, QString(QChar(0x30A2)));  // katakana a
    QCOMPARE(name->text(), QString(QChar(0xFF71)));
    QCOMPARE(beeps_, 1);
}

void InputFieldsTest::typedNameFollowsTheKeycodeSet_data() {
    QTest::addColumn<QByteArray>("keycode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    const QString e_acute(QChar(0x00E9));
    const QString ga(QChar(0x304C));
    const QString half_ga = QString(QChar(0xFF76)) + QChar(0xFF9E);
    QTest::newRow("accented, type2") << QByteArray("type2") << e_acute << e_acute << 0;
    QTest::newRow("accented, type1") << QByteArray("type1") << e_acute << "" << 1;
    QTest::newRow("hiragana, type1") << QByteArray("type1") << ga << half_ga << 0;
    QTest::newRow("hiragana, type2") << QByteArray("type2") << ga << "" << 2;
    QTest::newRow("tilde and backslash, type1") << QByteArray("type1") << "a~\\b"
                                                << "ab" << 2;
    QTest::newRow("tilde and backslash, type2") << QByteArray("type2") << "a~\\b"
                                                << "ab" << 2;
    QTest::newRow("full-width letters")
        << QByteArray("other") << QString(QChar(0xFF21)) + QChar(0xFF42) << "Ab" << 0;
}

void InputFieldsTest::typedNameFollowsTheKeycodeSet() {
    QFETCH(QByteArray, keycode);
    QFETCH(QString, typed);
    auto* edit = Make<CRSUNameEdit>();
    edit->SetUp(keycode.constData());
    for (const QChar c : typed) SendKeyText(edit, QString(c));
    QTEST(edit->text(), "text");
    QTEST(beeps_, "beeps");
}

void InputFieldsTest::inputMethodCommitOfHiragana_data() {
    QTest::addColumn<QByteArray>("keycode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    // がっこう: ga, small tsu, ko, u.
    QTest::newRow("type1") << QByteArray("type1") << QString::fromUtf16(u"\uFF76\uFF9E\uFF6F\uFF7A\uFF73")
                           << 0;
    QTest::newRow("type2") << QByteArray("type2") << QString() << 5;
}

void InputFieldsTest::inputMethodCommitOfHiragana() {
    QFETCH(QByteArray, keycode);
    auto* edit = Make<CRSUNameEdit>();
    edit->SetUp(keycode.constData());
    Commit(edit, QString::fromUtf16(u"\u304C\u3063\u3053\u3046"));
    QTEST(edit->text(), "text");
    QTEST(beeps_, "beeps");
}

void InputFieldsTest::preeditShowsButStaysOutOfTheText() {
    auto* edit = Make<CRSUNameEdit>();
    edit->SetUp("type1");
    QTest::keyClicks(edit, "A");
    const QString preedit = QString::fromUtf16(u"\u304B");
    QInputMethodEvent composing(preedit, {});
    QApplication::sendEvent(edit, &composing);
    QCOMPARE(edit->text(), QString("A"));
    QCOMPARE(edit->inputMethodQuery(Qt::ImSurroundingText).toString(), QString("A"));
    QCOMPARE(beeps_, 0);
    Commit(edit, preedit);
    QCOMPARE(edit->text(), QString("A") + QChar(0xFF76));
    QCOMPARE(beeps_, 0);
}

void InputFieldsTest::inputMethodReplacementIsFiltered() {
    auto* edit = Make<CRSUFaxEdit>();
    edit->SetUp("type1", 1);
    QTest::keyClicks(edit, "1299");
    edit->setCursorPosition(4);
    QInputMethodEvent event(QString(), {});
    event.setCommitString(QString::fromUtf16(u"\uFF13a4"), -2, 2);  // replaces the two nines
    QApplication::sendEvent(edit, &event);
    QCOMPARE(edit->text(), QString("1234"));
    QCOMPARE(beeps_, 1);
}

void InputFieldsTest::pasteShortcutsSendTwentyOfThirty_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
}

void InputFieldsTest::pasteShortcutsSendTwentyOfThirty() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto* edit = Make<CRSUFaxEdit>();
    edit->SetUp("type1", 1);
    edit->setMaxLength(20);
    // The first twenty hold three characters no number takes; the last ten are never sent.
    QGuiApplication::clipboard()->setText("012a45678x012345-789012345a789");
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(edit->text(), QString("01245678012345789"));
    QCOMPARE(beeps_, 3);
}

void InputFieldsTest::contextMenuPasteIsFiltered() {
    auto* edit = Make<CRSUNameEdit>();
    edit->SetUp("type1");
    QGuiApplication::clipboard()->setText(QString::fromUtf16(u"Ann~\u30AC"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &event);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste"))) paste = action;
    }
    QVERIFY(paste != nullptr);
    QVERIFY(paste->isEnabled());
    paste->trigger();
    menu->close();
    QCOMPARE(edit->text(), QString("Ann") + QChar(0xFF76) + QChar(0xFF9E));
    QCOMPARE(beeps_, 1);
}

void InputFieldsTest::middleClickPastesTheSelectionThroughTheFilter() {
    orvane::SetSelectionSource([] { return std::optional<QString>(QString::fromUtf16(u"0\uFF13-12 ")); });
    auto* edit = Make<CRSUFaxEdit>();
    edit->SetUp("type1", 2);
    QTest::mouseClick(edit, Qt::MiddleButton, Qt::NoModifier, QPoint(edit->width() - 5, edit->height() / 2));
    QCOMPARE(edit->text(), QString("0312 "));
    QCOMPARE(beeps_, 1);

    // Without a selection a middle click inserts nothing.
    orvane::SetSelectionSource([] { return std::nullopt; });
    QTest::mouseClick(edit, Qt::MiddleButton, Qt::NoModifier, QPoint(edit->width() - 5, edit->height() / 2));
    QCOMPARE(edit->text(), QString("0312 "));
}

void InputFieldsTest::dropIsFiltered() {
    auto* edit = Make<CRSUFaxEdit>();
    edit->SetUp("type1", 3);
    edit->setMaxLength(6);
    QTest::keyClicks(edit, "12");
    QMimeData data;
    data.setText(QString::fromUtf16(u"+\uFF18*1234567"));
    const QPoint end(edit->width() - 5, edit->height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
    QVERIFY(drop.isAccepted());
    // Six characters are sent: "*" is refused and the last finds the field full.
    QCOMPARE(edit->text(), QString("12+812"));
    QCOMPARE(beeps_, 2);
}

void InputFieldsTest::fullFieldBeeps() {
    auto* edit = Make<CRSUNameEdit>();
    edit->SetUp("type2");
    edit->setMaxLength(3);
    QTest::keyClicks(edit, "abcd");
    QCOMPARE(edit->text(), QString("abc"));
    QCOMPARE(beeps_, 1);
}

void InputFieldsTest::caretKeptAfterTidyUp() {
    auto* edit = Make<CRSUFaxEdit>();
    edit->SetUp("type1", 1);
    QTest::keyClicks(edit, "12345");
    edit->setCursorPosition(2);
    QTest::keyClicks(edit, "P");  // an inner pause becomes "p" and the caret stays after it
    QCOMPARE(edit->text(), QString("12p345"));
    QCOMPARE(edit->cursorPosition(), 3);
    edit->setCursorPosition(6);
    QTest::keyClicks(edit, "p");
    QCOMPARE(edit->text(), QString("12p345P"));
    edit->setSelection(3, 3);
    QTest::keyClick(edit, Qt::Key_Delete);  // the inner pause becomes part of the trailing run
    QCOMPARE(edit->text(), QString("12PP"));
    QCOMPARE(edit->cursorPosition(), 3);
    QCOMPARE(beeps_, 0);
}

void InputFieldsTest::deletingLeadingDigitRemovesThePause() {
    auto* edit = Make<CRSUFaxEdit>();
    edit->SetUp("type1", 1);
    QTest::keyClicks(edit, "1p23");
    QCOMPARE(edit->text(), QString("1p23"));
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString("23"));
    QCOMPARE(edit->cursorPosition(), 0);
}

void InputFieldsTest::programmaticTextIsTidied() {
    auto* edit = Make<CRSUFaxEdit>();
    edit->SetUp("type1", 1);
    edit->setText(" p12P3pP");
    QCOMPARE(edit->text(), QString("12p3PP"));
    QCOMPARE(edit->cursorPosition(), 6);
}

void InputFieldsTest::undoRestoresTheTextBeforeAPaste() {
    auto* edit = Make<CRSUNameEdit>();
    edit->SetUp("type1");
    QTest::keyClicks(edit, "Bo");
    QGuiApplication::clipboard()->setText("b~x");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("Bobx"));
    edit->undo();
    QCOMPARE(edit->text(), QString("Bo"));
}

void InputFieldsTest::koreanLocaleDetachesTheInputMethod() {
    const QByteArray saved = qgetenv("LC_ALL");
    qputenv("LC_ALL", "en_US.UTF-8");
    auto* other_fax = Make<CRSUFaxEdit>();
    other_fax->SetUp("type1", 1);
    auto* other_name = Make<CRSUNameEdit>();
    other_name->SetUp("type1");
    qputenv("LC_ALL", "ko_KR.UTF-8");
    auto* korean_fax = Make<CRSUFaxEdit>();
    korean_fax->SetUp("type2", 2);
    auto* korean_name = Make<CRSUNameEdit>();
    korean_name->SetUp("type2");
    korean_name->setReadOnly(true);
    korean_name->setReadOnly(false);
    if (saved.isNull()) {
        qunsetenv("LC_ALL");
    } else {
        qputenv("LC_ALL", saved);
    }
    QVERIFY(other_fax->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(other_name->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(!korean_fax->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(!korean_name->testAttribute(Qt::WA_InputMethodEnabled));
}

void InputFieldsTest::koreanLocaleNames_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("korean");
    QTest::newRow("ko_KR.UTF-8") << QByteArray("ko_KR.UTF-8") << true;
    QTest::newRow("ko_KR.EUC-KR") << QByteArray("ko_KR.EUC-KR") << true;
    QTest::newRow("ko") << QByteArray("ko") << true;
    QTest::newRow("ko@modifier") << QByteArray("ko@modifier") << true;
    QTest::newRow("kok_IN") << QByteArray("kok_IN") << false;
    QTest::newRow("ja_JP.UTF-8") << QByteArray("ja_JP.UTF-8") << false;
    QTest::newRow("C") << QByteArray("C") << false;
    QTest::newRow("empty") << QByteArray("") << false;
}

void InputFieldsTest::koreanLocaleNames() {
    QFETCH(QByteArray, name);
    QTEST(orvane::IsKoreanLocaleName(std::string_view(name.constData(), name.size())), "korean");
}

QTEST_MAIN(InputFieldsTest)
#include "tst_input_fields.moc"
