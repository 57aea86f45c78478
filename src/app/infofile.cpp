#include "app/infofile.h"

#include "platform/textcodec.h"

#include <QFile>

std::optional<QString> readInfoText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The box shows a short text; a huge file is shown only up to a limit,
    // and a read that fails part way shows what could be read.
    constexpr qint64 MaxBytes = 1 << 20;
    return decodeTextFile(file.read(MaxBytes));
}

QString cannotOpenText(const QString &path)
{
    return QStringLiteral("Kan inte öppna filen: ") + path;
}
