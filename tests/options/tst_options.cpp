#include "core/colorsettings.h"
#include "core/optionschoices.h"
#include "core/users.h"
#include "options/frmalt.h"
#include "support/testprogram.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {
const QString Three = u"glosor=hus=house|katt=cat|öga=eye "_s;
struct Choices {
    const char *name;
    OptionsChoices chosen; // clock, endless, direction button, order
    int drawn;
    QList<int> stored; // clock, endless, directionMode, currentDirection, order
};
} // namespace

class TestOptions : public WindowTest {
    Q_OBJECT

    FrmAlt *alt() const { return t->program.frmAlt.loaded(); }

private slots:
    // The user, the name and the password typed; whether they are let in, and what they are told.
    void login()
    {
        const QString wrong = u"no Fel lösenord eller namn"_s, lumba = u"yes Vald användare är:Lumba"_s;
        for (const Scenario &row :
             QList<Scenario>{{"standard user", "0||", "yes Standard användare vald"},
                             {"Kvarto", "1|Kvarto|MirkTN", "yes ÅTKOMST=TOTAL"},
                             {"Kvarto with a blank", "1|Kvarto |MirkTN", wrong},
                             {"Lumba, Tavel, any name", "2||Tavel", lumba},
                             {"Lumba, tavel", "2|Lumba|tavel", lumba},
                             {"lumba, tavel", "2|lumba|tavel", lumba},
                             {"LUMBA, tavel", "2|LUMBA|tavel", wrong},
                             {"Trevian as ulko", "3|ulko|ulko", "yes "},
                             {"Mirvel", "4|Mirvel|MirkTN", "no Du måste få ett lösenord först"},
                             {"Ponkel", "5|ulko|ulko", "no Du har inget lösenord ännu"}}) {
            NAME_ROW_ON_FAILURE(row);
            const QStringList typed = row.given.split(u'|');
            const LoginOutcome outcome = checkLogin(typed[0].toInt(), typed[1], typed[2]);
            QCOMPARE((outcome.accepted ? u"yes "_s : u"no "_s) + outcome.message, row.shown);
        }
    }

    // Mode 3 forces endless practice, mode 4 draws its starting direction; no button keeps mode 6.
    void okStoresTheChoices()
    {
        for (const Choices &row :
             QList<Choices>{{"Svenska till engelska", {true, false, 0, 0}, 1, {1, 0, 1, 0, 0}},
                            {"engelska till svenska", {false, true, 1, 1}, 0, {0, 1, 2, 1, 1}},
                            {"Varannan omgång", {true, false, 2, 1}, 0, {1, 1, 3, 1, 1}},
                            {"Slumpmässigt draws 0", {true, false, 3, 0}, 0, {1, 0, 4, 0, 0}},
                            {"Slumpmässigt draws 1", {false, false, 3, 0}, 1, {0, 0, 4, 1, 0}},
                            {"Byter alltid", {true, false, 4, 0}, 1, {1, 0, 5, 0, 0}},
                            {"Repetera", {true, false, 5, 1}, 0, {1, 0, 6, 1, 1}},
                            {"no button", {true, false, std::nullopt, 0}, 0, {1, 0, 6, 1, 0}}}) {
            NAME_ROW_ON_FAILURE(row);
            AppState s;
            s.applyStartDefaults();
            s.directionMode = DirectionMode::Repeat;
            s.currentDirection = Direction::English; // every mode sets its own
            ScriptedRandom random;
            random.push({row.drawn});
            QCOMPARE(storeChoices(s, {}, row.chosen, random, [](ColorValue value) { return value; }),
                     StoreResult::Stored);
            QCOMPARE((QList<int>{s.showClock, s.endlessPractice, int(s.directionMode),
                                 int(s.currentDirection), int(s.practiceOrder)}),
                     row.stored);
        }
    }

    // Lumba logged in; a user change is stored at once, whatever the window is left with. Shown: the boxes,
    // then the window's OK button ("-": gone), then the user.
    void logins_data()
    {
        const QString users = u"mnuAltutse tbsOptions=2 optanv_"_s;
        addRows<Scenario>({
            {"Kvarto logs in", users + "1 cmdanv txtLösen=MirkTN Enter Esc", "ÅTKOMST=TOTAL → - user 1"},
            {"refused, then Ångra", users + "3 cmdanv txtLösen=ulko Enter Esc",
             "Fel lösenord eller namn → cmdOK* @cmdOK user 2"},
            {"the standard user needs no login", users + "0 cmdanv",
             "Standard användare vald → cmdOK @cmdanv user 0"},
        });
    }
    void logins()
    {
        QFETCH(Scenario, row);
        t->run(Three + u"användare=2 "_s + row.given);
        QCOMPARE(t->log() + u" → "_s + (alt() ? t->screen(u"cmdOK"_s) : u"-"_s) + u" user "_s +
                     QString::number(t->session.state.currentUser),
                 row.shown);
    }

