#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

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

// Replaces the file at path by bytes, following links, so that a failure at
// any step leaves the old file as it was. Returns 0, or errno of the step that
// failed; nothing is written then unless said below.
// - Refused before anything is made: a file the user may not write (EACCES,
//   as opening it for writing says), a folder (EISDIR), a named pipe, socket
//   or device (ENXIO), a link that leads nowhere (ENOENT) or in a circle (ELOOP).
// - The bytes go to ".<name>.ordkvarnen-tmp" beside the file, made afresh with
//   the old file's permissions (a new file: 0666 less the umask) and, where
//   the process may, its owner and group, before a byte is in it; it is
//   synced, renamed over the file, and the folder is synced. An interrupted
//   save leaves at most that one file, which the next save replaces.
// - Written in place instead, from the start, then cut to the new length and
//   synced: a file with other hard links, so that every name sees the new
//   bytes, and a file whose folder does not let the new file be made. Room
//   is claimed first, so a full disk leaves the file as it was; a failure in
//   the middle of the write itself (an I/O error, the process killed) can
//   leave it part old, part new.
int replaceFile(const QString &path, const QByteArray &bytes);

// The failure that a path shows before anything is read or written: errno of
// looking it up (a folder on the way that is a file, or that may not be
// searched), or 0 when it exists or is merely missing.
inline int pathFailure(const QString &path)
{
    return lookUpPath(path).error;
}
