#include <QtTest>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <functional>

#include "app/about_dialog.h"
#include "app/rsu_main.h"
#include "read_window.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "ui/language_module.h"

using orvane::CAboutDlg;
using orvane::CRSUMain;
namespace ids = orvane::ids;

namespace {

constexpr QChar kEmbedding(0x202A);
constexpr QChar kPop(0x202C);

// Calls `act` on the language dialog once it is on screen.
void WhenDialogShows(std::function<void(CAboutDlg*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start(20);
}

}  // namespace

// The language dialog: what it lists, how it is reached, and the choice kept for the next start.
class LanguageDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void entryText_data();
    void entryText();
    void listsOnlyLanguagesWhoseModuleIsPresent();
    void arabicShowsOtherLanguagesLeftToRight();
    void pendingLanguageWithoutItsModuleSelectsNothing();
    void choiceIsStoredAtExit_data();
    void choiceIsStoredAtExit();
    void contextMenuOfTheWindowOpensIt();
    void everyControlHasAnAccessibleName();

  private:
    // A program directory with the model list and the given modules only.
    QString ProgramWith(const QStringList& modules);
    void StoreLanguage(const QString& text);
    QString StoredLanguage() const;
    // Opens the dialog with the window's shortcut (Ctrl+L) and hands it to `act`.
    void OpenWithShortcut(CRSUMain& window, std::function<void(CAboutDlg*)> act);

    QTemporaryDir folder_;
};

void LanguageDialogTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    QFile empty(folder_.filePath("no-printers"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    qputenv("ORVANE_PRINTERS", empty.fileName().toUtf8());
}

void LanguageDialogTest::init() {
    ClearUserSettings(folder_);
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

QString LanguageDialogTest::ProgramWith(const QStringList& modules) {
    const QDir program(folder_.filePath(modules.join('-')));
    program.mkpath(".");
    QFile::copy(QDir(ORVANE_TEST_PROGRAM_DIR).filePath("orvkit.dat"), program.filePath("orvkit.dat"));
    for (const QString& module : modules)
        QFile::copy(QDir(ORVANE_TEST_PROGRAM_DIR).filePath(module), program.filePath(module));
    return program.path();
}

void LanguageDialogTest::StoreLanguage(const QString& text) {
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    user.setValue("Language", text);
    user.sync();
}

QString LanguageDialogTest::StoredLanguage() const {
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    return user.value("Language").toString();
}

void LanguageDialogTest::OpenWithShortcut(CRSUMain& window, std::function<void(CAboutDlg*)> act) {
    bool shown = false;
    WhenDialogShows([&](CAboutDlg* dialog) {
        shown = true;
        act(dialog);
    });
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(shown);
}

void LanguageDialogTest::entryText_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    const QString german = QStringLiteral("Deutsch(German)");
    QTest::newRow("English window") << 0x0409 << 0x0407 << german;
    QTest::newRow("Arabic row in an English window") << 0x0409 << 0x0401 << "العربية(Arabic)";
    QTest::newRow("Arabic window") << 0x0401 << 0x0407
                                   << kEmbedding + QStringLiteral("(German)Deutsch") + kPop;
    QTest::newRow("another Arabic variant")
        << 0x0C01 << 0x0407 << kEmbedding + QStringLiteral("(German)Deutsch") + kPop;
    QTest::newRow("Arabic row in an Arabic window") << 0x0401 << 0x0401 << "العربية(Arabic)";
}

void LanguageDialogTest::entryText() {
    QFETCH(int, current);
    QFETCH(int, row);
    QFETCH(QString, text);
    const bool german = row == 0x0407;
    QCOMPARE(orvane::LanguageEntryText(german ? "Deutsch" : "العربية", german ? "German" : "Arabic",
                                       static_cast<std::uint16_t>(current), static_cast<std::uint16_t>(row)),
             text);
}

void LanguageDialogTest::listsOnlyLanguagesWhoseModuleIsPresent() {
    StoreLanguage("0411");
    CRSUMain window(nullptr, ProgramWith({"ORVI_JP.qm", "ORVI_EN.qm", "ORVI_AR.qm"}));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList texts;
    QList<int> languages;
    QString version;
    int selected = -1;
    OpenWithShortcut(window, [&](CAboutDlg* dialog) {
        auto* list = Find<QComboBox>(*dialog, ids::kIdcLanguageList);
        for (int i = 0; i < list->count(); ++i) {
            texts << list->itemText(i);
            languages << list->itemData(i).toInt();
        }
        selected = list->currentIndex();
        version = Find<QLabel>(*dialog, ids::kIdcLanguageVersion)->text();
        dialog->reject();
    });
    // Table order: Arabic, English, Japanese.
    QCOMPARE(texts, (QStringList{"العربية(Arabic)", "English(English)", "日本語(Japanese)"}));
    QCOMPARE(languages, (QList<int>{0x0401, 0x0409, 0x0411}));
    QCOMPARE(selected, 2);
    QCOMPARE(version, orvane::LoadTemplateText(ids::kIddLanguage, ids::kIdcLanguageVersion) + "1.3.0");
    QVERIFY(version.endsWith("1.3.0"));
}

void LanguageDialogTest::arabicShowsOtherLanguagesLeftToRight() {
    StoreLanguage("0401");
    CRSUMain window(nullptr, ProgramWith({"ORVI_AR.qm", "ORVI_DE.qm"}));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList texts;
    OpenWithShortcut(window, [&](CAboutDlg* dialog) {
        auto* list = Find<QComboBox>(*dialog, ids::kIdcLanguageList);
        for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
        dialog->reject();
    });
    QCOMPARE(texts, (QStringList{"العربية(Arabic)", kEmbedding + QStringLiteral("(German)Deutsch") + kPop}));
}

void LanguageDialogTest::pendingLanguageWithoutItsModuleSelectsNothing() {
    StoreLanguage("0407");
    CRSUMain window(nullptr, ProgramWith({"ORVI_EN.qm"}));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    int selected = 0;
    int entries = 0;
    OpenWithShortcut(window, [&](CAboutDlg* dialog) {
        auto* list = Find<QComboBox>(*dialog, ids::kIdcLanguageList);
        selected = list->currentIndex();
        entries = list->count();
        QTest::mouseClick(Find<QPushButton>(*dialog, ids::kIdOk), Qt::LeftButton);
    });
    QCOMPARE(entries, 1);
    QCOMPARE(selected, -1);
    // OK without a selection keeps the pending language.
    QCOMPARE(window.PendingLanguage(), std::uint16_t{0x0407});
}

void LanguageDialogTest::choiceIsStoredAtExit_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("pending");
    QTest::addColumn<QString>("stored");
    QTest::newRow("OK takes the choice") << ids::kIdOk << 0x0407 << "0407";
    QTest::newRow("Cancel keeps the language") << ids::kIdCancel << 0x0409 << "0409";
}

