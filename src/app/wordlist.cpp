#include "app/wordlist.h"

WordPair WordList::pair(int number) const
{
    return holds(number) ? m_pairs[number - 1] : WordPair{};
}

void WordList::setPair(int number, const WordPair &pair)
{
    if (holds(number))
        m_pairs[number - 1] = pair;
}

bool WordList::append(const WordPair &pair)
{
    if (isFull())
        return false;
    m_pairs.append(pair);
    return true;
}

void WordList::removePair(int number)
{
    if (holds(number))
        m_pairs.removeAt(number - 1);
}

QStringList WordList::swedishWords() const
{
    QStringList words;
    for (const WordPair &pair : m_pairs)
        words.append(pair.swedish);
    return words;
}
