#include <QtTest>

#include <set>

#include "ui/language.h"

using orvane::LanguageSetting;
using orvane::SettingsStore;

// Every case runs on real INI files in a temporary configuration folder pair: the user's
// settings below XDG_CONFIG_HOME, the installer's below XDG_CONFIG_DIRS.
class LanguageSettingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();

    void firstStartTakesTheInstallersLanguage();
    void firstStartWithoutTheInstallersModuleTakesTheUiLanguage();
    void firstStartWithoutAnInstallation();
    void reinstallationDiscardsTheUsersLanguage();
    void sameInstallationIgnoresCase();
    void uiLanguageChangeOverridesTheUsersChoice();
    void portugueseOfPortugalGivesThePortugueseModule();
    void removedModuleFallsBackToTheInstallerThenTheUiLanguage();
    void tooLongDefaultLanguageCountsAsMissing();
    void currentLanguageFallsBackToTheDefault();
    void storeWritesFourLowerCaseDigits();
    void installationStoreIsReadOnly();

  private:
    void SetInstallation(const QString& install_id, const QString& language);
    void SetUser(const QString& key, const QVariant& value);
    QVariant UserValue(const QString& key);
    LanguageSetting Setting(std::uint16_t ui_language, std::set<std::uint16_t> modules,
                            std::optional<QString> default_language = std::nullopt);

    QTemporaryDir folder_;
    QString user_file_;
    QString installation_file_;
};

void LanguageSettingTest::initTestCase() {
    QVERIFY(folder_.isValid());
    qputenv("XDG_CONFIG_HOME", folder_.filePath("home").toUtf8());
    qputenv("XDG_CONFIG_DIRS", folder_.filePath("system").toUtf8());
    user_file_ = folder_.filePath("home/Velor/Orvane.ini");
    installation_file_ = folder_.filePath("system/Velor/Orvane.ini");
}

void LanguageSettingTest::init() {
    QSettings user(user_file_, QSettings::IniFormat);
    user.clear();
    user.sync();
    QSettings installation(installation_file_, QSettings::IniFormat);
    installation.clear();
    installation.sync();
    QFile::remove(installation_file_);
}

void LanguageSettingTest::SetInstallation(const QString& install_id, const QString& language) {
    QSettings installation(installation_file_, QSettings::IniFormat);
    installation.setValue("InstallID", install_id);
    if (!language.isNull()) installation.setValue("Language", language);
    installation.sync();
}

void LanguageSettingTest::SetUser(const QString& key, const QVariant& value) {
    QSettings user(user_file_, QSettings::IniFormat);
    user.setValue(key, value);
    user.sync();
}

QVariant LanguageSettingTest::UserValue(const QString& key) {
    QSettings user(user_file_, QSettings::IniFormat);
    return user.value(key);
}

LanguageSetting LanguageSettingTest::Setting(std::uint16_t ui_language, std::set<std::uint16_t> modules,
                                             std::optional<QString> default_language) {
    if (!default_language) default_language = orvane::DefaultLanguageString(ui_language);
    return LanguageSetting(SettingsStore::OpenUser(), SettingsStore::OpenInstallation(), ui_language,
                           default_language, [modules](std::uint16_t id) { return modules.count(id) > 0; });
}

void LanguageSettingTest::firstStartTakesTheInstallersLanguage() {
    SetInstallation("{1111-AAAA}", "0407");
    LanguageSetting setting = Setting(0x0409, {0x0407, 0x0409});
    setting.Sync();
    QCOMPARE(UserValue("InstallID").toString(), QStringLiteral("{1111-AAAA}"));
    QCOMPARE(UserValue("OSLang").toUInt(), 0x0409u);
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0407"));
    QCOMPARE(setting.Current(), std::uint16_t{0x0407});
}

void LanguageSettingTest::firstStartWithoutTheInstallersModuleTakesTheUiLanguage() {
    SetInstallation("{1111-AAAA}", "0411");
    LanguageSetting setting = Setting(0x0407, {0x0407, 0x0409});
    setting.Sync();
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0407"));
    QCOMPARE(setting.Current(), std::uint16_t{0x0407});
}

void LanguageSettingTest::firstStartWithoutAnInstallation() {
    LanguageSetting setting = Setting(0x0411, {0x0409});
    setting.Sync();
    QCOMPARE(UserValue("InstallID").toString(), QString());
    QVERIFY(UserValue("InstallID").isValid());
    QCOMPARE(UserValue("OSLang").toUInt(), 0x0411u);
    // The UI language's default stands even without its module; start-up then ends silently.
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0411"));
}

