#include "app/commandline.h"

#include "language/language.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int UsageError = 2;

// The usage line names the program as it was started, also when no
// application object exists yet to tell the parser.
QString helpText(const QCommandLineParser &parser, const QString &program)
{
    const QString text = parser.helpText();
    return CommandLine::tr("Usage: %1 [options] [path]").arg(program)
            + text.mid(text.indexOf(u'\n'));
}

CommandLine exitWith(int exitCode, const QString &message)
{
    CommandLine commandLine;
    commandLine.startWindow = false;
    commandLine.message = message;
    commandLine.messageIsError = exitCode != 0;
    commandLine.exitCode = exitCode;
    return commandLine;
}

QCommandLineOption languageOption()
{
    return QCommandLineOption(QStringLiteral("language"),
            CommandLine::tr("Uses this language for this run: %1.").arg(languageCodes()),
            CommandLine::tr("code"));
}

// What parsed arguments ask for, or the usage error they make.
CommandLine whatItAsks(const QCommandLineParser &parser, const QString &program)
{
    const QString usage = helpText(parser, program);
    const QString language = parser.value(QStringLiteral("language"));
    if (parser.isSet(QStringLiteral("language")) && !isLanguage(language))
        return exitWith(UsageError,
                program
                        + CommandLine::tr(": Unknown language '%1'; give one of %2.\n\n")
                                  .arg(language, languageCodes())
                        + usage);
    if (parser.isSet(QStringLiteral("help")))
        return exitWith(0, usage);
    if (parser.isSet(QStringLiteral("version")))
        return exitWith(0, QStringLiteral("Varnel " VARNEL_VERSION "\n"));
    const QStringList paths = parser.positionalArguments();
    if (paths.size() > 1)
        return exitWith(UsageError,
                program
                        + CommandLine::tr(": Give one game folder or file, not %1.\n\n")
                                  .arg(paths.size())
                        + usage);
    CommandLine commandLine;
    commandLine.gamePath = paths.value(0);
    return commandLine;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    const QString program = arguments.isEmpty() || arguments.first().isEmpty()
            ? QStringLiteral("varnel")
            : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(
            CommandLine::tr("Edits the pedestrian groups of GTA3 (data/pedgrp.dat)."));
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
            CommandLine::tr("Displays help on commandline options.")));
    parser.addVersionOption();
    parser.addOption(languageOption());
    parser.addPositionalArgument(CommandLine::tr("path"),
            CommandLine::tr(
                    "A game folder, whose data/pedgrp.dat is loaded, or a file to load directly."),
            CommandLine::tr("[path]"));

    CommandLine commandLine = parser.parse(arguments.isEmpty() ? QStringList{program} : arguments)
            ? whatItAsks(parser, program)
            : exitWith(UsageError,
                    program + QStringLiteral(": ") + parser.errorText() + QStringLiteral("\n\n")
                            + helpText(parser, program));
    // Also beside an error, so that the error speaks it.
    const QString language = parser.value(QStringLiteral("language"));
    if (isLanguage(language))
        commandLine.language = language;
    return commandLine;
}

void printMessage(const CommandLine &commandLine)
{
    std::fputs(commandLine.message.toLocal8Bit().constData(),
            commandLine.messageIsError ? stderr : stdout);
}
