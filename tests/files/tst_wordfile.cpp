#include "files/wordfile.h"
#include "files/wordfiletexts.h"

#include <QTest>

namespace {

// count pairs whose words all have exactly bytes characters, each word different.
QList<WordPair> pairsOf(int count, int bytes, const QString &letters = QStringLiteral("abcdefghij"))
{
    QList<WordPair> pairs;
    for (int i = 0; i < count; ++i) {
        const QString sv = QString(bytes, letters[i % letters.size()]);
        pairs.append({sv, QString(bytes, letters[(i + 1) % letters.size()]).replace(0, 1, u'Z')});
    }
    return pairs;
}

// A content as one line: "N:word|word|…", a missing word as "∅".
QString render(const WordFileContent &content)
{
    QStringList words;
    for (const auto &word : content.words)
        words.append(word.value_or(QStringLiteral("∅")));
    return QString::number(content.header) + u':' + words.join(u'|');
}

const QByteArray Example = QByteArray::fromHex("0500000000"
                                               "030062696C"
                                               "0300636172"
                                               "0300F66761"
                                               "0300657965");

} // namespace

class WordFileTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void workedExampleByteForByte();
    void listsTheFormatCannotHold_data();
    void listsTheFormatCannotHold();
    void damagedFiles_data();
    void damagedFiles();
};

void WordFileTest::roundTrip_data()
{
    QTest::addColumn<QList<WordPair>>("pairs");
    QTest::newRow("empty list") << QList<WordPair>{};
    for (int count : {1, 2, 10, 127}) {
        QTest::addRow("%d pairs, longest words", count) << pairsOf(count, WordFile::maxWordBytes(count));
    }
    QTest::newRow("å ä ö, 3 pairs") << pairsOf(3, 5, QStringLiteral("åäöÅÄÖ"));
    QTest::newRow("€ and controls") << QList<WordPair>{{QStringLiteral("€"), QStringLiteral("\u0081")},
                                                       {"\t", "\x7f"}};
}

void WordFileTest::roundTrip()
{
    QFETCH(QList<WordPair>, pairs);
    const WordFileBytes file = writeWordFile(pairs);
    QVERIFY(!file.problem);
    const int n = 2 * int(pairs.size()) + 1;
    QCOMPARE(file.bytes.size(), n * n);
    QCOMPARE(uchar(file.bytes[0]), uchar(n));

    const WordFileContent content = readWordFile(file.bytes);
    QCOMPARE(content.header, quint8(n));
    QCOMPARE(content.pairCount(), pairs.size());
    QList<WordPair> back;
    QVERIFY(walkWords(
        content, [](int) { return false; },
        [&back](int k, const QString &word) {
            if (k % 2 == 1)
                back.append({word, {}});
            else
                back.last().english = word;
        }));
    QCOMPARE(back, pairs);
}

void WordFileTest::workedExampleByteForByte()
{
    const QList<WordPair> pairs{{"bil", "car"}, {QStringLiteral("öga"), "eye"}};
    QCOMPARE(writeWordFile(pairs).bytes, Example);
    QCOMPARE(render(readWordFile(Example)), QStringLiteral("5:bil|car|öga|eye"));
    QCOMPARE(writeWordFile({}).bytes, QByteArray("\x01"));
}

void WordFileTest::listsTheFormatCannotHold_data()
{
    using Kind = WriteProblem::Kind;
    QTest::addColumn<QList<WordPair>>("pairs");
    QTest::addColumn<WriteProblem>("problem");
    QTest::addColumn<QString>("message");

    QTest::newRow("128 pairs") << pairsOf(128, 1) << WriteProblem{Kind::TooManyPairs, 127, 0, {}}
                               << "Listan har för många glosor för att sparas.\r\n"
                                  "En glosfil rymmer högst 127 glosor.";
    QTest::newRow("empty English word, k 4")
        << QList<WordPair>{{"bil", "car"}, {"hus", ""}, {"", ""}} << WriteProblem{Kind::EmptyWord, 0, 4, {}}
        << "Fel vid skrivning till fil.\r\nGlosan= ";
    QTest::newRow("hund in two pairs")
        << QList<WordPair>{{"bil", "car"}, {"hund", "dog"}} << WriteProblem{Kind::WordTooLong, 3, 3, "hund"}
        << "Ordet \"hund\" är för långt för att sparas.\r\n"
           "I en lista med 2 glosor får ett ord ha högst 3 tecken.";
    QTest::newRow("å counts one byte, but two are too many for one pair")
        << QList<WordPair>{{QStringLiteral("å"), QStringLiteral("öö")}}
        << WriteProblem{Kind::WordTooLong, 1, 2, QStringLiteral("öö")}
        << QStringLiteral("Ordet \"öö\" är för långt för att sparas.\r\n"
                          "I en lista med 1 glosa får ett ord ha högst 1 tecken.");
    QTest::newRow("Greek letter") << QList<WordPair>{{"a", "b"}, {QStringLiteral("\u03B1"), "c"}}
                                  << WriteProblem{Kind::NotWindows1252, 0, 3, QStringLiteral("\u03B1")}
                                  << QStringLiteral(
                                         "Ordet \"\u03B1\" har tecken som inte kan sparas i en glosfil.\r\n"
                                         "En glosfil kan bara lagra tecken ur teckentabellen Windows-1252.");
}

