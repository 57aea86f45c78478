#pragma once

#include "core/appstate.h"

#include <array>
#include <optional>

// The six colour settings, in the order the options window numbers them:
// background, text boxes and text of the main window, then of the practice
// window.
enum ColorSlot {
    EntryBack,
    EntryBoxBack,
    EntryText,
    PracticeBack,
    PracticeBoxBack,
    PracticeText,
    ColorSlotCount
};

// The options window object's own fields. They belong to the window object,
// not to its controls, so they survive every reload of the window and are
// never cleared.
struct OptionsState {
    // The user whose login the users page is asking for.
    quint8 chosenUser = 0;
    // Colours picked but not yet stored, by slot; "none" is kept apart from
    // the value 0 so that black can be picked.
    std::array<std::optional<ColorValue>, ColorSlotCount> pendingColors{};
    // A colour change was started with "Ändra:" at some time in this run.
    bool colorsChanged = false;
};
