#include "app/appstate.h"

void AppState::applyStartDefaults()
{
    showClock = true;
    endlessPractice = false;

    directionMode = 1;
    currentDirection = 0;

    entryBackColor = 0x00FF0000;       // blue
    entryBoxBackColor = 0x80000005;    // desktop window background
    entryTextColor = 0x80000008;       // desktop window text
    practiceBackColor = 0x00FF0000;    // blue
    practiceBoxBackColor = 0x0080FFFF; // light yellow
    practiceTextColor = 0x80000008;    // desktop window text
}
