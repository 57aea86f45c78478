#pragma once

#include "app/wordlist.h"
#include "platform/dialogs.h"

class Session;

// "Lägg till från gloslista": appends the pairs of a chosen word file to the
// end of list while the file is read. A missing word asks whether to go on;
// No keeps what was appended. A file whose pairs would take the list past its
// limit is refused whole. Returns whether the list was touched.
bool appendFromWordFile(Dialogs &dialogs, WordList &list);

// The same on the session's list, for a user who may append; the list is
// replaced once the file has been read.
void appendCommand(Session &session);
