#include "files/wordfile.h"
#include "files/wordfiletexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
using Words = QList<std::optional<QString>>;
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
        QTest::newRow("a long word quoted in part") << QList<WordPair>{{u"ö"_s.repeated(600'000), "a"}}
                                                    << u"Ordet \"%1…\" är för långt för att sparas.\r\n"
                                                       "I en lista med 1 glosa får ett ord ha högst 1 tecken."_s
                                                           .arg(u"ö"_s.repeated(40));
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
        QCOMPARE(file.outcome.ok() ? QString() : writeProblemText(file.outcome), message);
        if (!file.outcome.ok())
            return;
        Words words;
        for (const WordPair &pair : pairs)
            words << pair.swedish.normalized(QString::NormalizationForm_C) << pair.english;
        QCOMPARE(readWordFile(file.bytes).words, words);
    }
};

QTEST_GUILESS_MAIN(WordFileTest)
#include "tst_wordfile.moc"
