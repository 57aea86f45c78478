#include "edit/frmbort.h"
#include "edit/pairnumber.h"
#include "entry/frmglos.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

class TestFrmBort : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> t;

    FrmBort *edit() const { return t->program.frmBort.loaded(); }
    template <class T = QWidget> T *control(const char *name) { return child<T>(edit(), name); }
    // Adds the pairs in the main window and chooses "Ändra/&Ta bort".
    void open(const QList<WordPair> &pairs)
    {
        t->addPairs(pairs);
        TestProgram::trigger(&t->main(), "mnuAltBort");
        if (edit() && !QTest::qWaitForWindowActive(edit()))
            qWarning("the edit window did not become active");
    }
    // Replaces a box's text as a user does: select all, then type or delete.
    static void retype(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            typeText(box, text);
    }
    QString listing() { return control<QPlainTextEdit>("txtglosor")->toPlainText(); }
    // Replaces the number in txtnr, then presses the button, or Enter when none is named.
    void number(const QString &typed, const char *button = nullptr)
    {
        auto *box = control<QLineEdit>("txtnr");
        retype(box, typed);
        if (button)
            TestProgram::click(edit(), button);
        else
            pressEnter(box);
    }
    // "list" or "change" when exactly that mode's controls are on show.
    QString mode()
    {
        QString visible;
        for (const char *name : {"Frame1", "txtnr", "Label1", "cmdBort", "cmdAndra", "cmdangra", "Command2",
                                 "lblord", "lbloversatt", "txtsv", "txteng", "cmdBak", "cmdlaggtill", "Num"})
            visible += control(name)->isVisible() ? u'1' : u'0';
        return visible == u"11111110000000"_s   ? u"list"_s
               : visible == u"00000001111111"_s ? u"change"_s
                                                : visible;
    }
    bool isDefault(const char *name) { return control<QPushButton>(name)->isDefault(); }

    const QList<WordPair> abc{{u"a"_s, u"1"_s}, {u"b"_s, u"2"_s}, {u"c"_s, u"3"_s}};

