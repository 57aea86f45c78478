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
    choices.showClock = state.showClock;
    choices.endless = state.endlessPractice;
    if (state.directionMode >= 1 && state.directionMode <= DirectionModes)
        choices.direction = state.directionMode - 1;
    if (state.practiceOrder <= 1)
        choices.order = state.practiceOrder;
    return choices;
}

StoreResult storeChoices(AppState &state, const OptionsState &options, const OptionsChoices &choices,
                         RandomSource &random)
{
    if (options.colorsChanged && colorsClash(state, options))
        return StoreResult::ColorClash;

    state.showClock = choices.showClock;
    state.endlessPractice = choices.endless;
    if (choices.direction && *choices.direction >= 0 && *choices.direction < DirectionModes)
        state.directionMode = quint8(*choices.direction + 1);
    if (state.directionMode >= 1 && state.directionMode <= DirectionModes)
        state.currentDirection = startingDirection(state.directionMode, random);
    if (state.directionMode == AlternatingPasses)
        state.endlessPractice = true;
    state.practiceOrder = quint8(choices.order.value_or(0) == 1 ? 1 : 0);
    if (options.colorsChanged)
        applyPendingColors(state, options);
    return StoreResult::Stored;
}
