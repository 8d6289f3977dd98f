#include <QtTest>

#include "platform/ini_text.h"
#include "platform/model_list.h"

// The model list file read as the platform's INI reader reads it, and the shipped model list.
class ModelListTest : public QObject {
    Q_OBJECT
  private slots:
    void namesMatchWithoutLetterCase_data();
    void namesMatchWithoutLetterCase();
    void shippedModelsHaveOnlyTheFaxFunction();
    void writtenValuesReplaceKeysOfAnyLetterCase();

  private:
    QTemporaryDir folder_;
};

void ModelListTest::namesMatchWithoutLetterCase_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("drivers");
    QTest::addColumn<int>("functions");
    QTest::addColumn<int>("product_id");
    QTest::addColumn<QString>("dev_id");
    QTest::addColumn<int>("collect_data");
    QTest::newRow("as documented") << QByteArray("[Velor FX]\nDeviceInfo=1\nFax=1\nProductID=7\nDevID=FX\n")
                                   << QStringList{"Velor FX"} << 4 << 7 << "FX" << 1;
    QTest::newRow("keys in other letter cases")
        << QByteArray(
               "[Velor FX]\ndeviceinfo=1\nSCANNER=1\nprinter=1\nfAX=1\nPRODUCTID=7\ndevid=FX\n"
               "[informationsurvey]\ncollectdata=0\n")
        << QStringList{"Velor FX"} << 7 << 7 << "FX" << 0;
    // The section name is the driver name as written; its repetition in another case adds nothing.
    QTest::newRow("a section repeated in another case")
        << QByteArray("[Velor FX]\nDeviceInfo=1\nFax=1\nProductID=7\n[VELOR fx]\nDeviceInfo=1\nProductID=9\n")
        << QStringList{"Velor FX", "VELOR fx"} << 4 << 7 << "" << 1;
    QTest::newRow("the first key of any case wins")
        << QByteArray("[Velor FX]\nDeviceInfo=1\nfax=1\nFAX=0\nProductID=7\nproductid=9\n")
        << QStringList{"Velor FX"} << 4 << 7 << "" << 1;
}

void ModelListTest::namesMatchWithoutLetterCase() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, drivers);
    QFETCH(int, functions);
    QFETCH(int, product_id);
    QFETCH(QString, dev_id);
    QFETCH(int, collect_data);
    const QString path = folder_.filePath("orvkit.dat");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(file);
    out.close();
    std::vector<orvane::ModelRecord> models;
    QCOMPARE(orvane::ReadModelList(path, &models), 0);
    QStringList read;
    for (const orvane::ModelRecord& model : models) read << model.driver_name;
    QCOMPARE(read, drivers);
    for (const orvane::ModelRecord& model : models) {
        QCOMPARE(model.functions, functions);
        QCOMPARE(model.product_id, product_id);
        QCOMPARE(model.dev_id.value_or(QString()), dev_id);
    }
    QCOMPARE(orvane::ReadSurveySettings(path).collect_data, collect_data);
}

void ModelListTest::shippedModelsHaveOnlyTheFaxFunction() {
    std::vector<orvane::ModelRecord> models;
    QCOMPARE(orvane::ReadModelList(ORVANE_SHIPPED_MODEL_LIST, &models), 0);
    QVERIFY(!models.empty());
    for (const orvane::ModelRecord& model : models) {
        QVERIFY2(model.functions == orvane::kFunctionFax, qPrintable(model.driver_name));
    }
}

void ModelListTest::writtenValuesReplaceKeysOfAnyLetterCase() {
    const QString text = orvane::SetIniValues("[velorijorv]\nstartcount=5\n", "VelorIJORV",
                                              {{"StartCount", "6"}, {"Language", "0409"}});
    QCOMPARE(text, QString("[velorijorv]\nStartCount=6\nLanguage=0409\n"));
    orvane::IniFile ini;
    QVERIFY(orvane::ParseIni(text, &ini));
    QCOMPARE(ini.Section("VELORIJORV").Value("startCOUNT"), QString("6"));
}

QTEST_MAIN(ModelListTest)
#include "tst_model_list.moc"
