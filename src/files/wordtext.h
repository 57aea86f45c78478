#pragma once

#include "core/wordlist.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Word lists as delimited text, the way spreadsheets and other vocabulary
// programs exchange them: one pair a line, the Swedish word first.

namespace WordText {
// Larger files are not lists of words; they are refused before they are read.
inline constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

enum class Format { Tabs, Csv };

// CSV for a name ending in ".csv" (in any case), tab-separated otherwise.
Format formatFor(const QString &path);

// The text of pairs: UTF-8 without a byte-order mark, "\n" after every line.
// A field is quoted as in CSV (RFC 4180) whenever plain it would not read back
// the same: with a tab, semicolon, comma, quote or line break inside, a blank
// at either end, or a leading '#'.
QByteArray format(const QList<WordPair> &pairs, Format format);

struct Parsed {
    QList<WordPair> pairs;
    int skipped = 0; // lines without two words: a field empty, or longer than any word
};

// The pairs of a text file's bytes. The bytes are UTF-8 (with or without a
// byte-order mark) or else Windows-1252, decided on the whole file. Blank lines
// and lines starting with '#' are passed over silently. The separator is the
// first tab, semicolon or comma outside quotes on the first other line that
// has one; fields follow CSV quoting with any separator, a quoted field may
// span lines, and blanks around an unquoted field are dropped. The first two
// fields of a line are the pair; further fields are ignored.
Parsed parse(const QByteArray &bytes);
} // namespace WordText
