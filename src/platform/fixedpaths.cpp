#include "platform/fixedpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace {

struct DrivePath {
    QString drive;        // "drive_d"
    QStringList segments; // below the drive, "." and ".." resolved
};

DrivePath splitWindowsPath(const QString &windowsPath)
{
    QString rest = windowsPath;
    QString letter = QStringLiteral("d");
    if (rest.size() >= 2 && rest[1] == u':' && rest[0].isLetter() && rest[0].unicode() < 0x80) {
        letter = rest.left(1).toLower();
        rest = rest.mid(2);
    }
    rest.replace(u'\\', u'/');

    DrivePath result{QStringLiteral("drive_") + letter, {}};
    for (const QString &segment : rest.split(u'/', Qt::SkipEmptyParts)) {
        if (segment == u".")
            continue;
        if (segment == u"..") {
            // Above the drive's root there is nothing: Windows stays at the root.
            if (!result.segments.isEmpty())
                result.segments.removeLast();
            continue;
        }
        result.segments.append(segment);
    }
    return result;
}

// The name of the entry in folder that equals name but for case; the exact
// spelling wins, then the first in sorted order. Empty when there is none.
QString existingName(const QString &folder, const QString &name, bool folderWanted)
{
    const QDir::Filters kinds = folderWanted ? QDir::Dirs : QDir::AllEntries;
    const QStringList entries =
        QDir(folder).entryList(kinds | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    if (entries.contains(name))
        return name;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

QString placeBelow(const QString &dataDir, const DrivePath &path)
{
    QString place = QDir::cleanPath(dataDir + QStringLiteral("/ordkvarnen/") + path.drive);
    bool exists = QFileInfo(place).isDir();
    for (qsizetype i = 0; i < path.segments.size(); ++i) {
        const QString &segment = path.segments[i];
        QString name;
        if (exists) {
            const bool last = i + 1 == path.segments.size();
            name = existingName(place, segment, !last);
        }
        exists = !name.isEmpty();
        place += u'/' + (exists ? name : segment);
    }
    return place;
}

} // namespace

FixedPaths::FixedPaths(QString userDataDir, QStringList systemDataDirs)
    : m_userDataDir(std::move(userDataDir))
    , m_systemDataDirs(std::move(systemDataDirs))
{
}

FixedPaths FixedPaths::fromEnvironment()
{
    // Qt keeps a relative $XDG_DATA_HOME, which the XDG rules ignore like an
    // unset one; relative entries of $XDG_DATA_DIRS it drops itself.
    QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QStringList system = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    system.removeOne(user); // the list begins with the user's folder
    if (!QDir::isAbsolutePath(user))
        user = QDir::homePath() + QStringLiteral("/.local/share");

    // Last, the program's own: share/ beside bin/ when installed, and the
    // build tree's share/ beside src/.
    system.append(QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share")));
    return FixedPaths(user, system);
}

QString FixedPaths::forReading(const QString &windowsPath) const
{
    const DrivePath path = splitWindowsPath(windowsPath);
    const QString userPlace = placeBelow(m_userDataDir, path);
    if (QFileInfo::exists(userPlace))
        return userPlace;
    for (const QString &dir : m_systemDataDirs) {
        const QString place = placeBelow(dir, path);
        if (QFileInfo::exists(place))
            return place;
    }
    return userPlace;
}

QString FixedPaths::forWriting(const QString &windowsPath) const
{
    const QString place = placeBelow(m_userDataDir, splitWindowsPath(windowsPath));
    // A failure here shows when the file is opened, where it is reported.
    QDir().mkpath(QFileInfo(place).path());
    return place;
}
