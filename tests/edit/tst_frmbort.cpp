#include "edit/frmbort.h"
#include "edit/placebeside.h"
#include "entry/frmglos.h"
#include "practice/frmova.h"
#include "support/testprogram.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

class TestFrmBort : public WindowTest {
    Q_OBJECT

    FrmBort *edit() const { return t->program.frmBort.loaded(); }
    template <class T = QWidget> T *control(const char *name) { return child<T>(edit(), name); }
    // Adds the pairs in the main window and chooses "Ändra/&Ta bort".
    void open(const QList<WordPair> &pairs = {{u"a"_s, u"1"_s}, {u"b"_s, u"2"_s}, {u"c"_s, u"3"_s}})
    {
        t->addPairs(pairs);
        t->run(u"mnuAltBort"_s);
        QVERIFY(edit() && QTest::qWaitForWindowActive(edit())); // for focus and selection
    }
    // The listing (each line ended by "|"), the mode (in change mode with the
    // chosen number and pair as the boxes show them), the default button and
    // the focused control, with a box's text ([selected]). Once the window is
    // gone: the main window's words and the pair count, if it is on show.
    QString shown()
    {
        if (!edit()) {
            const FrmGlos *main = t->program.frmglos.loaded();
            if (!main || !main->isVisible())
                return u"gone; no main window"_s;
            return u"gone; main: %1 (%2)"_s.arg(t->listed().join(u'|')).arg(t->session.wordCount());
        }
        const bool list = control("Frame1")->isVisible(), change = control("txtsv")->isVisible();
        QString text = control<QPlainTextEdit>("txtglosor")->toPlainText().replace(u'\n', u'|');
        text += list == change ? u" mixed"_s : list ? u" list"_s : u" change"_s;
        if (change)
            text += u" (%1: %2=%3)"_s.arg(control<QLabel>("Num")->text(), control<QLineEdit>("txtsv")->text(),
                                          control<QLineEdit>("txteng")->text());
        for (auto *button : edit()->findChildren<QPushButton *>())
            text += button->isDefault() ? u' ' + button->objectName() : QString();
        if (QWidget *focus = edit()->focusWidget())
            text += u' ' + focus->objectName();
        if (auto *box = qobject_cast<QLineEdit *>(edit()->focusWidget()))
            text += u'=' + (box->hasSelectedText() ? u'[' + box->selectedText() + u']' : box->text());
        return text;
    }

private slots:
    void opensBesideTheMainWindowListingAsTyped()
    {
        t->session.state.showClock = false;
        t->main().move(10, 40);
        open({{u"<b>x</b>"_s, u"y & z"_s}, {u"öga"_s, u"eye"_s}});
        QVERIFY(t->main().isVisible()); // it stays open and usable
        QCOMPARE(edit()->windowTitle(), u"Ta bort/ändra"_s);
        QCOMPARE(edit()->y(), 40); // level with the main window; the screen is too narrow for more
        QCOMPARE(shown(), u"1, <b>x</b>=y & z|2, öga=eye| list cmdBort txtnr="_s);
        QVERIFY(control<QPlainTextEdit>("txtglosor")->isReadOnly());
        QVERIFY(!control("Tid")->isVisible());
    }

    // A 50 by 50 window beside another's frame on a 400 by 300 screen.
    void placeBesideKeepsOnScreen_data()
    {
        QTest::addColumn<QRect>("other");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("right of it") << QRect(0, 10, 100, 100) << QPoint(100, 10);
        QTest::newRow("left when the right is full") << QRect(300, 10, 100, 100) << QPoint(250, 10);
        QTest::newRow("neither: at the screen's left") << QRect(0, 0, 380, 100) << QPoint(0, 0);
        QTest::newRow("up from the bottom edge") << QRect(0, 280, 100, 20) << QPoint(100, 250);
        QTest::newRow("down from above the screen") << QRect(0, -80, 100, 20) << QPoint(100, 0);
    }
    void placeBesideKeepsOnScreen()
    {
        QFETCH(QRect, other);
        QFETCH(QPoint, placed);
        QCOMPARE(placeBeside(other, QSize(50, 50), QRect(0, 0, 400, 300)), placed);
    }

