#pragma once

#include <QString>
#include <QStringList>

// The program names its files by fixed Windows paths such as
// "D:\Spel\Res\Vrak\mrk_program\mrk\Kvartos\glos.txt". Here drive D: is the
// folder ordkvarnen/drive_d below a data directory: the user's own first,
// then the system's, then the program's own. Windows ignores the case of
// names, so each part of a path matches an existing entry of any case; where
// several spellings exist, one rule picks the same one for every spelling of
// the path, so that reading and writing reach the same file. Parts that do not
// exist yet keep the spelling given. "." and ".." stay inside the
// drive, as they do on Windows.
class FixedPaths {
public:
    FixedPaths(QString userDataDir, QStringList systemDataDirs);

    // The desktop's data folders ($XDG_DATA_HOME, then $XDG_DATA_DIRS, with
    // their usual defaults), and last the program's own: ../share from the
    // folder of its executable.
    static FixedPaths fromEnvironment();

    // The first place, user directory first, where the path exists; when it
    // exists nowhere, the place in the user directory, so that a message
    // about a missing file names a real path.
    QString forReading(const QString &windowsPath) const;

    // The place in the user directory, its missing folders created.
    QString forWriting(const QString &windowsPath) const;

private:
    QString m_userDataDir;
    QStringList m_systemDataDirs;
};