void WordFileTest::listsTheFormatCannotHold()
{
    QFETCH(QList<WordPair>, pairs);
    QFETCH(WriteProblem, problem);
    QFETCH(QString, message);
    const WordFileBytes file = writeWordFile(pairs);
    QVERIFY(file.bytes.isEmpty());
    QVERIFY(file.problem);
    QCOMPARE(file.problem->kind, problem.kind);
    QCOMPARE(file.problem->limit, problem.limit);
    QCOMPARE(file.problem->k, problem.k);
    QCOMPARE(file.problem->word, problem.word);
    QCOMPARE(checkWordFile(pairs), file.problem);
    QCOMPARE(writeProblemText(*file.problem), message);
}

void WordFileTest::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("pairs");

    const QByteArray three = writeWordFile({{"a", "b"}, {"cc", "dd"}, {"eee", "fff"}}).bytes;
    QTest::newRow("empty") << QByteArray() << "0:" << 0;
    QTest::newRow("header 0 and more") << QByteArray("\0\3\0abc", 6) << "0:" << 0;
    QTest::newRow("header 1, tail ignored") << QByteArray("\1\3\0abc", 6) << "1:" << 0;
    const QStringList words{"a", "b", "cc", "dd", "eee", "fff"};
    for (int record = 1; record <= 7; ++record) {
        QStringList seen = words.mid(0, record - 1);
        while (seen.size() < 6)
            seen.append(QStringLiteral("∅"));
        QTest::addRow("cut after record %d", record) << three.left(7 * record) << "7:" + seen.join(u'|') << 3;
    }
    QTest::newRow("cut inside a length") << three.left(7 * 6 + 1) << "7:a|b|cc|dd|eee|∅" << 3;
    QTest::newRow("text cut short") << three.left(7 * 6 + 4) << "7:a|b|cc|dd|eee|ff" << 3;
    QTest::newRow("length past the record") << QByteArray::fromHex("05000000"
                                                                   "00"
                                                                   "FF0062696C"
                                                                   "0300636172")
                                            << "5:bil|car|∅|∅" << 2;
    QTest::newRow("length past the file") << QByteArray::fromHex("0500000000"
                                                                 "FFFF6269")
                                          << "5:bi|∅|∅|∅" << 2;
    QTest::newRow("header 2 leaves no room") << QByteArray::fromHex("02"
                                                                    "00"
                                                                    "0100"
                                                                    "61")
                                             << "2:∅" << 1;
    QTest::newRow("even header, a pair begun") << QByteArray::fromHex("04000000"
                                                                      "01006100"
                                                                      "01006200"
                                                                      "01006300")
                                               << "4:a|b|c" << 2;
    QStringList promised(254, QStringLiteral("∅"));
    QTest::newRow("header FF, ten bytes") << QByteArray(10, '\xFF') << "255:" + promised.join(u'|') << 127;
    const QByteArray full = writeWordFile(pairsOf(127, 1)).bytes;
    QTest::newRow("127 pairs and a tail of more records")
        << full + full.mid(255).repeated(3) << render(readWordFile(full)) << 127;
}

void WordFileTest::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QFETCH(int, pairs);
    const WordFileContent content = readWordFile(bytes);
    QCOMPARE(render(content), expected);
    QCOMPARE(content.pairCount(), pairs);
}

QTEST_GUILESS_MAIN(WordFileTest)
#include "tst_wordfile.moc"
