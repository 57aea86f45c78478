// Renders each window of the program, as a user meets it, into a PNG file:
//   ordkvarnen_screenshots FOLDER
// The windows are the real ones, driven like the tests drive them, on a set
// clock, offscreen and in the fixed look of the picture test, which compares
// the windows with these pictures.
#include "support/testprogram.h"
#include "tour.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder) || !useFixedLook())
        return 1;

    int failures = 0;
    TestProgram t;
    tourWindows(t, [&](const QString &name, QWidget *window) {
        const QString path = folder + u'/' + name + QStringLiteral(".png");
        if (!window || !window->grab().save(path)) {
            std::fprintf(stderr, "could not render %s\n", qPrintable(name));
            ++failures;
            return;
        }
        std::printf("%s\n", qPrintable(QDir::current().relativeFilePath(path)));
    });
    return failures == 0 ? 0 : 1;
}
