#include "app/commandline.h"
#include "app/identity.h"
#include "app/program.h"
#include "platform/lazyspeaker.h"
#include "platform/qtswedish.h"
#include "platform/widgetdialogs.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // --help and --version are answered before Qt looks for a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineOutcome commandLine = parseCommandLine(arguments);
    if (commandLine.exitCode) {
        std::fputs(commandLine.text.toLocal8Bit().constData(), commandLine.toStandardError ? stderr : stdout);
        return *commandLine.exitCode;
    }

    QApplication app(argc, argv);
    setApplicationIdentity();

    // Qt's dialogs speak Swedish like the rest of the program, whatever the locale.
    QtSwedishTexts qtTexts;
    if (qtTexts.loadCatalogue())
        QCoreApplication::installTranslator(&qtTexts);

    WidgetDialogs dialogs;
    SystemClock clock;
    SystemRandom random;
    const FixedPaths paths = FixedPaths::fromEnvironment();
    LazySpeaker speaker;
    Program program({dialogs, clock, random, paths, speaker, [] { QCoreApplication::exit(0); }});
    program.start();
    return QApplication::exec();
}
