#pragma once

#include "core/wordlist.h"
#include "files/fileoutcome.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The word file (.gls): a file of fixed-length records. Byte 0, the header
// byte N = 2 × pairs + 1, is both the record length and the number of the last
// record. Record r (2 to N) starts at byte (r − 1) × N and holds word k = r − 1:
// a little-endian 16-bit byte count, then the word in Windows-1252. Odd k is
// the Swedish word of pair (k + 1) / 2, even k its English word. A count of 0
// marks a missing word.

namespace WordFile {
inline constexpr int MaxPairs = 127;         // the header byte 2 × pairs + 1 is 8 bits wide
inline constexpr qsizetype MaxBytes = 65025; // 255 × 255: record 255 ends there
inline constexpr int LengthSize = 2;

// The longest word, in bytes, that a file of pairCount pairs can hold.
constexpr int maxWordBytes(int pairCount)
{
    return 2 * pairCount - 1;
}
} // namespace WordFile

// What a file holds, word by word. Nothing here is longer than the record it
// came from or than the bytes the file has.
struct WordFileContent {
    quint8 header = 0; // N; 0 for an empty file
    // Words 1 to N − 1 in file order; nothing where a word is missing.
    QList<std::optional<QString>> words;

    // The pairs that the words begin: a file of the writer has (N − 1) / 2.
    int pairCount() const { return int((words.size() + 1) / 2); }
};

// Reads the bytes of a word file. It never fails: what a damaged file lacks
// reads as missing words, and bytes beyond the last record are ignored.
WordFileContent readWordFile(const QByteArray &bytes);

// The pairs the words make, in file order: odd word k begins pair (k + 1) / 2,
// even word k is its English word. A missing word is empty text, and its
// number k is added to missing.
QList<WordPair> pairsOfWords(const WordFileContent &content, QList<int> &missing);

struct WordFileBytes {
    QByteArray bytes;    // the whole file; empty when the pairs cannot be written
    FileOutcome outcome; // TooManyPairs, EmptyWord, WordTooLong or NotWindows1252 when they cannot
};

// The bytes of the word file for pairs, or the rule that stops it: a file
// is produced only when every pair fits, never a part of one. Words are
// stored composed (NFC), so a letter typed as base and mark takes one byte.
WordFileBytes writeWordFile(const QList<WordPair> &pairs);
