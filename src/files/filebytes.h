#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Whole-file reading for the word files, with the operating system's error
// number (errno) for every failure, so that messages can show it; and the few
// steps that reading and the safe save (safesave.h) share.

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

// What looking a path up found, before anything is read or written.
struct PathLookUp {
    int error = 0;       // errno of the look-up; 0 when the path exists or is merely missing
    bool exists = false; // and then:
    mode_t mode = 0;     // its kind and permissions
};
PathLookUp lookUpPath(const QString &path);

// readFileStart with the look-up of path already made, so that a routine that
// looked first does not look twice.
FileRead readFileStart(const QString &path, qint64 limit, const PathLookUp &lookUp);

// The failure that a path shows before anything is read or written: errno of
// looking it up (a folder on the way that is a file, or that may not be
// searched), or 0 when it exists or is merely missing.
inline int pathFailure(const QString &path)
{
    return lookUpPath(path).error;
}

// Why a file of this kind is not read or replaced: only regular files hold
// word lists. 0, EISDIR for a folder, ENXIO for anything else.
int refusalOf(mode_t mode);
// Closes fd; the first failure wins over the close's own.
int closeKeeping(int fd, int error);
// Writes all of bytes at fd's position: 0 or errno.
int writeAll(int fd, QByteArrayView bytes);
