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

// The text as the splash window shows it: Windows line ends become line
// breaks, and a line longer than LongRun characters is broken after its last
// blank or tab before that length, or at it when there is none. A text view
// lays out a line as a whole, in time that grows fast with its length: a
// megabyte in one line takes seconds, in lines of LongRun it shows at once.
inline constexpr qsizetype LongRun = 10'000;
// Only the first InfoLineLimit lines are shown: a view lays out each line, so
// millions of line breaks alone would keep the start window from showing.
inline constexpr qsizetype InfoLineLimit = 2'000;
QString textForShowing(const QString &text);
