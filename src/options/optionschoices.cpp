#include "options/optionschoices.h"

#include "options/colorsettings.h"
#include "platform/random.h"

namespace {
constexpr int DirectionModes = 6;
constexpr quint8 AlternatingPasses = 3; // "Varannan omgång"
constexpr quint8 RandomDirection = 4;   // "Slumpmässigt"

// The direction a mode starts with: 0 shows the Swedish word, 1 the English.
quint8 startingDirection(quint8 mode, RandomSource &random)
{
    switch (mode) {
    case 2:
    case 3:
    case 6:
        return 1;
    case RandomDirection:
        return quint8(random.below(2) == 0 ? 0 : 1); // as the practice engine draws it
    default:
        return 0;
    }
}
} // namespace

OptionsChoices choicesFromState(const AppState &state)
{
    OptionsChoices choices;
    choices.showClock = state.showClock != Bool16False;
    choices.endless = state.endlessPractice != Bool16False;
    if (state.directionMode >= 1 && state.directionMode <= DirectionModes)
        choices.direction = state.directionMode - 1;
    if (state.practiceOrder <= 1)
        choices.order = state.practiceOrder;
    return choices;
}

StoreResult storeChoices(AppState &state, const OptionsState &options, const OptionsChoices &choices,
                         RandomSource &random, const PaintedColor &painted)
{
    if (options.colorsChanged && colorsClash(state, options, painted))
        return StoreResult::ColorClash;

    state.showClock = toBool16(choices.showClock);
    state.endlessPractice = toBool16(choices.endless);
    if (choices.direction && *choices.direction >= 0 && *choices.direction < DirectionModes)
        state.directionMode = quint8(*choices.direction + 1);
    if (state.directionMode >= 1 && state.directionMode <= DirectionModes)
        state.currentDirection = startingDirection(state.directionMode, random);
    if (state.directionMode == AlternatingPasses)
        state.endlessPractice = Bool16True;
    state.practiceOrder = quint8(choices.order.value_or(0) == 1 ? 1 : 0);
    if (options.colorsChanged)
        applyPendingColors(state, options);
    return StoreResult::Stored;
}
