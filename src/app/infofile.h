#pragma once

#include <QString>

#include <optional>

// The information text that the splash window shows, at its fixed place.
inline const QString InfoFilePath = QStringLiteral(R"(D:\Spel\Res\Vrak\mrk_program\mrk\Kvartos\glos.txt)");

// The text of the regular file at path (a link to one counts), or nothing
// when it cannot be opened or is something else: a folder, a named pipe or a
// device. Only the first InfoTextLimit bytes are read, so that a huge file
// cannot keep the start window from showing; the text then ends on the last
// whole character.
std::optional<QString> readInfoText(const QString &path);
inline constexpr qint64 InfoTextLimit = 4 << 20;

// "Kan inte öppna filen: " and the path.
QString cannotOpenText(const QString &path);

// Whether text holds more than LongRun characters in a row without a blank,
// tab or line break. Breaking lines at blanks where it can, a text view takes
// time that grows with the square of such a run: a megabyte takes a minute.
inline constexpr qsizetype LongRun = 10'000;
bool hasLongUnbrokenRun(const QString &text);
