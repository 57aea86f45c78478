#pragma once

#include "app/wordlist.h"
#include "platform/dialogs.h"

#include <functional>

class Session;

// "Lägg till från gloslista": appends the pairs of a chosen word file to the
// end of list while the file is read, calling placed() after each word. A
// missing word asks whether to go on; No keeps what was appended. A file whose
// pairs would take the list past its limit is refused whole.
void appendFromWordFile(Dialogs &dialogs, WordList &list, const std::function<void()> &placed);

// The same on the session's list, for a user who may append; each word shows
// as it comes, also while a question about a missing word is open.
void appendCommand(Session &session);
