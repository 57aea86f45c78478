#include "entry/frmglos.h"
#include "options/colorsettings.h"
#include "options/frmalt.h"
#include "practice/frmova.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>

using namespace Qt::StringLiterals;

namespace {
using InForce = QMap<int, ColorValue>; // slot -> colour after "OK"

struct Pick {
    QStringList ticks;
    std::optional<ColorValue> color; // none: the dialog is cancelled
};

const QList<WordPair> Pairs{{u"hus"_s, u"house"_s}, {u"katt"_s, u"cat"_s}, {u"öga"_s, u"eye"_s}};
const QStringList Users{
    u"Standard användare"_s, u"Kvarto"_s, u"Lumba"_s, u"Trevian"_s, u"Mirvel"_s, u"Ponkel"_s};
} // namespace

class TestFrmAlt : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> t;

    FrmAlt *alt() const { return t->program.frmAlt.loaded(); }
    template <class T = QWidget> T *control(const QString &name) { return child<T>(alt(), name); }
    bool shows(const QString &name) { return control(name)->isVisibleTo(alt()); }
    void click(const QString &name) { TestProgram::click(alt(), name.toUtf8().constData()); }
    void tick(const QString &name) // an option button or a check box
    {
        auto *button = alt() ? alt()->findChild<QAbstractButton *>(name) : nullptr;
        QVERIFY2(button, qPrintable(name));
        button->click();
    }
    void openFrom(QWidget *opener, const char *menu)
    {
        TestProgram::trigger(opener, menu);
        QVERIFY(alt());
        alt()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(alt()));
    }
    void openFromMain()
    {
        t->addPairs(Pairs);
        openFrom(&t->main(), "mnuAltutse");
    }
    void showPage(int index)
    {
        auto *tabs = control<QTabBar>(u"tbsOptions"_s);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    QString pagesInView() // "0": only the first page is on show
    {
        QString pages;
        for (int i = 0; i < 3; ++i)
            if (shows(u"picOptions_%1"_s.arg(i)))
                pages += QString::number(i);
        return pages;
    }
    void retype(QLineEdit *box, const QString &text)
    {
        box->setFocus(); // selects the whole text
        QTest::keyClick(box, Qt::Key_Backspace);
        typeText(box, text);
    }

private slots:
    void init() { t = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        VERIFY_NO_PENDING_DIALOGS(t->dialogs);
        t.reset();
    }

    void login_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("name"); // "*": the pre-filled name stays
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("after");
        const QString wrong = u"Fel lösenord eller namn"_s;
        QTest::newRow("standard user logs out")
            << 1 << 0 << u""_s << u""_s << u"Standard användare vald"_s << 0;
        QTest::newRow("Kvarto") << 0 << 1 << u"*"_s << u"MirkTN"_s << u"ÅTKOMST=TOTAL"_s << 1;
        QTest::newRow("Kvarto with a blank") << 2 << 1 << u"Kvarto "_s << u"MirkTN"_s << wrong << 2;
        QTest::newRow("Lumba, Tavel, no name")
            << 0 << 2 << u""_s << u"Tavel"_s << u"Vald användare är:Lumba"_s << 2;
        QTest::newRow("lumba, tavel")
            << 1 << 2 << u"lumba"_s << u"tavel"_s << u"Vald användare är:Lumba"_s << 2;
        QTest::newRow("LUMBA, tavel") << 1 << 2 << u"LUMBA"_s << u"tavel"_s << wrong << 1;
        QTest::newRow("Trevian, pre-filled name") << 1 << 3 << u"*"_s << u"ulko"_s << wrong << 1;
        QTest::newRow("Trevian as ulko") << 1 << 3 << u"ulko"_s << u"ulko"_s << u""_s << 3;
        QTest::newRow("Mirvel") << 1 << 4 << u"*"_s << u"MirkTN"_s << u"Du måste få ett lösenord först"_s
                                << 1;
        QTest::newRow("Ponkel") << 2 << 5 << u"ulko"_s << u"ulko"_s << u"Du har inget lösenord ännu"_s << 2;
    }
    void login()
    {
        QFETCH(int, before);
        QFETCH(int, user);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(int, after);
        t->program.state.currentUser = quint8(before);
        openFromMain();
        showPage(2);
        QVERIFY(control<QRadioButton>(u"optanv_%1"_s.arg(before))->isChecked());
        QCOMPARE(control<QRadioButton>(u"optanv_%1"_s.arg(user))->text(), Users[user]);
        tick(u"optanv_%1"_s.arg(user));
        QVERIFY(control<QPushButton>(u"cmdanv"_s)->isDefault());
        click(u"cmdanv"_s);

        auto *nameBox = control<QLineEdit>(u"txtNamn"_s);
        auto *passwordBox = control<QLineEdit>(u"txtLösen"_s);
        if (user != 0) { // login mode: no way out but a login or "&Ångra"
            for (const QString &hidden : {u"tbsOptions"_s, u"cmdOK"_s, u"cmdAvbryt"_s, u"cmdanv"_s})
                QVERIFY2(!shows(hidden), qPrintable(hidden));
            QVERIFY(!control(u"optanv_0"_s)->isEnabled());
            QVERIFY(!alt()->unload());
            QCOMPARE(nameBox->text(), Users[user]);
            QVERIFY(passwordBox->hasFocus());
            QCOMPARE(passwordBox->selectedText(), u"Lösenord"_s); // shown in clear until typed over
            QCOMPARE(passwordBox->displayText(), u"Lösenord"_s);
            if (name != u"*"_s)
                retype(nameBox, name);
            passwordBox->setFocus();
            typeText(passwordBox, password.left(1));
            QCOMPARE(passwordBox->displayText(), u"*"_s);
            typeText(passwordBox, password.mid(1));
            pressEnter(passwordBox); // "Bekräfta ändring"
        }
        QCOMPARE(t->dialogs.takeMessages(), message.isEmpty() ? QList<Message>{} : QList{okBox(message)});
        if (shows(u"cmdbyt"_s)) { // refused: both texts stay, and Esc is "&Ångra"
            QCOMPARE(passwordBox->text(), password);
            QTest::keyClick(passwordBox, Qt::Key_Escape);
        }
        QCOMPARE(int(t->program.state.currentUser), after);
        QVERIFY(shows(u"tbsOptions"_s) && !shows(u"cmdbyt"_s) && !shows(u"txtLösen"_s));
        QVERIFY(control(u"optanv_0"_s)->isEnabled());
        QVERIFY(control<QPushButton>(user == 0 ? u"cmdanv"_s : u"cmdOK"_s)->isDefault());
        QCOMPARE(control(u"cmdOK"_s)->hasFocus(), user != 0);
        click(u"cmdOK"_s);
        const QStringList captions{u""_s, u"   Användare:Kvarto"_s, u"   Användare:Lumba"_s, u""_s};
        QCOMPARE(t->main().windowTitle(), u"Kvartos Ordkvarn"_s + captions[after]);
    }

    void everyWayOutHandsTheListBack_data()
    {
        QTest::addColumn<bool>("practice");
        QTest::addColumn<QString>("way");
        for (const bool practice : {false, true}) {
            const char *opener = practice ? "practice" : "main";
            for (const QString &way : {u"cmdOK"_s, u"cmdAvbryt"_s, u"Esc"_s, u"close box"_s})
                QTest::addRow("%s, %s", opener, qPrintable(way)) << practice << way;
        }
    }
    void everyWayOutHandsTheListBack()
    {
        QFETCH(bool, practice);
        QFETCH(QString, way);
        if (practice) {
            FrmOva *ova = t->startPractice(Pairs);
            QVERIFY(ova);
            auto *answer = child<QLineEdit>(ova, u"txteng"_s);
            typeText(answer, u"house"_s);
            pressEnter(answer); // "Rätt!"
            pressEnter(answer); // "Nästa": katt
            openFrom(ova, "mnuAltSe");
        } else {
            openFromMain();
        }
        QVERIFY(!t->program.frmglos.loaded() && !t->program.frmOva.loaded());
        tick(u"optklockan_0"_s);
        QVERIFY(!shows(u"Tid"_s)); // at once in this window
        showPage(1);
        tick(u"opGlos_1"_s); // English shown
        if (way == u"close box"_s)
            QVERIFY(alt()->close());
        else if (way == u"Esc"_s)
            QTest::keyClick(alt()->focusWidget(), Qt::Key_Escape);
        else
            click(way);
        TestProgram::flushDeletes();
        QVERIFY(!alt());

        const bool stored = way == u"cmdOK"_s;
        QCOMPARE(t->program.state.showClock, stored ? Bool16False : Bool16True);
        QCOMPARE(t->program.state.wordCount, quint8(3));
        Form *opener =
            practice ? static_cast<Form *>(t->program.frmOva.loaded()) : t->program.frmglos.loaded();
        QVERIFY(opener && opener->isVisible());
        QCOMPARE(child<QLabel>(opener, u"Tid"_s)->isVisibleTo(opener), !stored);
        if (practice) { // the same question, in the direction now in force
            QCOMPARE(child<QLabel>(opener, u"frsv"_s)->text(), stored ? u"cat"_s : u"katt"_s);
            QVERIFY(child<QWidget>(opener, u"cmdKlar"_s)->isVisible());
            QCOMPARE(t->program.frmOva.loaded()->grid().pair(3), Pairs[2]);
        } else {
            QCOMPARE(t->listed(), (QStringList{u"hus"_s, u"katt"_s, u"öga"_s}));
            QCOMPARE(t->main().grid().pair(2), Pairs[1]);
        }
    }

    void okStoresTheChoices_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("clock");
        QTest::addColumn<int>("order");
        QTest::addColumn<QList<int>>("stored"); // directionMode, currentDirection, endlessPractice
        QTest::newRow("Svenska till engelska") << 0 << 1 << 1 << 0 << QList{1, 0, 0};
        QTest::newRow("engelska till svenska") << 1 << 0 << 1 << 1 << QList{2, 1, 0};
        QTest::newRow("Varannan omgång: endless") << 2 << 0 << 0 << 0 << QList{3, 1, -1};
        QTest::newRow("Slumpmässigt draws 0") << 3 << 0 << 1 << 1 << QList{4, 0, 0};
        QTest::newRow("Slumpmässigt draws 1") << 3 << 1 << 1 << 0 << QList{4, 1, 0};
        QTest::newRow("Byter alltid") << 4 << 1 << 0 << 1 << QList{5, 0, 0};
        QTest::newRow("Repetera") << 5 << 0 << 1 << 0 << QList{6, 1, 0};
    }
    void okStoresTheChoices()
    {
        QFETCH(int, direction);
        QFETCH(int, drawn);
        QFETCH(int, clock);
        QFETCH(int, order);
        QFETCH(QList<int>, stored);
        AppState &state = t->program.state;
        state.currentDirection = 1; // where the last practice stopped
        t->random.push({drawn});
        openFromMain();
        tick(u"optklockan_%1"_s.arg(clock));
        showPage(1);
        QVERIFY(control<QRadioButton>(u"opglosggr_0"_s)->isChecked());
        tick(u"opGlos_%1"_s.arg(direction));
        tick(u"optOrdn_%1"_s.arg(order));
        click(u"cmdOK"_s);
        QCOMPARE((QList<int>{state.directionMode, state.currentDirection, state.endlessPractice}), stored);
        QCOMPARE(state.showClock, clock == 1 ? Bool16True : Bool16False);
        QCOMPARE(int(state.practiceOrder), order);

        // The next opening shows what is stored, the order too.
        openFrom(&t->main(), "mnuAltutse");
        for (const QString &chosen : {u"optklockan_%1"_s.arg(clock), u"opGlos_%1"_s.arg(direction),
                                      u"optOrdn_%1"_s.arg(order), u"opglosggr_%1"_s.arg(stored[2] ? 1 : 0)})
            QVERIFY2(control<QRadioButton>(chosen)->isChecked(), qPrintable(chosen));
        QCOMPARE(shows(u"Tid"_s), clock == 1);
        click(u"cmdAvbryt"_s);
    }

    void ctrlTabCyclesThePages()
    {
        openFromMain();
        QCOMPARE(pagesInView(), u"0"_s);
        const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> steps{
            {Qt::Key_Tab, Qt::ControlModifier, 1},
            {Qt::Key_Tab, Qt::ControlModifier, 2},
            {Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier, 0},
            {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 2},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
            {Qt::Key_Tab, Qt::NoModifier, 1}, // plain Tab only moves the focus
        };
        for (const auto &[key, modifiers, page] : steps) {
            QTest::keyClick(alt()->focusWidget() ? alt()->focusWidget() : alt(), key, modifiers);
            QCOMPARE(pagesInView(), QString::number(page));
        }
        // In login mode the tab strip is hidden and the page stays.
        showPage(2);
        tick(u"optanv_4"_s);
        click(u"cmdanv"_s);
        QTest::keyClick(alt()->focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pagesInView(), u"2"_s);
        click(u"cmdBak"_s);
        click(u"cmdAvbryt"_s);
    }

    void colorFrameCaptionAndTicks()
    {
        openFromMain();
        auto *command1 = control<QPushButton>(u"Command1"_s);
        for (const QString &box : {u"chebak"_s, u"chetxtrut"_s, u"chetxt"_s, u"cheglos"_s, u"cheova"_s}) {
            click(u"Command1"_s); // nothing ticked: neither where nor what
            QCOMPARE(command1->text(), u"Välj var ändringen ska ske"_s);
            tick(box);
            QCOMPARE(command1->text(), u"Ändra:"_s);
            tick(box);
        }
        QVERIFY(t->dialogs.takeColorRequests().isEmpty());
        QVERIFY(!t->program.options.colorsChanged);
        tick(u"chetxt"_s);
        tick(u"chetxtrut"_s);
        QVERIFY(!control<QCheckBox>(u"chetxt"_s)->isChecked());
        tick(u"chetxt"_s);
        QVERIFY(!control<QCheckBox>(u"chetxtrut"_s)->isChecked());
        click(u"cmdAvbryt"_s);
    }

    void colors_data()
    {
        QTest::addColumn<QList<Pick>>("picks");
        QTest::addColumn<InForce>("inForce"); // empty and "clash": OK refuses
        QTest::addColumn<bool>("clash");
        const QStringList mainBoxes{u"chetxtrut"_s, u"cheglos"_s}, mainText{u"chetxt"_s, u"cheglos"_s};
        QTest::newRow("green backgrounds")
            << QList<Pick>{{{u"chebak"_s, u"cheglos"_s, u"cheova"_s}, 0x0000FF00}}
            << InForce{{EntryBack, 0x0000FF00}, {PracticeBack, 0x0000FF00}} << false;
        QTest::newRow("black practice text")
            << QList<Pick>{{{u"chetxt"_s, u"cheova"_s}, 0}} << InForce{{PracticeText, 0}} << false;
        QTest::newRow("cancelled") << QList<Pick>{{{u"chebak"_s, u"cheglos"_s}, std::nullopt}} << InForce{}
                                   << false;
        QTest::newRow("main boxes, then text alike")
            << QList<Pick>{{mainBoxes, 0x0000FFFF}, {mainText, 0x0000FFFF}} << InForce{} << true;
        QTest::newRow("practice text as its stored boxes")
            << QList<Pick>{{{u"chetxt"_s, u"cheova"_s}, 0x0080FFFF}} << InForce{} << true;
        QTest::newRow("text picked again")
            << QList<Pick>{{mainBoxes, 0x0000FFFF}, {mainText, 0x0000FFFF}, {mainText, 0x000000FF}}
            << InForce{{EntryBoxBack, 0x0000FFFF}, {EntryText, 0x000000FF}} << false;
    }
    void colors()
    {
        QFETCH(QList<Pick>, picks);
        QFETCH(InForce, inForce);
        QFETCH(bool, clash);
        AppState &state = t->program.state;
        const AppState start = state;
        openFromMain();
        for (const Pick &pick : picks) {
            for (const QString &box : pick.ticks)
                tick(box);
            t->dialogs.chooseColor(pick.color);
            click(u"Command1"_s);
            for (const QString &box : pick.ticks)
                tick(box); // unticked again
        }
        QCOMPARE(t->dialogs.takeColorRequests(),
                 QList<ColorRequest>(picks.size(), ColorRequest{u"Välj färg"_s, 0x00FF0000}));
        tick(u"optklockan_0"_s);
        click(u"cmdOK"_s);
        if (clash) { // nothing stored, and "Avbryt" changes nothing either
            QCOMPARE(t->dialogs.takeMessages(), QList{okBox(ColorClashText)});
            QVERIFY(alt());
            click(u"cmdAvbryt"_s);
        }
        QCOMPARE(state.showClock, clash ? Bool16True : Bool16False);
        for (int slot = 0; slot < ColorSlotCount; ++slot)
            QCOMPARE(storedColor(state, ColorSlot(slot)),
                     inForce.value(slot, storedColor(start, ColorSlot(slot))));

        // The colours show when the main and the practice window next load.
        QMap<int, QColor> painted;
        const auto look = [&](QMainWindow *window, int first, const QString &box) {
            painted[first] = window->centralWidget()->palette().color(QPalette::Window);
            painted[first + 1] = child<QWidget>(window, box)->palette().color(QPalette::Base);
            painted[first + 2] = child<QWidget>(window, box)->palette().color(QPalette::Text);
        };
        look(&t->main(), EntryBack, u"txtsv"_s);
        TestProgram::click(&t->main(), "cmdOva");
        look(t->program.frmOva.loaded(), PracticeBack, u"txteng"_s);
        for (auto [slot, color] : inForce.asKeyValueRange())
            QCOMPARE(painted[slot], QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int(color >> 16)));
    }
};

QTEST_MAIN(TestFrmAlt)
#include "tst_frmalt.moc"
