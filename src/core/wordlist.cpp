#include "core/wordlist.h"

namespace {
WordPair composedPair(const WordPair &pair)
{
    return {composed(pair.swedish), composed(pair.english)};
}
} // namespace

const WordPair &WordList::pair(int number) const
{
    Q_ASSERT(number >= 1 && number <= count());
    return m_pairs[number - 1];
}

void WordList::setPair(int number, const WordPair &pair)
{
    Q_ASSERT(number >= 1 && number <= count());
    m_pairs[number - 1] = composedPair(pair);
}

bool WordList::append(const WordPair &pair)
{
    if (isFull())
        return false;
    m_pairs.append(composedPair(pair));
    return true;
}

bool WordList::append(const QList<WordPair> &pairs)
{
    if (!hasRoomFor(pairs.size()))
        return false;
    m_pairs.reserve(m_pairs.size() + pairs.size());
    for (const WordPair &pair : pairs)
        m_pairs.append(composedPair(pair));
    return true;
}

void WordList::removePair(int number)
{
    Q_ASSERT(number >= 1 && number <= count());
    m_pairs.removeAt(number - 1);
}

QStringList WordList::swedishWords() const
{
    QStringList words;
    words.reserve(m_pairs.size());
    for (const WordPair &pair : m_pairs)
        words.append(pair.swedish);
    return words;
}
