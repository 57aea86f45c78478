#pragma once

#include <QString>

// What a reader or a writer of word lists made of its work. Readers and
// writers only say what happened; the commands turn it into messages.
struct FileOutcome {
    enum class Kind {
        Done,
        PathBroken,     // looking the path up failed (error): a folder on the way is a file, or locked
        ReadFailed,     // the file could not be read (error)
        BadHeader,      // a word file whose header makes no sense
        TooLarge,       // more bytes than any list of its kind holds (limit)
        NotText,        // bytes no text file holds: a NUL without a UTF-16 byte-order mark
        BadDocument,    // a KDE vocabulary document that is broken, or built to do harm
        TooManyPairs,   // more pairs than the format holds (limit)
        EmptyWord,      // a word the format cannot store empty (word)
        WordTooLong,    // a word longer than the format holds (limit in bytes, word)
        NotWindows1252, // a word with a character the word-file format cannot store (word)
        NotXmlText,     // a word with a character no XML document can hold (word)
        WriteFailed,    // writing failed (error); the old file is as it was, or else its bytes are in backup
    };

    Kind kind = Kind::Done;
    int error = 0;  // errno, where the system said no
    int limit = 0;  // the rule's limit, where one was broken
    QString word;   // the word concerned
    QString backup; // where the old bytes wait when they could not be put back

    bool ok() const { return kind == Kind::Done; }
    static FileOutcome of(Kind kind, int error, int limit = 0, const QString &word = {})
    {
        return {kind, error, limit, word, {}};
    }

    friend bool operator==(const FileOutcome &, const FileOutcome &) = default;
};
