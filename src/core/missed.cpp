#include "core/missed.h"

QList<WordPair> missedInList(const WordList &list, const QList<WordPair> &missed)
{
    QList<WordPair> found;
    for (const WordPair &pair : list.pairs()) {
        if (missed.contains(pair) && !found.contains(pair))
            found.append(pair);
    }
    return found;
}
