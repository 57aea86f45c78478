#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The backups that in-place writes keep of a file's old bytes until the new
// ones are in place. Each names the file it belongs to; it is written under a
// temporary name and gets its final name only once it is complete and synced,
// so that a killed save never leaves an empty or partial one to recommend.

// ordkvarnen/backups in $XDG_CACHE_HOME (by default ~/.cache).
QString backupFolder();

struct Backup {
    QString file;      // the backup
    QByteArray target; // the file whose old bytes it holds, as the system names it; empty: left by an
                       // earlier version of the program, which did not record it
};

// A backup of the bytes that oldFd reads, for target, readable by the user
// alone: 0 or errno. On success name and fd are the complete backup's, open
// and locked against other copies of the program until dropBackup().
int createBackup(int oldFd, const QByteArray &target, QByteArray &name, int &fd);
// Where the old bytes begin in a backup made by createBackup().
qint64 backupHeaderSize(const QByteArray &target);
// After a complete save: emptied first, so that one that cannot be removed
// names nothing at the next start, then removed.
void dropBackup(const QByteArray &name, int fd);

// Backups that saves killed while writing in place left behind, and that no
// running save holds; what killed backups left half written is removed.
QList<Backup> leftoverBackups();
// The old bytes a backup holds.
std::optional<QByteArray> backupBytes(const Backup &backup);
void removeBackup(const Backup &backup);
// After a successful save of target: its leftovers are out of date.
void removeBackupsOf(const QByteArray &target);
