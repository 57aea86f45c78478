#pragma once

#include "app/wordlist.h"
#include "platform/dialogs.h"

#include <functional>

// "Exportera som text..." and "Importera text...": the word list written to
// and read from delimited text files (see files/wordtext.h). Who may run them
// is the caller's to decide, by the same rule as saving.

FileDialogRequest exportDialogRequest();
FileDialogRequest importDialogRequest();

// The message that ends an import: how many pairs came and how many lines not.
QString importResultText(int added, int skipped);
QString importTooLargeText();

// Asks for a file and writes every pair of list to it, replacing the file as a
// save does: a failed write leaves the old file as it was.
void exportWordText(Dialogs &dialogs, const WordList &list);

// Asks for a text file and appends its pairs to the end of list, calls
// placed(), then tells what came. A file too large to be a list, or whose
// pairs would take the list past its limit, is refused whole.
void importWordText(Dialogs &dialogs, WordList &list, const std::function<void()> &placed);
