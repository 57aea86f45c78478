#include "options/optionschoices.h"
#include "options/users.h"
#include "support/fakes.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The rules behind the options window; the window tests only check that the
// window feeds them and shows what they give.
class TestOptionsLogic : public QObject {
    Q_OBJECT

private slots:
    void login_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        const QString wrong = u"Fel lösenord eller namn"_s, lumba = u"Vald användare är:Lumba"_s;
        QTest::newRow("standard user") << 0 << u""_s << u""_s << true << u"Standard användare vald"_s;
        QTest::newRow("Kvarto") << 1 << u"Kvarto"_s << u"MirkTN"_s << true << u"ÅTKOMST=TOTAL"_s;
        QTest::newRow("Kvarto with a blank") << 1 << u"Kvarto "_s << u"MirkTN"_s << false << wrong;
        QTest::newRow("Lumba, Tavel, any name") << 2 << u""_s << u"Tavel"_s << true << lumba;
        QTest::newRow("Lumba, tavel") << 2 << u"Lumba"_s << u"tavel"_s << true << lumba;
        QTest::newRow("lumba, tavel") << 2 << u"lumba"_s << u"tavel"_s << true << lumba;
        QTest::newRow("LUMBA, tavel") << 2 << u"LUMBA"_s << u"tavel"_s << false << wrong;
        QTest::newRow("Trevian as ulko") << 3 << u"ulko"_s << u"ulko"_s << true << u""_s;
        QTest::newRow("Mirvel") << 4 << u"Mirvel"_s << u"MirkTN"_s << false
                                << u"Du måste få ett lösenord först"_s;
        QTest::newRow("Ponkel") << 5 << u"ulko"_s << u"ulko"_s << false << u"Du har inget lösenord ännu"_s;
    }
    void login()
    {
        QFETCH(int, user);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        const LoginOutcome outcome = checkLogin(user, name, password);
        QCOMPARE(outcome.accepted, accepted);
        QCOMPARE(outcome.message, message);
    }

    // Mode 3 forces endless practice, mode 4 draws its starting direction;
    // no button keeps the stored mode (here 6).
    void okStoresTheChoices_data()
    {
        using C = OptionsChoices; // clock, endless, direction button, order
        QTest::addColumn<OptionsChoices>("chosen");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<QList<int>>("stored"); // clock, endless, directionMode, currentDirection, order
        QTest::newRow("Svenska till engelska") << C{true, false, 0, 0} << 1 << QList{1, 0, 1, 0, 0};
        QTest::newRow("engelska till svenska") << C{false, true, 1, 1} << 0 << QList{0, 1, 2, 1, 1};
        QTest::newRow("Varannan omgång") << C{true, false, 2, 1} << 0 << QList{1, 1, 3, 1, 1};
        QTest::newRow("Slumpmässigt draws 0") << C{true, false, 3, 0} << 0 << QList{1, 0, 4, 0, 0};
        QTest::newRow("Slumpmässigt draws 1") << C{false, false, 3, 0} << 1 << QList{0, 0, 4, 1, 0};
        QTest::newRow("Byter alltid") << C{true, false, 4, 0} << 1 << QList{1, 0, 5, 0, 0};
        QTest::newRow("Repetera") << C{true, false, 5, 1} << 0 << QList{1, 0, 6, 1, 1};
        QTest::newRow("no button") << C{true, false, std::nullopt, 0} << 0 << QList{1, 0, 6, 1, 0};
    }
    void okStoresTheChoices()
    {
        QFETCH(OptionsChoices, chosen);
        QFETCH(int, drawn);
        QFETCH(QList<int>, stored);
        AppState state;
        state.applyStartDefaults();
        state.directionMode = DirectionMode::Repeat;
        state.currentDirection = Direction::English; // every mode sets its own
        ScriptedRandom random;
        random.push({drawn});
        QCOMPARE(storeChoices(state, OptionsState{}, chosen, random, [](ColorValue value) { return value; }),
                 StoreResult::Stored);
        QCOMPARE((QList<int>{state.showClock, state.endlessPractice, int(state.directionMode),
                             int(state.currentDirection), int(state.practiceOrder)}),
                 stored);

        // The next load shows what is stored, so "OK" without a touch keeps it.
        const OptionsChoices shown{chosen.showClock, stored[1] != 0, stored[2] - 1, stored[4]};
        QCOMPARE(choicesFromState(state), shown);
    }
};

QTEST_GUILESS_MAIN(TestOptionsLogic)
#include "tst_optionslogic.moc"
