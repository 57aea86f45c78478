#pragma once

#include <functional>

class Session;

// The main window's file commands on the session's list. Each checks what the
// logged-in user may do, asks for a file where the user has no fixed one,
// hands the path to a reader or a writer and turns what came back into the
// program's messages. Nothing else in the program shows their boxes.

// "&Spara". setBusy shows the hourglass while the file is written.
void saveCommand(Session &session, const std::function<void(bool)> &setBusy);
// "&Öppna": true when an opened file replaced the list.
bool openCommand(Session &session);
// "Lägg till från gloslista": the pairs of a word file go to the end of the list.
void appendCommand(Session &session);
// "&Exportera som text..." and "&Importera text...", for the users who may save.
void exportCommand(Session &session);
void importCommand(Session &session);
// "Skriv &ut..." and "Skriv ut &förhör...": by the rule of "&Spara", the list
// or a quiz on it through the print dialog.
void printListCommand(Session &session);
void printQuizCommand(Session &session);
