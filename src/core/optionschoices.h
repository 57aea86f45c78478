#pragma once

#include "core/colorsettings.h"
#include "core/optionsstate.h"

#include <optional>

class RandomSource;

// What the options window's buttons say about the stored settings: the clock
// choice, one pass or endless, and the index of the chosen direction
// ("opGlos") and order ("optOrdn") button, none when no button is chosen.
struct OptionsChoices {
    bool showClock = true;
    bool endless = false;
    std::optional<int> direction;
    std::optional<int> order;

    friend bool operator==(const OptionsChoices &, const OptionsChoices &) = default;
};

// The buttons chosen when the window loads: the stored settings, the order
// included, so that "OK" without a touch keeps every setting.
OptionsChoices choicesFromState(const AppState &state);

enum class StoreResult { Stored, ColorClash };

// "OK": the colours are checked first, and when a window's text boxes would
// paint in the colour of their text, nothing at all is stored. Otherwise the
// clock, endless practice, the direction mode with its starting direction
// (mode 3 forces endless practice, mode 4 draws the direction), the order
// and the pending colours are stored.
StoreResult storeChoices(AppState &state, const OptionsState &options, const OptionsChoices &choices,
                         RandomSource &random, const PaintedColor &painted);