    // Ticks, "Ändra:", the colour picked ("-": cancelled), "OK": the colours stored (slot=value), or a clash:
    // the window stays, and "Avbryt" stores nothing either. Stored at the start: main boxes 0x80000005, text
    // 0x80000008; practice boxes 0x0080FFFF, text 0x80000008.
    void colors_data()
    {
        addRows<Scenario>({
            {"green backgrounds", "chebak cheglos cheova|00FF00", "0=ff00 3=ff00"},
            {"black practice text, not its boxes", "chetxtrut chetxt cheova|0", "5=0"},
            {"cancelled", "chebak cheglos|-", ""},
            // "Ändra:" with nothing ticked asks for what and where first; a tick sets the caption back.
            {"nothing ticked first", "Command1 cheova chebak|00FF00", "3=ff00"},
            {"where first, then boxes", "cheova Command1 chetxtrut|00FF00", "4=ff00"},
            {"where first, then text", "cheglos Command1 chetxt|00FF00", "2=ff00"},
            {"main boxes as stored text", "chetxtrut cheglos|80000008", "clash"},
            {"practice text as stored boxes", "chetxt cheova|0080FFFF", "clash"},
            // Compared as painted: the default text and boxes are the desktop's black and white.
            {"black main boxes, default text", "chetxtrut cheglos|0", "clash"},
            {"white main text, default boxes", "chetxt cheglos|FFFFFF", "clash"},
            // Ticking one of text and boxes unticks the other: only the boxes turn white.
            {"text, then boxes ticked", "chetxt chetxtrut cheglos|FFFFFF", "1=ffffff"},
            {"white practice text", "chetxt cheova|FFFFFF", "5=ffffff"},
        });
    }
    void colors()
    {
        QFETCH(Scenario, row);
        const AppState start = t->session.state;
        const QString picked = row.given.section(u'|', 1);
        t->run(Three + u"mnuAltutse optklockan_0 "_s + row.given.section(u'|', 0, 0) + u" Command1 färg="_s +
               (picked == u"-" ? QString() : u"0x"_s + picked) + u" cmdOK"_s);
        const bool clash = alt();
        QCOMPARE(t->log(),
                 u"<Välj färg ff0000>"_s +
                     (clash ? u'\n' + QString(ColorClashText).replace(u"\r\n"_s, u" | "_s) : QString()));
        QVERIFY(!clash || control<QPushButton>(u"Command1"_s)->text() == ChangeColorCaption);
        t->run(clash ? u"cmdAvbryt"_s : QString());
        QStringList stored;
        for (int slot = 0; slot < ColorSlotCount; ++slot)
            if (const ColorValue now = storedColor(t->session.state, ColorSlot(slot));
                now != storedColor(start, ColorSlot(slot)))
                stored << u"%1=%2"_s.arg(slot).arg(now, 0, 16);
        QCOMPARE(clash ? u"clash"_s : stored.join(u' '), row.shown);
        QVERIFY(stored.isEmpty() || !clash);
        QCOMPARE(t->session.state.showClock, clash);
    }

    // "Förhör den:" is kept in the store, not in the list; once the day has passed it switches itself off.
    void testDateStoredAndSwitchedOffWhenPast()
    {
        t->run(u"mnuAltutse tbsOptions=1 chkForhor cmdOK"_s);
        QCOMPARE(t->session.store().testDate(), t->clock.date.addDays(7)); // a week ahead unless chosen
        t->clock.date = t->clock.date.addDays(8);
        t->run(u"mnuAltutse tbsOptions=1"_s);
        QVERIFY(!control<QCheckBox>(u"chkForhor"_s)->isChecked());
        QVERIFY(!t->session.store().testDate().isValid());
        t->run(u"cmdAvbryt"_s);
    }

    void loginShowsTheUserAndHidesThePassword()
    {
        t->run(Three + u"användare=2 mnuAltutse"_s);
        QVERIFY(control<QRadioButton>(u"optanv_2"_s)->isChecked());
        t->run(u"tbsOptions=2 optanv_1 cmdanv txtLösen=M"_s);
        QCOMPARE(control<QLineEdit>(u"txtLösen"_s)->displayText(), u"*"_s);
    }

    void everyWayOutHandsTheListBack()
    {
        for (const QString &way : {u"mnuAltutse cmdOK"_s, u"mnuAltutse cmdAvbryt"_s, u"mnuAltSe cmdOK"_s,
                                   u"mnuAltSe cmdAvbryt"_s}) {
            const bool practice = way.startsWith(u"mnuAltSe"), ok = way.endsWith(u"OK");
            t = std::make_unique<TestProgram>();
            t->run(Three + (practice ? u"cmdOva txteng=house Enter Enter "_s : QString()) +
                   way.section(u' ', 0, 0));
            QVERIFY(alt() && !t->program.frmglos.loaded() &&
                    !t->program.frmOva.loaded()); // the opener gives way
            const QString choices = u"optklockan_0 tbsOptions=1 opglosggr_1 opGlos_1 optOrdn_1"_s;
            t->run(choices + u' ' + way.section(u' ', 1));
            const AppState &s = t->session.state;
            QCOMPARE((QList<int>{s.showClock, s.endlessPractice, int(s.directionMode),
                                 int(s.currentDirection), int(s.practiceOrder)}),
                     (ok ? QList{0, 1, 2, 1, 1} : QList{1, 0, 1, 0, 0}));
            // Practice asks the same question, in the direction now in force.
            QCOMPARE(practice ? t->screen(u"frsv"_s) : t->listed().join(u','),
                     practice ? (ok ? u"cat @txteng"_s : u"katt @txteng"_s) : u"hus,katt,öga"_s);
            t->run(way.section(u' ', 0, 0)); // the next opening shows what is stored
            for (const QString &name : choices.split(u' ').filter(u"_"_s))
                QVERIFY2(control<QRadioButton>(name)->isChecked() == ok, qPrintable(name));
        }
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
