#pragma once

#include "files/wordfile.h"
#include "platform/dialogs.h"

#include <QString>
#include <QStringList>

// The texts, titles and dialog settings of saving, opening, appending,
// exporting and importing word lists.

FileDialogRequest openDialogRequest();
FileDialogRequest saveDialogRequest();
FileDialogRequest exportDialogRequest();
FileDialogRequest importDialogRequest();

// The fixed word files of the users who have one, as the program names them,
// by the base name of the file ("Lumba").
QString fixedOpenPath(const QString &name);
QString fixedSavePath(const QString &name);

// The four ways the routines show an error number, each exactly so.
QString saveErrorText(int error);              // "Error=": the chosen file cannot be written
QString fixedOpenErrorText(int error);         // "Fel vid öppna. Error =": a fixed path cannot be reached
QString pendingOpenErrorText(int error);       // "Error= ": the chosen path is broken; reading goes on
QString readErrorText(int error);              // "Error = ": the file cannot be read
QString writeFailedText(int error);            // writing failed; the old file is unharmed
QString backupKeptText(const QString &backup); // where the old bytes wait after a failed in-place write

// At the start: the backups that saves killed while writing in place left, by
// earlier versions that did not record the file.
QString leftoverBackupText(const QStringList &backups);
// At the start: a save of file was killed while it wrote in place; whether
// the file reads whole now, and whether to put its old version back.
Message leftoverBackupQuestion(const QString &file, bool whole);

QString extensionQuestion();
Message badHeaderMessage();
Message missingWordQuestion(int k);  // opening: names the word
Message appendMissingWordQuestion(); // appending: "en glosa"
QString appendTooLongText(int listPairs, int filePairs);

// Why a list was not saved, as the save routine shows it: the broken rule,
// its limit and the word that breaks it.
QString writeProblemText(const FileOutcome &problem);

// The message that ends an import: how many pairs came and how many lines not.
QString importResultText(int added, int skipped);
QString importTooLargeText();
QString notTextText();     // an import of a file that is no text
QString badDocumentText(); // an import of a broken or hostile KDE vocabulary document
