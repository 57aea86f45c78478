#pragma once

#include "core/store.h"

class Session;

// What the program remembers of the learner's answers, through the session's store.

// Records an answer of a practice; a store that cannot take it is told of
// once per run, and practice goes on.
void recordAnswer(Session &session, const WordPair &pair, bool englishShown, ReviewOutcome outcome,
                  const QString &typed);
// A pair changed in the edit window takes its history along to its new words.
void carryHistory(Session &session, const WordPair &from, const WordPair &to);
// The pairs of the list due today or never answered, in list order, each once.
QList<WordPair> todaysPairs(Session &session);
// "Glöm framstegen": after a question, the list's pairs are new again; a store
// that cannot forget them is told of.
void forgetProgress(Session &session);
