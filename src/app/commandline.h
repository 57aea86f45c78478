#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for, decided before any window or display is
// needed: either the program runs, or it prints a text and ends at once.
struct CommandLineOutcome {
    std::optional<int> exitCode; // set: print and end with this code; unset: run
    QString text;                // what to print, ending in a line break
    bool toStandardError = false;
};

// The exit code of a command line the program does not understand.
inline constexpr int CommandLineUsageError = 2;

// Reads arguments (the first one is the program's path). --help and
// --version print and end with 0; an unknown option or an argument the
// program takes none of ends with CommandLineUsageError. Qt's own options
// (-style, -platform, -session and the like) pass through to Qt; those that
// name a file (-stylesheet, -qwindowicon) only with a regular file of at most
// 1 MiB, else they too end with CommandLineUsageError.
CommandLineOutcome parseCommandLine(const QStringList &arguments);
