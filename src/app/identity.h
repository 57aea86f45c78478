#pragma once

#include <QString>

// The id under which the desktop knows the program: the names of its menu
// entry, icon and metadata files.
inline const QString ApplicationId = QStringLiteral("io.github.ordkvarnen.Ordkvarnen");

// Names the running program for the desktop, once its application object
// exists: the window class (X11's WM_CLASS, Wayland's app id) is the id, as
// the menu entry's StartupWMClass says, so that taskbars put the windows under
// the menu entry; and every window carries the program's icon.
void setApplicationIdentity();
