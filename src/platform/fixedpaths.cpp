#include "platform/fixedpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
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

// The entries of folder whose names equal name but for case, in one fixed
// order (by code point), whatever the case of name.
QStringList namesAlike(const QString &folder, const QString &name, bool folderWanted)
{
    const QDir::Filters kinds = folderWanted ? QDir::Dirs : QDir::AllEntries;
    QStringList alike;
    for (const QString &entry :
         QDir(folder).entryList(kinds | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            alike.append(entry);
    }
    std::sort(alike.begin(), alike.end());
    return alike;
}

struct Reach {
    qsizetype depth = 0; // how many segments exist
    QString place;
};

// The place of segments[from...] below folder. Where a folder holds names
// that differ only in case, the one below which more of the path exists is
// taken, and of equals the first in order; so every spelling of a path
// reaches the same place, and a file that exists under one spelling is found
// by all. Segments that exist nowhere keep the spelling given.
Reach reachBelow(const QString &folder, const QStringList &segments, qsizetype from)
{
    if (from == segments.size())
        return {0, folder};
    const bool last = from + 1 == segments.size();
    Reach best;
    for (const QString &name : namesAlike(folder, segments[from], !last)) {
        const Reach below = reachBelow(folder + u'/' + name, segments, from + 1);
        if (below.depth + 1 > best.depth)
            best = {below.depth + 1, below.place};
    }
    if (best.depth > 0)
        return best;
    return {0, (QStringList(folder) + segments.sliced(from)).join(u'/')};
}

QString placeBelow(const QString &dataDir, const DrivePath &path)
{
    const QString drive = QDir::cleanPath(dataDir + QStringLiteral("/ordkvarnen/") + path.drive);
    return reachBelow(drive, path.segments, 0).place;
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
