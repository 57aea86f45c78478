#include "files/filebytes.h"
#include "files/wordfile.h"
#include "files/wordfiletexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
using Words = QList<std::optional<QString>>;
const QByteArray Text("0123456789abcdefghij");
} // namespace

class WordFileTest : public QObject {
    Q_OBJECT

private slots:
    void writing_data()
    {
        QTest::addColumn<QList<WordPair>>("pairs");
        QTest::addColumn<QString>("message"); // why the list is not written; empty: it is, and reads back
        const QString longest = u"åäö"_s.repeated(85).left(WordFile::maxWordBytes(127));
        QTest::newRow("127 pairs, words at the limit")
            << QList<WordPair>(127, {longest, longest.toUpper()}) << QString();
        QTest::newRow("128 pairs") << QList<WordPair>(128, {"s", "e"})
                                   << "Listan har för många glosor för att sparas.\r\n"
                                      "En glosfil rymmer högst 127 glosor.";
        QTest::newRow("hund in two pairs") << QList<WordPair>{{"bil", "car"}, {"hund", "dog"}}
                                           << "Ordet \"hund\" är för långt för att sparas.\r\n"
                                              "I en lista med 2 glosor får ett ord ha högst 3 tecken.";
        QTest::newRow("ö as o and combining diaeresis")
            << QList<WordPair>{{u"o\u0308ga"_s, "eye"}, {"bil", "car"}} << QString();
        // Bytes 80 to 9F, where Windows-1252 is not Latin-1.
        QTest::newRow("euro and oe") << QList<WordPair>{{u"€ur"_s, u"œ"_s}, {"bil", u"Ÿ…"_s}} << QString();
        QTest::newRow("empty English word") << QList<WordPair>{{"bil", "car"}, {"hus", ""}, {"", ""}}
                                            << "Fel vid skrivning till fil.\r\nGlosan= ";
        QTest::newRow("Greek letter")
            << QList<WordPair>{{"a", "b"}, {u"\u03B1"_s, "c"}}
            << QStringLiteral("Ordet \"\u03B1\" har tecken som inte kan sparas i en glosfil.\r\n"
                              "En glosfil kan bara lagra tecken ur teckentabellen Windows-1252.");
    }
    void writing()
    {
        QFETCH(QList<WordPair>, pairs);
        QFETCH(QString, message);
        const WordFileBytes file = writeWordFile(pairs);
        QCOMPARE(file.problem ? writeProblemText(*file.problem) : QString(), message);
        if (file.problem)
            return;
        Words words;
        for (const WordPair &pair : pairs)
            words << pair.swedish.normalized(QString::NormalizationForm_C) << pair.english;
        QCOMPARE(readWordFile(file.bytes).words, words);
    }

    void readingAndReplacing_data()
    {
        QTest::addColumn<QString>("name");     // in a folder holding old.gls (100 bytes), link.gls to it
        QTest::addColumn<QByteArray>("bytes"); // and a named pipe; no bytes: the path is only read
        QTest::addColumn<int>("error");
        QTest::addColumn<QByteArray>("after"); // the first 80 bytes that the path then reads as
        const QByteArray none;
        QTest::newRow("read missing, not created") << "new.gls" << none << 0 << none;
        QTest::newRow("read a named pipe, no wait") << "pipe" << none << ENXIO << none;
        QTest::newRow("replace through a link, no tail") << "link.gls" << Text.left(5) << 0 << Text.left(5);
        QTest::newRow("write fails, old file kept") << "old.gls" << Text << EFBIG << Text.repeated(4);
    }
    void readingAndReplacing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        QFETCH(QByteArray, after);
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        QFile old(dir.filePath("old.gls"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(Text.repeated(5)) == 100 && old.flush());
        QFile::link(old.fileName(), dir.filePath("link.gls"));
        ::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600);
        const auto entries = [&dir] { return dir.entryList(QDir::AllEntries | QDir::Hidden, QDir::Name); };
        const QStringList before = entries();
        const QString path = dir.filePath(name);

        if (bytes.isNull()) {
            const FileRead read = readFileStart(path, 80);
            QCOMPARE(read.error, error);
            QCOMPARE(read.bytes, after);
        } else {
            // EFBIG: the writes of this process fail past 4 bytes.
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            const rlimit small{error == EFBIG ? 4 : saved.rlim_cur, saved.rlim_max};
            std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &small);
            const int result = replaceFile(path, bytes);
            setrlimit(RLIMIT_FSIZE, &saved);
            QCOMPARE(result, error);
            QCOMPARE(readFileStart(path, 80).bytes, after);
        }
        // Nothing is created or left behind, and a link stays a link.
        QCOMPARE(entries(), before);
        QVERIFY(QFileInfo(dir.filePath("link.gls")).isSymLink());
    }
};

QTEST_GUILESS_MAIN(WordFileTest)
#include "tst_wordfile.moc"
