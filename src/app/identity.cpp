#include "app/identity.h"

#include "app/version.h"

#include <QGuiApplication>
#include <QIcon>

void setApplicationIdentity()
{
    // Qt's X11 window class is the application name.
    QCoreApplication::setApplicationName(ApplicationId);
    QCoreApplication::setApplicationVersion(ProgramVersion::number());
    QGuiApplication::setDesktopFileName(ApplicationId);
    // The installed scalable icon; where no icon theme has it (a build run
    // from its tree), the small picture the start window shows.
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme(ApplicationId, QIcon(QStringLiteral(":/ordkvarnen/logo.png"))));
}
