#include "app/commandline.h"
#include "app/version.h"

#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void outcome_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the program runs
        QTest::addColumn<bool>("toStandardError");
        QTest::addColumn<QString>("textPart");

        const QString version = QStringLiteral("ordkvarnen ") + ProgramVersion::number() + u'\n';
        QTest::newRow("nothing") << QStringList{} << -1 << false << QString();
        QTest::newRow("help") << QStringList{"--help"} << 0 << false << "Användning: ordkvarnen";
        QTest::newRow("help short") << QStringList{"-h"} << 0 << false << "--version";
        QTest::newRow("version") << QStringList{"--version"} << 0 << false << version;
        QTest::newRow("version short") << QStringList{"-v"} << 0 << false << version;
        QTest::newRow("help wins") << QStringList{"-v", "--help"} << 0 << false << "Flaggor:";
        QTest::newRow("unknown") << QStringList{"--hjälp"} << 2 << true << "okänd flagga: --hjälp\n";
        QTest::newRow("unknown, one dash") << QStringList{"-x=1"} << 2 << true << "okänd flagga: -x\n";
        QTest::newRow("unknown after a Qt option")
            << QStringList{"-reverse", "--x"} << 2 << true << "okänd flagga: --x\n";
        QTest::newRow("unknown before help") << QStringList{"--x", "--help"} << 2 << true << "--help\" för";
        QTest::newRow("argument") << QStringList{"lista.gls"} << 2 << true << "okänt argument: lista.gls";
        QTest::newRow("qt style") << QStringList{"-style", "fusion"} << -1 << false << QString();
        QTest::newRow("qt session") << QStringList{"-session", "1a2b", "-reverse"} << -1 << false
                                    << QString();
        QTest::newRow("qt value missing")
            << QStringList{"-platform"} << 2 << true << "saknar värde: -platform";
        const QString sheet = QFINDTESTDATA("tst_commandline.cpp"); // any small regular file
        QTest::newRow("qt style sheet") << QStringList{"-stylesheet", sheet} << -1 << false << QString();
        QTest::newRow("style sheet a device") << QStringList{"-stylesheet", "/dev/zero"} << 2 << true
                                              << "flaggan -stylesheet ska ange en vanlig fil på högst 1 MiB: /dev/zero";
        QTest::newRow("icon missing") << QStringList{"-qwindowicon=/saknas.png"} << 2 << true << "-qwindowicon ska";
        QTest::newRow("value to a flag") << QStringList{"--help=ja"} << 2 << true << "inget värde: --help=ja";
    }

    void outcome()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(bool, toStandardError);
        QFETCH(QString, textPart);

        const CommandLineOutcome outcome = parseCommandLine(QStringList{"/usr/bin/ordkvarnen"} + arguments);
        QCOMPARE(outcome.exitCode.value_or(-1), exitCode);
        QCOMPARE(outcome.toStandardError, toStandardError);
        if (textPart.isEmpty())
            QCOMPARE(outcome.text, QString());
        else
            QVERIFY2(outcome.text.contains(textPart), qPrintable(outcome.text));
        if (outcome.exitCode)
            QVERIFY(outcome.text.endsWith(u'\n'));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
