#pragma once

#include <QString>
#include <QtGlobal>

// What the logged-in user may do with word files. The standard user (0) may
// neither open nor save; the named users 1 to 3 may do both; any other user
// number may do neither. Only user 1 may append a word file to the list.
enum class FileAccess { Allowed, StandardUser, OtherUser };

FileAccess fileAccess(quint8 user);
bool mayAppendFromFile(quint8 user);

// The text of a refused open or save; empty when the access is allowed.
QString refusalText(FileAccess access);

// Title of the box that refuses opening a word file (saving uses none).
inline const QString AccessDeniedTitle = QStringLiteral("Åtkomst nekas");

// What the main window's caption adds for the logged-in user.
QString captionUserSuffix(quint8 user);
