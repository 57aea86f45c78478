#pragma once

#include "app/wordlist.h"
#include "platform/dialogs.h"

#include <functional>

// "Lägg till från gloslista": appends the pairs of a chosen word file to the
// end of list while the file is read, each new Swedish word also handed to
// listed. A missing word asks whether to go on; No keeps what was appended.
// A file whose pairs would take the list past its limit is refused whole.
// Returns whether the list was touched: its header cell then holds the count.
bool appendFromWordFile(Dialogs &dialogs, WordList &list, const std::function<void(const QString &)> &listed);
