#include "platform/modules.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {
QString &namedFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QFunctionPointer moduleFunction(const QString &module, const char *function)
{
    // Installed in the program's own library folder, or in a build beside the program.
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString &dir :
         {namedFolder(), programDir + QStringLiteral("/" ORDKVARNEN_MODULE_DIR), programDir}) {
        if (dir.isEmpty())
            continue;
        if (const QFunctionPointer found = QLibrary(dir + u'/' + module).resolve(function))
            return found;
    }
    return nullptr;
}

void setModuleFolder(const QString &folder)
{
    namedFolder() = folder;
}
