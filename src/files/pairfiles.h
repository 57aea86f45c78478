#pragma once

#include "core/wordlist.h"
#include "files/fileoutcome.h"

#include <QList>
#include <QString>

// The one way in and the one way out of word lists. Every reader of pairs
// yields an Intake; every writer hands its bytes to the one safe replace of
// filebytes.h. Neither asks or tells the user anything: the commands do.

enum class PairFormat {
    WordFile, // .gls
    Text,     // reading: tab-separated or CSV text, or a KDE vocabulary document, by its content
    Tabs,     // writing
    Csv,      // writing
    Kvtml,    // writing: a KDE vocabulary document
};

// The format for writing a list to a file of that name: .kvtml, .csv, else tabs.
PairFormat exportFormatFor(const QString &path);

// What a reader found: the pairs in file order, or an outcome that says why
// there are none.
struct Intake {
    FileOutcome outcome;
    QList<WordPair> pairs; // a missing word of a word file is empty text
    QList<int> missing;    // the numbers k of a word file's missing words, in file order
    int skipped = 0;       // lines of a text, or entries of a document, that held no pair

    static Intake failed(const FileOutcome &outcome)
    {
        Intake intake;
        intake.outcome = outcome;
        return intake;
    }

    // The pairs of the words before missing word k, for a reading that stops there.
    void keepWordsBefore(int k);
};

// Reads the pairs of the file at path. PathBroken when the path cannot be
// looked up; ReadFailed, BadHeader (a word file) or TooLarge (a text) when
// the file cannot be a list.
Intake readPairs(const QString &path, PairFormat format);

// Writes pairs to path in format, replacing the file so that a failure
// leaves it as it was. Before anything is written: PathBroken, or the rule of
// the word-file format that the pairs break. WriteFailed when the replace fails.
FileOutcome writePairs(const QString &path, const QList<WordPair> &pairs, PairFormat format);
