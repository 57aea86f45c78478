#include "app/commandline.h"
#include "app/identity.h"
#include "app/lazystore.h"
#include "app/program.h"
#include "platform/endsignals.h"
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
    LazyStore store; // loaded and opened on first use, after the first frame
    Program program({dialogs, clock, random, paths, speaker, store, [] { QCoreApplication::exit(0); }});
    // However the program is asked to end, unsaved pairs are copied first.
    EndSignals ending;
    QObject::connect(&ending, &EndSignals::ended, &app, [&program] {
        program.keepUnsaved();
        QCoreApplication::exit(0);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [&program] { program.keepUnsaved(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [&program] { program.keepUnsaved(); });
    program.start();
    return QApplication::exec();
}
