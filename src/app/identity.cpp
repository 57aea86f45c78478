#include "app/identity.h"

#include "app/version.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>

QPixmap programLogo()
{
    static const QString Key = QStringLiteral("ordkvarnen/logo");
    QPixmap logo;
    if (QPixmapCache::find(Key, &logo))
        return logo;
    // Read as the PNG it is: left to guess the format, Qt's image reader would
    // load the plugins of every other format first just to ask them.
    QImageReader reader(QStringLiteral(":/ordkvarnen/logo.png"), "png");
    reader.setAutoDetectImageFormat(false);
    logo = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(Key, logo);
    return logo;
}

void setApplicationIdentity()
{
    // Qt's X11 window class is the application name.
    QCoreApplication::setApplicationName(ApplicationId);
    QCoreApplication::setApplicationVersion(ProgramVersion::number());
    QGuiApplication::setDesktopFileName(ApplicationId);
    // The picture the start window shows, already in the program: a look-up
    // in the icon themes would read their index files before the first frame.
    // Desktops show the installed icon through the menu entry anyway.
    QGuiApplication::setWindowIcon(QIcon(programLogo()));
}
