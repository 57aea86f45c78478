#pragma once

#include "files/wordfileroutines.h"

class Session;

// The main window's "&Spara" and "&Öppna" on the session's list: the access
// of the logged-in user is checked first, then the save or open routine runs.
// setBusy shows the hourglass while a file is written.
void saveCommand(Session &session, const std::function<void(bool)> &setBusy);
// True when an opened file replaced the list.
bool openCommand(Session &session);
// "&Exportera som text..." and "&Importera text...", for the users who may save.
void exportCommand(Session &session);
void importCommand(Session &session);
