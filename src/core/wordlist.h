#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Why a pair cannot be added to a full list.
inline const QString ListFullText = QStringLiteral("Gloslistan är full. Den rymmer högst 255 glosor.");

// The form words are kept and compared in: composed (Unicode NFC).
inline QString composed(const QString &word)
{
    return word.normalized(QString::NormalizationForm_C);
}

// One pair of the word list: a Swedish word and its English translation.
struct WordPair {
    QString swedish;
    QString english;

    friend bool operator==(const WordPair &, const WordPair &) = default;
};

// The word list: its pairs in order, numbered from 1 as the user sees them.
// Callers check a number against count() before they use it. Words are kept
// composed (Unicode NFC), however they came, so that a letter pasted as base
// and mark is the same word as the one typed.
class WordList {
public:
    static constexpr int MaxPairs = 255; // the practice position is 8 bits wide
    // The longest word any word file can hold: a record is at most 255 bytes,
    // two of them the length. Text boxes take no more, imports skip longer ones.
    static constexpr int MaxWordLength = 253;

    int count() const { return int(m_pairs.size()); }
    bool isFull() const { return count() >= MaxPairs; }
    const QList<WordPair> &pairs() const { return m_pairs; }

    const WordPair &pair(int number) const;
    void setPair(int number, const WordPair &pair);

    // Whether that many more pairs fit the list: the one rule of every
    // command that adds pairs.
    bool hasRoomFor(qsizetype pairs) const { return pairs <= MaxPairs - count(); }
    // False (and nothing changed) when the pairs do not fit.
    bool append(const WordPair &pair);
    bool append(const QString &swedish, const QString &english) { return append({swedish, english}); }
    bool append(const QList<WordPair> &pairs);
    // The pairs below move up one number.
    void removePair(int number);
    void clear() { m_pairs.clear(); }
    // Room for that many pairs, so that filling the list allocates once.
    void reserve(int pairs) { m_pairs.reserve(pairs); }

    // The Swedish words in list order.
    QStringList swedishWords() const;

    friend bool operator==(const WordList &, const WordList &) = default;

private:
    QList<WordPair> m_pairs;
};