private slots:
    void init() { t = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        VERIFY_NO_PENDING_DIALOGS(t->dialogs);
        t.reset();
    }

    void opensBesideTheUsableMainWindow_data()
    {
        QTest::addColumn<int>("showClock");
        QTest::newRow("clock shown") << int(Bool16True);
        QTest::newRow("clock hidden") << int(Bool16False);
        QTest::newRow("1 is not true") << 1;
    }
    void opensBesideTheUsableMainWindow()
    {
        QFETCH(int, showClock);
        t->program.state.showClock = Bool16(showClock);
        t->clock.time = QTime(9, 8, 7);
        t->main().move(10, 40);
        open({{u"<b>x</b>"_s, u"y & z"_s}, {u"öga"_s, u"eye"_s}});
        QVERIFY(edit() && edit()->isVisible());
        QCOMPARE(edit()->windowTitle(), u"Ta bort/ändra"_s);
        QCOMPARE(listing(), u"1, <b>x</b>=y & z\n2, öga=eye\n"_s); // as typed, never markup
        QCOMPARE(numberedListing(edit()->grid()), u"1, <b>x</b>=y & z\r\n2, öga=eye\r\n"_s);
        QVERIFY(control<QPlainTextEdit>("txtglosor")->isReadOnly());
        QCOMPARE(mode(), u"list"_s);
        QVERIFY(isDefault("cmdBort"));
        QCOMPARE(control<QLabel>("Tid")->text(), u"Klockan är 09:08:07"_s);
        QCOMPARE(control("Tid")->isVisible(), showClock == Bool16True);
        QCOMPARE(edit()->y(), 40); // level with the main window

        // The main window stays open and usable; choosing the menu again
        // takes the list afresh.
        t->addPairs({{u"hus"_s, u"house"_s}});
        QVERIFY(t->main().isVisible());
        TestProgram::trigger(&t->main(), "mnuAltBort");
        TestProgram::trigger(&t->main(), "mnuAltBort");
        QCOMPARE(listing(), u"1, <b>x</b>=y & z\n2, öga=eye\n3, hus=house\n"_s);
    }

    void removeByNumberThenLeave_data()
    {
        // Each number typed and Enter pressed, with the listing after it; then
        // the button that leaves (or the close box) and the main window's words.
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("listings");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<QStringList>("mainAfter");
        using L = QStringList;
        const L all{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("first, back") << L{u"1"_s} << L{u"1, b=2\n2, c=3\n"_s} << u"Command2"_s
                                     << L{u"b"_s, u"c"_s};
        QTest::newRow("middle as 2.9, back")
            << L{u"2.9"_s} << L{u"1, a=1\n2, c=3\n"_s} << u"Command2"_s << L{u"a"_s, u"c"_s};
        QTest::newRow("last, without changes")
            << L{u"3"_s} << L{u"1, a=1\n2, b=2\n"_s} << u"cmdangra"_s << all;
        QTest::newRow("middle, close box") << L{u" 2"_s} << L{u"1, a=1\n2, c=3\n"_s} << u"close"_s << all;
        QTest::newRow("all, back") << L{u"3"_s, u"1"_s, u"1"_s}
                                   << L{u"1, a=1\n2, b=2\n"_s, u"1, b=2\n"_s, QString()} << u"Command2"_s
                                   << L{};
    }
    void removeByNumberThenLeave()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, listings);
        QFETCH(QString, leave);
        QFETCH(QStringList, mainAfter);
        open(abc);
        QStringList seen;
        for (const QString &text : typed) {
            number(text);
            seen << listing();
        }
        QCOMPARE(seen, listings);
        QCOMPARE(control<QLineEdit>("txtnr")->text(), QString());
        QVERIFY(control("txtnr")->hasFocus());
        const WordList &copy = edit()->grid();
        QCOMPARE(copy.cell(0, 0), QString::number(copy.count()));
        if (typed == QStringList{u"1"_s}) // rows move up with their number cells
            QCOMPARE(copy.cell(1, 2), u"2"_s);
        QCOMPARE(t->program.state.wordCount, quint8(3)); // nothing reaches the list before "&Tillbaka"

        if (leave == u"close"_s)
            edit()->close();
        else
            TestProgram::click(edit(), qPrintable(leave));
        TestProgram::flushDeletes();
        QVERIFY(!edit());
        QVERIFY(t->program.frmglos.loaded()->isVisible());
        QCOMPARE(t->listed(), mainAfter);
        QCOMPARE(t->program.state.wordCount, quint8(mainAfter.size()));
        QCOMPARE(t->main().grid().cell(0, 0), QString::number(mainAfter.size()));
    }

    void wrongNumbersAreRefused_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        const QString bort = u"Du ska skriva in nummret innan den glosa som du vill ta bort"_s;
        const QString andra = u"Skriv in nummret föra den glosa som du vill ändra"_s;
        for (const QString &typed : {u"0"_s, QString(), u"apa"_s, u"4"_s, u"-1"_s, u"0.9"_s, u"1e999"_s}) {
            QTest::addRow("Ta bort, '%s'", qPrintable(typed)) << u"cmdBort"_s << typed << bort;
            QTest::addRow("Ändra, '%s'", qPrintable(typed)) << u"cmdAndra"_s << typed << andra;
        }
    }
    void wrongNumbersAreRefused()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        open(abc);
        number(typed, qPrintable(button));
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(text, u"FEL NUMMER"_s)});
        QCOMPARE(control<QLineEdit>("txtnr")->text(), typed);
        QCOMPARE(mode(), u"list"_s);
        QCOMPARE(edit()->grid().count(), 3);
    }

    void changeWritesTheNewWords_data()
    {
        // Pair 2 (b = 2) chosen, the boxes given these texts, then the button.
        QTest::addColumn<QString>("swedish");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("line2");
        QTest::addColumn<QString>("modeAfter");
        QTest::newRow("both") << u"ö"_s << u"two"_s << u"cmdlaggtill"_s << u"2, ö=two"_s << u"list"_s;
        QTest::newRow("Swedish emptied")
            << QString() << u"two"_s << u"cmdlaggtill"_s << u"2, b=two"_s << u"list"_s;
        QTest::newRow("English emptied")
            << u"ö"_s << QString() << u"cmdlaggtill"_s << u"2, b=2"_s << u"change"_s;
        QTest::newRow("Ångra") << u"ö"_s << u"two"_s << u"cmdBak"_s << u"2, b=2"_s << u"list"_s;
    }
    void changeWritesTheNewWords()
    {
        QFETCH(QString, swedish);
        QFETCH(QString, english);
        QFETCH(QString, button);
        QFETCH(QString, line2);
        QFETCH(QString, modeAfter);
        open(abc);
        number(u"2"_s, "cmdAndra");
        QCOMPARE(mode(), u"change"_s);
        QCOMPARE(control<QLabel>("Num")->text(), u"Valt nummer är: nr 2"_s);
        auto *txtsv = control<QLineEdit>("txtsv");
        auto *txteng = control<QLineEdit>("txteng");
        QCOMPARE(txtsv->text() + u'|' + txteng->text(), u"b|2"_s);
        QVERIFY(txtsv->hasFocus() && txtsv->selectedText() == u"b"_s);
        QVERIFY(isDefault("cmdlaggtill"));
        txteng->setFocus(); // each box selects its text when it gets the focus
        QCOMPARE(txteng->selectedText(), u"2"_s);

        retype(txtsv, swedish);
        retype(txteng, english);
        TestProgram::click(edit(), qPrintable(button));
        QCOMPARE(listing(), u"1, a=1\n"_s + line2 + u"\n3, c=3\n"_s);
        QCOMPARE(mode(), modeAfter);
        if (modeAfter == u"change"_s)
            TestProgram::click(edit(), "cmdBak"); // leaves the pair as it was
        QCOMPARE(listing(), u"1, a=1\n"_s + line2 + u"\n3, c=3\n"_s);
        const bool written = button == u"cmdlaggtill"_s && !english.isEmpty();
        auto *txtnr = control<QLineEdit>("txtnr");
        QCOMPARE(txtnr->text(), written ? QString() : u"2"_s);
        QVERIFY(txtnr->hasFocus() && txtnr->selectedText() == txtnr->text());

        if (written) { // from now on Enter chooses a pair to change
            QVERIFY(isDefault("cmdAndra") && !isDefault("cmdBort"));
            number(u"1"_s);
            QCOMPARE(mode(), u"change"_s);
            TestProgram::click(edit(), "cmdBak");
        } else { // back in list mode, Enter removes again
            QVERIFY(isDefault("cmdBort"));
        }
        TestProgram::click(edit(), "Command2");
        QCOMPARE(t->listed(), (QStringList{u"a"_s, line2.mid(3).section(u'=', 0, 0), u"c"_s}));
        QCOMPARE(t->main().grid().pair(2).english, line2.section(u'=', 1));
    }
};

QTEST_MAIN(TestFrmBort)
#include "tst_frmbort.moc"
