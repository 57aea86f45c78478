#include "app/textnumber.h"
#include "app/wordlist.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordList : public QObject {
    Q_OBJECT

private slots:
    void copyTakesRowCountAndRowsUpToLastRow()
    {
        WordList source;
        source.append(u"a"_s, u"b"_s);
        source.append(u"c"_s, u"d"_s);
        WordList target;
        for (int i = 0; i < 3; ++i)
            target.append(u"gammal"_s, u"old"_s);

        source.copyTo(target, 2);
        QCOMPARE(target.rowCount(), 3);
        QCOMPARE(target.cell(0, 0), u"2"_s);
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
        target.setCell(5, 0, u"x"_s);
        target.setCell(0, 3, u"x"_s);
        QCOMPARE(target.rowCount(), 1);
        QCOMPARE(target.cell(5, 0) + target.cell(0, 3) + target.cell(-1, 0), QString());

        source.copyTo(target, 1); // fewer rows copied, still the source's row count
        QCOMPARE(target.rowCount(), 3);
        QCOMPARE(target.pair(1), (WordPair{"a", "b"}));
        QCOMPARE(target.pair(2), WordPair());
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("word") << "apa" << 0.0;
        QTest::newRow("number then word") << "12 apor" << 12.0;
        QTest::newRow("blanks skipped") << " 1\t2\r\n3" << 123.0;
        QTest::newRow("negative") << "-3 apor" << -3.0;
        QTest::newRow("signed exponent") << "1e-2" << 0.01;
        QTest::newRow("sign inside") << "5-3" << 5.0;
        QTest::newRow("fraction") << "2.9" << 2.9;
        QTest::newRow("exponent") << "1e2x" << 100.0;
        QTest::newRow("dangling exponent") << "3e" << 3.0;
        QTest::newRow("comma is not a point") << "2,5" << 2.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(::leadingNumber(text), value);
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
