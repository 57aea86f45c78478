#include "app/identity.h"

#include "app/version.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

void setApplicationIdentity()
{
    // Qt's X11 window class is the application name.
    QCoreApplication::setApplicationName(ApplicationId);
    QCoreApplication::setApplicationVersion(ProgramVersion::number());
    QGuiApplication::setDesktopFileName(ApplicationId);
    // The installed scalable icon; where no icon theme has it (a build run
    // from its tree), the small picture the start window shows. Read as a
    // pixmap, the picture is decoded once for both (Qt caches it by its
    // path), and no image plugin is loaded to guess its format.
    const QIcon builtIn(QPixmap(QStringLiteral(":/ordkvarnen/logo.png")));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(ApplicationId, builtIn));
}
