#include "entry/frmglos.h"
#include "options/colorsettings.h"
#include "options/frmalt.h"
#include "practice/frmova.h"
#include "support/testprogram.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
using Stored = QMap<int, ColorValue>;    // slot -> colour stored by "OK"
using Color = std::optional<ColorValue>; // none: the colour dialog is cancelled

const QList<WordPair> Pairs{{u"hus"_s, u"house"_s}, {u"katt"_s, u"cat"_s}, {u"öga"_s, u"eye"_s}};
} // namespace

// The rules themselves are checked in tst_optionslogic; here the window feeds
// them, shows what they give and hands the list back.
class TestFrmAlt : public WindowTest {
    Q_OBJECT

    FrmAlt *alt() const { return t->program.frmAlt.loaded(); }
    template <class T = QWidget> T *control(const QString &name) { return child<T>(alt(), name); }
    bool shows(const QString &name) { return control(name)->isVisibleTo(alt()); }
    // Opens the window with the menu item of the active window.
    void open(const QString &menu = u"mnuAltutse"_s)
    {
        t->run(menu);
        QVERIFY(alt() && QTest::qWaitForWindowActive(alt()));
    }

private slots:
    // Lumba is logged in; a user change is stored at once, whatever the window is left with.
    void login_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("after");
        QTest::newRow("Kvarto, name filled in") << 1 << u"MirkTN"_s << u"ÅTKOMST=TOTAL"_s << 1;
        QTest::newRow("refused, then Ångra") << 3 << u"ulko"_s << u"Fel lösenord eller namn"_s << 2;
    }
    void login()
    {
        QFETCH(int, user);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(int, after);
        t->session.state.currentUser = 2;
        t->addPairs(Pairs);
        open();
        QVERIFY(control<QRadioButton>(u"optanv_2"_s)->isChecked()); // the user logged in
        t->run(u"tbsOptions=2 optanv_%1 cmdanv"_s.arg(user));
        QVERIFY(!shows(u"cmdOK"_s) && !alt()->unload()); // login mode: no way out but a login or "&Ångra"
        auto *passwordBox = control<QLineEdit>(u"txtLösen"_s);
        QVERIFY(passwordBox->hasFocus());
        auto *nameBox = control<QLineEdit>(u"txtNamn"_s);
        nameBox->setFocus(); // clicked into, the name shown is selected: typing replaces it
        QVERIFY(!nameBox->text().isEmpty() && nameBox->selectedText() == nameBox->text());
        passwordBox->setFocus();
        QCOMPARE(passwordBox->displayText(), u"Lösenord"_s); // in clear until typed over
        typeText(passwordBox, password.left(1));
        QCOMPARE(passwordBox->displayText(), u"*"_s);
        typeText(passwordBox, password.mid(1));
        pressEnter(passwordBox); // "Bekräfta ändring"
        QCOMPARE(t->dialogs.takeMessages(), QList{okBox(message)});
        t->run(u"Esc"_s); // "&Ångra" when refused, else "Avbryt"
        if (after == 2)   // the window is back as it opened
            QVERIFY(shows(u"cmdOK"_s) && control<QPushButton>(u"cmdOK"_s)->isDefault() &&
                    control(u"cmdOK"_s)->hasFocus());
        else
            QVERIFY(!alt());
        QCOMPARE(int(t->session.state.currentUser), after);
    }

    void standardUserNeedsNoLogin()
    {
        t->session.state.currentUser = 2;
        t->addPairs(Pairs);
        open();
        t->run(u"tbsOptions=2 optanv_0 cmdanv"_s);
        QCOMPARE(t->dialogs.takeMessages(), QList{okBox(u"Standard användare vald"_s)});
        QVERIFY(shows(u"cmdOK"_s));
        QCOMPARE(int(t->session.state.currentUser), 0);
    }

    void everyWayOutHandsTheListBack_data()
    {
        QTest::addColumn<bool>("practice");
        QTest::addColumn<bool>("ok");
        for (const bool practice : {false, true})
            for (const bool ok : {true, false})
                QTest::addRow("%s, %s", practice ? "practice" : "main", ok ? "OK" : "Avbryt")
                    << practice << ok;
    }
    void everyWayOutHandsTheListBack()
    {
        QFETCH(bool, practice);
        QFETCH(bool, ok);
        const QString menu = practice ? u"mnuAltSe"_s : u"mnuAltutse"_s;
        if (practice) {
            t->startPractice(Pairs);
            t->run(u"txteng=house Enter Enter"_s); // "Rätt!", "Nästa": katt
        } else {
            t->addPairs(Pairs);
        }
        open(menu);
        QVERIFY(!t->program.frmglos.loaded() && !t->program.frmOva.loaded()); // the opener gives way
        const QString choices = u"optklockan_0 tbsOptions=1 opglosggr_1 opGlos_1 optOrdn_1"_s;
        t->run(choices + (ok ? u" cmdOK"_s : u" cmdAvbryt"_s));
        QVERIFY(!alt());

        const AppState &s = t->session.state;
        QCOMPARE((QList<int>{s.showClock, s.endlessPractice, int(s.directionMode), int(s.currentDirection),
                             int(s.practiceOrder)}),
                 (ok ? QList{0, 1, 2, 1, 1} : QList{1, 0, 1, 0, 0}));
        QCOMPARE(t->session.wordCount(), 3);
        if (practice) // the same question, in the direction now in force
            QCOMPARE(child<QLabel>(t->program.frmOva.loaded(), u"frsv"_s)->text(), ok ? u"cat"_s : u"katt"_s);
        else
            QCOMPARE(t->listed(), (QStringList{u"hus"_s, u"katt"_s, u"öga"_s}));

        // The next opening shows what is stored.
        open(menu);
        for (const QString &name : choices.split(u' ').filter(u"_"_s)) // the buttons, not the tab
            QVERIFY2(control<QRadioButton>(name)->isChecked() == ok, qPrintable(name));
    }

    void ctrlTabCyclesThePages()
    {
        t->addPairs(Pairs);
        open();
        QVERIFY(control<QPushButton>(u"cmdOK"_s)->isDefault());
        QVERIFY(shows(u"picOptions_0"_s));
        const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> steps{
            {Qt::Key_Tab, Qt::ControlModifier, 1},
            {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 0},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2}, // round the end
            {Qt::Key_A, Qt::ControlModifier, 2},                           // other keys leave the page
        };
        for (const auto &[key, modifiers, page] : steps) {
            QTest::keyClick(alt()->focusWidget(), key, modifiers);
            QVERIFY(shows(u"picOptions_%1"_s.arg(page)));
        }
    }

    // Tick, "Ändra:", the dialog (none: cancelled), "OK". The check compares the colours in force, picked
    // else stored (main boxes 0x80000005, text 0x80000008; practice boxes 0x0080FFFF, text 0x80000008).
    void colors_data()
    {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<Color>("picked");
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<bool>("clash");
        QTest::newRow("green backgrounds")
            << u"chebak cheglos cheova"_s << Color(0x00FF00)
            << Stored{{EntryBack, 0x00FF00}, {PracticeBack, 0x00FF00}} << false;
        QTest::newRow("black practice text, not its boxes")
            << u"chetxtrut chetxt cheova"_s << Color(0) << Stored{{PracticeText, 0}} << false;
        QTest::newRow("cancelled") << u"chebak cheglos"_s << Color() << Stored{} << false;
        // "Ändra:" with nothing ticked asks for what and where first; a tick sets the caption back.
        QTest::newRow("nothing ticked first")
            << u"Command1 cheova chebak"_s << Color(0x00FF00) << Stored{{PracticeBack, 0x00FF00}} << false;
        QTest::newRow("where first, then boxes") << u"cheova Command1 chetxtrut"_s << Color(0x00FF00)
                                                 << Stored{{PracticeBoxBack, 0x00FF00}} << false;
        QTest::newRow("where first, then text")
            << u"cheglos Command1 chetxt"_s << Color(0x00FF00) << Stored{{EntryText, 0x00FF00}} << false;
        QTest::newRow("main boxes as stored text")
            << u"chetxtrut cheglos"_s << Color(0x80000008) << Stored{} << true;
        QTest::newRow("practice text as stored boxes")
            << u"chetxt cheova"_s << Color(0x0080FFFF) << Stored{} << true;
        // Compared as painted: the default text and boxes are the desktop's black and white.
        QTest::newRow("black main boxes, default text")
            << u"chetxtrut cheglos"_s << Color(0) << Stored{} << true;
        QTest::newRow("white main text, default boxes")
            << u"chetxt cheglos"_s << Color(0xFFFFFF) << Stored{} << true;
        // Ticking one of text and boxes unticks the other: only the boxes turn white.
        QTest::newRow("text, then boxes ticked")
            << u"chetxt chetxtrut cheglos"_s << Color(0xFFFFFF) << Stored{{EntryBoxBack, 0xFFFFFF}} << false;
        QTest::newRow("white practice text")
            << u"chetxt cheova"_s << Color(0xFFFFFF) << Stored{{PracticeText, 0xFFFFFF}} << false;
    }
    void colors()
    {
        QFETCH(QString, ticks);
        QFETCH(Color, picked);
        QFETCH(Stored, stored);
        QFETCH(bool, clash);
        const AppState start = t->session.state;
        t->addPairs(Pairs);
        open();
        t->run(ticks);
        t->dialogs.chooseColor(picked);
        t->run(u"Command1"_s);
        QCOMPARE(t->dialogs.takeColorRequests(), (QList{ColorRequest{u"Välj färg"_s, 0x00FF0000}}));
        QCOMPARE(control<QPushButton>(u"Command1"_s)->text(), ChangeColorCaption);
        t->run(u"optklockan_0 cmdOK"_s);
        if (clash) { // the window stays, and "Avbryt" stores nothing either
            QCOMPARE(t->dialogs.takeMessages(), QList{okBox(ColorClashText)});
            t->run(u"cmdAvbryt"_s);
        }
        QCOMPARE(t->session.state.showClock, clash);
        for (int slot = 0; slot < ColorSlotCount; ++slot)
            QCOMPARE(storedColor(t->session.state, ColorSlot(slot)),
                     stored.value(slot, storedColor(start, ColorSlot(slot))));
        if (stored.contains(EntryBack)) // the main window, loaded again, shows the new colour
            QCOMPARE(t->main().centralWidget()->palette().color(QPalette::Window), QColor(0, 0xFF, 0));
    }
};

QTEST_MAIN(TestFrmAlt)
#include "tst_frmalt.moc"
