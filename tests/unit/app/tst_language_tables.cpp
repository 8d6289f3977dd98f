#include <QtTest>

#include <set>

#include "platform/ui_language.h"
#include "resources/language_table.h"
#include "ui/language.h"
#include "ui/language_module.h"

class LanguageTablesTest : public QObject {
    Q_OBJECT
  private slots:
    void moduleTableHas32DistinctRows();
    void findsRowsByExactId();
    void appStringsFollowTheTableOrder();
    void defaultLanguageText_data();
    void defaultLanguageText();
    void languageIdFromText_data();
    void languageIdFromText();
    void formatsLanguageIds();
    void rightToLeftOnlyForArabicSaudiArabia();
    void localeToLanguageId_data();
    void localeToLanguageId();
};

void LanguageTablesTest::moduleTableHas32DistinctRows() {
    const auto table = orvane::LanguageModuleTable();
    QCOMPARE(table.size(), std::size_t{32});
    std::set<std::uint16_t> ids;
    std::set<std::string_view> modules;
    for (const orvane::LanguageRow& row : table) {
        QVERIFY(row.id != 0);
        ids.insert(row.id);
        modules.insert(row.module);
        QVERIFY(row.module.starts_with("ORVI_") && row.module.ends_with(".qm"));
    }
    QCOMPARE(ids.size(), std::size_t{32});
    QCOMPARE(modules.size(), std::size_t{32});
    QCOMPARE(table.front().id, std::uint16_t{0x0401});
    QCOMPARE(table.back().id, std::uint16_t{0x0422});
}

void LanguageTablesTest::findsRowsByExactId() {
    QCOMPARE(orvane::FindLanguageRow(0x0407)->module, std::string_view("ORVI_DE.qm"));
    QCOMPARE(orvane::FindLanguageRow(0x0411)->module, std::string_view("ORVI_JP.qm"));
    QCOMPARE(orvane::FindLanguageRow(0x0C0A)->module, std::string_view("ORVI_ES.qm"));
    QVERIFY(orvane::FindLanguageRow(0x1401) == nullptr);  // Arabic of Algeria: no row of its own
    QVERIFY(orvane::FindLanguageRow(0x0816) == nullptr);
    QVERIFY(orvane::FindLanguageRow(0) == nullptr);
}

void LanguageTablesTest::appStringsFollowTheTableOrder() {
    QCOMPARE(orvane::LoadAppString(11001), QStringLiteral("Arabic"));
    QCOMPARE(orvane::LoadAppString(11008), QStringLiteral("English"));
    QCOMPARE(orvane::LoadAppString(11032), QStringLiteral("Ukrainian"));
    QCOMPARE(orvane::LoadAppString(12008), QStringLiteral("English"));
    QCOMPARE(orvane::LoadAppString(12012), QStringLiteral("Deutsch"));
    QCOMPARE(orvane::LoadAppString(12017), QStringLiteral("日本語"));
    QVERIFY(orvane::LoadAppString(11000).isEmpty());
    QVERIFY(orvane::LoadAppString(11033).isEmpty());
    QVERIFY(orvane::LoadAppString(12033).isEmpty());
    QVERIFY(orvane::LoadAppString(10000).isEmpty());
}

void LanguageTablesTest::defaultLanguageText_data() {
    QTest::addColumn<int>("uiLanguage");
    QTest::addColumn<QString>("text");
    QTest::newRow("English") << 0x0409 << "0409";
    QTest::newRow("German") << 0x0407 << "0407";
    QTest::newRow("Japanese") << 0x0411 << "0411";
    QTest::newRow("Arabic") << 0x0401 << "0401";
    QTest::newRow("Spanish") << 0x0C0A << "0c0a";
    QTest::newRow("Portuguese (Portugal) uses the Portuguese module") << 0x0816 << "0416";
    QTest::newRow("Swiss German falls back to German") << 0x0807 << "0407";
    QTest::newRow("Arabic of Algeria falls back to Arabic") << 0x1401 << "0401";
    QTest::newRow("Hong Kong uses Traditional Chinese") << 0x0C04 << "0404";
    QTest::newRow("Singapore uses Simplified Chinese") << 0x1004 << "0804";
    QTest::newRow("traditional Spanish falls back to Spanish") << 0x040A << "0c0a";
    QTest::newRow("Hebrew has no table: English") << 0x040D << "0409";
    QTest::newRow("no language: English") << 0 << "0409";
}

