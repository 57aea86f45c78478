#include "progress/frmframsteg.h"
#include "support/testprogram.h"

#include <QHeaderView>
#include <QTableView>

class TestFrmFramsteg : public WindowTest {
    Q_OBJECT

    // The table's rows as shown, cells joined by blanks.
    QString rows()
    {
        const QAbstractItemModel *model = control<QTableView>(u"grdFramsteg"_s)->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            rows << cells.join(u' ');
        }
        return rows.join(u'|');
    }

private slots:
    // From the main window's menu: the list's pairs with their figures, in list order or sorted by a column
    // (words in Swedish order); the question before forgetting, "Nej" keeping everything; answers given and
    // pairs added while it waits; "Stäng" back.
    void showsAndForgets()
    {
        t->addPairs({{u"ärt"_s, u"pea"_s}, {u"ål"_s, u"eel"_s}, {u"hus"_s, u"house"_s}});
        t->run(u"cmdOva txteng=pea Enter Enter txteng=fel Enter Enter txteng=eel Enter Enter"_s);
        t->run(u"cmdmeny mnuAltFramsteg"_s);
        t->log(); // the summary
        const QString practised = u"ärt pea 1 100\u00a0% i dag 2026-12-09 100\u00a0%|"
                                  u"ål eel 1 0\u00a0% i dag i morgon 100\u00a0%|"
                                  u"hus house 0 – aldrig övad i dag –"_s;
        QCOMPARE(rows(), practised);
        QHeaderView *header = control<QTableView>(u"grdFramsteg"_s)->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 4, 4));
        QStringList order;
        for (const QString &row : rows().split(u'|'))
            order << row.section(u' ', 0, 0);
        QCOMPARE(order.join(u' '), u"hus ål ärt"_s);

        t->run(u"cmdGlom Nej"_s);
        QCOMPARE(t->log(), u"Vill du glömma allt som programmet minns om glosorna i listan? (Ja/*Nej)"_s);
        QVERIFY(rows().contains(u"ärt pea 1"_s));
        t->run(u"cmdGlom Ja"_s);
        t->log();
        QVERIFY(!rows().contains(u" 1 "_s) && !control(u"cmdGlom"_s)->isEnabled());
        // Answers given meanwhile show when the window is looked at again.
        t->run(u"^frmglos cmdOva txteng=pea Enter Enter cmdmeny ^frmFramsteg"_s);
        t->log();
        QVERIFY(rows().contains(u"ärt pea 1 "_s));
        t->addPairs({{u"ny"_s, u"new"_s}});
        t->run(u"^frmFramsteg"_s);
        QVERIFY(rows().contains(u"ny new 0 – aldrig övad"_s));
        t->run(u"cmdStang"_s);
        QCOMPARE(t->active()->objectName(), u"frmglos"_s);
        QCOMPARE(t->main().findChild<QAction *>(u"mnuAltDagens"_s)->text(),
                 u"Öva på &dagens glosor (3)"_s); // all but ärt
    }
};

QTEST_MAIN(TestFrmFramsteg)
#include "tst_frmframsteg.moc"
