#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reading and replacing for the word files, with the operating
// system's error number (errno) for every failure, so that messages can show it.

struct FileRead {
    QByteArray bytes;
    int error = 0; // errno of the failure; 0 when the file was read

    bool ok() const { return error == 0; }
};

// The first limit bytes of the file at path, never more than the file holds.
// A file that does not exist reads as empty and is not created. Anything but
// a regular file is refused before it is read, so that nothing can make the
// read wait: a folder with EISDIR, a named pipe, socket or device with ENXIO.
FileRead readFileStart(const QString &path, qint64 limit);

// Replaces the file at path by bytes: they go to a new file in the same folder,
// which is then renamed over the old one, so a failure at any step leaves the
// old file as it was. A replaced file keeps its permissions; a link is followed.
// Returns 0, or errno of the step that failed.
int replaceFile(const QString &path, const QByteArray &bytes);

// The failure that a path shows before anything is read or written: errno of
// looking it up (a folder on the way that is a file, or that may not be
// searched), or 0 when it exists or is merely missing.
int pathFailure(const QString &path);