void LanguageTablesTest::defaultLanguageText() {
    QFETCH(int, uiLanguage);
    QFETCH(QString, text);
    QCOMPARE(orvane::DefaultLanguageString(static_cast<std::uint16_t>(uiLanguage)),
             std::optional<QString>(text));
}

void LanguageTablesTest::languageIdFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("id");
    QTest::newRow("lower case") << "0c0a" << 0x0C0A;
    QTest::newRow("upper case") << "0C0A" << 0x0C0A;
    QTest::newRow("short") << "409" << 0x0409;
    QTest::newRow("prefix") << "0x0407" << 0x0407;
    QTest::newRow("leading blanks") << "  0411" << 0x0411;
    QTest::newRow("stops at a non-digit") << "04z9" << 0x04;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("no digits") << "German" << 0;
    QTest::newRow("cut to 16 bits") << "10409" << 0x0409;
}

void LanguageTablesTest::languageIdFromText() {
    QFETCH(QString, text);
    QFETCH(int, id);
    QCOMPARE(int(orvane::LanguageIdFromText(text)), id);
}

void LanguageTablesTest::formatsLanguageIds() {
    QCOMPARE(orvane::LanguageIdText(0x0409), QStringLiteral("0409"));
    QCOMPARE(orvane::LanguageIdText(0x0C0A), QStringLiteral("0c0a"));
    QCOMPARE(orvane::LanguageIdText(0x1), QStringLiteral("0001"));
}

void LanguageTablesTest::rightToLeftOnlyForArabicSaudiArabia() {
    QVERIFY(orvane::IsRightToLeftLanguage(0x0401));
    QVERIFY(!orvane::IsRightToLeftLanguage(0x1401));
    QVERIFY(!orvane::IsRightToLeftLanguage(0x0801));
    QVERIFY(!orvane::IsRightToLeftLanguage(0x0409));
    QVERIFY(!orvane::IsRightToLeftLanguage(0));
}

void LanguageTablesTest::localeToLanguageId_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("id");
    QTest::newRow("en_US") << "en_US" << 0x0409;
    QTest::newRow("en_GB") << "en_GB" << 0x0809;
    QTest::newRow("de_DE") << "de_DE" << 0x0407;
    QTest::newRow("de_AT") << "de_AT" << 0x0C07;
    QTest::newRow("ja_JP") << "ja_JP" << 0x0411;
    QTest::newRow("ar_SA") << "ar_SA" << 0x0401;
    QTest::newRow("ar_DZ") << "ar_DZ" << 0x1401;
    QTest::newRow("ar_JO (default variant)") << "ar_JO" << 0x0401;
    QTest::newRow("pt_BR") << "pt_BR" << 0x0416;
    QTest::newRow("pt_PT") << "pt_PT" << 0x0816;
    QTest::newRow("zh_CN") << "zh_CN" << 0x0804;
    QTest::newRow("zh_TW") << "zh_TW" << 0x0404;
    QTest::newRow("es_ES") << "es_ES" << 0x0C0A;
    QTest::newRow("nb_NO") << "nb_NO" << 0x0414;
    QTest::newRow("lt_LT") << "lt_LT" << 0x0427;
    QTest::newRow("C locale") << "C" << 0x0409;
    QTest::newRow("unknown language") << "sw_KE" << 0x0409;
}

void LanguageTablesTest::localeToLanguageId() {
    QFETCH(QString, locale);
    QFETCH(int, id);
    QCOMPARE(int(orvane::LanguageIdForLocale(QLocale(locale))), id);
}

QTEST_GUILESS_MAIN(LanguageTablesTest)
#include "tst_language_tables.moc"
