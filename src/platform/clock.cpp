#include "platform/clock.h"

QString clockText(const QTime &time)
{
    return QStringLiteral("Klockan är ") + time.toString(QStringLiteral("HH:mm:ss"));
}
