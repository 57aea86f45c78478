#include "app/textnumber.h"
#include "app/wordlist.h"

#include <QTest>

class TestWordList : public QObject {
    Q_OBJECT

private slots:
    void appendNumbersByRowAndClearStartsAgain();
    void copyTakesRowCountAndRowsUpToLastRow();
    void leadingNumber_data();
    void leadingNumber();
};

void TestWordList::appendNumbersByRowAndClearStartsAgain()
{
    WordList list;
    list.append(QStringLiteral(" hus "), QStringLiteral("house"));
    list.append(QStringLiteral("öga"), QStringLiteral("eye"));
    list.append(QStringLiteral(" hus "), QStringLiteral("house"));
    QCOMPARE(list.rowCount(), 4);
    QCOMPARE(list.cell(0, 0), QStringLiteral("3"));
    QCOMPARE(list.cell(0, 1) + list.cell(0, 2), QString());
    QCOMPARE(list.cell(3, 2), QStringLiteral("3"));
    QCOMPARE(list.pair(2), (WordPair{QStringLiteral("öga"), "eye"}));
    QCOMPARE(list.swedishWords(), (QStringList{" hus ", QStringLiteral("öga"), " hus "})); // as typed

    list.clear();
    QCOMPARE(list.rowCount(), 1);
    QCOMPARE(list.cell(0, 0), QString());
    list.append(QStringLiteral("katt"), QStringLiteral("cat"));
    QCOMPARE(list.cell(1, 2), QStringLiteral("1"));
    QCOMPARE(list.cell(0, 0), QStringLiteral("1"));
}

void TestWordList::copyTakesRowCountAndRowsUpToLastRow()
{
    WordList source;
    source.append(QStringLiteral("a"), QStringLiteral("b"));
    source.append(QStringLiteral("c"), QStringLiteral("d"));
    WordList target;
    for (int i = 0; i < 3; ++i)
        target.append(QStringLiteral("gammal"), QStringLiteral("old"));

    source.copyTo(target, 2);
    QCOMPARE(target.rowCount(), 3);
    QCOMPARE(target.cell(0, 0), QStringLiteral("2"));
    QCOMPARE(target.pair(2), (WordPair{"c", "d"}));

    source.copyTo(target, 200); // past the source's rows: what exists, no more
    QCOMPARE(target.rowCount(), 3);

    WordList().copyTo(target, 0); // an empty list copies its header row only
    QCOMPARE(target.rowCount(), 1);
    QCOMPARE(target.cell(0, 0), QString());

    // The grid never holds more pairs than the 8-bit count can number.
    target.setRowCount(1000);
    QCOMPARE(target.count(), WordList::MaxPairs);
    target.setRowCount(1);

    // Cells outside the grid read empty and ignore writes.
    target.setCell(5, 0, QStringLiteral("x"));
    target.setCell(0, 3, QStringLiteral("x"));
    QCOMPARE(target.rowCount(), 1);
    QCOMPARE(target.cell(5, 0) + target.cell(0, 3) + target.cell(-1, 0), QString());
}

void TestWordList::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("word") << "apa" << 0.0;
    QTest::newRow("number then word") << "12 apor" << 12.0;
    QTest::newRow("blanks skipped") << " 1 2" << 12.0;
    QTest::newRow("fraction") << "2.9" << 2.9;
    QTest::newRow("exponent") << "1e2x" << 100.0;
    QTest::newRow("dangling exponent") << "3e" << 3.0;
    QTest::newRow("comma is not a point") << "2,5" << 2.0;
}

void TestWordList::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::leadingNumber(text), value);
}

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
