#pragma once

#include <QString>

// The program's version and the comments line of its version information.
struct ProgramVersion {
    static constexpr int major = ORDKVARNEN_VERSION_MAJOR;
    static constexpr int minor = ORDKVARNEN_VERSION_MINOR;
    static constexpr int revision = ORDKVARNEN_VERSION_PATCH;

    static QString text() { return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision); }
    static QString comments()
    {
        return QStringLiteral(
            "Stora nyheter: man kan spara och öppna glos filer (*.gls) .Alternativ har nya val");
    }
};
