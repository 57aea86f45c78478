#pragma once

#include "core/wordlist.h"

#include <QtGlobal>

#include <array>

// The practice window object's own record. It belongs to the window object,
// not to its controls, so it survives every reload of the window and is never
// cleared: the four counts are totals for the whole run.
struct PracticeState {
    // The pairs practice asks from: a copy of the list taken when practice
    // starts, kept through a trip to the options window, so that a change
    // made elsewhere meanwhile does not move the question. Never written back.
    WordList snapshot;
    // The pairs missed (answered wrong, hinted or revealed while asked) and
    // not answered right at the first try without a hint since; pairs a
    // practice does not ask keep their state.
    QList<WordPair> missed;

    // Leading letters of the expected answer the hint has given so far. Wider
    // than 8 bits so that answers longer than 340 characters can be hinted.
    int hintLetters = 0;
    qint16 correctCount = 0; // right answers
    qint16 retryCount = 0;   // "Försök igen" after a wrong answer
    qint16 cheatCount = 0;   // answers revealed
    qint16 hintCount = 0;    // presses of "Glos hjälp"

    // Random order: positions 0 to poolSize - 1 hold the rows still to be
    // asked in the current pass; the positions behind them hold 0.
    std::array<quint8, 256> questionPool{};
    int poolSize = 0;
    // The current row was drawn from a pass that is still running. False
    // after list order, so that switching to random order mid-practice begins
    // a fresh pass instead of ending a pass that never started.
    bool inRandomPass = false;
};