    void steps_data()
    {
        // On the pairs a=1, b=2, c=3: what is shown() after the steps.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *steps, const char *shown) { QTest::newRow(steps) << steps << shown; };
        row("txtnr=1 Enter", "1, b=2|2, c=3| list cmdBort txtnr=");
        row("txtnr=2.9 Enter", "1, a=1|2, c=3| list cmdBort txtnr=");
        row("txtnr=3 cmdBort", "1, a=1|2, b=2| list cmdBort txtnr=");
        row("txtnr=1 Enter mnuAltBort", "1, a=1|2, b=2|3, c=3| list cmdBort txtnr="); // afresh, and once
        // A fresh copy in change mode starts over in list mode: the old choice is gone.
        row("txtnr=3 cmdAndra mnuAltBort", "1, a=1|2, b=2|3, c=3| list cmdBort txtnr=[3]");
        row("txtnr=3 Enter txtnr=1 Enter txtnr=1 Enter Command2", "gone; main:  (0)");
        row("txtnr=1 Enter cmdangra", "gone; main: a|b|c (3)");
        row("txtnr=1 Enter Esc", "gone; main: a|b|c (3)");
        row("txtnr=2 cmdAndra txteng=two Esc", "1, a=1|2, b=2|3, c=3| list cmdBort txtnr=[2]");
        row("txtnr=2 cmdAndra txtsv=ö txteng=two cmdlaggtill",
            "1, a=1|2, ö=two|3, c=3| list cmdAndra txtnr=");
        row("txtnr=2 cmdAndra txtsv= txteng=two cmdlaggtill", "1, a=1|2, b=two|3, c=3| list cmdAndra txtnr=");
        row("txtnr=2 cmdAndra txtsv=ö txteng= cmdlaggtill",
            "1, a=1|2, b=2|3, c=3| change (Valt nummer är: nr 2: ö=) cmdlaggtill cmdlaggtill");
        row("txtnr=2 cmdAndra txtsv=ö txteng=two cmdBak", "1, a=1|2, b=2|3, c=3| list cmdBort txtnr=[2]");
        row("txtnr=2 cmdAndra txteng=4 cmdlaggtill txtnr=1 Enter cmdBak",
            "1, a=1|2, b=4|3, c=3| list cmdAndra txtnr=[1]");
    }
    void steps()
    {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        open();
        t->run(steps);
        QCOMPARE(this->shown(), shown);
    }

    // The list lives on while windows come and go: neither a closed main
    // window nor practice left after an edit brings back an old list.
    void editsSurviveOtherWindows_data()
    {
        QTest::addColumn<bool>("practice");
        QTest::addColumn<QString>("steps"); // in the edit window, once the main window is closed
        QTest::addColumn<QString>("after");
        QTest::newRow("main window closed, edit dropped") << false << u"cmdangra"_s << u"a|b|c (3)"_s;
        QTest::newRow("main window closed, edit kept")
            << false << u"txtnr=1 Enter Command2"_s << u"b|c (2)"_s;
        QTest::newRow("pair removed during practice") << true << QString() << u"b|c (2)"_s;
    }
    void editsSurviveOtherWindows()
    {
        QFETCH(bool, practice);
        QFETCH(QString, steps);
        QFETCH(QString, after);
        const auto activate = [](QWidget *window) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
        };
        open();
        if (practice) {
            t->run(u"cmdOva"_s); // from the main window
            FrmOva *ova = t->program.frmOva.loaded();
            activate(edit());
            t->run(u"txtnr=1 Enter Command2"_s);
            QCOMPARE(t->listed(), (QStringList{u"b"_s, u"c"_s}));
            activate(ova);
            t->run(u"cmdmeny"_s);
            QCOMPARE(t->dialogs.takeMessages().size(), 1); // the summary
        } else {
            t->main().close(); // its close box
            TestProgram::flushDeletes();
            activate(edit());
            t->run(steps);
        }
        QCOMPARE(shown(), u"gone; main: "_s + after);
    }

    void wrongNumbersAreRefused()
    {
        open();
        const QString title = u"FEL NUMMER"_s;
        for (const QString &typed : {u"0"_s, QString(), u"apa"_s, u"4"_s}) {
            t->run(u"txtnr=%1 cmdAndra txtnr=%1 Enter"_s.arg(typed));
            QCOMPARE(t->dialogs.takeMessages(),
                     (QList<Message>{
                         okBox(u"Skriv in nummret föra den glosa som du vill ändra"_s, title),
                         okBox(u"Du ska skriva in nummret innan den glosa som du vill ta bort"_s, title)}));
            QCOMPARE(shown(), u"1, a=1|2, b=2|3, c=3| list cmdBort txtnr="_s + typed);
        }
    }
};

QTEST_MAIN(TestFrmBort)
#include "tst_frmbort.moc"
