#pragma once

#include "platform/colorvalue.h"

#include <QtGlobal>

// The program-wide settings and practice position. Every field starts at
// zero; applyStartDefaults() gives the values a fresh start begins with.
// Nothing here is ever saved.
struct AppState {
    bool showClock = false;           // the clock labels of the windows are shown
    bool endlessPractice = false;     // practice goes round without end, else one pass
    quint8 directionMode = 0;         // the direction setting, 1 to 6 as the options window lists them
    quint8 currentDirection = 0;      // the side of a pair that is asked: 0 the Swedish word, 1 the English
    ColorValue entryBackColor = 0;    // main window: window and labels
    ColorValue entryBoxBackColor = 0; // main window: text boxes and list box
    ColorValue entryTextColor = 0;    // main window: their text
    ColorValue practiceBackColor = 0; // practice window: window, labels and frame
    ColorValue practiceBoxBackColor = 0; // practice window: the answer box
    ColorValue practiceTextColor = 0;    // practice window: its text
    quint8 currentUser = 0;              // the logged-in user: 0 standard, 1 to 3 named
    quint8 questionIndex = 0;            // the number of the pair being asked
    quint8 practiceOrder = 0;            // 0 list order, 1 random order

    // The start routine's settings (clock, practice direction, colours).
    void applyStartDefaults();
};
