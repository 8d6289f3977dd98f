// Every language module of the table: complete, consistent with English, in its own script, and
// with texts that fit the window and every dialog.
#include <QtTest>

#include <QAbstractButton>
#include <QAccessible>
#include <QDirIterator>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QStyleOptionHeader>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include "app/about_dialog.h"
#include "app/check_report_dlg.h"
#include "app/column_choice_dlg.h"
#include "app/communicate_dlg.h"
#include "app/fit_report_dlg.h"
#include "app/merge_review_dlg.h"
#include "app/rsu_main.h"
#include "directorytools/directory_fit.h"
#include "pages/left_to_right_delegate.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/rsu_reception_reject.h"
#include "pages/rsu_tti.h"
#include "pages/speed_dial_group.h"
#include "pages/speed_dial_individual.h"
#include "pages/speed_dial_type_select.h"
#include "read_window.h"
#include "resources/language_table.h"
#include "resources/resource_ids.h"
#include "ui/language.h"
#include "ui/language_module.h"

namespace ids = orvane::ids;

namespace {

// One text of a module: the English source it translates and its translation.
struct ModuleText {
    QString source;
    QString translation;
    bool finished = true;
};
using ModuleTexts = QMap<QString, ModuleText>;

// The texts of module `module` ("ORVI_FR") from its translation files, every area included.
ModuleTexts ReadModuleTexts(const QString& module) {
    ModuleTexts texts;
    QDirIterator files(ORVANE_TEST_TRANSLATIONS_DIR, {module + ".ts"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly)) continue;
        QXmlStreamReader xml(&file);
        QString id;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("message")) {
                id = xml.attributes().value("id").toString();
            } else if (xml.name() == QLatin1String("source")) {
                texts[id].source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                texts[id].finished = xml.attributes().value("type").isEmpty();
                texts[id].translation = xml.readElementText();
            }
        }
    }
    return texts;
}

QString ModuleName(const orvane::LanguageRow& row) {
    return QString::fromLatin1(row.module.data(), static_cast<qsizetype>(row.module.size()))
        .section('.', 0, 0);
}

// The mnemonic letters of a label ("&&" is a plain ampersand).
QString Mnemonics(const QString& label) {
    QString letters;
    for (qsizetype i = 0; i + 1 < label.size(); ++i) {
        if (label[i] != '&') continue;
        if (label[i + 1] != '&') letters += label[i + 1].toCaseFolded();
        ++i;
    }
    return letters;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression("%(\\d+|[a-zA-Z])").globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The templates whose mnemonics are reachable at the same time: the main window with each page,
// and each dialog and menu alone.
const QList<QList<int>> kMnemonicGroups = {{142, 143}, {142, 144}, {142, 145}, {146}, {147},  {148},
                                           {105},      {109},      {173},      {155}, {156},  {157},
                                           {200},      {201},      {202},      {203}, {20100}};

// Whether `text` has a letter of the module's own script.
bool WrittenInOwnScript(const QString& module, const QString& text) {
    static const QMap<QString, QList<QChar::Script>> kScripts = {
        {"ORVI_AR", {QChar::Script_Arabic}},   {"ORVI_BG", {QChar::Script_Cyrillic}},
        {"ORVI_RU", {QChar::Script_Cyrillic}}, {"ORVI_UK", {QChar::Script_Cyrillic}},
        {"ORVI_EL", {QChar::Script_Greek}},    {"ORVI_SC", {QChar::Script_Han}},
        {"ORVI_TC", {QChar::Script_Han}},      {"ORVI_JP", {QChar::Script_Han, QChar::Script_Katakana}},
        {"ORVI_KO", {QChar::Script_Hangul}},   {"ORVI_TH", {QChar::Script_Thai}},
    };
    const QList<QChar::Script> scripts = kScripts.value(module, {QChar::Script_Latin});
    return std::any_of(text.begin(), text.end(),
                       [&](QChar c) { return c.isLetter() && scripts.contains(c.script()); });
}

QString Describe(const QWidget* control, const QString& text, int needed, int given) {
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4")
        .arg(control->objectName(), text)
        .arg(needed)
        .arg(given);
}

void CheckHeader(const QHeaderView* header, QStringList* cut) {
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section)) continue;
        QStyleOptionHeader option;
        option.initFrom(header);
        option.text = header->model()->headerData(section, header->orientation()).toString();
        option.section = section;
        const int needed =
            header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width();
        // A section may lie beyond the list's edge (the list scrolls), but its own text must fit it.
        if (header->sectionSize(section) < needed)
            *cut << Describe(header->parentWidget(), option.text, needed, header->sectionSize(section));
    }
}

