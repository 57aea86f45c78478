#include "app/infofile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestInfoFile : public QObject {
    Q_OBJECT

private slots:
    void wholeRegularFilesOnly_data()
    {
        // At the path: "file", "sparse" (1 GB, bytes at its start), "fifo",
        // "folder", "none" or a path of its own.
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("linked"); // through a symbolic link to it
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text"); // null: cannot be opened
        const QByteArray a(1 << 20, 'a');  // ö's two bytes on either side of the first MiB:
        QTest::newRow("UTF-8 over 1 MiB") << "file" << false << a.left(a.size() - 1) + "\xC3\xB6 slut"
                                          << QString(a.left(a.size() - 1)) + u"ö slut"_s;
        // Only the start of a huge file, ending on a whole character.
        const QByteArray limit(InfoTextLimit - 1, 'a');
        QTest::newRow("UTF-8 cut at the limit") << "file" << false << limit + "\xC3\xB6" << QString(limit);
        const QByteArray emoji(InfoTextLimit - 3, 'a'); // three of the cat's four bytes fit
        QTest::newRow("UTF-8 emoji cut") << "file" << false << emoji + "\xF0\x9F\x90\x88" << QString(emoji);
        QTest::newRow("Windows-1252 at the limit")
            << "file" << false << limit + "\xF6\xF6" << QString(limit) + u'ö';
        QTest::newRow("sparse 1 GB") << "sparse" << false << QByteArray("h\xC3\xA5r")
                                     << u"hår"_s + QString(InfoTextLimit - 4, QChar(0));
        QTest::newRow("byte-order mark") << "file" << true << QByteArray("\xEF\xBB\xBFh\xC3\xA5r") << "hår";
        QTest::newRow("none") << "none" << false << QByteArray() << QString();
        QTest::newRow("folder") << "folder" << false << QByteArray() << QString();
        QTest::newRow("named pipe") << "fifo" << false << QByteArray() << QString();
        QTest::newRow("device, linked") << "/dev/zero" << true << QByteArray() << QString();
    }
    void wholeRegularFilesOnly()
    {
        QFETCH(QString, what);
        QFETCH(bool, linked);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QTemporaryDir dir;
        QString path = what.startsWith(u'/') ? what : dir.filePath(u"glos.txt"_s);
        if (what == u"file" || what == u"sparse") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            QVERIFY(what == u"file" || file.resize(qint64(1) << 30));
        } else if (what == u"fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (what == u"folder") {
            QVERIFY(QDir().mkdir(path));
        }
        if (linked) {
            const QString link = dir.filePath(u"länk.txt"_s);
            QVERIFY(QFile::link(path, link));
            path = link;
        }
        const std::optional<QString> read = readInfoText(path); // must return, whatever is there
        QCOMPARE(read.has_value(), !text.isNull());
        QCOMPARE(read.value_or(QString()), text);
    }

    void textForShowing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString run(LongRun, u'x');
        QTest::newRow("Windows line ends") << u"a\r\nb\rc\n"_s << u"a\nb\rc\n"_s;
        QTest::newRow("run at the limit") << run << run;
        QTest::newRow("past it, twice")
            << u"a "_s + run + run + u'y' << u"a \n"_s + run + u'\n' + run + u"\ny"_s;
        QTest::newRow("after blank and tab, not line break")
            << run + u' ' + run + u'\t' + run + u"\r\n"_s + run
            << run + u" \n"_s + run + u"\t\n"_s + run + u'\n' + run;
        QTest::newRow("words") << u"ab "_s.repeated(4000)
                               << u"ab "_s.repeated(3333) + u'\n' + u"ab "_s.repeated(667);
        QTest::newRow("no-break space") << run + u'\u00A0' << run + u"\n\u00A0"_s;
        QTest::newRow("2000 lines at most") << u"rad\n"_s.repeated(3000) << u"rad\n"_s.repeated(1999) + u"rad"_s;
    }
    void textForShowing()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(::textForShowing(text), shown);
    }
};

QTEST_GUILESS_MAIN(TestInfoFile)
#include "tst_infofile.moc"