void LanguageDialogTest::choiceIsStoredAtExit() {
    QFETCH(int, button);
    QFETCH(int, pending);
    QFETCH(QString, stored);
    StoreLanguage("0409");
    CRSUMain window(nullptr, ProgramWith({"ORVI_EN.qm", "ORVI_DE.qm"}));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    OpenWithShortcut(window, [button](CAboutDlg* dialog) {
        auto* list = Find<QComboBox>(*dialog, ids::kIdcLanguageList);
        list->setCurrentIndex(list->findData(0x0407));
        QTest::mouseClick(Find<QPushButton>(*dialog, button), Qt::LeftButton);
    });
    QCOMPARE(window.PendingLanguage(), static_cast<std::uint16_t>(pending));
    // Only the exit stores it: the running program keeps its language.
    QCOMPARE(StoredLanguage(), QStringLiteral("0409"));
    Press(window, ids::kIdCancel);
    QVERIFY(!window.isVisible());
    QCOMPARE(StoredLanguage(), stored);
}

void LanguageDialogTest::contextMenuOfTheWindowOpensIt() {
    CRSUMain window(nullptr, ProgramWith({"ORVI_EN.qm", "ORVI_DE.qm"}));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAction* chosen = nullptr;
    QStringList items;
    auto* timer = new QTimer(&window);
    connect(timer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        timer->stop();
        for (QAction* action : menu->actions()) items << action->text();
        chosen = menu->actions().value(0);
        menu->close();
    });
    timer->start(20);
    const QPoint inside = Find<QWidget>(window, ids::kIdcBottomStatic)->mapTo(&window, QPoint(2, 2));
    QContextMenuEvent request(QContextMenuEvent::Mouse, inside, window.mapToGlobal(inside));
    QApplication::sendEvent(&window, &request);
    QTRY_VERIFY(chosen != nullptr);
    QCOMPARE(items, (QStringList{orvane::LoadString(ids::kIdsLanguageMenuItem),
                                 orvane::LoadString(ids::kIdsCheckMenuItem)}));
    QCOMPARE(chosen->objectName(), QStringLiteral("16"));
    bool shown = false;
    WhenDialogShows([&](CAboutDlg* dialog) {
        shown = true;
        dialog->reject();
    });
    chosen->trigger();
    QVERIFY(shown);
}

void LanguageDialogTest::everyControlHasAnAccessibleName() {
    CAboutDlg dialog(0x0409, 0x0409, ORVANE_TEST_PROGRAM_DIR, nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("173"));
    for (int id : {ids::kIdcLanguageVersion, ids::kIdcLanguageList, ids::kIdOk, ids::kIdCancel}) {
        QWidget* control = Find<QWidget>(dialog, id);
        QVERIFY2(control != nullptr, qPrintable(QString::number(id)));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible != nullptr);
        const QString name = accessible->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && !name.contains('&'), qPrintable(QString::number(id)));
    }
}

QTEST_MAIN(LanguageDialogTest)
#include "tst_language_dialog.moc"