// The texts of `top`'s visible controls that get less room than they need.
QStringList CutTexts(const QWidget& top) {
    QStringList cut;
    for (const QWidget* control : top.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&top)) continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(control);
            button && !button->text().isEmpty()) {
            if (button->width() < button->sizeHint().width() ||
                button->height() < button->sizeHint().height())
                cut << Describe(button, button->text(), button->sizeHint().width(), button->width());
        } else if (const auto* label = qobject_cast<const QLabel*>(control);
                   label && !label->text().isEmpty()) {
            const int needed_height = label->wordWrap() ? label->heightForWidth(label->contentsRect().width())
                                                        : label->sizeHint().height();
            if ((!label->wordWrap() && label->width() < label->sizeHint().width()) ||
                label->height() < needed_height)
                cut << Describe(label, label->text(), label->sizeHint().width(), label->width());
        } else if (const auto* header = qobject_cast<const QHeaderView*>(control);
                   header && header->model()) {
            CheckHeader(header, &cut);
        } else if (const auto* tree = qobject_cast<const QTreeWidget*>(control)) {
            const int needed = static_cast<const QAbstractItemView*>(tree)->sizeHintForColumn(0);
            if (tree->viewport()->width() < needed)
                cut << Describe(tree, tree->topLevelItemCount() ? tree->topLevelItem(0)->text(0) : QString(),
                                needed, tree->viewport()->width());
        }
    }
    return cut;
}

// The visible controls of `top` that a screen reader cannot name, or names with a mnemonic mark.
QStringList UnnamedControls(const QWidget& top) {
    QStringList unnamed;
    for (QWidget* control : top.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&top) || !control->focusPolicy()) continue;
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
        static const QRegularExpression kMnemonicMark("&|\\([A-Z]\\)");
        if (name.isEmpty() || name.contains(kMnemonicMark))
            unnamed << control->objectName() + " \"" + name + "\"";
    }
    return unnamed;
}

// Checks that the texts of `top` fit and that its controls are named.
void ExpectFitsAndNamed(const QWidget& top, const QString& what) {
    const QStringList problems = CutTexts(top) + UnnamedControls(top);
    QVERIFY2(problems.isEmpty(), qPrintable(what + ": " + problems.join("; ")));
}

// Shows `dialog` and checks its texts and names.
void ExpectDialogFits(QWidget& dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ExpectFitsAndNamed(dialog, dialog.objectName());
    dialog.hide();
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void modulesHoldEveryEnglishText_data();
    void modulesHoldEveryEnglishText();
    void textsFitAndControlsAreNamedInTheWindowAndEveryDialog_data();
    void textsFitAndControlsAreNamedInTheWindowAndEveryDialog();
    void slotIdsAndNumbersReadLeftToRightInARightToLeftList_data();
    void slotIdsAndNumbersReadLeftToRightInARightToLeftList();

  private:
    void AddModuleRows();

    QTemporaryDir folder_;
    ModuleTexts english_;
};

void LanguagesTest::initTestCase() {
    QVERIFY(UsePrivateFolders(folder_));
    english_ = ReadModuleTexts("ORVI_EN");
    QVERIFY(english_.size() > 100);
}

void LanguagesTest::AddModuleRows() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("module");
    for (const orvane::LanguageRow& row : orvane::LanguageModuleTable())
        QTest::newRow(qPrintable(ModuleName(row))) << int(row.id) << ModuleName(row);
}

void LanguagesTest::modulesHoldEveryEnglishText_data() {
    AddModuleRows();
}

void LanguagesTest::modulesHoldEveryEnglishText() {
    QFETCH(int, language);
    QFETCH(QString, module);
    const ModuleTexts texts = ReadModuleTexts(module);
    QCOMPARE(texts.keys(), english_.keys());
    QTranslator built;
    QVERIFY(built.load(QDir(ORVANE_TEST_PROGRAM_DIR).filePath(module + ".qm")));
    for (auto text = texts.begin(); text != texts.end(); ++text) {
        const ModuleText& english = english_[text.key()];
        const QString what = module + " " + text.key();
        QVERIFY2(text->finished && !text->translation.trimmed().isEmpty(),
                 qPrintable(what + " is not translated"));
        QVERIFY2(text->source == english.source, qPrintable(what + " translates an older English text"));
        QCOMPARE(built.translate(nullptr, text.key().toLatin1().constData()), text->translation);
        QCOMPARE(Placeholders(text->translation), Placeholders(english.translation));
        QCOMPARE(text->translation.endsWith(' '), english.translation.endsWith(' '));
        QVERIFY2(Mnemonics(text->translation).size() == Mnemonics(english.translation).size(),
                 qPrintable(what + ": \"" + text->translation + "\" has another number of mnemonics"));
        // 186 is the manual's language code, not a text; a text of placeholders alone has no direction.
        const bool has_letters = std::any_of(text->translation.begin(), text->translation.end(),
                                             [](QChar c) { return c.isLetter(); });
        if (text.key() != QLatin1String("186") && has_letters)
            QVERIFY2(text->translation.isRightToLeft() == (language == orvane::kLanguageArabic),
                     qPrintable(what + " reads in the other direction"));
    }
    for (const QList<int>& group : kMnemonicGroups) {
        QStringList seen;
        for (auto text = texts.begin(); text != texts.end(); ++text) {
            if (!group.contains(text.key().section('.', 0, 0).toInt()) || !text.key().contains('.')) continue;
            const QString letter = Mnemonics(text->translation);
            if (letter.isEmpty()) continue;
            QVERIFY2(!seen.contains(letter),
                     qPrintable(module + " " + text.key() + " repeats mnemonic " + letter));
            seen << letter;
        }
    }
    QVERIFY2(WrittenInOwnScript(module, texts.value(QString::number(ids::kIdsTreeSender)).translation),
             qPrintable(module + " is not written in its own script"));
}

