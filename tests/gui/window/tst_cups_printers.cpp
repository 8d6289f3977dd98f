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
    int RunScript(const QString& step);

    // Declared before cupsd_, so destroyed after it: the QProcess destructor kills cupsd and waits
    // for its end even when a check fails, so nothing writes into the folder while it is removed.
    QTemporaryDir folder_{"/tmp/orvane-cups-XXXXXX"};
    QProcess cupsd_;
};

// The exit code of one step of the script, -1 when it did not end normally.
int CupsPrintersTest::RunScript(const QString& step) {
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.start("bash", {ORVANE_CUPSD_SCRIPT, step, folder_.path()});
    const bool ended = script.waitForFinished(60000) && script.exitStatus() == QProcess::NormalExit;
    return ended ? script.exitCode() : -1;
}

void CupsPrintersTest::initTestCase() {
    QVERIFY(folder_.isValid());
    qunsetenv("ORVANE_PRINTERS");
    const int configured = RunScript("configure");
    if (configured == 77) QSKIP("cupsd cannot run here (not installed or not root)");
    QCOMPARE(configured, 0);
    cupsd_.setProcessChannelMode(QProcess::ForwardedChannels);
    cupsd_.start("/usr/sbin/cupsd",
                 {"-f", "-c", folder_.filePath("cupsd.conf"), "-s", folder_.filePath("cups-files.conf")});
    QVERIFY(cupsd_.waitForStarted());
    QCOMPARE(RunScript("printers"), 0);
    qputenv("CUPS_SERVER", folder_.filePath("cups.sock").toUtf8());
}

void CupsPrintersTest::cleanupTestCase() {
    // cupsd writes its state and cache files while it shuts down: wait for its end before removing.
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        QVERIFY(cupsd_.waitForFinished(60000));
    }
    const QString path = folder_.path();
    QVERIFY(folder_.remove());
    QVERIFY(!QFileInfo::exists(path));
}

void CupsPrintersTest::listsEveryDestinationWithDriverAndPort() {
    // The USB printer's node: lp1 with the matching IEEE 1284 ID, so its port is USB002.
    const QDir root(folder_.filePath("nodes"));
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
