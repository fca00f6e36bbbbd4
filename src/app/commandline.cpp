#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int UsageError = 2;

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

// The usage line names the program as it was started, also when no
// application object exists yet to tell the parser.
QString helpText(const QCommandLineParser &parser, const QString &program)
{
    const QString text = parser.helpText();
    return tr("Usage: %1 [options] [path]").arg(program) + text.mid(text.indexOf(u'\n'));
}

CommandLine exitWith(int exitCode, const QString &message)
{
    return {false, QString(), message, exitCode != 0, exitCode};
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    const QString program = arguments.isEmpty() || arguments.first().isEmpty()
            ? QStringLiteral("varnel")
            : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Edits the pedestrian groups of GTA3 (data/pedgrp.dat)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
            tr("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("path"),
            tr("A game folder, whose data/pedgrp.dat is loaded, or a file to load directly."),
            tr("[path]"));

    const bool parsed = parser.parse(arguments.isEmpty() ? QStringList{program} : arguments);
    const QString usage = helpText(parser, program);
    if (!parsed)
        return exitWith(UsageError,
                program + QStringLiteral(": ") + parser.errorText() + QStringLiteral("\n\n")
                        + usage);
    if (parser.isSet(help))
        return exitWith(0, usage);
    if (parser.isSet(version))
        return exitWith(0, QStringLiteral("Varnel " VARNEL_VERSION "\n"));
    const QStringList paths = parser.positionalArguments();
    if (paths.size() > 1)
        return exitWith(UsageError,
                program + tr(": Give one game folder or file, not %1.\n\n").arg(paths.size())
                        + usage);
    CommandLine commandLine;
    commandLine.gamePath = paths.value(0);
    return commandLine;
}

void printMessage(const CommandLine &commandLine)
{
    std::fputs(commandLine.message.toLocal8Bit().constData(),
            commandLine.messageIsError ? stderr : stdout);
}
