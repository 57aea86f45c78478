#include "app/commandline.h"

#include "core/version.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const QString ProgramName = QStringLiteral("ordkvarnen");

QString helpText()
{
    return QStringLiteral("Användning: ordkvarnen [flaggor]\n"
                          "Kvartos Ordkvarn: skriv in svenska och engelska glosor och öva dem.\n"
                          "\n"
                          "Flaggor:\n"
                          "  -h, --help     Visar den här hjälpen och avslutar.\n"
                          "  -v, --version  Visar programmets version och avslutar.\n"
                          "\n"
                          "Qt:s egna flaggor, som -style och -platform, går också.\n");
}

QString usageError(const QString &problem)
{
    return ProgramName + QStringLiteral(": ") + problem +
           QStringLiteral("\nSkriv \"ordkvarnen --help\" för att se vilka flaggor som finns.\n");
}

// The options that QGuiApplication and QApplication take themselves; the
// session manager restarts programs with -session, for one.
const QStringList QtValueOptions = {QStringLiteral("platform"),
                                    QStringLiteral("platformpluginpath"),
                                    QStringLiteral("platformtheme"),
                                    QStringLiteral("plugin"),
                                    QStringLiteral("qwindowgeometry"),
                                    QStringLiteral("qwindowicon"),
                                    QStringLiteral("qwindowtitle"),
                                    QStringLiteral("session"),
                                    QStringLiteral("display"),
                                    QStringLiteral("geometry"),
                                    QStringLiteral("name"),
                                    QStringLiteral("style"),
                                    QStringLiteral("stylesheet")};
// Qt's options that name a file Qt reads whole before any window shows: a
// device or a named pipe there would make the start hang or fill memory.
const QStringList QtFileOptions = {QStringLiteral("stylesheet"), QStringLiteral("qwindowicon")};
constexpr qint64 QtFileLimit = 1 << 20;
const QStringList QtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                             QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};

void addQtOptions(QCommandLineParser &parser)
{
    for (const QString &name : QtValueOptions + QtFlags) {
        QCommandLineOption option(name);
        if (QtValueOptions.contains(name))
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The option name as the user typed it, dashes and all.
QString asTyped(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.sliced(1)) {
        QString bare = argument.section(u'=', 0, 0);
        while (bare.startsWith(u'-'))
            bare.remove(0, 1);
        if (argument.startsWith(u'-') && bare == name)
            return argument.section(u'=', 0, 0);
    }
    return name;
}

// What Qt's parser found wrong besides an unknown option: a Qt option whose
// value is missing (it can only be the last argument), or a value given to an
// option that takes none.
QString valueProblem(const QStringList &arguments)
{
    QString last = arguments.last();
    while (last.startsWith(u'-'))
        last.remove(0, 1);
    if (QtValueOptions.contains(last))
        return QStringLiteral("flaggan saknar värde: ") + arguments.last();
    for (const QString &argument : arguments.sliced(1)) {
        if (argument.startsWith(u'-') && argument.contains(u'='))
            return QStringLiteral("flaggan tar inget värde: ") + argument;
    }
    return QStringLiteral("felaktig kommandorad");
}

} // namespace

CommandLineOutcome parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options have one dash and whole words: "-style" is not -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(
        QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return {CommandLineUsageError,
                    usageError(QStringLiteral("okänd flagga: ") + asTyped(arguments, unknown.first())), true};
        return {CommandLineUsageError, usageError(valueProblem(arguments)), true};
    }
    if (parser.isSet(help))
        return {0, helpText()};
    if (parser.isSet(version))
        return {0, ProgramName + u' ' + ProgramVersion::number() + u'\n'};
    if (!parser.positionalArguments().isEmpty()) {
        return {CommandLineUsageError,
                usageError(QStringLiteral("okänt argument: ") + parser.positionalArguments().first()), true};
    }
    for (const QString &name : QtFileOptions) {
        const QFileInfo file(parser.value(name));
        if (parser.isSet(name) && (!file.isFile() || file.size() > QtFileLimit))
            return {CommandLineUsageError,
                    usageError(QStringLiteral("flaggan ") + asTyped(arguments, name) +
                               QStringLiteral(" ska ange en vanlig fil på högst 1 MiB: ") +
                               parser.value(name)),
                    true};
    }
    return {};
}
