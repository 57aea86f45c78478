#include "app/identity.h"

#include "core/version.h"
#include "platform/programlogo.h"

#include <QGuiApplication>
#include <QIcon>

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
