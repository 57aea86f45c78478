#pragma once

#include "core/wordlist.h"

#include <QList>

// The pairs of list, in list order and each once, that are among missed:
// what "Öva på missade glosor" practises. A pair is matched by both words,
// so a pair changed or removed since it was missed is not practised.
QList<WordPair> missedInList(const WordList &list, const QList<WordPair> &missed);
