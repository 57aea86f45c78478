#pragma once

#include "core/appstate.h"
#include "core/wordlist.h"
#include "platform/printout.h"
#include "platform/random.h"

#include <QDate>

// "Skriv ut...": the numbered list, Swedish and English word of each pair.
Printout listPrintout(const WordList &list, QDate date);

// "Skriv ut förhör...": for each pair once, the word practice would show for
// it in a first pass with these options (direction mode and order, drawn
// from random where they draw), with a line to write the answer on; then,
// from a new page, the answer key.
Printout quizPrintout(const WordList &list, const AppState &options, RandomSource &random, QDate date);
