#pragma once

#include "platform/colorvalue.h"

#include <QtGlobal>

// How practice chooses the side of a pair it asks, as the options window
// lists the six choices from 1 (0: none chosen yet).
enum class DirectionMode : quint8 {
    SwedishToEnglish = 1, // "Svenska till engelska"
    EnglishToSwedish,     // "engelska till svenska"
    AlternatePasses,      // "Varannan omgång": the direction turns at the end of each pass
    Random,               // "Slumpmässigt": drawn for every word
    AlwaysSwap,           // "Byter alltid": turns after every right answer
    Repeat,               // "Repetera": each word English side first, then Swedish side
};
inline constexpr int DirectionModeCount = 6;

// The order the pairs are asked in.
enum class PracticeOrder : quint8 { List, Random };

// The side of a pair shown as the question; the other side is the answer.
enum class Direction : quint8 { Swedish, English };

constexpr Direction opposite(Direction direction)
{
    return direction == Direction::Swedish ? Direction::English : Direction::Swedish;
}

// The colours of a window: its background with its labels, its text boxes
// and their text.
struct WindowColors {
    ColorValue back = 0;
    ColorValue boxBack = 0;
    ColorValue text = 0;

    friend bool operator==(const WindowColors &, const WindowColors &) = default;
};

// The program-wide settings and practice position. Every field starts at
// zero; applyStartDefaults() gives the values a fresh start begins with.
// Nothing here is ever saved.
struct AppState {
    bool showClock = false;                          // the clock labels of the windows are shown
    bool endlessPractice = false;                    // practice goes round without end, else one pass
    DirectionMode directionMode{};                   // the direction setting of the options window
    Direction currentDirection = Direction::Swedish; // the side asked now
    WindowColors entryColors;                        // the main window
    WindowColors practiceColors;                     // the practice window; its back also behind the word
    quint8 currentUser = 0;                          // the logged-in user: 0 standard, 1 to 3 named
    quint8 questionIndex = 0;                        // the number of the pair being asked
    PracticeOrder practiceOrder = PracticeOrder::List;

    // The start routine's settings (clock, practice direction, colours).
    void applyStartDefaults();
};
