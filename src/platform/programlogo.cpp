#include "platform/programlogo.h"

#include <QImageReader>
#include <QPixmapCache>

QPixmap programLogo()
{
    static const QString Key = QStringLiteral("ordkvarnen/logo");
    QPixmap logo;
    if (QPixmapCache::find(Key, &logo))
        return logo;
    // Read as the PNG it is: left to guess the format, Qt's image reader would
    // load the plugins of every other format first just to ask them.
    QImageReader reader(QStringLiteral(":/ordkvarnen/logo.png"), "png");
    reader.setAutoDetectImageFormat(false);
    logo = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(Key, logo);
    return logo;
}
