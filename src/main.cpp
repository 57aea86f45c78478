#include "app/program.h"
#include "app/version.h"
#include "platform/qtswedish.h"
#include "platform/widgetdialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ordkvarnen"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(ProgramVersion::major)
                                            .arg(ProgramVersion::minor)
                                            .arg(ProgramVersion::revision));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ordkvarnen.Ordkvarnen"));

    // Qt's dialogs speak Swedish like the rest of the program, whatever the locale.
    QtSwedishTexts qtTexts;
    if (qtTexts.loadCatalogue())
        QCoreApplication::installTranslator(&qtTexts);

    WidgetDialogs dialogs;
    SystemClock clock;
    SystemRandom random;
    const FixedPaths paths = FixedPaths::fromEnvironment();
    Program program({dialogs, clock, random, paths, [] { QCoreApplication::exit(0); }});
    program.start();
    return QApplication::exec();
}
