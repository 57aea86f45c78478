#include "core/optionschoices.h"

#include "core/colorsettings.h"
#include "platform/random.h"

namespace {
// The direction a mode starts with.
Direction startingDirection(DirectionMode mode, RandomSource &random)
{
    switch (mode) {
    case DirectionMode::EnglishToSwedish:
    case DirectionMode::AlternatePasses:
    case DirectionMode::Repeat:
        return Direction::English;
    case DirectionMode::Random: // as the practice engine draws it
        return random.below(2) == 0 ? Direction::Swedish : Direction::English;
    default:
        return Direction::Swedish;
    }
}

bool isMode(DirectionMode mode)
{
    return int(mode) >= 1 && int(mode) <= DirectionModeCount;
}
} // namespace

OptionsChoices choicesFromState(const AppState &state)
{
    OptionsChoices choices;
    choices.showClock = state.showClock;
    choices.endless = state.endlessPractice;
    if (isMode(state.directionMode))
        choices.direction = int(state.directionMode) - 1;
    choices.order = int(state.practiceOrder);
    return choices;
}

StoreResult storeChoices(AppState &state, const OptionsState &options, const OptionsChoices &choices,
                         RandomSource &random, const PaintedColor &painted)
{
    if (options.colorsChanged && colorsClash(state, options, painted))
        return StoreResult::ColorClash;

    state.showClock = choices.showClock;
    state.endlessPractice = choices.endless;
    if (choices.direction && *choices.direction >= 0 && *choices.direction < DirectionModeCount)
        state.directionMode = DirectionMode(*choices.direction + 1);
    if (isMode(state.directionMode))
        state.currentDirection = startingDirection(state.directionMode, random);
    if (state.directionMode == DirectionMode::AlternatePasses)
        state.endlessPractice = true;
    state.practiceOrder = choices.order.value_or(0) == 1 ? PracticeOrder::Random : PracticeOrder::List;
    if (options.colorsChanged)
        applyPendingColors(state, options);
    return StoreResult::Stored;
}
