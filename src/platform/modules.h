#pragma once

#include <QFunctionPointer>
#include <QString>

// A function of one of the program's own modules, which hold what only one
// command needs (speech, printing) so that start-up never loads it: the
// module is loaded on the first call. nullptr where it is not there.
QFunctionPointer moduleFunction(const QString &module, const char *function);
// Where a build's tests and tools find the modules built beside them: looked in first.
void setModuleFolder(const QString &folder);
