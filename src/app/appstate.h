#pragma once

#include <QString>
#include <QtGlobal>

// Booleans of the shared state are 16-bit: -1 is true, 0 is false.
using VbBool = qint16;
inline constexpr VbBool VbTrue = -1;
inline constexpr VbBool VbFalse = 0;

// Colour values: 0x00BBGGRR for a plain colour, 0x800000NN for system colour NN.
using ColorValue = quint32;

// The program-wide record of settings and run-time state. Every field starts at
// zero; startDefaults() gives the values a fresh start begins with. Nothing here
// is ever saved.
struct AppState {
    quint8 wordCount = 0;
    VbBool showClock = VbFalse;
    QString optionsCaller;
    VbBool endlessPractice = VbFalse;
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
