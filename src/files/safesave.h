#pragma once

#include <QByteArray>
#include <QString>

// The one safe writer of the program: every save and export goes through it.

struct SaveResult {
    int error = 0;  // errno of the step that failed; 0 when the bytes are in the file
    QString backup; // after a failed in-place write that could not put the old bytes back: where they are
};

// Replaces the file at path by bytes, following links, so that a failure at
// any step leaves the old file as it was.
// - Refused before anything is made: a file the user may not write (EACCES,
//   as opening it for writing says), a folder (EISDIR), a named pipe, socket
//   or device (ENXIO), a link that leads nowhere (ENOENT) or in a circle (ELOOP).
// - The bytes go to a new file beside the old one, of its own for this save
//   (unnamed until it is complete where the file system allows, else a short
//   unique name) and locked while the save runs. It gets the old file's
//   owner, group, permissions and extended attributes (its ACL among them)
//   before a byte is in it; it is synced and renamed over the file. Syncing
//   the folder afterwards is tried; the save is done either way. What a killed
//   save left beside a file is removed by a later save there, once no save
//   holds it.
// - Written in place instead, from the start, then cut to the new length and
//   synced: a file with other hard links, so that every name sees the new
//   bytes; a file whose owner, group or attributes the new file could not
//   keep; and a file whose folder refuses the new file or the rename. The
//   old bytes are first copied to a synced backup in the program's cache
//   folder; a failure puts them back, and only when even that fails does the
//   backup stay, named in the result. A complete save removes it.
// - Two copies of the program saving one file take turns: the file is locked
//   for a save's whole write (EWOULDBLOCK when the other's does not end
//   within a moment).
// - A successful save removes the backups that killed saves left of the file.
SaveResult replaceFile(const QString &path, const QByteArray &bytes);
// The same for a path as the system's bytes, which need not be UTF-8.
SaveResult replaceFileAt(const QByteArray &path, const QByteArray &bytes);
