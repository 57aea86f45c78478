#include "options/colorsettings.h"
#include "options/optionschoices.h"
#include "options/users.h"
#include "support/fakes.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The window tests go through the users, modes and picks one by one; these
// cases are the ones a window cannot easily reach.
class TestOptionsLogic : public QObject {
    Q_OBJECT

    using Pending = QMap<int, ColorValue>; // slot -> picked colour

    static AppState started()
    {
        AppState state;
        state.applyStartDefaults();
        return state;
    }
    // Every setting "OK" may write.
    static QList<qint64> settings(const AppState &s)
    {
        QList<qint64> all{s.showClock, s.endlessPractice, s.directionMode, s.currentDirection,
                          s.practiceOrder};
        for (int slot = 0; slot < ColorSlotCount; ++slot)
            all << storedColor(s, ColorSlot(slot));
        return all;
    }

private slots:
    void loginDigests_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Kvarto") << 1 << u"Kvarto"_s << u"MirkTN"_s << true;
        QTest::newRow("texts swapped") << 1 << u"MirkTN"_s << u"Kvarto"_s << false;
        QTest::newRow("texts run together") << 1 << u"KvartoM"_s << u"irkTN"_s << false;
        QTest::newRow("Lumba's any-name password") << 1 << u"Kvarto"_s << u"Tavel"_s << false;
        QTest::newRow("Lumba, any name") << 2 << u"Kvarto"_s << u"Tavel"_s << true;
        QTest::newRow("Lumba, tavel, other name") << 2 << u"Kvarto"_s << u"tavel"_s << false;
        QTest::newRow("Trevian, Kvarto's login") << 3 << u"Kvarto"_s << u"MirkTN"_s << false;
        QTest::newRow("outside the table") << 6 << u"ulko"_s << u"ulko"_s << false;
    }
    void loginDigests()
    {
        QFETCH(int, user);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        QCOMPARE(checkLogin(user, name, password).accepted, accepted);
    }

    // Start colours: main boxes 0x80000005, its text 0x80000008; practice boxes 0x0080FFFF, text 0x80000008.
    void colorCheckUsesTheColoursInForce_data()
    {
        QTest::addColumn<Pending>("pending");
        QTest::addColumn<bool>("clash");
        QTest::newRow("nothing picked") << Pending{} << false;
        QTest::newRow("main boxes as stored text") << Pending{{EntryBoxBack, 0x80000008}} << true;
        QTest::newRow("practice text as stored boxes") << Pending{{PracticeText, 0x0080FFFF}} << true;
        QTest::newRow("both black") << Pending{{PracticeBoxBack, 0}, {PracticeText, 0}} << true;
        QTest::newRow("background as text") << Pending{{EntryBack, 0x80000008}} << false;
        QTest::newRow("boxes of one, text of the other")
            << Pending{{EntryBoxBack, 1}, {PracticeText, 1}} << false;
    }
    void colorCheckUsesTheColoursInForce()
    {
        QFETCH(Pending, pending);
        QFETCH(bool, clash);
        OptionsState options;
        options.colorsChanged = true;
        AppState expected = started();
        expected.showClock = Bool16False;
        for (auto [slot, color] : pending.asKeyValueRange())
            options.pendingColors[std::size_t(slot)] = color;
        applyPendingColors(expected, options);
        AppState state = started();
        ScriptedRandom random;
        const OptionsChoices choices{false, false, 0, 0};
        QCOMPARE(storeChoices(state, options, choices, random) == StoreResult::ColorClash, clash);
        QCOMPARE(settings(state), settings(clash ? started() : expected)); // all or nothing
    }

    void storingWhatLoadShowedKeepsEverySetting()
    {
        AppState state = started();
        state.showClock = Bool16False;
        state.endlessPractice = Bool16True;
        state.directionMode = 6;
        state.currentDirection = 1;
        state.practiceOrder = 1;
        const QList<qint64> before = settings(state);
        ScriptedRandom random;
        QCOMPARE(storeChoices(state, OptionsState{}, choicesFromState(state), random), StoreResult::Stored);
        QCOMPARE(settings(state), before);

        storeChoices(state, OptionsState{}, OptionsChoices{false, true, 6, 1}, random); // no seventh mode
        QCOMPARE(settings(state), before);

        state.directionMode = 0; // no direction button to show, so no mode is stored
        QCOMPARE(choicesFromState(state).direction, std::nullopt);
        storeChoices(state, OptionsState{}, choicesFromState(state), random);
        QCOMPARE(settings(state), before.mid(0, 2) + QList<qint64>{0} + before.mid(3));
    }
};

QTEST_GUILESS_MAIN(TestOptionsLogic)
#include "tst_optionslogic.moc"
