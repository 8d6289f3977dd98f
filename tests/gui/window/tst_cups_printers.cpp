#include <QtTest>

#include "platform/printer_enumeration.h"

// The installed printers as a real, private cupsd lists them.
class CupsPrintersTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void listsEveryDestinationWithDriverAndPort();

  private:
    QTemporaryDir folder_{"/tmp/orvane-cups-XXXXXX"};
    bool started_ = false;
};

void CupsPrintersTest::initTestCase() {
    QVERIFY(folder_.isValid());
    qunsetenv("ORVANE_PRINTERS");
    QProcess setup;
    setup.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    setup.start("bash", {ORVANE_CUPSD_SCRIPT, folder_.path()});
    QVERIFY(setup.waitForFinished(60000));
    if (setup.exitCode() == 77) QSKIP("cupsd cannot run here (not installed or not root)");
    QCOMPARE(setup.exitCode(), 0);
    started_ = true;
    qputenv("CUPS_SERVER", folder_.filePath("cups.sock").toUtf8());
}

void CupsPrintersTest::cleanupTestCase() {
    if (!started_) return;
    QFile pid(folder_.filePath("cupsd.pid"));
    if (pid.open(QIODevice::ReadOnly))
        QProcess::execute("kill", {QString::fromUtf8(pid.readAll()).trimmed()});
    // cupsd leaves files of user lp behind.
    QProcess::execute("rm", {"-rf", folder_.path()});
}

void CupsPrintersTest::listsEveryDestinationWithDriverAndPort() {
    // The USB printer's node: lp1 with the matching IEEE 1284 ID, so its port is USB002.
    QTemporaryDir root;
    QVERIFY(QDir().mkpath(root.filePath("dev")));
    QVERIFY(QDir().mkpath(root.filePath("sys/class/usbmisc/lp1/device")));
    QFile(root.filePath("dev/lp1")).open(QIODevice::WriteOnly);
    QFile id(root.filePath("sys/class/usbmisc/lp1/device/ieee1284_id"));
    QVERIFY(id.open(QIODevice::WriteOnly));
    id.write("MFG:Velor;CMD:IVEC;MDL:MX100;SN:1234;");
    id.close();
    qputenv("ORVANE_USB_DEVICE_DIR", root.filePath("dev").toUtf8());
    qputenv("ORVANE_SYSFS_DIR", root.filePath("sys").toUtf8());

    bool ok = false;
    const QList<orvane::InstalledPrinter> printers = orvane::EnumeratePrinters(&ok);
    QVERIFY(ok);
    QMap<QString, orvane::InstalledPrinter> byName;
    for (const orvane::InstalledPrinter& printer : printers) byName.insert(printer.name, printer);
    QCOMPARE(byName.size(), 3);
    QCOMPARE(byName["Fax_Office"].driver, QString("Velor MX100 series"));
    QCOMPARE(byName["Fax_Office"].port, QString("USB002"));
    QCOMPARE(byName["Fax_Net"].driver, QString("Velor MX100 series"));
    QCOMPARE(byName["Fax_Net"].port, QString("VLNETP_192.0.2.7"));
    QCOMPARE(byName["Other_Printer"].driver, QString("Other Maker 9"));
    qunsetenv("ORVANE_SYSFS_DIR");
    qunsetenv("ORVANE_USB_DEVICE_DIR");
}

QTEST_GUILESS_MAIN(CupsPrintersTest)
#include "tst_cups_printers.moc"