void LanguageSettingTest::reinstallationDiscardsTheUsersLanguage() {
    SetInstallation("{2222-NEW}", "0407");
    SetUser("InstallID", "{1111-OLD}");
    SetUser("OSLang", 0x0409);
    SetUser("Language", "0411");
    LanguageSetting setting = Setting(0x0409, {0x0407, 0x0409, 0x0411});
    setting.Sync();
    QCOMPARE(UserValue("InstallID").toString(), QStringLiteral("{2222-NEW}"));
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0407"));

    init();
    SetInstallation("{3333-NEWER}", QString());
    SetUser("InstallID", "{2222-NEW}");
    SetUser("OSLang", 0x0409);
    SetUser("Language", "0411");
    Setting(0x0409, {0x0409, 0x0411}).Sync();
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0409"));
}

void LanguageSettingTest::sameInstallationIgnoresCase() {
    SetInstallation("{ABCD-1234}", "0407");
    SetUser("InstallID", "{abcd-1234}");
    SetUser("OSLang", 0x0409);
    SetUser("Language", "0411");
    Setting(0x0409, {0x0407, 0x0409, 0x0411}).Sync();
    QCOMPARE(UserValue("InstallID").toString(), QStringLiteral("{abcd-1234}"));
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0411"));
}

void LanguageSettingTest::uiLanguageChangeOverridesTheUsersChoice() {
    SetInstallation("{ID}", "0409");
    SetUser("InstallID", "{ID}");
    SetUser("OSLang", 0x0409);
    SetUser("Language", "0411");  // chosen in the language dialog
    Setting(0x0407, {0x0407, 0x0409, 0x0411}).Sync();
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0407"));
    QCOMPARE(UserValue("OSLang").toUInt(), 0x0407u);

    // The next start with the same UI language keeps whatever the user then chose.
    SetUser("Language", "0411");
    Setting(0x0407, {0x0407, 0x0409, 0x0411}).Sync();
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0411"));
}

void LanguageSettingTest::portugueseOfPortugalGivesThePortugueseModule() {
    SetInstallation("{ID}", "0409");
    SetUser("InstallID", "{ID}");
    SetUser("OSLang", 0x0409);
    LanguageSetting setting = Setting(0x0816, {0x0409, 0x0416});
    setting.Sync();
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0416"));
    QCOMPARE(setting.Current(), std::uint16_t{0x0416});
}

void LanguageSettingTest::removedModuleFallsBackToTheInstallerThenTheUiLanguage() {
    SetInstallation("{ID}", "0407");
    SetUser("InstallID", "{ID}");
    SetUser("OSLang", 0x0409);
    SetUser("Language", "0411");
    Setting(0x0409, {0x0407, 0x0409}).Sync();
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0407"));

    SetUser("Language", "0411");
    Setting(0x0409, {0x0409}).Sync();
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0409"));
}

void LanguageSettingTest::tooLongDefaultLanguageCountsAsMissing() {
    LanguageSetting setting = Setting(0x0409, {0x0409}, QStringLiteral("04090"));
    setting.Sync();
    QVERIFY(!UserValue("Language").isValid());
    QCOMPARE(setting.Current(), std::uint16_t{0});

    // Another source of a language still counts.
    init();
    SetInstallation("{ID}", "0409");
    LanguageSetting installed = Setting(0x0409, {0x0409}, QStringLiteral("04090"));
    installed.Sync();
    QCOMPARE(installed.Current(), std::uint16_t{0x0409});
}

void LanguageSettingTest::currentLanguageFallsBackToTheDefault() {
    QCOMPARE(Setting(0x0411, {}).Current(), std::uint16_t{0x0411});
    QCOMPARE(Setting(0x0411, {}, QString()).Current(), std::uint16_t{0});
    SetUser("Language", "0c0a");
    QCOMPARE(Setting(0x0411, {}).Current(), std::uint16_t{0x0C0A});
}

void LanguageSettingTest::storeWritesFourLowerCaseDigits() {
    Setting(0x0409, {}).Store(0x0C0A);
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0c0a"));
    Setting(0x0409, {}).Store(0x0001);
    QCOMPARE(UserValue("Language").toString(), QStringLiteral("0001"));
}

void LanguageSettingTest::installationStoreIsReadOnly() {
    SettingsStore missing = SettingsStore::OpenInstallation();
    QVERIFY(!missing.IsOpen());
    QVERIFY(!missing.ReadString("InstallID"));

    SetInstallation("{ID}", "0407");
    SettingsStore installation = SettingsStore::OpenInstallation();
    QVERIFY(installation.IsOpen());
    QCOMPARE(installation.ReadString("Language"), std::optional<QString>("0407"));
    QVERIFY(!installation.WriteString("Language", "0409"));
    QCOMPARE(SettingsStore::OpenInstallation().ReadString("Language"), std::optional<QString>("0407"));
}

QTEST_GUILESS_MAIN(LanguageSettingTest)
#include "tst_language_setting.moc"
