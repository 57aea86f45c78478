#include "app/textnumber.h"
#include "app/wordlist.h"

#include <QTest>

class TestWordList : public QObject {
    Q_OBJECT

private slots:
    void appendNumbersPairsByRowAndCountsInHeader();
    void clearEmptiesEveryCellAndRestartsNumbering();
    void samePairTwiceGivesTwoRows();
    void fullListRefusesAndKeepsPairs();
    void copyTakesRowCountAndRowsUpToLastRow();
    void copyOfEmptyListIsHeaderOnly();
    void cellsOutsideTheGridReadEmptyAndIgnoreWrites();
    void leadingNumber_data();
    void leadingNumber();
};

void TestWordList::appendNumbersPairsByRowAndCountsInHeader()
{
    WordList list;
    QVERIFY(list.append(QStringLiteral("hus"), QStringLiteral("house")));
    QVERIFY(list.append(QStringLiteral("bil"), QStringLiteral("car")));
    QVERIFY(list.append(QStringLiteral("öga"), QStringLiteral("eye")));

    QCOMPARE(list.rowCount(), 4);
    QCOMPARE(list.columnCount(), 3);
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.cell(0, 0), QStringLiteral("3"));
    QCOMPARE(list.cell(0, 1), QString());
    QCOMPARE(list.cell(0, 2), QString());
    for (int row = 1; row <= 3; ++row)
        QCOMPARE(list.cell(row, 2), QString::number(row));
    QCOMPARE(list.pair(3), (WordPair{QStringLiteral("öga"), QStringLiteral("eye")}));
    QCOMPARE(list.swedishWords(3), (QStringList{"hus", "bil", QStringLiteral("öga")}));
}

void TestWordList::clearEmptiesEveryCellAndRestartsNumbering()
{
    WordList list;
    list.append(QStringLiteral("hus"), QStringLiteral("house"));
    list.append(QStringLiteral("bil"), QStringLiteral("car"));
    list.clear();

    QCOMPARE(list.rowCount(), 1);
    QCOMPARE(list.columnCount(), 3);
    QCOMPARE(list.cell(0, 0), QString());
    list.setRowCount(3);
    QCOMPARE(list.cell(1, 0), QString()); // rows that come back are empty

    list.clear();
    list.append(QStringLiteral("katt"), QStringLiteral("cat"));
    QCOMPARE(list.cell(1, 2), QStringLiteral("1"));
    QCOMPARE(list.cell(0, 0), QStringLiteral("1"));
}

void TestWordList::samePairTwiceGivesTwoRows()
{
    WordList list;
    list.append(QStringLiteral(" hus "), QStringLiteral("House"));
    list.append(QStringLiteral(" hus "), QStringLiteral("House"));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.swedishWords(2), (QStringList{" hus ", " hus "})); // kept exactly as typed
}

void TestWordList::fullListRefusesAndKeepsPairs()
{
    WordList list;
    for (int i = 1; i <= WordList::MaxPairs; ++i)
        QVERIFY(list.append(QStringLiteral("sv%1").arg(i), QStringLiteral("en%1").arg(i)));
    QVERIFY(list.isFull());

    QVERIFY(!list.append(QStringLiteral("en till"), QStringLiteral("one more")));
    QCOMPARE(list.count(), 255);
    QCOMPARE(list.cell(0, 0), QStringLiteral("255"));
    QCOMPARE(list.pair(255), (WordPair{QStringLiteral("sv255"), QStringLiteral("en255")}));
    QCOMPARE(list.pair(1), (WordPair{QStringLiteral("sv1"), QStringLiteral("en1")}));
}

void TestWordList::copyTakesRowCountAndRowsUpToLastRow()
{
    WordList source;
    source.append(QStringLiteral("a"), QStringLiteral("b"));
    source.append(QStringLiteral("c"), QStringLiteral("d"));
    WordList target;
    target.append(QStringLiteral("gammal"), QStringLiteral("old"));
    target.append(QStringLiteral("gammal"), QStringLiteral("old"));
    target.append(QStringLiteral("gammal"), QStringLiteral("old"));

    source.copyTo(target, 2);
    QCOMPARE(target.rowCount(), 3);
    QCOMPARE(target.cell(0, 0), QStringLiteral("2"));
    QCOMPARE(target.pair(2), (WordPair{QStringLiteral("c"), QStringLiteral("d")}));
    QCOMPARE(target.cell(2, 2), QStringLiteral("2"));

    // A last row past the source's rows copies what exists and no more.
    WordList wide;
    source.copyTo(wide, 200);
    QCOMPARE(wide.rowCount(), 3);
    QCOMPARE(wide.pair(1), (WordPair{QStringLiteral("a"), QStringLiteral("b")}));
}

void TestWordList::copyOfEmptyListIsHeaderOnly()
{
    WordList empty;
    WordList target;
    target.append(QStringLiteral("x"), QStringLiteral("y"));
    empty.copyTo(target, 0);
    QCOMPARE(target.rowCount(), 1);
    QCOMPARE(target.cell(0, 0), QString());
}

void TestWordList::cellsOutsideTheGridReadEmptyAndIgnoreWrites()
{
    WordList list;
    list.append(QStringLiteral("a"), QStringLiteral("b"));
    list.setCell(5, 0, QStringLiteral("x"));
    list.setCell(1, 3, QStringLiteral("x"));
    list.setCell(-1, 0, QStringLiteral("x"));
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.cell(5, 0), QString());
    QCOMPARE(list.cell(1, -1), QString());
    list.setRowCount(0);
    QCOMPARE(list.rowCount(), 1); // the header row always stays
}

void TestWordList::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("word") << "apa" << 0.0;
    QTest::newRow("number") << "7" << 7.0;
    QTest::newRow("number then word") << "12 apor" << 12.0;
    QTest::newRow("blanks before") << "  3" << 3.0;
    QTest::newRow("blanks inside") << "1 2" << 12.0;
    QTest::newRow("fraction") << "2.9" << 2.9;
    QTest::newRow("negative") << "-4" << -4.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("exponent") << "1e2x" << 100.0;
    QTest::newRow("dangling exponent") << "3e" << 3.0;
    QTest::newRow("sign only") << "-" << 0.0;
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
