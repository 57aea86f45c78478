#include "options/colorsettings.h"
#include "options/optionschoices.h"
#include "options/users.h"
#include "support/fakes.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
using Pending = QMap<int, ColorValue>; // slot -> picked colour

constexpr ColorValue Yellow = 0x0000FFFF;
constexpr ColorValue Black = 0;

// Every setting "OK" may write, for comparing a whole state at once.
QString settings(const AppState &s)
{
    QStringList colors;
    for (int slot = 0; slot < ColorSlotCount; ++slot)
        colors << QString::number(storedColor(s, ColorSlot(slot)), 16);
    return u"clock %1 endless %2 mode %3 dir %4 order %5 colors %6"_s.arg(s.showClock)
        .arg(s.endlessPractice)
        .arg(s.directionMode)
        .arg(s.currentDirection)
        .arg(s.practiceOrder)
        .arg(colors.join(u' '));
}

AppState started()
{
    AppState state;
    state.applyStartDefaults();
    return state;
}
} // namespace

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
        const QString wrong = u"Fel lösenord eller namn"_s;
        QTest::newRow("standard: no login") << 0 << u""_s << u""_s << true << u"Standard användare vald"_s;
        QTest::newRow("Kvarto") << 1 << u"Kvarto"_s << u"MirkTN"_s << true << u"ÅTKOMST=TOTAL"_s;
        QTest::newRow("Kvarto, blank after name") << 1 << u"Kvarto "_s << u"MirkTN"_s << false << wrong;
        QTest::newRow("Kvarto, password case") << 1 << u"Kvarto"_s << u"mirktn"_s << false << wrong;
        QTest::newRow("Kvarto, texts swapped") << 1 << u"MirkTN"_s << u"Kvarto"_s << false << wrong;
        QTest::newRow("Kvarto, texts run together") << 1 << u"KvartoM"_s << u"irkTN"_s << false << wrong;
        QTest::newRow("Kvarto, Lumba's password") << 1 << u"Kvarto"_s << u"Tavel"_s << false << wrong;
        const QString lumba = u"Vald användare är:Lumba"_s;
        QTest::newRow("Lumba, Tavel, any name") << 2 << u"vem som helst"_s << u"Tavel"_s << true << lumba;
        QTest::newRow("Lumba, Tavel, no name") << 2 << u""_s << u"Tavel"_s << true << lumba;
        QTest::newRow("Lumba, tavel") << 2 << u"Lumba"_s << u"tavel"_s << true << lumba;
        QTest::newRow("lumba, tavel") << 2 << u"lumba"_s << u"tavel"_s << true << lumba;
        QTest::newRow("LUMBA, tavel") << 2 << u"LUMBA"_s << u"tavel"_s << false << wrong;
        QTest::newRow("Lumba, tavel, blank") << 2 << u"Lumba"_s << u"tavel "_s << false << wrong;
        QTest::newRow("other name, tavel") << 2 << u"Kvarto"_s << u"tavel"_s << false << wrong;
        QTest::newRow("Trevian, pre-filled name") << 3 << u"Trevian"_s << u"ulko"_s << false << wrong;
        QTest::newRow("Trevian") << 3 << u"ulko"_s << u"ulko"_s << true << u""_s;
        QTest::newRow("Trevian, name case") << 3 << u"Ulko"_s << u"ulko"_s << false << wrong;
        QTest::newRow("Trevian, Kvarto's login") << 3 << u"Kvarto"_s << u"MirkTN"_s << false << wrong;
        QTest::newRow("Mirvel") << 4 << u"Mirvel"_s << u"Tavel"_s << false
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
        QCOMPARE(checkLogin(user, name, password), (LoginOutcome{accepted, message}));
    }

    void colorPicks_data()
    {
        QTest::addColumn<ColorTargets>("targets");
        QTest::addColumn<std::optional<ColorValue>>("chosen");
        QTest::addColumn<QList<ColorSlot>>("targeted"); // empty: no dialog, nothing started
        QTest::newRow("what, no where")
            << ColorTargets{true, true, false, false, false} << std::optional(Yellow) << QList<ColorSlot>{};
        QTest::newRow("where, no what")
            << ColorTargets{false, false, false, true, true} << std::optional(Yellow) << QList<ColorSlot>{};
        QTest::newRow("background in both") << ColorTargets{true, false, false, true, true}
                                            << std::optional(Yellow) << QList{EntryBack, PracticeBack};
        QTest::newRow("boxes and text, main") << ColorTargets{false, true, true, true, false}
                                              << std::optional(Yellow) << QList{EntryBoxBack, EntryText};
        QTest::newRow("black text, practice")
            << ColorTargets{false, false, true, false, true} << std::optional(Black) << QList{PracticeText};
        QTest::newRow("cancelled") << ColorTargets{false, true, false, false, true}
                                   << std::optional<ColorValue>() << QList{PracticeBoxBack};
    }
    void colorPicks()
    {
        QFETCH(ColorTargets, targets);
        QFETCH(std::optional<ColorValue>, chosen);
        QFETCH(QList<ColorSlot>, targeted);
        ScriptedDialogs dialogs;
        dialogs.chooseColor(chosen);
        OptionsState options;
        QCOMPARE(pickColor(options, targets, dialogs), !targeted.isEmpty());
        QCOMPARE(options.colorsChanged, !targeted.isEmpty());
        const QList<ColorRequest> asked =
            targeted.isEmpty() ? QList<ColorRequest>{} : QList{ColorRequest{u"Välj färg"_s, 0x00FF0000}};
        QCOMPARE(dialogs.takeColorRequests(), asked);
        for (int slot = 0; slot < ColorSlotCount; ++slot) {
            const bool picked = chosen && targeted.contains(ColorSlot(slot));
            QCOMPARE(options.pendingColors[std::size_t(slot)], picked ? chosen : std::nullopt);
        }
    }

    // Pending colours are given as slot -> colour; the stored ones are the start values.
    void colorCheck_data()
    {
        QTest::addColumn<Pending>("pending");
        QTest::addColumn<bool>("clash");
        QTest::newRow("start colours") << Pending{} << false;
        QTest::newRow("main boxes = text, both picked")
            << Pending{{EntryBoxBack, Yellow}, {EntryText, Yellow}} << true;
        QTest::newRow("main boxes = stored text") << Pending{{EntryBoxBack, 0x80000008}} << true;
        QTest::newRow("practice text = stored boxes") << Pending{{PracticeText, 0x0080FFFF}} << true;
        QTest::newRow("practice both black") << Pending{{PracticeBoxBack, 0}, {PracticeText, 0}} << true;
        QTest::newRow("background = text") << Pending{{EntryBack, 0x80000008}} << false;
        QTest::newRow("boxes of one, text of the other")
            << Pending{{EntryBoxBack, Yellow}, {PracticeText, Yellow}} << false;
    }
    void colorCheck()
    {
        QFETCH(Pending, pending);
        QFETCH(bool, clash);
        OptionsState options;
        options.colorsChanged = true;
        for (auto [slot, color] : pending.asKeyValueRange())
            options.pendingColors[std::size_t(slot)] = color;
        AppState state = started();
        QCOMPARE(colorsClash(state, options), clash);

        // "OK" stores nothing at all on a clash, and everything otherwise.
        AppState expected = started();
        expected.showClock = Bool16False;
        expected.practiceOrder = 1;
        if (!clash)
            applyPendingColors(expected, options);
        const OptionsChoices choices{false, false, 0, 1};
        ScriptedRandom random;
        QCOMPARE(storeChoices(state, options, choices, random),
                 clash ? StoreResult::ColorClash : StoreResult::Stored);
        QCOMPARE(settings(state), settings(clash ? started() : expected));
        for (auto [slot, color] : pending.asKeyValueRange())
            QCOMPARE(storedColor(state, ColorSlot(slot)),
                     clash ? storedColor(started(), ColorSlot(slot)) : color);
    }

    void storedChoices_data()
    {
        QTest::addColumn<OptionsChoices>("choices");
        QTest::addColumn<int>("drawn"); // what the random source answers
        QTest::addColumn<QString>("stored");
        const auto pick = [](bool clock, bool endless, std::optional<int> direction,
                             std::optional<int> order) {
            return OptionsChoices{clock, endless, direction, order};
        };
        const QString colors = u"colors ff0000 80000005 80000008 ff0000 80ffff 80000008"_s;
        const auto row = [&](const char *name, OptionsChoices choices, int drawn, const QString &stored) {
            QTest::newRow(name) << choices << drawn << stored + u' ' + colors;
        };
        row("Svenska till engelska", pick(true, false, 0, 0), 0,
            u"clock -1 endless 0 mode 1 dir 0 order 0"_s);
        row("engelska till svenska", pick(true, false, 1, 0), 0,
            u"clock -1 endless 0 mode 2 dir 1 order 0"_s);
        row("Varannan omgång forces endless", pick(true, false, 2, 0), 0,
            u"clock -1 endless -1 mode 3 dir 1 order 0"_s);
        row("Slumpmässigt draws 0", pick(true, true, 3, 0), 0, u"clock -1 endless -1 mode 4 dir 0 order 0"_s);
        row("Slumpmässigt draws 1", pick(true, false, 3, 0), 1, u"clock -1 endless 0 mode 4 dir 1 order 0"_s);
        row("Byter alltid", pick(false, false, 4, 1), 0, u"clock 0 endless 0 mode 5 dir 0 order 1"_s);
        row("Repetera", pick(true, false, 5, 1), 0, u"clock -1 endless 0 mode 6 dir 1 order 1"_s);
        row("no direction chosen", pick(true, false, {}, {}), 0,
            u"clock -1 endless 0 mode 1 dir 0 order 0"_s);
    }
    void storedChoices()
    {
        QFETCH(OptionsChoices, choices);
        QFETCH(int, drawn);
        QFETCH(QString, stored);
        AppState state = started();
        state.currentDirection = 1; // the mode's starting direction replaces where practice stopped
        ScriptedRandom random;
        random.push({drawn});
        QCOMPARE(storeChoices(state, OptionsState{}, choices, random), StoreResult::Stored);
        QCOMPARE(settings(state), stored);
    }

    void loadShowsTheStoredSettings()
    {
        AppState state = started();
        QCOMPARE(choicesFromState(state), (OptionsChoices{true, false, 0, 0}));
        state.showClock = Bool16False;
        state.endlessPractice = Bool16True;
        state.directionMode = 6;
        state.practiceOrder = 1;
        QCOMPARE(choicesFromState(state), (OptionsChoices{false, true, 5, 1}));
        state.directionMode = 0;
        QCOMPARE(choicesFromState(state).direction, std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestOptionsLogic)
#include "tst_optionslogic.moc"
