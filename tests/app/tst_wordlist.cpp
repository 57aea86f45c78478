#include "app/textnumber.h"
#include "app/wordlist.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordList : public QObject {
    Q_OBJECT

private slots:
    void numbersCountFromOneAndStopAtTheLimit()
    {
        WordList list;
        for (int i = 1; i <= WordList::MaxPairs; ++i)
            QVERIFY(list.append(u"sv%1"_s.arg(i), u"en%1"_s.arg(i)));
        QVERIFY(list.isFull() && !list.append(u"x"_s, u"y"_s));
        QVERIFY(!list.hasRoomFor(1) && list.append(QList<WordPair>{}));
        list.removePair(1);
        QCOMPARE(list.pair(1), (WordPair{"sv2", "en2"})); // the pairs below move up
        QVERIFY(list.hasRoomFor(1) && !list.append(QList<WordPair>(2)) && list.append(QList<WordPair>(1)));
        QCOMPARE(list.count(), 255);
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
        QTest::newRow("second exponent") << "2e1e1" << 20.0;
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
