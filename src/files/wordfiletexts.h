#pragma once

#include "files/wordfile.h"
#include "platform/dialogs.h"

#include <QString>

// The texts, titles and dialog settings of saving, opening and appending
// word files.

FileDialogRequest openDialogRequest();
FileDialogRequest saveDialogRequest();

// The fixed word files of users 2 and 3, as the program names them.
QString fixedOpenPath(quint8 user);
QString fixedSavePath(quint8 user);

// The four ways the routines show an error number, each exactly so.
QString saveErrorText(int error);        // "Error=": the chosen file cannot be written
QString fixedOpenErrorText(int error);   // "Fel vid öppna. Error =": a fixed path cannot be reached
QString pendingOpenErrorText(int error); // "Error= ": the chosen path is broken; reading goes on
QString readErrorText(int error);        // "Error = ": the file cannot be read
QString writeFailedText(int error);      // writing failed; the old file is unharmed

QString extensionQuestion();
Message badHeaderMessage();
Message missingWordQuestion(int k);  // opening: names the word
Message appendMissingWordQuestion(); // appending: "en glosa"
QString appendTooLongText(int listPairs, int filePairs);

// Why a list was not saved, as the save routine shows it: the broken rule,
// its limit and the word that breaks it.
QString writeProblemText(const WriteProblem &problem);
