#include <QtTest>

#include "app/command_line.h"

using orvane::CORVCommandLineInfo;
using orvane::LaunchState;

class CommandLineTest : public QObject {
    Q_OBJECT
  private slots:
    void parsesFlags_data();
    void parsesFlags();
    void keepsAnEarlierNameOnTheEmptyFlag();
    void parsesIntoTheProcessWideState();
};

void CommandLineTest::parsesFlags_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("launchSource");
    QTest::addColumn<QString>("printerName");
    QTest::addColumn<int>("parseState");

    QTest::newRow("no arguments") << QStringList{} << 0 << QString() << 0;
    QTest::newRow("plain arguments only") << QStringList{"TALV", "DS"} << 0 << QString() << 0;
    QTest::newRow("TALV") << QStringList{"/TALV"} << 1 << QString() << 9;
    QTest::newRow("TALV with a dash") << QStringList{"-TALV"} << 1 << QString() << 9;
    QTest::newRow("TALV then DS is ignored")
        << QStringList{"/TALV", "/DS", "/PrinterName,Office,"} << 1 << QString() << 9;
    QTest::newRow("DS alone") << QStringList{"/DS"} << 2 << QString() << 1;
    QTest::newRow("DS with a printer name with spaces")
        << QStringList{"/DS", "/PrinterName,Office", "Fax", "2,"} << 2 << QString("Office Fax 2") << 9;
    QTest::newRow("DS with a quoted printer name") << QStringList{"/DS", "/PrinterName,Velor MX 300 series,"}
                                                   << 2 << QString("Velor MX 300 series") << 9;
    QTest::newRow("DS without the closing comma")
        << QStringList{"/DS", "/PrinterName,Office"} << 2 << QString() << 9;
    QTest::newRow("DS without the printer-name key") << QStringList{"/DS", "/Office,"} << 2 << QString() << 9;
    QTest::newRow("DS with an empty name") << QStringList{"/DS", "/PrinterName,,"} << 2 << QString() << 9;
    QTest::newRow("name stops at the first comma")
        << QStringList{"/DS", "/PrinterName,A,B,"} << 2 << QString("A") << 9;
    QTest::newRow("lower-case flag resets")
        << QStringList{"/ds", "/PrinterName,Office,"} << 0 << QString() << 9;
    QTest::newRow("unknown flag resets") << QStringList{"/X"} << 0 << QString() << 9;
    QTest::newRow("empty flag") << QStringList{"/"} << 0 << QString() << 9;
    QTest::newRow("plain argument before DS")
        << QStringList{"file.rsd", "/DS", "/PrinterName,Lab,"} << 2 << QString("Lab") << 9;
}

void CommandLineTest::parsesFlags() {
    QFETCH(QStringList, arguments);
    QFETCH(int, launchSource);
    QFETCH(QString, printerName);
    QFETCH(int, parseState);

    LaunchState state;
    CORVCommandLineInfo info(&state);
    info.ParseCommandLine(arguments);
    QCOMPARE(state.launch_source, launchSource);
    QCOMPARE(state.printer_name, printerName);
    QCOMPARE(info.PrinterName(), printerName);
    QCOMPARE(info.ParseState(), parseState);
}

void CommandLineTest::keepsAnEarlierNameOnTheEmptyFlag() {
    LaunchState state{2, QStringLiteral("Office")};
    CORVCommandLineInfo info(&state);
    info.ParseParam(QString(), true, QStringLiteral("/"));
    QCOMPARE(state.launch_source, 0);
    QCOMPARE(state.printer_name, QStringLiteral("Office"));

    LaunchState other{2, QStringLiteral("Office")};
    CORVCommandLineInfo reset(&other);
    reset.ParseParam(QStringLiteral("Y"), true, QStringLiteral("/Y"));
    QCOMPARE(other.launch_source, 0);
    QVERIFY(other.printer_name.isEmpty());
}

void CommandLineTest::parsesIntoTheProcessWideState() {
    QCOMPARE(orvane::LaunchSource(), 0);
    QVERIFY(orvane::CommandLinePrinterName().isEmpty());
    CORVCommandLineInfo info;
    info.ParseCommandLine({"/DS", "/PrinterName,Front desk,"});
    QCOMPARE(orvane::LaunchSource(), 2);
    QCOMPARE(orvane::CommandLinePrinterName(), QStringLiteral("Front desk"));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
