#include "files/wordfile.h"
#include "files/wordfiletexts.h"

#include <QTest>

namespace {

// A content as one line: "header/pairs:word|word|…", a missing word as "∅".
QString render(const WordFileContent &content)
{
    QStringList words;
    for (const auto &word : content.words)
        words.append(word.value_or(QStringLiteral("∅")));
    return QStringLiteral("%1/%2:").arg(content.header).arg(content.pairCount()) + words.join(u'|');
}

} // namespace

class WordFileTest : public QObject {
    Q_OBJECT

private slots:
    void workedExampleByteForByte();
    void writing_data();
    void writing();
    void damagedFiles_data();
    void damagedFiles();
};

void WordFileTest::workedExampleByteForByte()
{
    const QByteArray example = QByteArray::fromHex("0500000000030062696C03006361720300F667610300657965");
    QCOMPARE(writeWordFile({{"bil", "car"}, {QStringLiteral("öga"), "eye"}}).bytes, example);
    QCOMPARE(render(readWordFile(example)), QStringLiteral("5/2:bil|car|öga|eye"));
    QCOMPARE(writeWordFile({}).bytes, QByteArray("\x01"));
}

void WordFileTest::writing_data()
{
    QTest::addColumn<QList<WordPair>>("pairs");
    QTest::addColumn<QString>("message"); // why the list is not written; empty: it is, and reads back
    const auto pairsOf = [](int count, int bytes) {
        return QList<WordPair>(count, {QString(bytes, u'å'), QString(bytes, u'Ö')});
    };
    for (int count : {0, 1, 2, 127})
        QTest::addRow("%d pairs, words at the limit", count)
            << pairsOf(count, WordFile::maxWordBytes(count)) << QString();
    const QString tooLong = QStringLiteral("Ordet \"%1\" är för långt för att sparas.\r\n"
                                           "I en lista med %2 får ett ord ha högst %3 tecken.");
    // clang-format off
    QTest::newRow("128 pairs") << pairsOf(128, 1) << "Listan har för många glosor för att sparas.\r\nEn glosfil rymmer högst 127 glosor.";
    QTest::newRow("öö in one pair") << QList<WordPair>{{QStringLiteral("å"), QStringLiteral("öö")}} << tooLong.arg(QStringLiteral("öö"), "1 glosa", "1");
    QTest::newRow("hund in two pairs") << QList<WordPair>{{"bil", "car"}, {"hund", "dog"}} << tooLong.arg("hund", "2 glosor", "3");
    QTest::newRow("empty English word") << QList<WordPair>{{"bil", "car"}, {"hus", ""}, {"", ""}} << "Fel vid skrivning till fil.\r\nGlosan= ";
    QTest::newRow("Greek letter") << QList<WordPair>{{"a", "b"}, {QStringLiteral("\u03B1"), "c"}} << QStringLiteral("Ordet \"\u03B1\" har tecken som inte kan sparas i en glosfil.\r\nEn glosfil kan bara lagra tecken ur teckentabellen Windows-1252.");
    // clang-format on
}

void WordFileTest::writing()
{
    QFETCH(QList<WordPair>, pairs);
    QFETCH(QString, message);
    const WordFileBytes file = writeWordFile(pairs);
    QVERIFY(checkWordFile(pairs) == file.problem);
    QCOMPARE(file.problem ? writeProblemText(*file.problem) : QString(), message);
    const int n = file.problem ? 0 : 2 * int(pairs.size()) + 1; // a refused list gives no bytes at all
    QCOMPARE(file.bytes.size(), n * n);
    if (file.problem)
        return;
    QList<std::optional<QString>> words;
    for (const WordPair &pair : pairs)
        words << pair.swedish << pair.english;
    QCOMPARE(readWordFile(file.bytes).words, words);
}

void WordFileTest::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    const QByteArray three = writeWordFile({{"a", "b"}, {"cc", "dd"}, {"eee", "fff"}}).bytes;
    QTest::newRow("empty") << QByteArray() << "0/0:";
    QTest::newRow("cut after record 4") << three.left(7 * 4) << "7/3:a|b|cc|∅|∅|∅";
    QTest::newRow("text cut short") << three.left(7 * 6 + 4) << "7/3:a|b|cc|dd|eee|ff";
    QTest::newRow("length past the record, then 0")
        << QByteArray::fromHex("0500000000FF0062696C0000636172") << "5/2:bil|∅|∅|∅";
    QTest::newRow("even header") << QByteArray::fromHex("040000000100610001006200010063") << "4/2:a|b|c";
    QTest::newRow("header FF, ten bytes")
        << QByteArray(10, '\xFF') << "255/127:" + QStringList(254, QStringLiteral("∅")).join(u'|');
}

void WordFileTest::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(render(readWordFile(bytes)), expected);
}

QTEST_GUILESS_MAIN(WordFileTest)
#include "tst_wordfile.moc"
