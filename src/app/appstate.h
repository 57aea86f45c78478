#pragma once

#include "platform/bool16.h"
#include "platform/colorvalue.h"

#include <QtGlobal>

// Which window opened the options window, and so gets the list back.
enum class OptionsCaller : quint8 { None, Glos, Ova };

// The program-wide record of settings and run-time state. Every field starts at
// zero; applyStartDefaults() gives the values a fresh start begins with. Nothing here
// is ever saved.
struct AppState {
    quint8 wordCount = 0;
    Bool16 showClock = Bool16False;
    OptionsCaller optionsCaller = OptionsCaller::None;
    Bool16 endlessPractice = Bool16False;
    quint8 directionMode = 0;
    quint8 currentDirection = 0;
    ColorValue entryBackColor = 0;
    ColorValue entryBoxBackColor = 0;
    ColorValue entryTextColor = 0;
    ColorValue practiceBackColor = 0;
    ColorValue practiceBoxBackColor = 0;
    ColorValue practiceTextColor = 0;
    quint8 fileDialogMode = 0;
    quint8 currentUser = 0;
    quint8 questionIndex = 0;
    quint8 practiceOrder = 0;

    // The start routine's settings (clock, practice direction, colours).
    void applyStartDefaults();
};
