#include "app/commandline.h"
#include "support/testprogram.h"

class TestApp : public WindowTest {
    Q_OBJECT

private slots:
    // Arguments, then how the program ends (-1: it runs; 2: a usage error, told on standard error) and part
    // of what it prints: Qt's own options pass, a value is needed, a style sheet may not be a device.
    void commandLine()
    {
        for (const QString &row : {u"-session 1a2b -reverse|-1 "_s, u"-platform|2 saknar värde: -platform"_s,
                                   u"-stylesheet /dev/zero|2 flaggan -stylesheet ska ange en vanlig fil "
                                   u"på högst 1 MiB: /dev/zero"_s}) {
            const QString part = row.section(u'|', 1).section(u' ', 1);
            const CommandLineOutcome outcome =
                parseCommandLine(QStringList{u"/usr/bin/ordkvarnen"_s} +
                                 row.section(u'|', 0, 0).split(u' ', Qt::SkipEmptyParts));
            QVERIFY2(QString::number(outcome.exitCode.value_or(-1)) ==
                             row.section(u'|', 1).section(u' ', 0, 0) &&
                         outcome.toStandardError == (outcome.exitCode == 2) &&
                         (part.isEmpty() ? outcome.text.isEmpty() : outcome.text.contains(part)) &&
                         (!outcome.exitCode || outcome.text.endsWith(u'\n')),
                     qPrintable(row + u" gave "_s + outcome.text));
        }
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