void LanguagesTest::textsFitAndControlsAreNamedInTheWindowAndEveryDialog_data() {
    AddModuleRows();
}

void LanguagesTest::textsFitAndControlsAreNamedInTheWindowAndEveryDialog() {
    QFETCH(int, language);
    const auto id = static_cast<std::uint16_t>(language);
    QVERIFY(orvane::LoadLanguageModule(id, ORVANE_TEST_PROGRAM_DIR));
    QApplication::setLayoutDirection(orvane::LayoutDirectionOf(id));
    SimPrinter sim;
    QVERIFY(InstallPrinters(sim, folder_.filePath("printers"), "Velor MX100 series", "Velor FX200"));
    orvane::CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(788, 500);
    QVERIFY(ReadPrinter(window, "Office Fax"));
    auto* tree = Find<QTreeWidget>(window, ids::kIdcTree);
    for (QTreeWidgetItemIterator row(tree); *row; ++row) {
        tree->setCurrentItem(*row);
        ExpectFitsAndNamed(window, (*row)->text(0));
    }

    orvane::CRSUSpeedDialTypeSelect type(&window);
    ExpectDialogFits(type);
    orvane::CMPSpeedDialIndividual individual({"01", "0123", "Name"}, window.RemoteSetup(), &window);
    ExpectDialogFits(individual);
    orvane::CMPSpeedDialGroup group({"02", "Group", false}, window.RemoteSetup(), &window);
    ExpectDialogFits(group);
    orvane::CRSUReceptionReject reject(&window, "01", "0123", &window);
    ExpectDialogFits(reject);
    orvane::CRSUTTI sender(&window, "Name", "0123", &window);
    ExpectDialogFits(sender);
    orvane::CAboutDlg about(id, id, ORVANE_TEST_PROGRAM_DIR, &window);
    ExpectDialogFits(about);
    orvane::CORVCommunicateDlg progress(&window);
    ExpectDialogFits(progress);
    orvane::FitReport report;
    report.items = {{2, orvane::FitPart::Dial, "06", orvane::EntryKind::Individual, u"Name", u"0123",
                     orvane::FitOutcome::Changed}};
    report.notes = {{2, "slot 06", "", orvane::FitIssue::NumberChanged, u"0-123", u"0123", 0, 0}};
    orvane::CRSUFitReportDlg fit_report(report, "contacts.vcf", &window);
    ExpectDialogFits(fit_report);
    orvane::CRSUColumnChoiceDlg columns({"Name", "Fax"}, "contacts.csv", &window);
    ExpectDialogFits(columns);
    const orvane::DirectoryData& working = *window.RemoteSetup()->Copy(orvane::DirectoryCopy::Working);
    orvane::CRSUMergeReviewDlg merge(working, working, working, &window);
    ExpectDialogFits(merge);
    for (const auto purpose :
         {orvane::CRSUCheckReport::Purpose::kBeforeWrite, orvane::CRSUCheckReport::Purpose::kShowAll}) {
        orvane::CRSUCheckReport check(purpose, {}, &window);
        ExpectDialogFits(check);
    }
}

void LanguagesTest::slotIdsAndNumbersReadLeftToRightInARightToLeftList_data() {
    QTest::addColumn<int>("list_direction");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("drawn");
    QTest::newRow("slot ID, right to left") << int(Qt::RightToLeft) << "*00" << int(Qt::LeftToRight);
    QTest::newRow("number, right to left") << int(Qt::RightToLeft) << "+49 30 1234" << int(Qt::LeftToRight);
    QTest::newRow("Arabic name, right to left") << int(Qt::RightToLeft) << "مجموعة" << int(Qt::RightToLeft);
    QTest::newRow("slot ID, left to right") << int(Qt::LeftToRight) << "*00" << int(Qt::LeftToRight);
}

void LanguagesTest::slotIdsAndNumbersReadLeftToRightInARightToLeftList() {
    QFETCH(int, list_direction);
    QFETCH(QString, text);
    QFETCH(int, drawn);
    // The delegate's view of a cell, as the list paints it.
    struct Probe : orvane::LeftToRightDelegate {
        using LeftToRightDelegate::initStyleOption;
    };
    orvane::CRSUListCtrl list;
    list.setLayoutDirection(Qt::LayoutDirection(list_direction));
    QStandardItemModel rows;
    rows.appendRow(new QStandardItem(text));
    list.setModel(&rows);
    QStyleOptionViewItem option;
    option.initFrom(&list);
    Probe().initStyleOption(&option, rows.index(0, 0));
    QCOMPARE(int(option.direction), drawn);
    // Whatever the text's direction, it stays at the list's leading side of the cell.
    QCOMPARE(QStyle::visualAlignment(option.direction, option.displayAlignment) & Qt::AlignRight,
             list_direction == Qt::RightToLeft ? Qt::AlignRight : Qt::Alignment());
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
