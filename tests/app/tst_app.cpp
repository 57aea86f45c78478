#include "app/commandline.h"
#include "core/textnumber.h"
#include "files/infofile.h"
#include "support/testprogram.h"

#include <QDir>

#include <sys/stat.h>

namespace {
struct InfoFile {
    const char *name;
    QString what; // "file", "sparse" (1 GB, the bytes at its start), "fifo", "folder", "none" or a path
    bool linked;  // through a symbolic link
    QByteArray bytes;
    QString text; // null: cannot be opened
};
} // namespace

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

    void infoFile()
    {
        const QByteArray a(1 << 20, 'a'), limit(InfoTextLimit - 1, 'a'), emoji(InfoTextLimit - 3, 'a');
        for (const InfoFile &row : QList<InfoFile>{
                 // ö's two bytes on either side of the first MiB.
                 {"UTF-8 over 1 MiB", "file", false, a.chopped(1) + "\xC3\xB6 slut",
                  a.chopped(1) + u"ö slut"_s},
                 // Only the start of a huge file, ending on a whole character.
                 {"UTF-8 cut at the limit", "file", false, limit + "\xC3\xB6", limit},
                 {"UTF-8 emoji cut", "file", false, emoji + "\xF0\x9F\x90\x88", emoji},
                 {"Windows-1252 at the limit", "file", false, limit + "\xF6\xF6", QString(limit) + u"ö"_s},
                 {"sparse 1 GB", "sparse", false, "h\xC3\xA5r",
                  u"hår"_s + QString(InfoTextLimit - 4, QChar(0))},
                 {"byte-order mark", "file", true, "\xEF\xBB\xBFh\xC3\xA5r", u"hår"_s},
                 {"none", "none", false, {}, {}},
                 {"folder", "folder", false, {}, {}},
                 {"named pipe", "fifo", false, {}, {}},
                 {"device, linked", "/dev/zero", true, {}, {}},
             }) {
            NAME_ROW_ON_FAILURE(row);
            const QTemporaryDir dir;
            QString path = row.what.startsWith(u'/') ? row.what : dir.filePath(u"glos.txt"_s);
            if (row.what == u"file" || row.what == u"sparse") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(row.bytes) == row.bytes.size());
                QVERIFY(row.what == u"file" || file.resize(qint64(1) << 30));
            } else if (row.what == u"fifo") {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            } else if (row.what == u"folder") {
                QVERIFY(QDir().mkdir(path));
            }
            if (row.linked) {
                QVERIFY(QFile::link(path, dir.filePath(u"länk.txt"_s)));
                path = dir.filePath(u"länk.txt"_s);
            }
            const std::optional<QString> read = readInfoText(path); // returns, whatever is there
            QCOMPARE(read.has_value(), !row.text.isNull());
            QCOMPARE(read.value_or(QString()), row.text);
        }
    }

    void textForShowing()
    {
        const QString run(LongRun, u'x');
        for (const Scenario &row : QList<Scenario>{
                 {"past it, twice", u"a "_s + run + run + u'y', u"a \n"_s + run + u'\n' + run + u"\ny"_s},
                 {"after blank and tab, not line break", run + u' ' + run + u'\t' + run + u"\r\n"_s + run,
                  run + u" \n"_s + run + u"\t\n"_s + run + u'\n' + run},
                 {"words", u"ab "_s.repeated(4000), u"ab "_s.repeated(3333) + u'\n' + u"ab "_s.repeated(667)},
                 {"no-break space", run + u'\u00A0', run + u"\n\u00A0"_s},
                 {"2000 lines at most", u"rad\n"_s.repeated(3000), u"rad\n"_s.repeated(1999) + u"rad"_s},
             }) {
            NAME_ROW_ON_FAILURE(row);
            QCOMPARE(::textForShowing(row.given), row.shown);
        }
    }

    // A typed number is read as far as it goes: blanks skipped, a point, a signed exponent.
    void leadingNumber()
    {
        QStringList read;
        for (const char *text :
             {"apa", "12 apor", " 1\t2\r\n3", "-3 apor", "1e-2", "5-3", "2.9", "1e2x", "3e", "2e1e1", "2,5"})
            read << QString::number(::leadingNumber(QString::fromUtf8(text)));
        QCOMPARE(read.join(u' '), u"0 12 123 -3 0.01 5 2.9 100 3 20 2"_s);
    }

    void splashNamesAMissingFileAndEnterOpensMain()
    {
        t->program.start();
        t->clock.time = QTime(7, 4, 3);
        t->run({});
        QCOMPARE(t->screen(u"txtinfo"_s), u"Text1 @cmdstart"_s);
        QCOMPARE(t->log(), u"Kan inte öppna filen: "_s + t->dataHome.path() +
                               u"/ordkvarnen/drive_d/Spel/Res/Vrak/mrk_program/mrk/Kvartos/glos.txt"_s);
        t->run(u"Enter"_s);
        QCOMPARE(t->screen(u"Tid"_s), u"Klockan är 07:04:03 @txtsv"_s);
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
