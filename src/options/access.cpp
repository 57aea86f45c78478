#include "options/access.h"

FileAccess fileAccess(quint8 user)
{
    if (user == 0)
        return FileAccess::StandardUser;
    return user <= 3 ? FileAccess::Allowed : FileAccess::OtherUser;
}

bool mayAppendFromFile(quint8 user)
{
    return user == 1;
}

QString refusalText(FileAccess access)
{
    switch (access) {
    case FileAccess::StandardUser:
        return QStringLiteral("Standard användaren har inte tillgång till den här funktionen");
    case FileAccess::OtherUser:
        return QStringLiteral("Byt användare för att få tillgång till funktionen");
    case FileAccess::Allowed:
        break;
    }
    return {};
}

QString captionUserSuffix(quint8 user)
{
    switch (user) {
    case 1:
        return QStringLiteral("   Användare:Kvarto");
    case 2:
        return QStringLiteral("   Användare:Lumba");
    default:
        return {};
    }
}
