#pragma once

#include <QString>

#include <optional>

// The information text that the splash window shows, at its fixed place.
inline const QString InfoFilePath = QStringLiteral(R"(D:\Spel\Res\Vrak\mrk_program\mrk\Kvartos\glos.txt)");

// The whole text of the file at path, or nothing when it cannot be opened.
std::optional<QString> readInfoText(const QString &path);

// "Kan inte öppna filen: " and the path.
QString cannotOpenText(const QString &path);
