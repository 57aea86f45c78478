#pragma once

#include "app/wordlist.h"
#include "files/filebytes.h"
#include "files/wordfile.h"
#include "platform/dialogs.h"
#include "platform/fixedpaths.h"

#include <functional>
#include <optional>

// The save and open routines of the save/open window and the pieces that the
// main window's append shares with them. All questions and messages go through
// the dialogs; a routine that stops leaves the word list as it was.

struct WordFileServices {
    Dialogs &dialogs;
    const FixedPaths &paths;
    std::function<void(bool)> setBusy = [](bool) {}; // the hourglass while a file is written
};

// Saves rows 1 to lastRow of list for user 1, 2 (a save dialog) or 3 (a fixed
// file). Nothing is written unless the whole list fits the format; a failed
// write leaves the old file as it was. The list itself is never changed.
void saveWordList(const WordFileServices &services, quint8 user, const WordList &list, int lastRow);

// Opens the word file of user 1 (an open dialog), 2 or 3 (fixed files) into a
// new list. Nothing when the routine stopped.
std::optional<WordList> openWordList(const WordFileServices &services, quint8 user);

// False, after asking, when the user does not want a path without ".gls".
bool acceptExtension(Dialogs &dialogs, const QString &path);

// Word k of a file (odd: a Swedish word, which begins a pair; even: the
// English word of the last pair) placed at the end of list.
void placeWord(WordList &list, int k, const QString &word);

// The word file at path, or nothing after telling why it cannot be read or
// why its header makes no sense.
std::optional<WordFileContent> readListFile(Dialogs &dialogs, const QString &path);
// The same, with path already looked up.
std::optional<WordFileContent> readListFile(Dialogs &dialogs, const QString &path, const PathLookUp &lookUp);
