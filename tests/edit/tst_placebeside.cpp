#include "edit/placebeside.h"

#include <QTest>

class TestPlaceBeside : public QObject {
    Q_OBJECT

private slots:
    void placeBeside_data()
    {
        // On a 1000 × 800 screen, a window of `size` beside a frame `other`.
        QTest::addColumn<QRect>("other");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("room on the right") << QRect(100, 50, 400, 300) << QSize(500, 200) << QPoint(500, 50);
        QTest::newRow("room on the left only")
            << QRect(600, 50, 300, 300) << QSize(400, 200) << QPoint(200, 50);
        QTest::newRow("no room on either side")
            << QRect(100, 50, 800, 300) << QSize(500, 200) << QPoint(0, 50);
        QTest::newRow("low on the screen") << QRect(0, 700, 300, 100) << QSize(200, 300) << QPoint(300, 500);
        QTest::newRow("above the screen") << QRect(0, -40, 300, 100) << QSize(200, 300) << QPoint(300, 0);
        QTest::newRow("larger than the screen") << QRect(0, 0, 300, 100) << QSize(1200, 900) << QPoint(0, 0);
    }
    void placeBeside()
    {
        QFETCH(QRect, other);
        QFETCH(QSize, size);
        QFETCH(QPoint, expected);
        QCOMPARE(::placeBeside(other, size, QRect(0, 0, 1000, 800)), expected);
    }
};

QTEST_GUILESS_MAIN(TestPlaceBeside)
#include "tst_placebeside.moc"
