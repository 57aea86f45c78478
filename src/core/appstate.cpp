#include "core/appstate.h"

void AppState::applyStartDefaults()
{
    showClock = true;
    endlessPractice = false;

    directionMode = DirectionMode::SwedishToEnglish;
    currentDirection = Direction::Swedish;

    // Blue windows; the boxes and their text in the desktop's window colours,
    // except the practice answer box, light yellow.
    entryColors = {0x00FF0000, 0x80000005, 0x80000008};
    practiceColors = {0x00FF0000, 0x0080FFFF, 0x80000008};
}
